#include "model/ProductBand.h"

#include "model/NumberParse.h"

#include <QStringList>
#include <algorithm>
#include <limits>

namespace {

constexpr std::int64_t CountsPerMHz = 100000;

std::int32_t clampedCount(std::int64_t megahertz)
{
    constexpr std::int64_t maxMHz = std::numeric_limits<std::int32_t>::max() / CountsPerMHz;
    constexpr std::int64_t minMHz = std::numeric_limits<std::int32_t>::min() / CountsPerMHz;
    return static_cast<std::int32_t>(std::clamp(megahertz, minMHz, maxMHz) * CountsPerMHz);
}

} // namespace

QString bandTextAt(const QString& fieldValue, int bandIndex)
{
    const QStringList bands = fieldValue.split(QLatin1Char('|'));
    return bands.at(std::clamp<qsizetype>(bandIndex, 0, bands.size() - 1));
}

BandLimits bandLimitsFromText(const QString& bandText)
{
    const qsizetype dash = bandText.indexOf(QLatin1Char('-'));
    const QStringView upper = dash < 0 ? QStringView(bandText) : QStringView(bandText).mid(dash + 1);
    return {clampedCount(parseLeadingInt(bandText)), clampedCount(parseLeadingInt(upper))};
}

QString captionString(const QString& appName, const QString& typeName, const QString& bandText,
                      Language language)
{
    if (language == Language::Chinese)
        return appName + QStringLiteral("  [ 类型:") + typeName + QStringLiteral("  频率:") + bandText +
               QStringLiteral(" ]");
    return appName + QStringLiteral("  [ Type:") + typeName + QStringLiteral("  Fre:") + bandText +
           QStringLiteral(" ]");
}

QString typeKey(int typeIndex)
{
    return QStringLiteral("Type%1").arg(typeIndex + 1);
}

QString fieldKey(int typeIndex)
{
    return QStringLiteral("Field%1").arg(typeIndex + 1);
}
