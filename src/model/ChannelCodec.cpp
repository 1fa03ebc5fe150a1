#include "model/ChannelCodec.h"

#include "model/ChoiceTexts.h"
#include "model/DecimalMath.h"
#include "model/NumberParse.h"
#include "model/ToneTables.h"

#include <cmath>

namespace {

constexpr double CountsPerMHz = 100000.0;
constexpr double FrequencyDigitsLimit = 100000000.0; // 8 BCD digits

ToneField toneAt(const std::uint8_t* record, int offset)
{
    return {record[offset], record[offset + 1]};
}

QString toneCellText(ToneField field, bool empty, Language language)
{
    if (isNoTone(field.high))
        return empty ? QString() : noneToneText(language);
    return toneTextFromField(field);
}

void decodeAttributes(const std::uint8_t* record, bool scan, const ChoiceTexts& t,
                      std::array<QString, GridColumn::Count>& row)
{
    const std::uint8_t widthPower = record[RadioImage::RecWidthPower];
    const int busy =
        (record[RadioImage::RecBusyLock] & RadioImage::BusyLockMask) >> RadioImage::BusyLockShift;
    row[GridColumn::Bandwidth] = (widthPower & RadioImage::WideBit) ? t.wide : t.narrow;
    row[GridColumn::Scan] = scan ? t.scanYes : t.scanNo;
    row[GridColumn::BusyLock] = busy == 0 ? t.busyOff : (busy == 1 ? t.busyCarrier : t.busyTone);
    row[GridColumn::Power] = (widthPower & RadioImage::HighPowerBit) ? t.high : t.low;
}

// Exact, case-sensitive match against the text in either language.
bool isText(const QString& cell, QString ChoiceTexts::*text)
{
    return cell == choiceTexts(Language::English).*text || cell == choiceTexts(Language::Chinese).*text;
}

void storeTone(const QString& cell, std::uint8_t* record, int offset)
{
    const ToneField field = toneFieldFromText(cell);
    record[offset] = field.low;
    record[offset + 1] = field.high;
}

void setBits(std::uint8_t& byte, std::uint8_t mask, std::uint8_t value)
{
    byte = static_cast<std::uint8_t>((byte & ~mask) | (value & mask));
}

// Busy lock: Off 00, Carrier 01, anything else QT/DQT 10.
std::uint8_t busyLockBits(const QString& cell)
{
    if (isText(cell, &ChoiceTexts::busyOff))
        return 0;
    return isText(cell, &ChoiceTexts::busyCarrier) ? 1 : 2;
}

// Writes the one field of channel n that grid column col shows; no other bit changes.
void encodeCell(const QString& cell, int n, int col, RadioImage& image)
{
    std::uint8_t* record = image.channel(n);
    std::uint8_t& widthPower = record[RadioImage::RecWidthPower];
    switch (col) {
    case GridColumn::RxFrequency:
        RadioImage::frequencyToBytes(frequencyCountFromText(cell), record + RadioImage::RecRxFreq);
        break;
    case GridColumn::TxFrequency:
        RadioImage::frequencyToBytes(frequencyCountFromText(cell), record + RadioImage::RecTxFreq);
        break;
    case GridColumn::DecodeTone:
        storeTone(cell, record, RadioImage::RecDecodeTone);
        break;
    case GridColumn::EncodeTone:
        storeTone(cell, record, RadioImage::RecEncodeTone);
        break;
    case GridColumn::Bandwidth: // an unknown text stores Wide
        setBits(widthPower, RadioImage::WideBit,
                isText(cell, &ChoiceTexts::narrow) ? 0 : RadioImage::WideBit);
        break;
    case GridColumn::Scan:
        image.setScanBit(n, isText(cell, &ChoiceTexts::scanYes));
        break;
    case GridColumn::BusyLock:
        setBits(record[RadioImage::RecBusyLock], RadioImage::BusyLockMask,
                static_cast<std::uint8_t>(busyLockBits(cell) << RadioImage::BusyLockShift));
        break;
    case GridColumn::Power: // an unknown text stores High
        setBits(widthPower, RadioImage::HighPowerBit,
                isText(cell, &ChoiceTexts::low) ? 0 : RadioImage::HighPowerBit);
        break;
    default:
        break;
    }
}

// The fields a radio of the variant does not have: the grid shows them empty.
bool isFieldHidden(int col, RadioVariant variant)
{
    if (variant == RadioVariant::ReceiveOnly)
        return col == GridColumn::TxFrequency || col == GridColumn::EncodeTone;
    if (variant == RadioVariant::TransmitOnly)
        return col == GridColumn::RxFrequency || col == GridColumn::DecodeTone;
    return false;
}

void blankHiddenColumns(std::array<QString, GridColumn::Count>& row, RadioVariant variant)
{
    for (int c = GridColumn::RxFrequency; c <= GridColumn::Power; ++c)
        if (isFieldHidden(c, variant))
            row[c].clear();
}

} // namespace

bool isChannelEmpty(const RadioImage& image, int channel, RadioVariant variant)
{
    const std::uint8_t* record = image.channel(channel);
    return !isChannelUsed(!RadioImage::isFrequencyAbsent(record + RadioImage::RecRxFreq),
                          !RadioImage::isFrequencyAbsent(record + RadioImage::RecTxFreq), variant);
}

QString frequencyText(const std::uint8_t* field)
{
    if (RadioImage::isFrequencyAbsent(field))
        return {};
    return QString::asprintf("%3.5f", RadioImage::frequencyFromBytes(field) * 1.0 / CountsPerMHz);
}

std::uint32_t frequencyCountFromText(const QString& text)
{
    const double count = std::trunc(decimalMultiply(parseLeadingDouble(text), CountsPerMHz));
    // Negative or unrepresentable numbers store nothing; only 8 BCD digits fit the field.
    if (!(count > 0.0) || !std::isfinite(count))
        return RadioImage::AbsentFrequency;
    return static_cast<std::uint32_t>(std::fmod(count, FrequencyDigitsLimit));
}

void decodeChannels(const RadioImage& image, RadioVariant variant, Language language, ChannelTexts& cells)
{
    const ChoiceTexts& texts = choiceTexts(language);
    for (int n = 1; n <= RadioImage::ChannelCount; ++n) {
        const std::uint8_t* record = image.channel(n);
        auto& row = cells[n];
        row[GridColumn::RxFrequency] = frequencyText(record + RadioImage::RecRxFreq);
        row[GridColumn::TxFrequency] = frequencyText(record + RadioImage::RecTxFreq);
        const bool empty = isChannelEmpty(image, n, variant);
        row[GridColumn::DecodeTone] =
            toneCellText(toneAt(record, RadioImage::RecDecodeTone), empty, language);
        row[GridColumn::EncodeTone] =
            toneCellText(toneAt(record, RadioImage::RecEncodeTone), empty, language);
        if (empty) {
            for (int c = GridColumn::Bandwidth; c <= GridColumn::Power; ++c)
                row[c].clear();
        } else {
            decodeAttributes(record, image.scanBit(n), texts, row);
        }
        blankHiddenColumns(row, variant);
    }
}

void encodeChannels(ChannelTexts& cells, RadioVariant variant, RadioImage& image)
{
    for (int n = 1; n <= RadioImage::ChannelCount; ++n) {
        blankHiddenColumns(cells[n], variant);
        for (int c = GridColumn::RxFrequency; c <= GridColumn::Power; ++c)
            encodeCell(cells[n][c], n, c, image);
    }
}

void storeEditedChannels(const ChannelTexts& cells, RadioVariant variant, Language language,
                         RadioImage& image)
{
    ChannelTexts shown;
    decodeChannels(image, variant, language, shown);
    for (int n = 1; n <= RadioImage::ChannelCount; ++n)
        for (int c = GridColumn::RxFrequency; c <= GridColumn::Power; ++c)
            if (!isFieldHidden(c, variant) && cells[n][c] != shown[n][c])
                encodeCell(cells[n][c], n, c, image);
}
