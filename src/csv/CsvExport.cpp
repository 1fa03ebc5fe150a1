#include "csv/CsvExport.h"

#include "csv/CsvLayout.h"
#include "csv/CsvRefusal.h"
#include "csv/CsvTones.h"
#include "model/ChannelCodec.h"

namespace {

constexpr long long CountsPerMHz = 100000;

QString mhzText(long long count)
{
    return QString::asprintf("%lld.%06lld", count / CountsPerMHz, (count % CountsPerMHz) * 10);
}

// The step a frequency fits: 6.25 kHz only when it is not also on the 5 kHz raster.
QString stepText(long long count)
{
    return (count % 500 != 0 && count % 625 == 0) ? QStringLiteral("6.25") : QStringLiteral("5.00");
}

struct ShownChannel {
    long long rx = 0; // 0 when absent
    long long tx = 0;
    ToneField decode;
    ToneField encode;
};

ToneField toneAt(const std::uint8_t* record, int offset)
{
    return {record[offset], record[offset + 1]};
}

// A tone the import would refuse is left out, with a warning.
ToneField writableTone(ToneField tone, CsvExportWarning::Kind side, int n,
                       std::vector<CsvExportWarning>& warnings)
{
    if (isCsvTone(tone))
        return tone;
    warnings.push_back({side, n, toneTextFromField(tone)});
    return {};
}

// The channel with what the variant hides taken away.
ShownChannel shownChannel(const RadioImage& image, int n, RadioVariant variant,
                          std::vector<CsvExportWarning>& warnings)
{
    const std::uint8_t* record = image.channel(n);
    ShownChannel shown{RadioImage::frequencyFromBytes(record + RadioImage::RecRxFreq),
                       RadioImage::frequencyFromBytes(record + RadioImage::RecTxFreq),
                       toneAt(record, RadioImage::RecDecodeTone), toneAt(record, RadioImage::RecEncodeTone)};
    if (variant == RadioVariant::ReceiveOnly) {
        shown.tx = 0;
        shown.encode = {};
    } else if (variant == RadioVariant::TransmitOnly) {
        shown.rx = 0;
        shown.decode = {};
    }
    shown.decode = writableTone(shown.decode, CsvExportWarning::Kind::DecodeTone, n, warnings);
    shown.encode = writableTone(shown.encode, CsvExportWarning::Kind::EncodeTone, n, warnings);
    return shown;
}

void fillFrequencies(QStringList& row, const ShownChannel& shown)
{
    const long long frequency = shown.rx != 0 ? shown.rx : shown.tx;
    row[CsvColumn::Frequency] = mhzText(frequency);
    row[CsvColumn::TStep] = stepText(frequency);
    row[CsvColumn::Offset] = mhzText(0);
    if (shown.rx == 0 || shown.tx == shown.rx)
        return; // Duplex "": Tx = Rx
    if (shown.tx == 0) {
        row[CsvColumn::Duplex] = QStringLiteral("off");
        return;
    }
    row[CsvColumn::Duplex] = shown.tx > shown.rx ? QStringLiteral("+") : QStringLiteral("-");
    row[CsvColumn::Offset] = mhzText(shown.tx > shown.rx ? shown.tx - shown.rx : shown.rx - shown.tx);
}

void fillTones(QStringList& row, const ShownChannel& shown)
{
    const ToneColumns tones = toneColumnsOf(shown.decode, shown.encode);
    row[CsvColumn::Tone] = tones.tone;
    row[CsvColumn::RToneFreq] = tones.rToneFreq;
    row[CsvColumn::CToneFreq] = tones.cToneFreq;
    row[CsvColumn::DtcsCode] = tones.dtcsCode;
    row[CsvColumn::DtcsPolarity] = tones.dtcsPolarity;
    row[CsvColumn::RxDtcsCode] = tones.rxDtcsCode;
    row[CsvColumn::CrossMode] = tones.crossMode;
}

QStringList channelRow(const RadioImage& image, int n, RadioVariant variant,
                       std::vector<CsvExportWarning>& warnings)
{
    QStringList row(CsvColumn::Count);
    const std::uint8_t widthPower = image.channel(n)[RadioImage::RecWidthPower];
    row[CsvColumn::Location] = QString::number(n);
    const ShownChannel shown = shownChannel(image, n, variant, warnings);
    fillFrequencies(row, shown);
    fillTones(row, shown);
    row[CsvColumn::Mode] = (widthPower & RadioImage::WideBit) ? QStringLiteral("FM") : QStringLiteral("NFM");
    row[CsvColumn::Skip] = image.scanBit(n) ? QString() : QStringLiteral("S");
    row[CsvColumn::Power] =
        (widthPower & RadioImage::HighPowerBit) ? QStringLiteral("High") : QStringLiteral("Low");
    return row;
}

} // namespace

CsvExportResult exportChannelsCsv(const RadioImage& image, RadioVariant variant)
{
    CsvExportResult result;
    result.text = csvRecordLine(csvColumnNames());
    for (int n = 1; n <= RadioImage::ChannelCount; ++n) {
        if (isChannelEmpty(image, n, variant))
            continue;
        const std::uint8_t* record = image.channel(n);
        // Written as a receive channel it would come back receiving on its Tx frequency.
        if (variant == RadioVariant::Other && RadioImage::isFrequencyAbsent(record + RadioImage::RecRxFreq)) {
            result.warnings.push_back(
                {CsvExportWarning::Kind::TransmitOnlyChannel, n,
                 shortMHzText(RadioImage::frequencyFromBytes(record + RadioImage::RecTxFreq))});
            continue;
        }
        result.text += csvRecordLine(channelRow(image, n, variant, result.warnings));
    }
    return result;
}
