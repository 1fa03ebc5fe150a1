#include "editor/ChannelDrag.h"

#include "editor/ChannelGrid.h"
#include "model/RadioImage.h"

#include <QApplication>
#include <QDrag>
#include <QDropEvent>
#include <QHeaderView>
#include <QMimeData>
#include <QMouseEvent>
#include <QTableView>

namespace {

const QString MimeType = QStringLiteral("application/x-xr970-channels");

// This grid of this process.
QByteArray ownerTag(const ChannelGrid& grid)
{
    return QByteArray::number(QCoreApplication::applicationPid()) + ':' +
           QByteArray::number(reinterpret_cast<quintptr>(&grid));
}

} // namespace

ChannelDrag::ChannelDrag(ChannelGrid& grid, QTableView& table, std::function<void(int)> dropped)
    : QObject(&table), grid_(grid), table_(table), numbers_(table.verticalHeader()->viewport()),
      line_(new QWidget(table.viewport())), dropped_(std::move(dropped))
{
    line_->setAttribute(Qt::WA_TransparentForMouseEvents);
    line_->setAutoFillBackground(true);
    line_->setBackgroundRole(QPalette::Highlight);
    line_->hide();
    table.viewport()->installEventFilter(this);
    numbers_->installEventFilter(this);
}

QMimeData* ChannelDrag::dragData(const ChannelGrid& grid)
{
    auto* data = new QMimeData;
    data->setData(MimeType, ownerTag(grid));
    return data;
}

bool ChannelDrag::isOwnDrag(const QMimeData* data) const
{
    return data && data->data(MimeType) == ownerTag(grid_);
}

bool ChannelDrag::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease:
        return watched == numbers_ && numbersMouse(event);
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        return dragEvent(*static_cast<QDropEvent*>(event));
    case QEvent::DragLeave:
        line_->hide();
        return true;
    default:
        return false;
    }
}

// A press on a selected channel's number starts a drag once the mouse moves; without a
// move it selects that channel alone, as any press on a number does.
bool ChannelDrag::numbersMouse(QEvent* event)
{
    const auto& mouse = *static_cast<QMouseEvent*>(event);
    const QPoint at = mouse.position().toPoint();
    const int channel = table_.rowAt(at.y()) + 1;
    if (event->type() == QEvent::MouseButtonPress) {
        const CellRange selected = grid_.selection();
        const bool onSelection = mouse.button() == Qt::LeftButton && mouse.modifiers() == Qt::NoModifier &&
                                 selected.wholeRows && channel >= selected.top && channel <= selected.bottom;
        pressedChannel_ = onSelection ? channel : 0;
        pressedAt_ = at;
        return onSelection;
    }
    if (pressedChannel_ == 0)
        return false;
    if (event->type() == QEvent::MouseButtonRelease) {
        table_.selectRow(pressedChannel_ - 1);
        pressedChannel_ = 0;
        return true;
    }
    if ((at - pressedAt_).manhattanLength() >= QApplication::startDragDistance()) {
        pressedChannel_ = 0;
        auto* drag = new QDrag(numbers_); // deleted by Qt once the drag ends
        drag->setMimeData(dragData(grid_));
        // The grid takes drops only while its channels are dragged; a file dropped on it
        // goes on to the window, which opens it.
        setAcceptingDrops(true);
        drag->exec(Qt::MoveAction);
        setAcceptingDrops(false);
        line_->hide();
    }
    return true;
}

// Only this grid's own channels are taken; the table would give other dropped cell data
// to the model unchecked.
bool ChannelDrag::dragEvent(QDropEvent& event)
{
    if (!isOwnDrag(event.mimeData())) {
        event.ignore();
        return true;
    }
    const int before = channelBefore(event.position().toPoint());
    event.acceptProposedAction();
    if (event.type() == QEvent::Drop) {
        line_->hide();
        dropped_(before);
    } else {
        showLine(before);
    }
    return true;
}

void ChannelDrag::setAcceptingDrops(bool accepting)
{
    table_.viewport()->setAcceptDrops(accepting);
    numbers_->setAcceptDrops(accepting);
}

int ChannelDrag::channelBefore(QPoint viewportPos) const
{
    const int row = table_.rowAt(viewportPos.y());
    if (row < 0)
        return viewportPos.y() < 0 ? 1 : RadioImage::ChannelCount + 1;
    const bool lowerHalf = viewportPos.y() >= table_.rowViewportPosition(row) + table_.rowHeight(row) / 2;
    return row + (lowerHalf ? 2 : 1);
}

void ChannelDrag::showLine(int before)
{
    const int last = RadioImage::ChannelCount - 1;
    const int y = before <= last + 1 ? table_.rowViewportPosition(before - 1)
                                     : table_.rowViewportPosition(last) + table_.rowHeight(last);
    line_->setGeometry(0, y - 1, table_.horizontalHeader()->length(), 2);
    line_->show();
    line_->raise();
}
