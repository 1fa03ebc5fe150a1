#include "uikit/Contrast.h"

#include <algorithm>
#include <cmath>

namespace {

double channelLuminance(double value)
{
    return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& colour)
{
    return 0.2126 * channelLuminance(colour.redF()) + 0.7152 * channelLuminance(colour.greenF()) +
           0.0722 * channelLuminance(colour.blueF());
}

QColor mixed(const QColor& from, const QColor& to, double share)
{
    return QColor::fromRgbF(float(from.redF() + (to.redF() - from.redF()) * share),
                            float(from.greenF() + (to.greenF() - from.greenF()) * share),
                            float(from.blueF() + (to.blueF() - from.blueF()) * share));
}

} // namespace

double contrastRatio(const QColor& a, const QColor& b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor readableColour(const QColor& wanted, const QColor& background, double minimumRatio)
{
    if (contrastRatio(wanted, background) >= minimumRatio)
        return wanted;
    const QColor target = contrastRatio(Qt::white, background) > contrastRatio(Qt::black, background)
                              ? QColor(Qt::white)
                              : QColor(Qt::black);
    for (int step = 1; step <= 20; ++step) {
        const QColor candidate = mixed(wanted, target, step / 20.0);
        if (contrastRatio(candidate, background) >= minimumRatio)
            return candidate;
    }
    return target;
}
