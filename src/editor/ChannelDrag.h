#pragma once

#include <QObject>
#include <QPoint>
#include <functional>

class ChannelGrid;
class QDropEvent;
class QMimeData;
class QTableView;
class QWidget;

// Dragging channels to another place in the grid by their numbers: pressing the number
// of a channel of a whole-row selection and moving the mouse drags the selected channels;
// a line shows where they go, before the channel in whose upper half the pointer is (after
// it in the lower half). Dropped on the cells or the numbers, dropped is told the channel
// (1..17) they go before. Only a drag of this grid's own channels is taken, and only while
// it runs; every other drop (a file) is left to the windows around the grid.
class ChannelDrag : public QObject {
public:
    ChannelDrag(ChannelGrid& grid, QTableView& table, std::function<void(int before)> dropped);

    // What a drag of the grid's selected channels carries: it names this grid of this
    // program, so no other grid or program takes it.
    static QMimeData* dragData(const ChannelGrid& grid);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool numbersMouse(QEvent* event);
    bool dragEvent(QDropEvent& event);
    bool isOwnDrag(const QMimeData* data) const;
    void setAcceptingDrops(bool accepting);
    int channelBefore(QPoint viewportPos) const;
    void showLine(int before);

    ChannelGrid& grid_;
    QTableView& table_;
    QWidget* numbers_; // the channel-number column's viewport
    QWidget* line_;
    std::function<void(int)> dropped_;
    int pressedChannel_ = 0; // a press on a selected channel's number, not yet a drag
    QPoint pressedAt_;
};
