#include "app/CMdiClientWnd.h"

#include "config/AppGlobals.h"

#include <QPainter>
#include <QPixmap>

CMdiClientWnd::CMdiClientWnd(QWidget* parent) : QMdiArea(parent) {}

QPixmap CMdiClientWnd::backgroundTile()
{
    QPixmap tile(g_strExeDir + QStringLiteral("background.bmp"));
    if (tile.isNull())
        tile.load(QStringLiteral(":/images/background.png"));
    return tile;
}

void CMdiClientWnd::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    const QPixmap tile = backgroundTile();
    const QRect area = viewport()->rect();
    if (tile.isNull()) {
        painter.fillRect(area, palette().color(QPalette::Dark));
        return;
    }
    // Whole tiles from the top-left; the last column and row are cut by the edge.
    for (int x = 0; x <= area.width(); x += tile.width())
        for (int y = 0; y <= area.height(); y += tile.height())
            painter.drawPixmap(x, y, tile);
}

void CMdiClientWnd::resizeEvent(QResizeEvent* event)
{
    QMdiArea::resizeEvent(event);
    viewport()->update();
}
