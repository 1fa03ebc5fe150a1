#include "editor/CellEditorDelegate.h"

#include "channels/ChannelTableModel.h"
#include "editor/DropDownListStyle.h"
#include "uikit/HelpRequest.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>

namespace {

constexpr int TwipsPerInch = 1440;

int controlIdOf(int col)
{
    static constexpr int ids[GridColumn::Count] = {
        0,
        CellEditorDelegate::RxEditId,
        CellEditorDelegate::TxEditId,
        CellEditorDelegate::DecListId,
        CellEditorDelegate::EncListId,
        CellEditorDelegate::WidthListId,
        CellEditorDelegate::ScanListId,
        CellEditorDelegate::BusyLockListId,
        CellEditorDelegate::PowerListId,
    };
    return col > 0 && col < GridColumn::Count ? ids[col] : CellEditorDelegate::RxEditId;
}

QLineEdit* makeEdit(QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setFrame(false);
    edit->setMaxLength(MaxCellTextLength);
    return edit;
}

QComboBox* makeList(QWidget* parent, const QStringList& entries)
{
    auto* list = new QComboBox(parent);
    DropDownListStyle::applyTo(list); // opens below the cell in every style
    list->addItems(entries);
    return list;
}

// A length in pixels through twips and back, as the classic grid placed its editors.
int throughTwips(int pixels, int dpi)
{
    return (pixels * TwipsPerInch / dpi) * dpi / TwipsPerInch;
}

} // namespace

CellEditorDelegate::CellEditorDelegate(const ChannelTableModel& model, QObject* keyFilter, QObject* parent)
    : CellMarkDelegate(CellMarks::Radio, CellMarks::Saved, parent), model_(model), keyFilter_(keyFilter)
{
}

QWidget* CellEditorDelegate::editorOf(int col) const
{
    return open_ && openColumn_ == col ? open_.data() : nullptr;
}

QComboBox* CellEditorDelegate::listOf(int col) const
{
    return qobject_cast<QComboBox*>(editorOf(col));
}

QString CellEditorDelegate::textOf(int col) const
{
    if (QComboBox* list = listOf(col))
        return list->currentText();
    const auto* edit = qobject_cast<QLineEdit*>(editorOf(col));
    return edit ? edit->text() : QString();
}

bool CellEditorDelegate::isChanged(int col) const
{
    return isOpen(col) && textOf(col) != loadedText_;
}

void CellEditorDelegate::editInPlace(int col) const
{
    if (auto* edit = qobject_cast<QLineEdit*>(editorOf(col))) {
        edit->deselect();
        edit->end(false);
    }
}

QWidget* CellEditorDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                          const QModelIndex& index) const
{
    const int col = ChannelTableModel::columnOf(index);
    const QStringList& entries = model_.choices().of(col);
    QWidget* editor = entries.isEmpty() ? static_cast<QWidget*>(makeEdit(parent)) : makeList(parent, entries);
    setControlId(editor, controlIdOf(col));
    editor->setAccessibleName(model_.headerData(index.column(), Qt::Horizontal).toString());
    editor->installEventFilter(keyFilter_);
    open_ = editor;
    openColumn_ = col;
    return editor;
}

void CellEditorDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    const QString cellText = index.data(Qt::EditRole).toString();
    if (auto* list = qobject_cast<QComboBox*>(editor)) {
        int found = list->findText(cellText, Qt::MatchStartsWith);
        if (found < 0 && !cellText.isEmpty()) {
            // A value the list does not offer (a tone code read from a radio or a file)
            // stays as it is unless the user picks another entry.
            list->addItem(cellText);
            found = list->count() - 1;
        }
        list->setCurrentIndex(found < 0 ? 0 : found);
        loadedText_ = list->currentText();
    } else if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
        edit->setText(cellText);
        edit->selectAll();
        loadedText_ = cellText;
    }
}

void CellEditorDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                              const QModelIndex&) const
{
    // The cell counted from the grid's outer edge, through twips, less the edge again.
    const int dpiX = editor->logicalDpiX();
    const int dpiY = editor->logicalDpiY();
    const QRect cell = option.rect.translated(EdgeAllowance, EdgeAllowance);
    const QRect placed(throughTwips(cell.left(), dpiX) - EdgeAllowance, throughTwips(cell.top(), dpiY) - EdgeAllowance,
                       throughTwips(cell.width(), dpiX), throughTwips(cell.height(), dpiY));
    if (auto* list = qobject_cast<QComboBox*>(editor)) {
        // The opened list reaches DropDownHeight pixels below the cell.
        const int rowHeight = qMax(1, list->view()->sizeHintForRow(0));
        list->setMaxVisibleItems(qMax(1, DropDownHeight / rowHeight));
    }
    editor->setGeometry(placed);
}

void CellEditorDelegate::destroyEditor(QWidget* editor, const QModelIndex& index) const
{
    if (editor == open_)
        open_.clear();
    CellMarkDelegate::destroyEditor(editor, index);
}
