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

QString attributeText(const std::uint8_t* record, bool scan, int col, const ChoiceTexts& t)
{
    const std::uint8_t widthPower = record[RadioImage::RecWidthPower];
    switch (col) {
    case GridColumn::Bandwidth:
        return (widthPower & RadioImage::WideBit) ? t.wide : t.narrow;
    case GridColumn::Scan:
        return scan ? t.scanYes : t.scanNo;
    case GridColumn::BusyLock: {
        const int busy = (record[RadioImage::RecBusyLock] & RadioImage::BusyLockMask) >> RadioImage::BusyLockShift;
        return busy == 0 ? t.busyOff : (busy == 1 ? t.busyCarrier : t.busyTone);
    }
    default:
        return (widthPower & RadioImage::HighPowerBit) ? t.high : t.low;
    }
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

bool isColumnBlankedByVariant(int col, RadioVariant variant)
{
    if (variant == RadioVariant::ReceiveOnly)
        return col == GridColumn::TxFrequency || col == GridColumn::EncodeTone;
    if (variant == RadioVariant::TransmitOnly)
        return col == GridColumn::RxFrequency || col == GridColumn::DecodeTone;
    return false;
}

bool isColumnHiddenByVariant(int col, RadioVariant variant)
{
    return isColumnBlankedByVariant(col, variant) ||
           (variant == RadioVariant::TransmitOnly && col == GridColumn::Scan);
}

QString decodeChannelCell(const RadioImage& image, int channel, int col, RadioVariant variant, Language language)
{
    if (isColumnBlankedByVariant(col, variant))
        return {};
    const std::uint8_t* record = image.channel(channel);
    if (col == GridColumn::RxFrequency || col == GridColumn::TxFrequency)
        return frequencyText(record + (col == GridColumn::RxFrequency ? RadioImage::RecRxFreq : RadioImage::RecTxFreq));
    const bool empty = isChannelEmpty(image, channel, variant);
    if (col == GridColumn::DecodeTone || col == GridColumn::EncodeTone) {
        const int offset = col == GridColumn::DecodeTone ? RadioImage::RecDecodeTone : RadioImage::RecEncodeTone;
        return toneCellText(toneAt(record, offset), empty, language);
    }
    return empty ? QString() : attributeText(record, image.scanBit(channel), col, choiceTexts(language));
}

void encodeChannelCell(RadioImage& image, int n, int col, const QString& cell)
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

void decodeChannels(const RadioImage& image, RadioVariant variant, Language language, ChannelTexts& cells)
{
    for (int n = 1; n <= RadioImage::ChannelCount; ++n)
        for (int c = GridColumn::RxFrequency; c <= GridColumn::Power; ++c)
            cells[n][c] = decodeChannelCell(image, n, c, variant, language);
}

void encodeChannels(ChannelTexts& cells, RadioVariant variant, RadioImage& image)
{
    for (int n = 1; n <= RadioImage::ChannelCount; ++n) {
        for (int c = GridColumn::RxFrequency; c <= GridColumn::Power; ++c) {
            if (isColumnBlankedByVariant(c, variant))
                cells[n][c].clear();
            encodeChannelCell(image, n, c, cells[n][c]);
        }
    }
}
