#pragma once

#include "csv/CsvLayout.h"
#include "csv/CsvRefusal.h"
#include "model/ProductBand.h"
#include "model/RadioVariant.h"
#include "model/ToneTables.h"

#include <cstdint>
#include <optional>
#include <vector>

// What one row of a channel list says about its channel, checked and ready to store.
struct ChannelValues {
    std::uint32_t rx = 0; // 10 Hz counts, 0 = absent
    std::uint32_t tx = 0;
    ToneField decode; // none unless the row names a tone
    ToneField encode;
    std::optional<bool> wide; // nullopt: the row leaves it open
    std::optional<bool> scan;
    std::optional<bool> high;
};

// The wattage of a Power cell ("5", "5.0W", "0.5 W"); nullopt for anything else.
std::optional<double> powerWatts(const QString& cell);
// The highest wattage any row names: that is High, every lower one Low.
std::optional<double> highestWatts(const CsvHeader& header, const std::vector<CsvRecord>& rows);

// Reads the rows of one file for one radio variant and band. Only what the variant
// stores is checked: a receive-only radio ignores Duplex, Offset and the transmit tone.
class CsvRowReader {
public:
    CsvRowReader(const CsvHeader& header, RadioVariant variant, BandLimits band,
                 std::optional<double> highestWatts);

    std::optional<Refusal> read(const CsvRecord& row, ChannelValues& values) const;

private:
    std::optional<Refusal> readFrequencies(const CsvRecord& row, ChannelValues& values) const;
    std::optional<Refusal> transmitCount(const CsvRecord& row, long long rx,
                                         std::optional<long long>& tx) const;
    std::optional<Refusal> readTones(const CsvRecord& row, ChannelValues& values) const;
    std::optional<Refusal> readChoices(const CsvRecord& row, ChannelValues& values) const;
    std::optional<Refusal> checkFrequency(long long count, bool transmit) const;

    const CsvHeader& header_;
    RadioVariant variant_;
    BandLimits band_;
    std::optional<double> highestWatts_;
};
