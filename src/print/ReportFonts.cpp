#include "print/ReportFonts.h"

#include <QFontMetricsF>
#include <QStringList>
#include <array>

namespace {

// The average character width of the classic font tables: the lowercase letters and the
// space, weighted by how often they occur in English text. Newer faces store an average
// over all their glyphs instead, which would make a metric-compatible face come out
// narrower than the face it stands in for.
qreal weightedAverageWidth(const QFont& font)
{
    static constexpr std::array<int, 26> letterWeights = {64, 14, 27, 35, 100, 20, 14, 42, 63, 3,  6, 35, 20,
                                                          56, 56, 17, 4,  49,  56, 71, 31, 10, 18, 3, 18, 2};
    constexpr int spaceWeight = 166;
    const QFontMetricsF metrics(font);
    qreal sum = spaceWeight * metrics.horizontalAdvance(QLatin1Char(' '));
    for (std::size_t i = 0; i < letterWeights.size(); ++i)
        sum += letterWeights[i] * metrics.horizontalAdvance(QLatin1Char(char('a' + i)));
    return sum / 1000;
}

} // namespace

ReportFonts::ReportFonts(int unitWidth, int unitHeight)
    : large(reportFont(unitHeight, unitWidth)), small(reportFont(unitHeight * 8 / 10, unitWidth * 8 / 10))
{
}

QFont reportFont(int characterHeight, int averageWidth)
{
    QFont font;
    font.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"),
                      QStringLiteral("Tinos"), QStringLiteral("WenQuanYi Micro Hei"),
                      QStringLiteral("SimSun")});
    font.setStyleHint(QFont::Serif);
    font.setWeight(QFont::Normal);
    font.setPixelSize(qMax(1, characterHeight));
    // Stretch the face's own proportions to the average width asked for.
    const qreal naturalWidth = weightedAverageWidth(font);
    if (naturalWidth > 0 && averageWidth > 0)
        font.setStretch(qBound(1, qRound(100 * averageWidth / naturalWidth), 4000));
    return font;
}
