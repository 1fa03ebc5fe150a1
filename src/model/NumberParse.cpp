#include "model/NumberParse.h"

#include <QVarLengthArray>
#include <algorithm>
#include <charconv>
#include <limits>
#include <string_view>

namespace {

bool isCSpace(QChar c)
{
    const char16_t u = c.unicode();
    return u == ' ' || u == '\t' || u == '\n' || u == '\v' || u == '\f' || u == '\r';
}

bool isDigit(QStringView text, qsizetype i)
{
    return i < text.size() && text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9');
}

qsizetype skipSpace(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && isCSpace(text[i]))
        ++i;
    return i;
}

qsizetype skipSign(QStringView text, qsizetype i)
{
    return (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) ? i + 1 : i;
}

qsizetype skipDigits(QStringView text, qsizetype i)
{
    while (isDigit(text, i))
        ++i;
    return i;
}

// Whether a decimal number out of a double's range is tiny rather than huge, judged by
// the place of its first significant digit once the exponent is applied. Compared, not
// added, as the exponent may be clamped to the 64-bit range.
bool isTiny(std::string_view number)
{
    const auto ePos = number.find_first_of("eE");
    const std::string_view mantissa = number.substr(0, ePos);
    const std::int64_t exponent =
        ePos == std::string_view::npos
            ? 0
            : parseLeadingInt(QString::fromLatin1(number.data() + ePos + 1,
                                                  static_cast<qsizetype>(number.size() - ePos - 1)));
    const auto firstNonZero = mantissa.find_first_of("123456789");
    const auto point = std::min(mantissa.find('.'), mantissa.size());
    if (firstNonZero == std::string_view::npos)
        return true;
    const auto position = static_cast<std::int64_t>(point) - static_cast<std::int64_t>(firstNonZero);
    return exponent < -position;
}

} // namespace

double parseLeadingDouble(QStringView text)
{
    const qsizetype start = skipSpace(text);
    qsizetype i = skipSign(text, start);
    const qsizetype intStart = i;
    i = skipDigits(text, i);
    bool anyDigit = i > intStart;
    if (i < text.size() && text[i] == QLatin1Char('.')) {
        const qsizetype fracStart = i + 1;
        const qsizetype fracEnd = skipDigits(text, fracStart);
        if (anyDigit || fracEnd > fracStart) {
            anyDigit = true;
            i = fracEnd;
        }
    }
    if (!anyDigit)
        return 0.0;
    if (i < text.size() && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        const qsizetype expDigits = skipSign(text, i + 1);
        if (isDigit(text, expDigits))
            i = skipDigits(text, expDigits);
    }
    // Only ASCII digits, signs, '.' and 'e' were taken: one byte each.
    QVarLengthArray<char, 64> bytes(i - start);
    for (qsizetype k = start; k < i; ++k)
        bytes[k - start] = static_cast<char>(text[k].unicode());
    const std::string_view number(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    const char* first = number.data();
    if (*first == '+')
        ++first; // from_chars takes no plus sign
    double value = 0.0;
    const auto result = std::from_chars(first, number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // Like strtod: overflow gives an infinity of the right sign, underflow gives 0.
        if (isTiny(number))
            return 0.0;
        return number[0] == '-' ? -std::numeric_limits<double>::infinity()
                                : std::numeric_limits<double>::infinity();
    }
    return value;
}

std::int64_t parseLeadingInt(QStringView text)
{
    qsizetype i = skipSpace(text);
    const bool negative = i < text.size() && text[i] == QLatin1Char('-');
    i = skipSign(text, i);
    // Digits gather on the side of the sign, so the most negative value is reached too.
    constexpr std::int64_t max = std::numeric_limits<std::int64_t>::max();
    constexpr std::int64_t min = std::numeric_limits<std::int64_t>::min();
    std::int64_t value = 0;
    for (; isDigit(text, i); ++i) {
        const int digit = text[i].unicode() - '0';
        if (negative)
            value = (value < (min + digit) / 10) ? min : value * 10 - digit;
        else
            value = (value > (max - digit) / 10) ? max : value * 10 + digit;
    }
    return value;
}
