#include "editor/ChannelGrid.h"

#include "editor/GridCornerTitle.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>
#include <functional>

// The table underneath counts only the channel cells: grid cell (r, c) is table cell
// (r - 1, c - 1); row 0 and column 0 are its header items.

namespace {

// Reports a press on a cell after the table has handled it (and moved the current cell),
// as a control's mouse-down notification follows its own handling.
class CellTable : public QTableWidget {
public:
    CellTable(int rows, int columns, std::function<void()> onCellPressed, QWidget* parent)
        : QTableWidget(rows, columns, parent), onCellPressed_(std::move(onCellPressed))
    {
    }

    // Typed keys open the current cell's editor (the view sees them first); they never
    // move to another row whose text begins with them.
    void keyboardSearch(const QString&) override {}

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        QTableWidget::mousePressEvent(event);
        if (indexAt(event->position().toPoint()).isValid())
            onCellPressed_();
    }

private:
    std::function<void()> onCellPressed_;
};

// A channel cell tells assistive technology where it lies: its name is its text, its
// description the column title and the channel.
class CellItem : public QTableWidgetItem {
public:
    QVariant data(int role) const override
    {
        if (role != Qt::AccessibleDescriptionRole || !tableWidget())
            return QTableWidgetItem::data(role);
        const QTableWidgetItem* title = tableWidget()->horizontalHeaderItem(column());
        const QTableWidgetItem* number = tableWidget()->verticalHeaderItem(row());
        return ChannelGrid::tr("%1, channel %2")
            .arg(title ? title->text() : QString(), number ? number->text().trimmed() : QString());
    }
};

} // namespace

ChannelGrid::ChannelGrid(int rows, int columns, QWidget* parent)
    : QWidget(parent), table_(new CellTable(
                           rows - 1, columns - 1, [this] { Q_EMIT pressed(); }, this)),
      corner_(new GridCornerTitle(table_)), rows_(rows), columns_(columns), columnTwips_(columns, 0)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(table_);
    setFocusProxy(table_);

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
    }
    for (int r = 1; r < rows; ++r)
        table_->setVerticalHeaderItem(r - 1, new QTableWidgetItem);
    for (int c = 1; c < columns; ++c)
        table_->setHorizontalHeaderItem(c - 1, new QTableWidgetItem);
    fitRowsToFont();
    setCurrentCell(1, 1);
    connect(table_, &QTableWidget::currentCellChanged, this,
            [this](int r, int c, int, int) { onCurrentCellChanged(r, c); });
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
    table_->setCurrentCell(row - 1, column - 1);
}

void ChannelGrid::onCurrentCellChanged(int tableRow, int tableColumn)
{
    if (tableRow < 0 || tableColumn < 0)
        return;
    Q_EMIT cellLeft();
    row_ = tableRow + 1;
    column_ = tableColumn + 1;
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
           (rows_ - 1) * table_->verticalHeader()->defaultSectionSize() + 2 * table_->frameWidth();
}

QString ChannelGrid::text(int row, int column) const
{
    if (row == 0 && column == 0)
        return corner_->text();
    const QTableWidgetItem* cell = row == 0      ? table_->horizontalHeaderItem(column - 1)
                                   : column == 0 ? table_->verticalHeaderItem(row - 1)
                                                 : table_->item(row - 1, column - 1);
    return cell ? cell->text() : QString();
}

void ChannelGrid::setText(int row, int column, const QString& text)
{
    if (row == 0 && column == 0)
        corner_->setText(text);
    else if (row == 0)
        table_->horizontalHeaderItem(column - 1)->setText(text);
    else if (column == 0)
        table_->verticalHeaderItem(row - 1)->setText(text);
    else
        cellItem(row, column)->setText(text);
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
    for (int c = 1; c < columns_ && !isColumnShown(column_); ++c) {
        if (isColumnShown(c)) {
            const QSignalBlocker quiet(table_);
            table_->setCurrentCell(row_ - 1, c - 1);
            column_ = c;
        }
    }
}

void ChannelGrid::setColumnCentred(int column, bool centred)
{
    const Qt::Alignment align = centred ? Qt::AlignCenter : (Qt::AlignLeft | Qt::AlignTop);
    if (column == 0) {
        table_->verticalHeader()->setDefaultAlignment(align);
        corner_->setAlignment(align);
        return;
    }
    table_->horizontalHeaderItem(column - 1)->setTextAlignment(align);
    for (int r = 1; r < rows_; ++r)
        cellItem(r, column)->setTextAlignment(align);
}

QTableWidgetItem* ChannelGrid::cellItem(int row, int column)
{
    if (QTableWidgetItem* existing = table_->item(row - 1, column - 1))
        return existing;
    auto* created = new CellItem; // the table takes ownership
    table_->setItem(row - 1, column - 1, created);
    return created;
}

CellRange ChannelGrid::selection() const
{
    const QList<QTableWidgetSelectionRange> ranges = table_->selectedRanges();
    if (ranges.isEmpty())
        return {row_, column_, row_, column_, false};
    const QTableWidgetSelectionRange& range = ranges.front();
    const bool wholeRows = range.leftColumn() == 0 && range.rightColumn() == columns_ - 2;
    return {range.topRow() + 1, range.leftColumn() + 1, range.bottomRow() + 1, range.rightColumn() + 1,
            wholeRows};
}

QRect ChannelGrid::cellRect(int row, int column) const
{
    return table_->visualRect(table_->model()->index(row - 1, column - 1));
}

QRect ChannelGrid::currentCellTwips() const
{
    // From the grid's outer edge, EdgeAllowance pixels before the cell area.
    const QRect cell = cellRect(row_, column_).translated(EdgeAllowance, EdgeAllowance);
    return {twipsFromPixelsX(cell.left()), twipsFromPixelsY(cell.top()), twipsFromPixelsX(cell.width()),
            twipsFromPixelsY(cell.height())};
}

void ChannelGrid::setTitleColour(const QColor& colour)
{
    corner_->setColour(colour);
    for (int c = 1; c < columns_; ++c)
        table_->horizontalHeaderItem(c - 1)->setForeground(colour);
    for (int r = 1; r < rows_; ++r)
        table_->verticalHeaderItem(r - 1)->setForeground(colour);
}
