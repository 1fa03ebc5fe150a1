#include "csv/CsvRowReader.h"

#include "csv/CsvNumber.h"
#include "csv/CsvTones.h"
#include "model/FrequencyCheck.h"

#include <algorithm>

namespace {

// Counts below 10 MHz have a 00 top byte and would read back as absent; 8 BCD digits
// hold nothing from 1000 MHz up.
constexpr long long LowestStorable = 1000000;
constexpr long long HighestStorable = 99999999;

Refusal refusal(RefusalReason reason, CsvColumn::Id column, const QString& value)
{
    return {reason, csvColumnName(column), value, 0};
}

bool is(const QString& cell, const char* word)
{
    return cell.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
}

long long countOf(const QString& mhz)
{
    return typedFrequency(mhz).count;
}

} // namespace

std::optional<double> powerWatts(const QString& cell)
{
    QString number = cell.trimmed();
    if (number.endsWith(QLatin1Char('W'), Qt::CaseInsensitive))
        number = number.chopped(1).trimmed();
    const std::optional<double> watts = csvNumber(number);
    return (watts && *watts >= 0.0) ? watts : std::nullopt;
}

std::optional<double> highestWatts(const CsvHeader& header, const std::vector<CsvRecord>& rows)
{
    std::optional<double> highest;
    for (const CsvRecord& row : rows) {
        if (const auto watts = powerWatts(header.value(row, CsvColumn::Power)))
            highest = std::max(highest.value_or(*watts), *watts);
    }
    return highest;
}

CsvRowReader::CsvRowReader(const CsvHeader& header, RadioVariant variant, BandLimits band,
                           std::optional<double> highestWatts)
    : header_(header), variant_(variant), band_(band), highestWatts_(highestWatts)
{
}

std::optional<Refusal> CsvRowReader::read(const CsvRecord& row, ChannelValues& values) const
{
    values = {};
    if (auto refused = readFrequencies(row, values))
        return refused;
    if (auto refused = readTones(row, values))
        return refused;
    return readChoices(row, values);
}

std::optional<Refusal> CsvRowReader::checkFrequency(long long count, bool transmit) const
{
    const QString mhz = shortMHzText(count);
    if (count > HighestStorable)
        return Refusal{
            transmit ? RefusalReason::TxTooManyDigits : RefusalReason::RxTooManyDigits, {}, mhz, 0};
    if (!isInBand(count, band_) || count < LowestStorable)
        return Refusal{transmit ? RefusalReason::TxOutsideBand : RefusalReason::RxOutsideBand, {}, mhz, 0};
    if (!isOnRaster(count))
        return Refusal{transmit ? RefusalReason::TxOffRaster : RefusalReason::RxOffRaster, {}, mhz, 0};
    return std::nullopt;
}

std::optional<Refusal> CsvRowReader::readFrequencies(const CsvRecord& row, ChannelValues& values) const
{
    const QString text = header_.value(row, CsvColumn::Frequency);
    if (text.isEmpty())
        return refusal(RefusalReason::MissingValue, CsvColumn::Frequency, text);
    if (!csvNumber(text))
        return refusal(RefusalReason::NotANumber, CsvColumn::Frequency, text);
    const long long rx = countOf(text);
    if (variant_ != RadioVariant::TransmitOnly) {
        if (auto refused = checkFrequency(rx, false))
            return refused;
        values.rx = static_cast<std::uint32_t>(rx);
    }
    if (variant_ == RadioVariant::ReceiveOnly)
        return std::nullopt;
    std::optional<long long> tx;
    if (auto refused = transmitCount(row, rx, tx))
        return refused;
    if (!tx)
        return variant_ == RadioVariant::TransmitOnly
                   ? std::optional<Refusal>(Refusal{RefusalReason::NoTransmitFrequency, {}, {}, 0})
                   : std::nullopt;
    // Below the band, but Duplex and Offset made it so: say that, not "outside the band".
    if (*tx <= 0 && *tx != rx)
        return Refusal{RefusalReason::TxNotAboveZero, {}, shortMHzText(*tx), 0};
    if (auto refused = checkFrequency(*tx, true))
        return refused;
    values.tx = static_cast<std::uint32_t>(*tx);
    return std::nullopt;
}

// Duplex "" is Tx = Rx, "+" / "-" add or take the Offset, "split" makes the Offset the Tx
// frequency and "off" leaves no Tx (nullopt).
std::optional<Refusal> CsvRowReader::transmitCount(const CsvRecord& row, long long rx,
                                                   std::optional<long long>& tx) const
{
    const QString duplex = header_.value(row, CsvColumn::Duplex);
    const QString offset = header_.value(row, CsvColumn::Offset);
    const bool plus = duplex == QLatin1String("+");
    const bool minus = duplex == QLatin1String("-");
    const bool split = is(duplex, "split");
    if (plus || minus || split) {
        if (split && offset.isEmpty())
            return refusal(RefusalReason::MissingValue, CsvColumn::Offset, offset);
        if (!offset.isEmpty() && !csvNumber(offset))
            return refusal(RefusalReason::NotANumber, CsvColumn::Offset, offset);
    }
    if (duplex.isEmpty())
        tx = rx;
    else if (plus || minus)
        tx = plus ? rx + countOf(offset) : rx - countOf(offset);
    else if (split)
        tx = countOf(offset);
    else if (is(duplex, "off"))
        tx.reset();
    else
        return refusal(RefusalReason::UnknownValue, CsvColumn::Duplex, duplex);
    return std::nullopt;
}

std::optional<Refusal> CsvRowReader::readTones(const CsvRecord& row, ChannelValues& values) const
{
    ToneRoute route;
    if (auto refused = routeTones(header_, row, route))
        return refused;
    if (variant_ != RadioVariant::TransmitOnly) {
        if (auto refused = toneFieldFrom(route.decode, header_, row, values.decode))
            return refused;
    }
    if (variant_ != RadioVariant::ReceiveOnly)
        return toneFieldFrom(route.encode, header_, row, values.encode);
    return std::nullopt;
}

// Mode FM / NFM, Skip "" (scanned) / "S", Power High / Low or a wattage. An empty Mode or
// Power, or a file without the Skip column, leaves the choice open.
std::optional<Refusal> CsvRowReader::readChoices(const CsvRecord& row, ChannelValues& values) const
{
    const QString mode = header_.value(row, CsvColumn::Mode);
    if (is(mode, "FM") || is(mode, "NFM"))
        values.wide = is(mode, "FM");
    else if (!mode.isEmpty())
        return refusal(RefusalReason::UnknownValue, CsvColumn::Mode, mode);

    const QString skip = header_.value(row, CsvColumn::Skip);
    if (is(skip, "S") || skip.isEmpty() || is(skip, "P")) {
        if (header_.has(CsvColumn::Skip))
            values.scan = !is(skip, "S"); // P: a priority scan member is still a member
    } else {
        return refusal(RefusalReason::UnknownValue, CsvColumn::Skip, skip);
    }

    const QString power = header_.value(row, CsvColumn::Power);
    if (is(power, "High") || is(power, "Low"))
        values.high = is(power, "High");
    else if (const auto watts = powerWatts(power))
        values.high = *watts >= highestWatts_.value_or(*watts);
    else if (!power.isEmpty())
        return refusal(RefusalReason::UnknownValue, CsvColumn::Power, power);
    return std::nullopt;
}
