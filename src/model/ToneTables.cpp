#include "model/ToneTables.h"

#include "model/DecimalMath.h"
#include "model/NumberParse.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

constexpr int DcsCodes[DcsCodeCount] = {
    17,  23,  25,  26,  31,  32,  36,  43,  47,  50,  51,  53,  54,  65,  71,  72,  73,  74,
    114, 115, 116, 122, 125, 131, 132, 134, 143, 145, 152, 155, 156, 162, 165, 172, 174, 205,
    212, 223, 225, 226, 243, 244, 245, 246, 251, 252, 255, 261, 263, 265, 266, 271, 274, 306,
    311, 315, 325, 331, 332, 343, 346, 351, 356, 364, 365, 371, 411, 412, 413, 423, 431, 432,
    445, 446, 452, 454, 455, 462, 464, 465, 466, 503, 506, 516, 523, 526, 532, 546, 565, 606,
    612, 624, 627, 631, 632, 645, 654, 662, 664, 703, 712, 723, 731, 732, 734, 743, 754};

constexpr int OfferedDcsCodes[] = {
    23,  25,  26,  31,  32,  43,  47,  51,  54,  65,  71,  72,  73,  74,  114, 115, 116, 125, 131, 132, 134,
    143, 152, 155, 156, 162, 165, 172, 174, 205, 223, 226, 243, 244, 245, 251, 261, 263, 265, 271, 306, 311,
    315, 331, 343, 346, 351, 364, 365, 371, 411, 412, 413, 423, 431, 432, 445, 464, 465, 466, 503, 506, 516,
    532, 546, 565, 606, 612, 624, 627, 631, 632, 645, 654, 662, 664, 703, 712, 723, 731, 732, 734, 743, 754};
static_assert(std::size(OfferedDcsCodes) == 84);

constexpr const char* CtcssTones[] = {
    "67.0",  "69.3",  "71.9",  "74.4",  "77.0",  "79.7",  "82.5",  "85.4",  "88.5",  "91.5",
    "94.8",  "97.4",  "100.0", "103.5", "107.2", "110.9", "114.8", "118.8", "123.0", "127.3",
    "131.8", "136.5", "141.3", "146.2", "151.4", "156.7", "159.8", "162.2", "165.5", "167.9",
    "171.3", "173.8", "177.3", "179.9", "183.5", "186.2", "189.9", "192.8", "196.6", "199.5",
    "203.5", "206.5", "210.7", "218.1", "225.7", "229.1", "233.6", "241.8", "250.3", "254.1"};
static_assert(std::size(CtcssTones) == 50);

// The octal digits of a code, read as decimal, give its 9-bit value in base 8.
int valueOfCode(int code)
{
    return (code / 100) * 64 + ((code / 10) % 10) * 8 + code % 10;
}

constexpr std::uint8_t DcsNormalHigh = 0x28;
constexpr std::uint8_t DcsInvertedFlag = 0x80;
constexpr int FirstNinthBitCode = 372; // codes from here on have 9-bit values >= 256

bool isDcsHigh(std::uint8_t high, bool inverted)
{
    const std::uint8_t base = inverted ? (DcsNormalHigh | DcsInvertedFlag) : DcsNormalHigh;
    return (high & 0xFE) == base;
}

QString dcsText(int code, bool inverted)
{
    return QString::asprintf(inverted ? "D%03dI" : "D%03dN", code);
}

} // namespace

const int* dcsCodeTable()
{
    return DcsCodes;
}

bool isDcsTableCode(int code)
{
    return std::find(std::begin(DcsCodes), std::end(DcsCodes), code) != std::end(DcsCodes);
}

bool isListedCtcssTone(int tenths)
{
    const QString text = QString::asprintf("%3.1f", tenths * 1.0 / 10.0);
    return std::any_of(std::begin(CtcssTones), std::end(CtcssTones),
                       [&text](const char* tone) { return text == QLatin1String(tone); });
}

int dcsCodeFromBits(std::uint8_t low, std::uint8_t high)
{
    const int value = low + 256 * (high & 1);
    const auto* found = std::find_if(std::begin(DcsCodes), std::end(DcsCodes),
                                     [value](int code) { return valueOfCode(code) == value; });
    return found == std::end(DcsCodes) ? 0 : *found;
}

std::uint8_t dcsBitsFromCode(int code)
{
    return isDcsTableCode(code) ? static_cast<std::uint8_t>(valueOfCode(code) & 0xFF) : 0;
}

bool isNoTone(std::uint8_t high)
{
    return high == 0xFF || high == 0x00;
}

QString noneToneText(Language language)
{
    return language == Language::Chinese ? QStringLiteral("无") : QStringLiteral("None");
}

QString toneTextFromField(ToneField field)
{
    if (isDcsHigh(field.high, false))
        return dcsText(dcsCodeFromBits(field.low, field.high), false);
    if (isDcsHigh(field.high, true))
        return dcsText(dcsCodeFromBits(field.low, field.high), true);
    const int tenths = field.low + 256 * field.high;
    return QString::asprintf("%3.1f", tenths * 1.0 / 10.0);
}

ToneField toneFieldFromText(const QString& text)
{
    if (text.contains(QLatin1Char('D'))) {
        const QStringView rest = QStringView(text).mid(1);
        const std::int64_t code = parseLeadingInt(rest);
        const bool normal = rest.contains(QLatin1Char('N'));
        std::uint8_t high = normal ? DcsNormalHigh : (DcsNormalHigh | DcsInvertedFlag);
        if (code >= FirstNinthBitCode)
            high |= 1;
        const int tableCode = (code > 0 && code < 1000) ? static_cast<int>(code) : 0;
        return {dcsBitsFromCode(tableCode), high};
    }
    const double tenths = std::trunc(decimalMultiply(parseLeadingDouble(text), 10.0));
    // Zero, negative and unrepresentable numbers mean no tone; the field holds 16 bits.
    if (!(tenths > 0.0) || tenths >= 65536.0)
        return {};
    const auto m = static_cast<unsigned>(tenths);
    return {static_cast<std::uint8_t>(m % 256), static_cast<std::uint8_t>(m / 256)};
}

QStringList toneChoices(Language language)
{
    QStringList list;
    list.reserve(ToneChoiceCount);
    list << noneToneText(language);
    for (const char* tone : CtcssTones)
        list << QString::fromLatin1(tone);
    for (int code : OfferedDcsCodes)
        list << dcsText(code, false);
    for (int code : OfferedDcsCodes)
        list << dcsText(code, true);
    return list;
}
