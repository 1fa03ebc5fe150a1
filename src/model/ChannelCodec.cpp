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

void encodeAttributes(const std::array<QString, GridColumn::Count>& row, std::uint8_t* record)
{
    std::uint8_t& widthPower = record[RadioImage::RecWidthPower];
    // An unknown bandwidth or power text stores Wide / High.
    const bool narrow = isText(row[GridColumn::Bandwidth], &ChoiceTexts::narrow);
    setBits(widthPower, RadioImage::WideBit, narrow ? 0 : RadioImage::WideBit);
    const bool low = isText(row[GridColumn::Power], &ChoiceTexts::low);
    setBits(widthPower, RadioImage::HighPowerBit, low ? 0 : RadioImage::HighPowerBit);

    // Busy lock: Off 00, Carrier 01, anything else QT/DQT 10.
    std::uint8_t busy = 2;
    if (isText(row[GridColumn::BusyLock], &ChoiceTexts::busyOff))
        busy = 0;
    else if (isText(row[GridColumn::BusyLock], &ChoiceTexts::busyCarrier))
        busy = 1;
    setBits(record[RadioImage::RecBusyLock], RadioImage::BusyLockMask,
            static_cast<std::uint8_t>(busy << RadioImage::BusyLockShift));
}

void blankHiddenColumns(std::array<QString, GridColumn::Count>& row, RadioVariant variant)
{
    if (variant == RadioVariant::ReceiveOnly) {
        row[GridColumn::TxFrequency].clear();
        row[GridColumn::EncodeTone].clear();
    } else if (variant == RadioVariant::TransmitOnly) {
        row[GridColumn::RxFrequency].clear();
        row[GridColumn::DecodeTone].clear();
    }
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
        auto& row = cells[n];
        blankHiddenColumns(row, variant);
        std::uint8_t* record = image.channel(n);
        RadioImage::frequencyToBytes(frequencyCountFromText(row[GridColumn::RxFrequency]),
                                     record + RadioImage::RecRxFreq);
        RadioImage::frequencyToBytes(frequencyCountFromText(row[GridColumn::TxFrequency]),
                                     record + RadioImage::RecTxFreq);
        storeTone(row[GridColumn::DecodeTone], record, RadioImage::RecDecodeTone);
        storeTone(row[GridColumn::EncodeTone], record, RadioImage::RecEncodeTone);
        encodeAttributes(row, record);
        image.setScanBit(n, isText(row[GridColumn::Scan], &ChoiceTexts::scanYes));
    }
}
