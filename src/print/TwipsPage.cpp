#include "print/TwipsPage.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>

namespace {

constexpr int TwipsPerInch = 1440;
constexpr int UnitsAcross = 66;
constexpr int UnitsDown = 45;

int toTwips(int pixels, int dotsPerInch)
{
    return static_cast<int>(static_cast<qint64>(pixels) * TwipsPerInch / dotsPerInch);
}

} // namespace

TwipsPage::TwipsPage(QPainter& painter, const QRect& printableArea) : painter_(painter)
{
    const QPaintDevice* device = painter.device();
    const int dpiX = device->logicalDpiX();
    const int dpiY = device->logicalDpiY();
    unitWidth_ = toTwips(printableArea.width(), dpiX) / UnitsAcross;
    unitHeight_ = toTwips(printableArea.height(), dpiY) / UnitsDown;

    painter_.save();
    QTransform twips;
    twips.translate(printableArea.left(), printableArea.top());
    twips.scale(double(dpiX) / TwipsPerInch, -double(dpiY) / TwipsPerInch);
    painter_.setTransform(twips);
    // The printer's own pen: black, one device pixel wide.
    painter_.setPen(QPen(Qt::black, 0));
}

TwipsPage::~TwipsPage()
{
    painter_.restore();
}

void TwipsPage::setFont(const QFont& font)
{
    painter_.setFont(font);
}

int TwipsPage::lineHeight() const
{
    return QFontMetrics(painter_.font(), painter_.device()).lineSpacing();
}

void TwipsPage::drawText(int x, int top, const QString& text)
{
    if (text.isEmpty())
        return;
    // With y up a glyph would come out mirrored; turn the axis back down around the text.
    const qreal ascent = QFontMetricsF(painter_.font(), painter_.device()).ascent();
    painter_.save();
    painter_.translate(x, top);
    painter_.scale(1, -1);
    painter_.drawText(QPointF(0, ascent), text);
    painter_.restore();
}

void TwipsPage::drawHorizontalLine(int left, int right, int y)
{
    painter_.drawLine(left, y, right, y);
}
