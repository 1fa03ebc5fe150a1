#include "editor/CellEditors.h"

#include "editor/DropDownListStyle.h"
#include "model/ChannelCodec.h"
#include "model/ChoiceTexts.h"
#include "uikit/HelpRequest.h"

#include <QComboBox>
#include <QLineEdit>

namespace {

QLineEdit* makeEdit(QWidget* parent, int id)
{
    auto* edit = new QLineEdit(parent);
    edit->setFrame(false);
    edit->setMaxLength(MaxCellTextLength);
    setControlId(edit, id);
    edit->hide();
    return edit;
}

QComboBox* makeList(QWidget* parent, int id, const QStringList& entries, bool scrollBar)
{
    auto* list = new QComboBox(parent);
    DropDownListStyle::applyTo(list); // opens below the cell in every style
    list->addItems(entries);
    list->setMaxVisibleItems(scrollBar ? 8 : entries.size());
    setControlId(list, id);
    list->hide();
    return list;
}

} // namespace

CellEditors::CellEditors(QWidget* viewport, const QStringList& toneChoices, Language language)
{
    const ChoiceTexts& t = choiceTexts(language);
    editors_ = {
        makeEdit(viewport, RxEditId),
        makeEdit(viewport, TxEditId),
        makeList(viewport, DecListId, toneChoices, true),
        makeList(viewport, EncListId, toneChoices, true),
        makeList(viewport, WidthListId, {t.wide, t.narrow}, true),
        makeList(viewport, ScanListId, {t.scanYes, t.scanNo}, true),
        makeList(viewport, BusyLockListId, {t.busyOff, t.busyCarrier, t.busyTone}, false),
        makeList(viewport, PowerListId, {t.high, t.low}, false),
    };
    for (std::size_t i = 0; i < editors_.size(); ++i)
        if (auto* list = qobject_cast<QComboBox*>(editors_[i]))
            offeredCounts_[i] = list->count();
}

QWidget* CellEditors::editorOf(int col) const
{
    const bool inRange = col >= GridColumn::RxFrequency && col <= GridColumn::Power;
    return editors_[static_cast<std::size_t>(inRange ? col - 1 : 0)];
}

QComboBox* CellEditors::listOf(int col) const
{
    return qobject_cast<QComboBox*>(editorOf(col));
}

QString CellEditors::textOf(int col) const
{
    if (QComboBox* list = listOf(col))
        return list->currentText();
    return static_cast<QLineEdit*>(editorOf(col))->text();
}

void CellEditors::load(int col, const QString& cellText)
{
    if (QComboBox* list = listOf(col)) {
        const int offered = offeredCounts_[static_cast<std::size_t>(col - 1)];
        while (list->count() > offered)
            list->removeItem(list->count() - 1);
        int found = list->findText(cellText, Qt::MatchStartsWith);
        if (found < 0 && !cellText.isEmpty()) {
            // A value the list does not offer (a tone code read from a radio or a file)
            // stays as it is unless the user picks another entry.
            list->addItem(cellText);
            found = list->count() - 1;
        }
        list->setCurrentIndex(found < 0 ? 0 : found);
    } else {
        auto* edit = static_cast<QLineEdit*>(editorOf(col));
        edit->setText(cellText);
        edit->selectAll();
    }
    loadedTexts_[static_cast<std::size_t>(col - 1)] = textOf(col);
}

void CellEditors::editInPlace(int col)
{
    if (!listOf(col)) {
        auto* edit = static_cast<QLineEdit*>(editorOf(col));
        edit->deselect();
        edit->end(false);
    }
}

QString CellEditors::offeredEntry(int col, const QString& text) const
{
    const QComboBox* list = listOf(col);
    const int offered = list ? offeredCounts_[static_cast<std::size_t>(col - 1)] : 0;
    for (const Qt::MatchFlags match : {Qt::MatchFixedString, Qt::MatchStartsWith}) {
        const int found = list ? list->findText(text, match) : -1;
        if (found >= 0 && found < offered)
            return list->itemText(found);
    }
    return {};
}

bool CellEditors::isOpen(int col) const
{
    return !editorOf(col)->isHidden();
}

bool CellEditors::isChanged(int col) const
{
    return textOf(col) != loadedTexts_[static_cast<std::size_t>(col - 1)];
}

void CellEditors::hideAll()
{
    for (QWidget* editor : editors_)
        editor->hide();
}
