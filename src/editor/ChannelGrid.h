#pragma once

#include <QColor>
#include <QRect>
#include <QVector>
#include <QWidget>

class GridCornerTitle;
class QTableWidget;
class QTableWidgetItem;

// A rectangle of grid cells, in grid coordinates.
struct CellRange {
    int top = 1;
    int left = 1;
    int bottom = 1;
    int right = 1;
    bool wholeRows = false; // every column of the rows is selected (the row titles were clicked)
    bool isSingleCell() const { return top == bottom && left == right; }
};

// The channel grid: a table of cell texts whose row 0 and column 0 are fixed title cells
// (shown as the table's headers). Every position counts in grid coordinates: row 0 is the
// title row, rows 1.. the channels; column 0 the channel numbers, columns 1.. the
// attributes, the same numbering the channel codec's texts use. Column widths and cell
// rectangles are also given in twips, as the editors are placed with them.
//
// The current cell moves by mouse, arrow keys and setCurrentCell; every move raises
// cellLeft while currentRow/currentColumn still name the old cell, then cellEntered at
// the new one.
class ChannelGrid : public QWidget {
    Q_OBJECT
public:
    // Cell positions count from the grid's outer edge, which lies this many pixels
    // (border and grid line) before the cell area; editor placement takes them back.
    static constexpr int EdgeAllowance = 3;
    static constexpr int TwipsPerInch = 1440;

    ChannelGrid(int rows, int columns, QWidget* parent = nullptr);

    int rowCount() const { return rows_; }
    int columnCount() const { return columns_; }
    int currentRow() const { return row_; }
    int currentColumn() const { return column_; }
    // Moves the current cell in one step (one cellLeft, one cellEntered).
    void setCurrentCell(int row, int column);

    QString text(int row, int column) const;
    void setText(int row, int column, const QString& text);
    QString currentText() const { return text(row_, column_); }
    // The selected rectangle of cells; the current cell when nothing is selected.
    CellRange selection() const;

    void setColumnWidthTwips(int column, int twips);
    int columnWidthTwips(int column) const { return columnTwips_.value(column); }
    bool isColumnShown(int column) const { return columnWidthTwips(column) > 0; }
    // A current cell in a column no longer shown moves to the first column shown of its
    // row, quietly: nothing is left or entered.
    void keepCurrentCellShown();
    // Centred, or at the left top.
    void setColumnCentred(int column, bool centred);

    // The current cell's rectangle in twips, from the grid's outer edge.
    QRect currentCellTwips() const;
    // A cell's rectangle in the viewport's pixels (where a click lands).
    QRect cellRect(int row, int column) const;

    void setTitleColour(const QColor& colour);

    // Height that shows every row without scrolling.
    int fullHeight() const;
    // The widget the cells are drawn on, and the in-place editors' parent.
    QWidget* viewport() const;
    // Lets filter see the keys and clicks the grid receives.
    void installInputFilter(QObject* filter);

    int pixelsFromTwipsX(int twips) const { return twips * logicalDpiX() / TwipsPerInch; }
    int pixelsFromTwipsY(int twips) const { return twips * logicalDpiY() / TwipsPerInch; }

Q_SIGNALS:
    void cellEntered();
    void cellLeft();
    // A mouse button went down on a cell.
    void pressed();

protected:
    void changeEvent(QEvent* event) override;

private:
    void onCurrentCellChanged(int tableRow, int tableColumn);
    void fitRowsToFont();
    QTableWidgetItem* cellItem(int row, int column); // created on first use
    int twipsFromPixelsX(int pixels) const { return pixels * TwipsPerInch / logicalDpiX(); }
    int twipsFromPixelsY(int pixels) const { return pixels * TwipsPerInch / logicalDpiY(); }

    QTableWidget* table_;
    GridCornerTitle* corner_; // row 0, column 0
    int rows_;
    int columns_;
    int row_ = 1;
    int column_ = 1;
    QVector<int> columnTwips_;
};
