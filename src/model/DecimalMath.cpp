#include "model/DecimalMath.h"

#include <charconv>
#include <cmath>
#include <cstdint>

namespace {

__extension__ typedef unsigned __int128 Wide;

// A finite non-zero double rounded to 15 significant digits: mantissa x 10^exponent,
// with 10^14 <= mantissa < 10^15.
struct Decimal15 {
    std::uint64_t mantissa = 0;
    int exponent = 0;
    bool negative = false;
};

Decimal15 toDecimal15(double value)
{
    // A whole number below 10^15 (the scale factors 10 and 100000 among them) is exact as
    // it stands: no text needed.
    const double magnitude = std::fabs(value);
    if (magnitude >= 1.0 && magnitude < 1e15 && magnitude == std::trunc(magnitude)) {
        Decimal15 whole{static_cast<std::uint64_t>(magnitude), 0, value < 0};
        for (; whole.mantissa < 100000000000000u; --whole.exponent)
            whole.mantissa *= 10;
        return whole;
    }
    char buffer[64];
    // d.dddddddddddddde+XX, correctly rounded and independent of the locale.
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    Decimal15 d;
    const char* p = buffer;
    if (*p == '-') {
        d.negative = true;
        ++p;
    }
    for (; p != result.ptr && *p != 'e'; ++p) {
        if (*p != '.')
            d.mantissa = d.mantissa * 10 + static_cast<std::uint64_t>(*p - '0');
    }
    int exponent = 0;
    std::from_chars(p + 1 + (p[1] == '+' ? 1 : 0), result.ptr, exponent);
    d.exponent = exponent - 14;
    return d;
}

// The double nearest to (negative ? -1 : 1) x digits x 10^exponent. The text is built in
// place: this runs for every frequency and tone the grid stores.
double nearestDouble(bool negative, Wide digits, int exponent)
{
    char text[64];
    char* const digitsEnd = text + 40; // 2^128 has 39 digits
    char* begin = digitsEnd;
    do {
        *--begin = static_cast<char>('0' + static_cast<int>(digits % 10));
        digits /= 10;
    } while (digits != 0);
    *digitsEnd = 'e';
    char* const end = std::to_chars(digitsEnd + 1, text + sizeof text, exponent).ptr;
    double value = 0.0;
    const auto result = std::from_chars(begin, end, value);
    if (result.ec == std::errc::result_out_of_range)
        value = exponent > 0 ? HUGE_VAL : 0.0;
    return negative ? -value : value;
}

bool isPlainCase(double a, double b)
{
    return !std::isfinite(a) || !std::isfinite(b) || a == 0.0 || b == 0.0;
}

} // namespace

double decimalMultiply(double a, double b)
{
    if (isPlainCase(a, b))
        return a * b;
    const Decimal15 x = toDecimal15(a);
    const Decimal15 y = toDecimal15(b);
    // Both mantissas are below 10^15, so the exact product fits in 128 bits.
    const Wide product = static_cast<Wide>(x.mantissa) * y.mantissa;
    return nearestDouble(x.negative != y.negative, product, x.exponent + y.exponent);
}

double decimalDivide(double a, double b)
{
    if (isPlainCase(a, b))
        return a / b;
    const Decimal15 x = toDecimal15(a);
    const Decimal15 y = toDecimal15(b);
    // 22 extra digits give at least 21 significant quotient digits; a non-zero remainder
    // adds a final 1 so that rounding to the nearest double sees it (no false ties).
    constexpr int extraDigits = 22;
    Wide scale = 1;
    for (int i = 0; i < extraDigits; ++i)
        scale *= 10;
    const Wide numerator = static_cast<Wide>(x.mantissa) * scale;
    Wide quotient = numerator / y.mantissa;
    int exponent = x.exponent - y.exponent - extraDigits;
    if (numerator % y.mantissa != 0) {
        quotient = quotient * 10 + 1;
        --exponent;
    }
    return nearestDouble(x.negative != y.negative, quotient, exponent);
}
