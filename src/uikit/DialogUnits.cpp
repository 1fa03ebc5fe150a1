#include "uikit/DialogUnits.h"

#include "uikit/FontFamilies.h"

#include <QFontMetrics>
#include <QStringList>

namespace {

// The average width of the 52 letters, rounded to the nearest pixel.
int averageLetterWidth(const QFontMetrics& metrics)
{
    const int width =
        metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return (width / 26 + 1) / 2;
}

} // namespace

DialogUnits::DialogUnits(const QFont& font) : font_(font)
{
    const QFontMetrics metrics(font);
    baseX_ = averageLetterWidth(metrics);
    baseY_ = metrics.height();
}

int DialogUnits::toPixelsX(int units) const
{
    return (units * baseX_ + 2) / 4; // rounded, as a multiply-divide rounds
}

int DialogUnits::toPixelsY(int units) const
{
    return (units * baseY_ + 4) / 8;
}

QRect DialogUnits::toPixels(int x, int y, int width, int height) const
{
    return {toPixelsX(x), toPixelsY(y), toPixelsX(width), toPixelsY(height)};
}

void DialogUnits::fitText(const QString& text, int width)
{
    const int needed = QFontMetrics(font_).horizontalAdvance(text) + 2;
    while (width > 0 && toPixelsX(width) < needed)
        ++baseX_;
}

QFont templateFont(int pointSize)
{
    QFont font;
    font.setFamilies(
        installedFamilies({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"),
                           QStringLiteral("DejaVu Serif"), QStringLiteral("WenQuanYi Micro Hei")}));
    font.setPointSize(pointSize);
    return font;
}
