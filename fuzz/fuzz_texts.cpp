// The numbers a user types: leading-number parsing against the C library, the exact
// decimal scaling, frequency and tone texts both ways, band texts and their limits.
#include "FuzzCheck.h"
#include "model/ChannelCodec.h"
#include "model/DecimalMath.h"
#include "model/NumberParse.h"
#include "model/ProductBand.h"
#include "model/RadioImage.h"
#include "model/ToneTables.h"

#include <QString>
#include <QStringList>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

namespace {

bool isCSpace(QChar c)
{
    return c == QLatin1Char(' ') || (c.unicode() >= '\t' && c.unicode() <= '\r');
}

qsizetype afterSpaceAndSign(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && isCSpace(text[i]))
        ++i;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        ++i;
    return i;
}

// strtod also reads hexadecimal numbers, infinities and NaNs, which the program does not.
bool strtodReadsMore(const QString& text)
{
    const QStringView rest = QStringView(text).mid(afterSpaceAndSign(text));
    return rest.startsWith(QLatin1Char('i'), Qt::CaseInsensitive) ||
           rest.startsWith(QLatin1Char('n'), Qt::CaseInsensitive) ||
           rest.startsWith(QLatin1String("0x"), Qt::CaseInsensitive);
}

void checkParsing(const QString& text)
{
    // No setlocale() here: the C library parses in the "C" locale, as the program must.
    const std::string bytes = text.toStdString();
    const std::int64_t integer = parseLeadingInt(text);
    fuzzCheck(integer == std::strtoll(bytes.c_str(), nullptr, 10), "parseLeadingInt differs from strtoll");
    if (strtodReadsMore(text))
        return;
    const double value = parseLeadingDouble(text);
    // The sign of a zero does not matter to any caller.
    fuzzCheck(value == std::strtod(bytes.c_str(), nullptr), "parseLeadingDouble differs from strtod");
}

double roundedTo15Digits(double x)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14e", x);
    return std::strtod(buffer, nullptr);
}

bool sameDouble(double a, double b)
{
    return a == b || (std::isnan(a) && std::isnan(b));
}

bool closeTo(double exactish, double plain)
{
    const double magnitude = std::fabs(plain);
    // Outside the normal range the plain result is no yardstick.
    if (!(magnitude > 1e-290 && magnitude < 1e290))
        return true;
    return std::fabs(exactish - plain) <= 1.1e-14 * magnitude;
}

void checkDecimal(double a, double b)
{
    const double product = decimalMultiply(a, b);
    const double quotient = decimalDivide(a, b);
    fuzzCheck(sameDouble(product, decimalMultiply(b, a)), "decimalMultiply is not commutative");
    fuzzCheck(sameDouble(-product, decimalMultiply(-a, b)), "decimalMultiply depends on the sign");
    fuzzCheck(sameDouble(-quotient, decimalDivide(-a, b)), "decimalDivide depends on the sign");
    if (!std::isfinite(a) || !std::isfinite(b) || a == 0.0 || b == 0.0)
        return;
    fuzzCheck(closeTo(product, a * b), "decimalMultiply is far from the product");
    fuzzCheck(closeTo(quotient, a / b), "decimalDivide is far from the quotient");
    fuzzCheck(decimalMultiply(a, 1.0) == roundedTo15Digits(a), "x times 1 is not x to 15 digits");
    fuzzCheck(decimalDivide(a, 1.0) == roundedTo15Digits(a), "x divided by 1 is not x to 15 digits");
    fuzzCheck(decimalDivide(a, a) == 1.0, "x divided by x is not 1");
}

// A plain decimal numeral ("-12.345") at the start of a text, with at most 9 integer
// digits and 15 significant digits: its value times 10^places, truncated, computed
// exactly. The decimal scaling promises this result for such texts.
std::optional<std::int64_t> exactScaled(const QString& text, int places)
{
    qsizetype i = 0;
    while (i < text.size() && isCSpace(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        negative = text[i++] == QLatin1Char('-');
    QString whole, fraction;
    while (i < text.size() && text[i].isDigit() && text[i].unicode() < 128)
        whole += text[i++];
    if (i < text.size() && text[i] == QLatin1Char('.')) {
        ++i;
        while (i < text.size() && text[i].isDigit() && text[i].unicode() < 128)
            fraction += text[i++];
    }
    const bool exponentFollows =
        i < text.size() && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'));
    if ((whole.isEmpty() && fraction.isEmpty()) || exponentFollows)
        return std::nullopt;
    while (whole.startsWith(QLatin1Char('0')))
        whole.remove(0, 1);
    QString significant = whole + fraction;
    while (significant.startsWith(QLatin1Char('0')))
        significant.remove(0, 1);
    if (whole.size() > 9 || significant.size() > 15)
        return std::nullopt;
    const QString scaled = whole + (fraction + QString(places, QLatin1Char('0'))).left(places);
    const std::int64_t magnitude = scaled.isEmpty() ? 0 : scaled.toLongLong();
    return negative ? -magnitude : magnitude;
}

void checkFrequency(const QString& text)
{
    const std::uint32_t count = frequencyCountFromText(text);
    fuzzCheck(count < 100000000u, "a frequency count has more than 8 digits");
    if (const auto exact = exactScaled(text, 5)) {
        const std::int64_t expected = *exact > 0 ? *exact % 100000000 : 0;
        fuzzCheck(count == expected, "a plain decimal frequency was not scaled exactly");
    }
    std::uint8_t field[4];
    RadioImage::frequencyToBytes(count, field);
    if (RadioImage::isFrequencyAbsent(field))
        return;
    fuzzCheck(RadioImage::frequencyFromBytes(field) == count, "a frequency's BCD reads back otherwise");
    fuzzCheck(frequencyCountFromText(frequencyText(field)) == count,
              "a shown frequency reads back as another");
}

void checkTone(const QString& text)
{
    const ToneField field = toneFieldFromText(text);
    const bool dcs = text.contains(QLatin1Char('D'));
    if (dcs) {
        fuzzCheck((field.high & 0x7E) == 0x28, "a DCS text stored a tone of another kind");
    } else if (const auto tenths = exactScaled(text, 1)) {
        const ToneField expected = (*tenths > 0 && *tenths < 65536)
                                       ? ToneField{static_cast<std::uint8_t>(*tenths % 256),
                                                   static_cast<std::uint8_t>(*tenths / 256)}
                                       : ToneField{};
        fuzzCheck(field == expected, "a plain decimal tone was not scaled exactly");
    }
    if (isNoTone(field.high))
        return;
    // What the grid shows for the stored tone stores the same and shows the same again.
    const QString shown = toneTextFromField(field);
    fuzzCheck(toneTextFromField(toneFieldFromText(shown)) == shown, "a shown tone reads back as another");
}

void checkBand(const QString& text, int bandIndex)
{
    const BandLimits limits = bandLimitsFromText(text);
    fuzzCheck(limits.low % 100000 == 0 && limits.high % 100000 == 0, "band limits are not whole MHz");
    const QStringList bands = text.split(QLatin1Char('|'));
    fuzzCheck(bands.contains(bandTextAt(text, bandIndex)), "the band text is none of the bands");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    checkParsing(text);
    checkFrequency(text);
    checkTone(text);
    int bandIndex = 0;
    if (size >= sizeof bandIndex)
        std::memcpy(&bandIndex, data + size - sizeof bandIndex, sizeof bandIndex);
    checkBand(text, bandIndex);

    const double typed = parseLeadingDouble(text);
    checkDecimal(typed, 100000.0);
    checkDecimal(typed, 10.0);
    if (size >= 2 * sizeof(double)) {
        double a = 0.0;
        double b = 0.0;
        std::memcpy(&a, data, sizeof a);
        std::memcpy(&b, data + sizeof a, sizeof b);
        checkDecimal(a, b);
    }
    return 0;
}
