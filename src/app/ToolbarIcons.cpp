#include "app/ToolbarIcons.h"

#include "config/CommandIds.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

constexpr int Width = 18;
constexpr int Height = 19;

void drawPage(QPainter& p)
{
    QPainterPath page;
    page.moveTo(3.5, 1.5);
    page.lineTo(11.5, 1.5);
    page.lineTo(14.5, 4.5);
    page.lineTo(14.5, 17.5);
    page.lineTo(3.5, 17.5);
    page.closeSubpath();
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(Qt::white);
    p.drawPath(page);
    p.drawLine(QPointF(11.5, 1.5), QPointF(11.5, 4.5));
    p.drawLine(QPointF(11.5, 4.5), QPointF(14.5, 4.5));
}

void drawOpen(QPainter& p)
{
    p.setPen(QPen(QColor(120, 90, 20), 1));
    p.setBrush(QColor(240, 200, 90));
    p.drawRect(QRectF(1.5, 5.5, 13, 10));
    p.setBrush(QColor(250, 225, 130));
    const QPointF flap[] = {{1.5, 15.5}, {4.5, 8.5}, {16.5, 8.5}, {14.5, 15.5}};
    p.drawPolygon(flap, 4);
    p.setPen(QPen(QColor(0, 120, 0), 1.5));
    p.drawLine(QPointF(11, 4), QPointF(14, 1.5));
    p.drawLine(QPointF(14, 1.5), QPointF(16, 4));
}

void drawSave(QPainter& p)
{
    p.setPen(QPen(QColor(20, 40, 110), 1));
    p.setBrush(QColor(60, 90, 180));
    p.drawRect(QRectF(2.5, 2.5, 13, 14));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(5.5, 2.5, 7, 6));
    p.setBrush(QColor(200, 200, 210));
    p.drawRect(QRectF(5.5, 11.5, 7, 5));
}

void drawRadio(QPainter& p)
{
    p.setPen(QPen(QColor(30, 30, 30), 1));
    p.setBrush(QColor(70, 70, 70));
    p.drawRect(QRectF(1.5, 6.5, 7, 11));
    p.drawLine(QPointF(3.5, 6.5), QPointF(3.5, 1.5));
    p.setBrush(QColor(120, 220, 120));
    p.drawRect(QRectF(3, 8, 4, 3));
}

void drawArrow(QPainter& p, bool towardRadio)
{
    p.setPen(QPen(towardRadio ? QColor(200, 40, 40) : QColor(20, 120, 200), 2));
    const qreal y = 12;
    const qreal from = towardRadio ? 17 : 10;
    const qreal to = towardRadio ? 10 : 17;
    p.drawLine(QPointF(from, y), QPointF(to, y));
    const qreal tip = towardRadio ? 10 : 17;
    const qreal back = towardRadio ? 13 : 14;
    p.drawLine(QPointF(tip, y), QPointF(back, y - 3));
    p.drawLine(QPointF(tip, y), QPointF(back, y + 3));
}

void drawPrint(QPainter& p)
{
    p.setPen(QPen(QColor(50, 50, 50), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 1.5, 9, 6));
    p.setBrush(QColor(170, 170, 175));
    p.drawRect(QRectF(1.5, 7.5, 15, 7));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 12.5, 9, 5));
    p.setPen(QColor(0, 160, 0));
    p.drawPoint(14, 9);
}

void drawAbout(QPainter& p)
{
    p.setPen(QPen(QColor(20, 60, 160), 1));
    p.setBrush(QColor(230, 240, 255));
    p.drawEllipse(QRectF(1.5, 2, 15, 15));
    // The question mark in strokes: a bold font loaded for one glyph would slow the start.
    p.setPen(QPen(QColor(20, 60, 160), 2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath hook;
    hook.moveTo(6.5, 7.5);
    hook.arcTo(QRectF(6.5, 4.5, 5, 5), 180, -270); // over the top and down to the bottom
    hook.lineTo(9, 11.5);
    p.drawPath(hook);
    p.drawPoint(QPointF(9, 14.2));
}

} // namespace

QIcon toolbarIcon(int commandId)
{
    QPixmap pixmap(Width, Height);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    switch (commandId) {
    case CommandId::FileNew:
        drawPage(p);
        break;
    case CommandId::FileOpen:
        drawOpen(p);
        break;
    case CommandId::FileSave:
        drawSave(p);
        break;
    case CommandId::Read:
    case CommandId::Write:
        drawRadio(p);
        drawArrow(p, commandId == CommandId::Write);
        break;
    case CommandId::Print:
        drawPrint(p);
        break;
    case CommandId::About:
        drawAbout(p);
        break;
    default:
        return {};
    }
    p.end();
    return QIcon(pixmap);
}
