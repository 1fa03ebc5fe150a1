#pragma once

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QVector>
#include <QWidget>

class ChannelTableModel;
class GridCornerTitle;
class QAbstractItemDelegate;
class QTableView;

// A rectangle of grid cells, in grid coordinates.
struct CellRange {
    int top = 1;
    int left = 1;
    int bottom = 1;
    int right = 1;
    bool wholeRows = false; // every column of the rows is selected (the row titles were clicked)
    bool isSingleCell() const { return top == bottom && left == right; }
};

// The channel grid: a table view over the channel model whose row 0 and column 0 are
// fixed title cells (the table's headers). Every position counts in grid coordinates: row
// 0 is the title row, rows 1.. the channels; column 0 the channel numbers, columns 1.. the
// attributes, the model's own column numbers. Column widths are given in twips; a column
// of no width is hidden.
//
// The selected channels can be dragged by their numbers to another place (ChannelDrag); the
// grid says where they were dropped and leaves the moving to the view.
//
// The current cell moves by mouse, arrow keys and setCurrentCell; every move raises
// cellLeft while currentRow/currentColumn still name the old cell, then cellEntered at
// the new one. The in-place editor is the delegate's; the grid opens and closes it when
// told, never by itself.
class ChannelGrid : public QWidget {
    Q_OBJECT
public:
    static constexpr int TwipsPerInch = 1440;

    explicit ChannelGrid(ChannelTableModel& model, QWidget* parent = nullptr);

    ChannelTableModel& model() const { return model_; }
    int rowCount() const;
    int columnCount() const;
    int currentRow() const { return row_; }
    int currentColumn() const { return column_; }
    // Moves the current cell in one step (one cellLeft, one cellEntered).
    void setCurrentCell(int row, int column);

    // The title, channel number or cell text the grid shows.
    QString text(int row, int column) const;
    // The corner title (row 0, column 0), or a cell's value written through the model as it
    // stands (no commit rules).
    void setText(int row, int column, const QString& text);
    QString currentText() const { return text(row_, column_); }
    // The selected rectangle of cells; the current cell when nothing is selected.
    CellRange selection() const;
    // Selects the rectangle and moves the current cell to (row, column) in one step.
    void select(const CellRange& range, int row, int column);

    void setColumnWidthTwips(int column, int twips);
    int columnWidthTwips(int column) const { return columnTwips_.value(column); }
    bool isColumnShown(int column) const { return columnWidthTwips(column) > 0; }
    // A current cell in a column no longer shown moves to the first column shown of its
    // row, quietly: nothing is left or entered.
    void keepCurrentCellShown();

    // The cell editor: opened over the current cell by the delegate, closed without a
    // commit (the view commits first).
    void setEditorDelegate(QAbstractItemDelegate* delegate);
    void openEditor();
    void closeEditor(QWidget* editor);

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

Q_SIGNALS:
    void cellEntered();
    void cellLeft();
    // A mouse button went down on a cell.
    void pressed();
    // The context menu of the cells, or of a column's title cell, at a point of the screen.
    void cellMenuRequested(const QPoint& globalPos);
    void titleMenuRequested(int column, const QPoint& globalPos);
    // The selected channels were dragged by their numbers to stand before channel before
    // (1..17).
    void channelsDropped(int before);

protected:
    void changeEvent(QEvent* event) override;

private:
    void onCurrentChanged(int tableRow, int column);
    void fitRowsToFont();
    void connectMenus();

    ChannelTableModel& model_;
    class CellTable* table_;
    GridCornerTitle* corner_; // row 0, column 0
    int row_ = 1;
    int column_ = 1;
    QVector<int> columnTwips_;
};
