#include "model/ImageDiff.h"

#include "model/ChannelCodec.h"
#include "model/OptionTexts.h"

#include <array>

namespace {

// Per byte, the bits whose difference a listed text difference already shows.
using ShownBits = std::array<std::uint8_t, RadioImage::Size>;

void markShown(ShownBits& shown, const ImageBits& bits)
{
    for (int i = 0; i < bits.size; ++i)
        shown[static_cast<std::size_t>(bits.offset + i)] |= bits.mask;
}

// The bits of the image that the grid cell of a channel and column shows.
ImageBits cellBits(int channel, int column)
{
    const int record = RadioImage::channelOffset(channel);
    switch (column) {
    case GridColumn::RxFrequency:
        return {record + RadioImage::RecRxFreq, 4, 0xFF};
    case GridColumn::TxFrequency:
        return {record + RadioImage::RecTxFreq, 4, 0xFF};
    case GridColumn::DecodeTone:
        return {record + RadioImage::RecDecodeTone, 2, 0xFF};
    case GridColumn::EncodeTone:
        return {record + RadioImage::RecEncodeTone, 2, 0xFF};
    case GridColumn::Bandwidth:
        return {record + RadioImage::RecWidthPower, 1, RadioImage::WideBit};
    case GridColumn::Scan:
        return {RadioImage::ScanBitmap + (channel - 1) / 8, 1,
                static_cast<std::uint8_t>(1u << ((channel - 1) % 8))};
    case GridColumn::BusyLock:
        return {record + RadioImage::RecBusyLock, 1, RadioImage::BusyLockMask};
    case GridColumn::Power:
        return {record + RadioImage::RecWidthPower, 1, RadioImage::HighPowerBit};
    default:
        return {0, 0, 0};
    }
}

void diffChannels(const RadioImage& before, const RadioImage& after, RadioVariant variant, Language language,
                  ImageDiff& diff, ShownBits& shown)
{
    ChannelTexts old;
    ChannelTexts now;
    decodeChannels(before, variant, language, old);
    decodeChannels(after, variant, language, now);
    for (int n = 1; n <= RadioImage::ChannelCount; ++n) {
        for (int c = GridColumn::RxFrequency; c < GridColumn::Count; ++c) {
            if (old[n][c] == now[n][c])
                continue;
            const ImageBits bits = cellBits(n, c);
            diff.cells.push_back({n, c, old[n][c], now[n][c], bits.offset});
            markShown(shown, bits);
        }
    }
}

void diffOptions(const RadioImage& before, const RadioImage& after, Language language, ImageDiff& diff,
                 ShownBits& shown)
{
    const std::vector<OptionSetting> old = optionSettings(before, language);
    const std::vector<OptionSetting> now = optionSettings(after, language);
    for (std::size_t i = 0; i < old.size(); ++i) {
        if (old[i].value == now[i].value)
            continue;
        diff.options.push_back({old[i].label, old[i].value, now[i].value, old[i].bits.offset});
        markShown(shown, old[i].bits);
    }
}

} // namespace

ImageDiff diffImages(const RadioImage& before, const RadioImage& after, RadioVariant variant,
                     Language language)
{
    ImageDiff diff;
    ShownBits shown{};
    diffChannels(before, after, variant, language, diff, shown);
    diffOptions(before, after, language, diff, shown);
    for (std::size_t offset = 0; offset < shown.size(); ++offset) {
        const std::uint8_t changed = before[offset] ^ after[offset];
        if (changed & ~shown[offset])
            diff.bytes.push_back({static_cast<int>(offset), before[offset], after[offset]});
    }
    return diff;
}
