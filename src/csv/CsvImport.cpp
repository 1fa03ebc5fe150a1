#include "csv/CsvImport.h"

#include "csv/CsvLayout.h"
#include "csv/CsvRowReader.h"
#include "csv/CsvText.h"
#include "model/ChannelCodec.h"

#include <QRegularExpression>
#include <algorithm>
#include <map>

namespace {

bool isBlank(const CsvRecord& record)
{
    return std::all_of(record.fields.cbegin(), record.fields.cend(),
                       [](const QString& field) { return field.trimmed().isEmpty(); });
}

std::optional<int> locationNumber(const QString& location)
{
    static const QRegularExpression integer(QStringLiteral("^[+-]?[0-9]{1,9}$"));
    if (!integer.match(location).hasMatch())
        return std::nullopt;
    return location.toInt();
}

bool startsAtZero(const CsvHeader& header, const std::vector<CsvRecord>& rows)
{
    return std::any_of(rows.cbegin(), rows.cend(), [&header](const CsvRecord& row) {
        return locationNumber(header.value(row, CsvColumn::Location)) == 0;
    });
}

void setBit(std::uint8_t& byte, std::uint8_t mask, bool on)
{
    byte = static_cast<std::uint8_t>(on ? (byte | mask) : (byte & ~mask));
}

// A channel that was empty takes the grid's row defaults for what the row leaves open.
void storeChannel(RadioImage& image, int n, const ChannelValues& values, RadioVariant variant)
{
    const bool wasEmpty = isChannelEmpty(image, n, variant);
    std::uint8_t* record = image.channel(n);
    RadioImage::frequencyToBytes(values.rx, record + RadioImage::RecRxFreq);
    RadioImage::frequencyToBytes(values.tx, record + RadioImage::RecTxFreq);
    record[RadioImage::RecDecodeTone] = values.decode.low;
    record[RadioImage::RecDecodeTone + 1] = values.decode.high;
    record[RadioImage::RecEncodeTone] = values.encode.low;
    record[RadioImage::RecEncodeTone + 1] = values.encode.high;
    std::uint8_t& widthPower = record[RadioImage::RecWidthPower];
    setBit(widthPower, RadioImage::WideBit,
           values.wide.value_or(wasEmpty || (widthPower & RadioImage::WideBit) != 0));
    setBit(widthPower, RadioImage::HighPowerBit,
           values.high.value_or(wasEmpty || (widthPower & RadioImage::HighPowerBit) != 0));
    image.setScanBit(n, values.scan.value_or(!wasEmpty && image.scanBit(n)));
    if (wasEmpty)
        record[RadioImage::RecBusyLock] &= static_cast<std::uint8_t>(~RadioImage::BusyLockMask);
}

// The data rows, each taken or refused.
void importRows(const CsvHeader& header, const std::vector<CsvRecord>& rows, RadioVariant variant,
                CsvImportResult& result)
{
    CsvImportReport& report = result.report;
    report.zeroBased = startsAtZero(header, rows);
    const CsvRowReader reader(header, variant, report.band, highestWatts(header, rows));
    std::map<int, int> firstLineOfChannel;
    for (const CsvRecord& row : rows) {
        ImportedRow imported{row.line, header.value(row, CsvColumn::Location), 0, std::nullopt};
        const std::optional<int> location = locationNumber(imported.location);
        const int channel = location ? *location + (report.zeroBased ? 1 : 0) : 0;
        ChannelValues values;
        if (channel < 1 || channel > RadioImage::ChannelCount) {
            // In a file that starts at 0, "16" is a channel number only by the radio's count.
            const RefusalReason reason =
                report.zeroBased ? RefusalReason::BadZeroBasedLocation : RefusalReason::BadLocation;
            imported.refusal = Refusal{reason, {}, imported.location, 0};
        } else if (const auto earlier = firstLineOfChannel.find(channel);
                   earlier != firstLineOfChannel.end()) {
            imported.refusal =
                Refusal{RefusalReason::DuplicateLocation, {}, imported.location, earlier->second};
        } else {
            firstLineOfChannel.emplace(channel, row.line);
            imported.refusal = reader.read(row, values);
        }
        if (!imported.refusal) {
            imported.channel = channel;
            storeChannel(result.image, channel, values, variant);
        }
        report.rows.push_back(std::move(imported));
    }
}

} // namespace

int CsvImportReport::taken() const
{
    return static_cast<int>(
        std::count_if(rows.cbegin(), rows.cend(), [](const ImportedRow& r) { return !r.refusal; }));
}

int CsvImportReport::refused() const
{
    return static_cast<int>(rows.size()) - taken();
}

CsvImportResult importChannelsCsv(const QByteArray& bytes, const RadioImage& base, RadioVariant variant,
                                  BandLimits band)
{
    CsvImportResult result;
    result.image = base;
    result.report.band = band;
    if (bytes.size() > MaxCsvFileSize) {
        result.problem = CsvFileProblem::TooLarge;
        return result;
    }
    CsvParse parsed = parseCsv(bytes);
    if (parsed.unclosedQuoteLine != 0) {
        result.problem = CsvFileProblem::UnclosedQuote;
        result.problemLine = parsed.unclosedQuoteLine;
        return result;
    }
    std::vector<CsvRecord>& records = parsed.records;
    records.erase(std::remove_if(records.begin(), records.end(), isBlank), records.end());
    const CsvHeader header(records.empty() ? QStringList() : records.front().fields);
    if (!header.has(CsvColumn::Location) || !header.has(CsvColumn::Frequency)) {
        result.problem = CsvFileProblem::NoHeader;
        return result;
    }
    importRows(header, std::vector<CsvRecord>(records.begin() + 1, records.end()), variant, result);
    return result;
}

QString csvFileProblemText(const CsvImportResult& result, Language language)
{
    switch (result.problem) {
    case CsvFileProblem::TooLarge:
        return language == Language::Chinese
                   ? QStringLiteral("文件太大，不是信道列表（超过 1 MB）。")
                   : QStringLiteral("The file is too large for a channel list (more than 1 MB).");
    case CsvFileProblem::UnclosedQuote:
        return (language == Language::Chinese
                    ? QStringLiteral("第 %1 行开始的带引号字段没有结束。")
                    : QStringLiteral("The quoted field that starts on line %1 is never closed."))
            .arg(result.problemLine);
    case CsvFileProblem::NoHeader:
        return language == Language::Chinese
                   ? QStringLiteral("该文件不是信道列表：第一行必须是列名，其中要有 Location 和 Frequency。")
                   : QStringLiteral("The file is not a channel list: its first row must name the columns, "
                                    "Location and Frequency among them.");
    case CsvFileProblem::None:
        break;
    }
    return {};
}

QString importSummaryText(const CsvImportReport& report, Language language)
{
    QString text = (language == Language::Chinese ? QStringLiteral("接受 %1 行，拒绝 %2 行。")
                                                  : QStringLiteral("Rows taken: %1, rows refused: %2."))
                       .arg(report.taken())
                       .arg(report.refused());
    if (report.zeroBased)
        text += language == Language::Chinese
                    ? QStringLiteral("本文件的位置从 0 开始：位置 0 即信道 1。")
                    : QStringLiteral(" The locations of this file start at 0: location 0 is channel 1.");
    return text;
}
