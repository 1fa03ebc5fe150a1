#include "editor/GridCornerTitle.h"

#include <QAbstractButton>
#include <QEvent>
#include <QStyleOptionHeader>
#include <QStylePainter>
#include <QTableView>

GridCornerTitle::GridCornerTitle(QTableView* table)
    : QObject(table), corner_(table->findChild<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly))
{
    if (corner_)
        corner_->installEventFilter(this);
}

void GridCornerTitle::setText(const QString& text)
{
    text_ = text;
    if (corner_) {
        corner_->setAccessibleName(text);
        corner_->update();
    }
}

void GridCornerTitle::setColour(const QColor& colour)
{
    colour_ = colour;
    if (corner_)
        corner_->update();
}

void GridCornerTitle::setAlignment(Qt::Alignment alignment)
{
    alignment_ = alignment;
    if (corner_)
        corner_->update();
}

bool GridCornerTitle::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == corner_ && event->type() == QEvent::Paint) {
        paint();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

// As the table paints its corner, with the text of a title cell added.
void GridCornerTitle::paint()
{
    QStyleOptionHeader option;
    option.initFrom(corner_);
    option.state = QStyle::State_None;
    if (corner_->isEnabled())
        option.state |= QStyle::State_Enabled;
    if (corner_->isActiveWindow())
        option.state |= QStyle::State_Active;
    option.rect = corner_->rect();
    option.position = QStyleOptionHeader::OnlyOneSection;
    option.text = text_;
    option.textAlignment = alignment_;
    if (colour_.isValid())
        option.palette.setColor(QPalette::ButtonText, colour_);
    QStylePainter painter(corner_);
    painter.drawControl(QStyle::CE_Header, option);
}
