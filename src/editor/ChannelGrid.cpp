#include "editor/ChannelGrid.h"

#include "channels/ChannelTableModel.h"
#include "editor/ChannelDrag.h"
#include "editor/GridCornerTitle.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QTableView>
#include <QVBoxLayout>
#include <functional>

// The table underneath is the model's: grid cell (r, c) is table cell (r - 1, c - 1); row 0
// and column 0 are its headers.
class CellTable : public QTableView {
public:
    CellTable(std::function<void()> onCellPressed, std::function<void()> onLeave, QWidget* parent)
        : QTableView(parent), onCellPressed_(std::move(onCellPressed)), onLeave_(std::move(onLeave))
    {
    }

    // Typed keys open the current cell's editor (the view sees them first); they never
    // move to another row whose text begins with them.
    void keyboardSearch(const QString&) override {}

    void closeCellEditor(QWidget* editor) { closeEditor(editor, QAbstractItemDelegate::NoHint); }

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        QTableView::mousePressEvent(event);
        if (indexAt(event->position().toPoint()).isValid())
            onCellPressed_();
    }

    // The leave commit runs before the table would take the editor away itself.
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override
    {
        if (previous.isValid())
            onLeave_();
        QTableView::currentChanged(current, previous);
    }

private:
    std::function<void()> onCellPressed_;
    std::function<void()> onLeave_;
};

ChannelGrid::ChannelGrid(ChannelTableModel& model, QWidget* parent)
    : QWidget(parent), model_(model),
      table_(new CellTable([this] { Q_EMIT pressed(); }, [this] { Q_EMIT cellLeft(); }, this)),
      corner_(new GridCornerTitle(table_)), columnTwips_(columnCount(), 0)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(table_);
    setFocusProxy(table_);

    table_->setModel(&model_);
    table_->setAccessibleName(tr("Channels"));
    // One rectangle of cells, for copy and cut; clicking the channel numbers selects rows.
    table_->setSelectionMode(QAbstractItemView::ContiguousSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers); // cells change only through commits
    // Tab leaves the grid: a hidden editor must not move the current cell by a Tab.
    table_->setTabKeyNavigation(false);
    table_->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    for (QHeaderView* header : {table_->horizontalHeader(), table_->verticalHeader()}) {
        header->setSectionResizeMode(QHeaderView::Fixed);
        header->setHighlightSections(false);
        header->setMinimumSectionSize(0);
        header->setDefaultAlignment(Qt::AlignCenter);
    }
    fitRowsToFont();
    setCurrentCell(1, 1);
    connect(table_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { onCurrentChanged(current.row(), current.column() + 1); });
    connectMenus();
    new ChannelDrag(*this, *table_, [this](int before) { Q_EMIT channelsDropped(before); });
}

void ChannelGrid::connectMenus()
{
    table_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(table_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { Q_EMIT cellMenuRequested(table_->viewport()->mapToGlobal(pos)); });
    QHeaderView* titles = table_->horizontalHeader();
    titles->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(titles, &QWidget::customContextMenuRequested, this, [this, titles](const QPoint& pos) {
        const int section = titles->logicalIndexAt(pos);
        if (section >= 0)
            Q_EMIT titleMenuRequested(section + 1, titles->viewport()->mapToGlobal(pos));
    });
}

int ChannelGrid::rowCount() const
{
    return model_.rowCount() + 1;
}

int ChannelGrid::columnCount() const
{
    return model_.columnCount() + 1;
}

QWidget* ChannelGrid::viewport() const
{
    return table_->viewport();
}

void ChannelGrid::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fitRowsToFont();
}

void ChannelGrid::fitRowsToFont()
{
    // Rows as tall as the text, like the classic grid.
    const int rowHeight = fontMetrics().height() + 3;
    table_->verticalHeader()->setDefaultSectionSize(rowHeight);
    table_->horizontalHeader()->setFixedHeight(rowHeight);
}

void ChannelGrid::setCurrentCell(int row, int column)
{
    table_->selectionModel()->setCurrentIndex(model_.cellIndex(row, column), QItemSelectionModel::ClearAndSelect);
}

void ChannelGrid::onCurrentChanged(int tableRow, int column)
{
    if (tableRow < 0 || column < 1)
        return;
    row_ = tableRow + 1;
    column_ = column;
    Q_EMIT cellEntered();
}

void ChannelGrid::installInputFilter(QObject* filter)
{
    table_->installEventFilter(filter);
    table_->viewport()->installEventFilter(filter);
}

int ChannelGrid::fullHeight() const
{
    return table_->horizontalHeader()->height() +
           (rowCount() - 1) * table_->verticalHeader()->defaultSectionSize() + 2 * table_->frameWidth();
}

QString ChannelGrid::text(int row, int column) const
{
    if (row == 0 && column == 0)
        return corner_->text();
    if (row == 0)
        return model_.headerData(column - 1, Qt::Horizontal).toString();
    return model_.text(row, column);
}

void ChannelGrid::setText(int row, int column, const QString& text)
{
    if (row == 0 && column == 0)
        corner_->setText(text);
    else if (row > 0 && column > 0)
        model_.writeCells(row, {{column, text}});
}

void ChannelGrid::setColumnWidthTwips(int column, int twips)
{
    columnTwips_[column] = twips;
    const int pixels = pixelsFromTwipsX(twips);
    if (column == 0) {
        table_->verticalHeader()->setFixedWidth(pixels);
        return;
    }
    // A column of no width is hidden: no arrow key, click or move lands on it.
    table_->setColumnHidden(column - 1, twips == 0);
    if (twips > 0)
        table_->setColumnWidth(column - 1, pixels);
}

void ChannelGrid::keepCurrentCellShown()
{
    for (int c = 1; c < columnCount() && !isColumnShown(column_); ++c) {
        if (isColumnShown(c)) {
            const QSignalBlocker quiet(table_->selectionModel());
            setCurrentCell(row_, c);
            column_ = c;
        }
    }
}

void ChannelGrid::setEditorDelegate(QAbstractItemDelegate* delegate)
{
    table_->setItemDelegate(delegate);
}

void ChannelGrid::openEditor()
{
    table_->edit(table_->currentIndex());
}

void ChannelGrid::closeEditor(QWidget* editor)
{
    if (editor)
        table_->closeCellEditor(editor);
}

CellRange ChannelGrid::selection() const
{
    const QModelIndexList selected = table_->selectionModel()->selectedIndexes();
    if (selected.isEmpty())
        return {row_, column_, row_, column_, false};
    CellRange range{rowCount(), columnCount(), 0, 0, false};
    for (const QModelIndex& index : selected) {
        range.top = qMin(range.top, index.row() + 1);
        range.bottom = qMax(range.bottom, index.row() + 1);
        range.left = qMin(range.left, index.column() + 1);
        range.right = qMax(range.right, index.column() + 1);
    }
    range.wholeRows = range.left == 1 && range.right == columnCount() - 1;
    return range;
}

void ChannelGrid::select(const CellRange& range, int row, int column)
{
    QItemSelectionModel* selection = table_->selectionModel();
    selection->setCurrentIndex(model_.cellIndex(row, column), QItemSelectionModel::NoUpdate);
    selection->select(
        QItemSelection(model_.cellIndex(range.top, range.left), model_.cellIndex(range.bottom, range.right)),
        QItemSelectionModel::ClearAndSelect);
}

QRect ChannelGrid::cellRect(int row, int column) const
{
    return table_->visualRect(model_.cellIndex(row, column));
}

void ChannelGrid::setTitleColour(const QColor& colour)
{
    corner_->setColour(colour);
    for (QHeaderView* header : {table_->horizontalHeader(), table_->verticalHeader()}) {
        QPalette palette = header->palette();
        palette.setColor(QPalette::ButtonText, colour);
        header->setPalette(palette);
    }
}
