#pragma once

#include <QColor>
#include <QTableWidget>

// The channel grid: a table whose row 0 and column 0 are fixed title cells (shown as the
// table's headers), addressed like the classic flex grid by Row/Col/Text/TextMatrix with
// column widths and cell rectangles in twips. Rows and columns count the fixed ones.
//
// The current cell moves by mouse, arrow keys and setCurrentCell; every move raises
// LeaveCell while Row/Col still name the old cell, then EnterCell at the new one.
class ChannelGrid : public QTableWidget {
    Q_OBJECT
public:
    // Cell positions count from the grid's outer edge, which lies this many pixels
    // (border and grid line) before the cell area; editor placement takes them back.
    static constexpr int EdgeAllowance = 3;
    static constexpr int TwipsPerInch = 1440;

    ChannelGrid(int rows, int cols, QWidget* parent = nullptr);

    int Rows() const { return rows_; }
    int Cols() const { return cols_; }
    int Row() const { return row_; }
    int Col() const { return col_; }
    // Moves the current cell in one step (one LeaveCell, one EnterCell).
    void setCurrentCell(int row, int col);

    QString Text() const { return TextMatrix(row_, col_); }
    void setText(const QString& text) { setTextMatrix(row_, col_, text); }
    QString TextMatrix(int row, int col) const;
    void setTextMatrix(int row, int col, const QString& text);

    void setColWidth(int col, int twips);
    int colWidth(int col) const { return colTwips_.value(col); }
    // 4 = centre, 0 = left-top.
    void setColAlignment(int col, int alignment);

    // The current cell's rectangle in twips.
    int CellLeft() const;
    int CellTop() const;
    int CellWidth() const;
    int CellHeight() const;

    void setForeColorFixed(const QColor& color);
    void setBackColorBkg(const QColor& color);

    // Height that shows every row without scrolling.
    int fullHeight() const;

    int pixelsFromTwipsX(int twips) const { return twips * logicalDpiX() / TwipsPerInch; }
    int pixelsFromTwipsY(int twips) const { return twips * logicalDpiY() / TwipsPerInch; }

Q_SIGNALS:
    void EnterCell();
    void LeaveCell();
    void MouseDown();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void onCurrentCellChanged(int currentRow, int currentColumn);
    QRect currentCellPixels() const;
    void fitRowsToFont();
    QTableWidgetItem* cellItem(int row, int col); // created on first use
    int twipsFromPixelsX(int pixels) const { return pixels * TwipsPerInch / logicalDpiX(); }
    int twipsFromPixelsY(int pixels) const { return pixels * TwipsPerInch / logicalDpiY(); }

    int rows_;
    int cols_;
    int row_ = 1;
    int col_ = 1;
    QVector<int> colTwips_;
};
