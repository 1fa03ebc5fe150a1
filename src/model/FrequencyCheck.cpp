#include "model/FrequencyCheck.h"

#include "model/DecimalMath.h"
#include "model/NumberParse.h"

#include <cmath>

namespace {

constexpr int RasterFiveKHz = 500;
constexpr int RasterSixPointTwoFiveKHz = 625;
constexpr double CountsPerMHz = 100000.0;

} // namespace

TypedFrequency typedFrequency(const QString& editorText)
{
    const double value = parseLeadingDouble(editorText);
    const double count = std::trunc(decimalMultiply(value, CountsPerMHz));
    // Far outside any band either way; keeps the conversion defined.
    const double bounded = std::isfinite(count) ? std::fmax(std::fmin(count, 1e15), -1e15) : 1e15;
    // The text shows the count that was checked: "%3.5f" of the typed value would round
    // 145.1250099 up to 145.12501, a frequency off the raster that no check saw.
    return {QString::asprintf("%3.5f", bounded / CountsPerMHz), static_cast<long long>(bounded)};
}

bool isInBand(long long count, BandLimits band)
{
    return count >= band.low && count <= band.high;
}

bool isOnRaster(long long count)
{
    return count % RasterFiveKHz == 0 || count % RasterSixPointTwoFiveKHz == 0;
}
