#pragma once

#include <QString>
#include <QStringView>
#include <cstdint>

// Leading-number parsing in the manner of the C library's atof/atoi, but independent of
// the locale and without hexadecimal, infinity or NaN forms: leading white space is
// skipped, then a sign, digits and (for doubles) a fraction and an exponent are taken
// up to the first character that does not fit. No number gives 0.
double parseLeadingDouble(QStringView text);

// The integer is clamped to the 64-bit range instead of overflowing.
std::int64_t parseLeadingInt(QStringView text);
