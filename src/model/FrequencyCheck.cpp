#include "model/FrequencyCheck.h"

#include "model/DecimalMath.h"
#include "model/NumberParse.h"

#include <cmath>

namespace {

constexpr int RasterFiveKHz = 500;
constexpr int RasterSixPointTwoFiveKHz = 625;

} // namespace

TypedFrequency typedFrequency(const QString& editorText)
{
    const double value = parseLeadingDouble(editorText);
    const double count = std::trunc(decimalMultiply(value, 100000.0));
    // Far outside any band either way; keeps the conversion defined.
    const double bounded = std::isfinite(count) ? std::fmax(std::fmin(count, 1e15), -1e15) : 1e15;
    return {QString::asprintf("%3.5f", value), static_cast<long long>(bounded)};
}

bool isInBand(long long count, BandLimits band)
{
    return count >= band.low && count <= band.high;
}

bool isOnRaster(long long count)
{
    return count % RasterFiveKHz == 0 || count % RasterSixPointTwoFiveKHz == 0;
}
