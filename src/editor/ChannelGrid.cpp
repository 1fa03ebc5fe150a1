#include "editor/ChannelGrid.h"

#include <QHeaderView>
#include <QMouseEvent>

namespace {

Qt::Alignment alignmentFor(int flexAlignment)
{
    return flexAlignment == 4 ? Qt::AlignCenter : (Qt::AlignLeft | Qt::AlignTop);
}

} // namespace

ChannelGrid::ChannelGrid(int rows, int cols, QWidget* parent)
    : QTableWidget(rows - 1, cols - 1, parent), rows_(rows), cols_(cols), colTwips_(cols, 0)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers); // cells change only through commits
    // Tab leaves the grid: a hidden editor must not move the current cell by a Tab.
    setTabKeyNavigation(false);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setHighlightSections(false);
    horizontalHeader()->setMinimumSectionSize(0);
    verticalHeader()->setMinimumSectionSize(0);
    for (int r = 1; r < rows; ++r)
        setVerticalHeaderItem(r - 1, new QTableWidgetItem);
    for (int c = 1; c < cols; ++c)
        setHorizontalHeaderItem(c - 1, new QTableWidgetItem);
    fitRowsToFont();
    setCurrentCell(1, 1);
    connect(this, &QTableWidget::currentCellChanged, this,
            [this](int r, int c, int, int) { onCurrentCellChanged(r, c); });
}

void ChannelGrid::changeEvent(QEvent* event)
{
    QTableWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fitRowsToFont();
}

void ChannelGrid::fitRowsToFont()
{
    // Rows as tall as the text, like the classic grid.
    const int rowHeight = fontMetrics().height() + 3;
    verticalHeader()->setDefaultSectionSize(rowHeight);
    horizontalHeader()->setFixedHeight(rowHeight);
}

void ChannelGrid::setCurrentCell(int row, int col)
{
    QTableWidget::setCurrentCell(row - 1, col - 1);
}

void ChannelGrid::onCurrentCellChanged(int currentRow, int currentColumn)
{
    if (currentRow < 0 || currentColumn < 0)
        return;
    Q_EMIT LeaveCell();
    row_ = currentRow + 1;
    col_ = currentColumn + 1;
    Q_EMIT EnterCell();
}

void ChannelGrid::mousePressEvent(QMouseEvent* event)
{
    QTableWidget::mousePressEvent(event);
    if (indexAt(event->position().toPoint()).isValid())
        Q_EMIT MouseDown();
}

int ChannelGrid::fullHeight() const
{
    return horizontalHeader()->height() + (rows_ - 1) * verticalHeader()->defaultSectionSize() +
           2 * frameWidth();
}

QString ChannelGrid::TextMatrix(int row, int col) const
{
    const QTableWidgetItem* cell = row == 0   ? (col == 0 ? nullptr : horizontalHeaderItem(col - 1))
                                   : col == 0 ? verticalHeaderItem(row - 1)
                                              : item(row - 1, col - 1);
    return cell ? cell->text() : QString();
}

void ChannelGrid::setTextMatrix(int row, int col, const QString& text)
{
    if (row == 0 && col == 0)
        return; // the corner cell shows nothing
    if (row == 0) {
        horizontalHeaderItem(col - 1)->setText(text);
    } else if (col == 0) {
        verticalHeaderItem(row - 1)->setText(text);
    } else {
        cellItem(row, col)->setText(text);
    }
}

void ChannelGrid::setColWidth(int col, int twips)
{
    colTwips_[col] = twips;
    const int pixels = pixelsFromTwipsX(twips);
    if (col == 0)
        verticalHeader()->setFixedWidth(pixels);
    else
        setColumnWidth(col - 1, pixels);
}

void ChannelGrid::setColAlignment(int col, int alignment)
{
    const Qt::Alignment align = alignmentFor(alignment);
    if (col == 0) {
        verticalHeader()->setDefaultAlignment(align);
        return;
    }
    horizontalHeaderItem(col - 1)->setTextAlignment(align);
    for (int r = 1; r < rows_; ++r)
        cellItem(r, col)->setTextAlignment(align);
}

QTableWidgetItem* ChannelGrid::cellItem(int row, int col)
{
    if (QTableWidgetItem* existing = item(row - 1, col - 1))
        return existing;
    auto* created = new QTableWidgetItem; // the table takes ownership
    setItem(row - 1, col - 1, created);
    return created;
}

QRect ChannelGrid::currentCellPixels() const
{
    const QRect cell = visualRect(model()->index(row_ - 1, col_ - 1));
    // Relative to the grid's outer edge, EdgeAllowance pixels before the cell area.
    return cell.translated(EdgeAllowance, EdgeAllowance);
}

int ChannelGrid::CellLeft() const
{
    return twipsFromPixelsX(currentCellPixels().left());
}
int ChannelGrid::CellTop() const
{
    return twipsFromPixelsY(currentCellPixels().top());
}
int ChannelGrid::CellWidth() const
{
    return twipsFromPixelsX(currentCellPixels().width());
}
int ChannelGrid::CellHeight() const
{
    return twipsFromPixelsY(currentCellPixels().height());
}

void ChannelGrid::setForeColorFixed(const QColor& color)
{
    for (int c = 1; c < cols_; ++c)
        horizontalHeaderItem(c - 1)->setForeground(color);
    for (int r = 1; r < rows_; ++r)
        verticalHeaderItem(r - 1)->setForeground(color);
}

void ChannelGrid::setBackColorBkg(const QColor& color)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Base, color);
    pal.setColor(QPalette::Window, color);
    setPalette(pal);
}
