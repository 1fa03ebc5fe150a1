// A channel-data file from any bytes: the load, the save of what was loaded, and the
// grid's decode and encode of the image in both languages, under the radio variant that
// the first reserved byte of the header picks (the load ignores those bytes).
#include "FuzzCheck.h"
#include "document/ChannelFile.h"
#include "model/ChannelCodec.h"

#include <QByteArray>
#include <cstring>

namespace {

constexpr RadioVariant Variants[] = {RadioVariant::ReceiveOnly, RadioVariant::TransmitOnly,
                                     RadioVariant::Other};

ChannelTexts decoded(const RadioImage& image, RadioVariant variant, Language language)
{
    ChannelTexts cells;
    decodeChannels(image, variant, language, cells);
    return cells;
}

RadioImage encoded(ChannelTexts cells, RadioVariant variant, RadioImage image)
{
    encodeChannels(cells, variant, image);
    return image;
}

// The bits of an image byte that the channel encoder may change.
std::uint8_t encoderOwnedBits(int offset)
{
    if (offset == RadioImage::ScanBitmap || offset == RadioImage::ScanBitmap + 1)
        return 0xFF;
    const int row = offset / RadioImage::RowSize;
    if (row < 1 || row > RadioImage::ChannelCount)
        return 0;
    const int field = offset % RadioImage::RowSize;
    if (field < RadioImage::RecBusyLock)
        return 0xFF; // frequencies and tones
    if (field == RadioImage::RecBusyLock)
        return RadioImage::BusyLockMask;
    if (field == RadioImage::RecWidthPower)
        return RadioImage::WideBit | RadioImage::HighPowerBit;
    return 0;
}

// True when the file was taken.
bool checkLoad(const QByteArray& bytes, RadioImage& image)
{
    const RadioImage before = image;
    const bool wellFormed =
        bytes.size() >= ChannelFile::FileSize && std::memcmp(bytes.constData(), ChannelFile::Magic, 4) == 0;
    const bool loaded = ChannelFile::loadFromBytes(bytes, image).ok();
    fuzzCheck(loaded == wellFormed, "a file was refused or taken against its size and magic");
    if (!loaded) {
        fuzzCheck(image == before, "a refused file changed the image");
        return false;
    }
    fuzzCheck(std::memcmp(image.data(), bytes.constData() + ChannelFile::HeaderSize, RadioImage::Size) == 0,
              "the image is not the file's 1024 bytes after the header");
    RadioImage reloaded;
    fuzzCheck(ChannelFile::loadFromBytes(ChannelFile::toBytes(image), reloaded).ok() && reloaded == image,
              "a saved image loads back otherwise");
    return true;
}

void checkCodec(const RadioImage& image, RadioVariant variant)
{
    const RadioImage stored = encoded(decoded(image, variant, Language::English), variant, image);
    for (int i = 0; i < RadioImage::Size; ++i)
        fuzzCheck(((image[i] ^ stored[i]) & ~encoderOwnedBits(i)) == 0,
                  "decode and encode changed a byte the grid does not own");
    fuzzCheck(encoded(decoded(image, variant, Language::Chinese), variant, image) == stored,
              "the Chinese grid stores other bytes than the English one");
    // The first store normalises what the grid cannot show (non-decimal digits, DCS values
    // outside the table, busy lock 11); from then on what the grid shows is what it stores.
    const ChannelTexts shown = decoded(stored, variant, Language::English);
    fuzzCheck(decoded(encoded(shown, variant, stored), variant, Language::English) == shown,
              "the grid's texts change when they are stored a second time");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    RadioImage image;
    if (!checkLoad(bytes, image))
        return 0;
    checkCodec(image, Variants[static_cast<std::uint8_t>(bytes[sizeof ChannelFile::Magic]) % 3]);
    return 0;
}
