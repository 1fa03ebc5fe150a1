// Any bytes as a CSV channel list applied to a channel-data image. What was refused must
// leave its channel alone, nothing outside the channels may change, a channel taken holds
// only frequencies the radio can store, and every channel in use must export and import
// back to the same bytes.
#include "FuzzCheck.h"
#include "csv/CsvExport.h"
#include "csv/CsvImport.h"
#include "model/ChannelCodec.h"
#include "model/RadioImage.h"

#include <cstdint>
#include <cstring>

namespace {

constexpr RadioVariant Variants[] = {RadioVariant::ReceiveOnly, RadioVariant::TransmitOnly,
                                     RadioVariant::Other};

bool sameChannel(const RadioImage& a, const RadioImage& b, int channel)
{
    return std::memcmp(a.channel(channel), b.channel(channel), RadioImage::RowSize) == 0 &&
           a.scanBit(channel) == b.scanBit(channel);
}

// In the band and on the 5 or 6.25 kHz raster (counts of 10 Hz).
bool storable(const std::uint8_t* field, const BandLimits& band)
{
    const std::uint32_t count = RadioImage::frequencyFromBytes(field);
    return count >= std::uint32_t(band.low) && count <= std::uint32_t(band.high) &&
           (count % 500 == 0 || count % 625 == 0);
}

// The receive frequency a receiving variant needs and any transmit frequency.
bool storableChannel(const RadioImage& image, int channel, RadioVariant variant, const BandLimits& band)
{
    const std::uint8_t* rx = image.channel(channel) + RadioImage::RecRxFreq;
    const std::uint8_t* tx = image.channel(channel) + RadioImage::RecTxFreq;
    if (variant != RadioVariant::TransmitOnly && !storable(rx, band))
        return false;
    return RadioImage::isFrequencyAbsent(tx) || storable(tx, band);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    const RadioVariant variant = Variants[data[0] % 3];
    const QByteArray csv(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));
    const RadioImage base = RadioImage::makeNew();
    const BandLimits band{13600000, 17400000};

    const CsvImportResult result = importChannelsCsv(csv, base, variant, band);
    if (result.problem != CsvFileProblem::None) {
        fuzzCheck(result.image == base, "a refused file changed the image");
        return 0;
    }
    bool taken[RadioImage::ChannelCount + 1] = {};
    for (const ImportedRow& row : result.report.rows) {
        fuzzCheck(row.refusal.has_value() == (row.channel == 0), "a row is neither taken nor refused");
        if (row.channel >= 1 && row.channel <= RadioImage::ChannelCount) {
            taken[row.channel] = true;
            fuzzCheck(storableChannel(result.image, row.channel, variant, band),
                      "a channel taken holds a frequency the radio cannot store");
        }
    }
    for (int n = 1; n <= RadioImage::ChannelCount; ++n)
        if (!taken[n])
            fuzzCheck(sameChannel(result.image, base, n), "a channel no row took has changed");
    const int channelsEnd = RadioImage::channelOffset(RadioImage::ChannelCount + 1);
    for (int offset = channelsEnd; offset < RadioImage::Size; ++offset)
        if (offset != RadioImage::ScanBitmap && offset != RadioImage::ScanBitmap + 1)
            fuzzCheck(result.image[offset] == base[offset], "a byte outside the channels changed");

    const QByteArray exported = exportChannelsCsv(result.image, variant).text;
    const CsvImportResult again = importChannelsCsv(exported, base, variant, band);
    fuzzCheck(again.problem == CsvFileProblem::None && again.report.refused() == 0,
              "an exported list is refused on import");
    for (int n = 1; n <= RadioImage::ChannelCount; ++n)
        if (!isChannelEmpty(result.image, n, variant))
            fuzzCheck(sameChannel(again.image, result.image, n), "an exported channel imports differently");
    return 0;
}
