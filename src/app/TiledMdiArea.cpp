#include "app/TiledMdiArea.h"

#include <QFileInfo>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPixmap>

namespace {

// The width a narrowed window had, and gets back as the area widens again.
const char* const WidthBeforeNarrowing = "widthBeforeNarrowing";

} // namespace

TiledMdiArea::TiledMdiArea(const QString& programDir, QWidget* parent)
    : QMdiArea(parent), programDir_(programDir)
{
}

QPixmap TiledMdiArea::backgroundTile() const
{
    // Checked first: probing a missing file would load every image plugin.
    const QString file = programDir_ + QStringLiteral("background.bmp");
    QPixmap tile(QFileInfo::exists(file) ? file : QString());
    if (tile.isNull())
        tile.load(QStringLiteral(":/images/background.png"));
    return tile;
}

void TiledMdiArea::paintEvent(QPaintEvent*)
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

void TiledMdiArea::resizeEvent(QResizeEvent* event)
{
    QMdiArea::resizeEvent(event);
    fitWindowWidths();
    viewport()->update();
}

void TiledMdiArea::fitWindowWidths()
{
    if (!isVisible())
        return;
    const int areaWidth = viewport()->width();
    for (QMdiSubWindow* window : subWindowList()) {
        if (window->isMaximized())
            continue;
        const QVariant before = window->property(WidthBeforeNarrowing);
        const int wanted = before.isValid() ? before.toInt() : window->width();
        const int width = qMin(wanted, areaWidth);
        if (width != window->width())
            window->resize(width, window->height());
        window->setProperty(WidthBeforeNarrowing, width < wanted ? QVariant(wanted) : QVariant());
    }
}
