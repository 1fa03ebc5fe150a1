#include "editor/CellMarkDelegate.h"

#include "channels/ChannelTableModel.h"
#include "uikit/MarkColours.h"

#include <QPainter>

namespace {

constexpr int FrameWidth = 2;

bool isMarked(const QModelIndex& index, CellMarks::Kind kind)
{
    return index.data(ChannelTableModel::ReferenceTextRole + kind).isValid();
}

} // namespace

CellMarkDelegate::CellMarkDelegate(CellMarks::Kind fill, std::optional<CellMarks::Kind> frame,
                                   QObject* parent)
    : QStyledItemDelegate(parent), fill_(fill), frame_(frame)
{
}

void CellMarkDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    if (isMarked(index, fill_))
        option->backgroundBrush = markFillColour(option->palette);
}

void CellMarkDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const
{
    QStyledItemDelegate::paint(painter, option, index);
    if (!frame_ || !isMarked(index, *frame_))
        return;
    painter->save();
    painter->setPen(QPen(markFrameColour(option.palette), FrameWidth));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(option.rect.adjusted(1, 1, -FrameWidth, -FrameWidth));
    painter->restore();
}
