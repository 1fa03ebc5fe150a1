#include "editor/ChannelMenus.h"

#include "channels/ChannelTableModel.h"
#include "editor/ChannelGrid.h"
#include "editor/ChannelView.h"
#include "editor/GridOperations.h"

#include <QAction>
#include <QInputDialog>
#include <QMenu>

namespace {

bool isToneColumn(int col)
{
    return col == GridColumn::DecodeTone || col == GridColumn::EncodeTone;
}

// The columns whose value can be set for several channels from the menus.
bool isSettable(int col)
{
    return isToneColumn(col) || col == GridColumn::Bandwidth || col == GridColumn::Scan;
}

} // namespace

ChannelMenus::ChannelMenus(ChannelView& view) : QObject(&view), view_(view) {}

void ChannelMenus::setCellActions(const QList<QAction*>& actions)
{
    cellActions_ = actions;
}

// "Set W/N for selected channels" with a submenu of the values, or for a tone column a
// chooser of the tones.
QAction* ChannelMenus::setColumnAction(int col)
{
    QAction*& action = setActions_[static_cast<std::size_t>(col)];
    if (action)
        return action;
    const QString title = view_.grid()->text(0, col);
    if (isToneColumn(col)) {
        action = new QAction(tr("Set %1 for se&lected channels...").arg(title), this);
        connect(action, &QAction::triggered, this, [this, col] { chooseTone(col); });
        return action;
    }
    auto* values = new QMenu(tr("Set %1 for se&lected channels").arg(title), &view_);
    for (const QString& value : view_.model().choices().of(col))
        connect(values->addAction(value), &QAction::triggered, this,
                [this, col, value] { setColumnOfSelected(view_, col, value); });
    action = values->menuAction();
    return action;
}

QMenu* ChannelMenus::titleMenu(int col)
{
    QMenu*& menu = titleMenus_[static_cast<std::size_t>(col)];
    if (menu)
        return menu;
    menu = new QMenu(&view_);
    QAction* set = setColumnAction(col);
    if (QMenu* values = set->menu()) {
        // The heading says what the values do; the style sizes a menu by its entries only.
        const QString heading = tr("Set %1 for selected channels:").arg(view_.grid()->text(0, col));
        menu->addSection(heading);
        menu->addActions(values->actions());
        menu->setMinimumWidth(menu->fontMetrics().horizontalAdvance(heading) +
                              4 * menu->fontMetrics().averageCharWidth());
    } else {
        menu->addAction(set);
    }
    return menu;
}

// Nothing is set while the grid cannot be edited (a radio of no known type, a transfer).
void ChannelMenus::enableSetActions()
{
    const bool editable = view_.isEditable();
    for (QAction* action : setActions_) {
        if (!action)
            continue;
        action->setEnabled(editable);
        if (QMenu* values = action->menu())
            for (QAction* value : values->actions())
                value->setEnabled(editable);
    }
}

void ChannelMenus::showCellMenu(const QPoint& globalPos)
{
    if (!cellMenu_) {
        cellMenu_ = new QMenu(&view_);
        cellMenu_->addActions(cellActions_);
        cellMenu_->addSeparator();
        for (int col = GridColumn::RxFrequency; col < GridColumn::Count; ++col)
            if (isSettable(col))
                cellMenu_->addAction(setColumnAction(col));
    }
    const int current = view_.grid()->currentColumn();
    for (int col = GridColumn::RxFrequency; col < GridColumn::Count; ++col)
        if (isSettable(col))
            setColumnAction(col)->setVisible(col == current && view_.model().isColumnShown(col));
    enableSetActions();
    cellMenu_->popup(globalPos);
}

void ChannelMenus::showTitleMenu(int col, const QPoint& globalPos)
{
    if (!isSettable(col) || !view_.model().isColumnShown(col))
        return;
    QMenu* menu = titleMenu(col);
    enableSetActions();
    menu->popup(globalPos);
}

void ChannelMenus::chooseTone(int col)
{
    const QStringList& tones = view_.model().choices().of(col);
    const QString title = view_.grid()->text(0, col);
    const int current = qMax(0, int(tones.indexOf(view_.grid()->text(view_.grid()->currentRow(), col))));
    bool ok = false;
    const QString tone =
        QInputDialog::getItem(&view_, tr("Set %1").arg(title), tr("%1 for the selected channels:").arg(title),
                              tones, current, false, &ok);
    if (ok)
        setColumnOfSelected(view_, col, tone);
}
