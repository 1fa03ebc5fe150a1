#include "uikit/ScaledNumber.h"

#include "model/DecimalMath.h"
#include "model/NumberParse.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

bool isFloatingFormat(const QString& format)
{
    static const QString floatingConversions = QStringLiteral("fFeEgG");
    return !format.isEmpty() && floatingConversions.contains(format.back());
}

} // namespace

int scaledCount(QStringView text, int scale)
{
    const double product = std::trunc(decimalMultiply(parseLeadingDouble(text), scale));
    constexpr double lowest = std::numeric_limits<int>::min();
    constexpr double highest = std::numeric_limits<int>::max();
    return static_cast<int>(std::clamp(product, lowest, highest));
}

QString formatScaled(const QString& format, int count, int scale)
{
    const QByteArray cFormat = format.toLatin1();
    if (isFloatingFormat(format))
        return QString::asprintf(cFormat.constData(), decimalDivide(count, scale));
    return QString::asprintf(cFormat.constData(), count / scale);
}
