#include "support/SampleImage.h"

#include "model/ToneTables.h"

#include <algorithm>

SampleImage& SampleImage::channel(int n, std::uint32_t rx, std::uint32_t tx)
{
    RadioImage::frequencyToBytes(rx, image_.channel(n) + RadioImage::RecRxFreq);
    RadioImage::frequencyToBytes(tx, image_.channel(n) + RadioImage::RecTxFreq);
    return *this;
}

SampleImage& SampleImage::tone(int n, int offset, const QString& text)
{
    const ToneField field = toneFieldFromText(text);
    image_.channel(n)[offset] = field.low;
    image_.channel(n)[offset + 1] = field.high;
    return *this;
}

SampleImage& SampleImage::record(int n, const std::array<std::uint8_t, RadioImage::RowSize>& bytes)
{
    std::copy(bytes.begin(), bytes.end(), image_.channel(n));
    return *this;
}

SampleImage& SampleImage::byte(int offset, std::uint8_t value)
{
    image_[static_cast<std::size_t>(offset)] = value;
    return *this;
}

RadioImage patternImage()
{
    const RadioImage fresh = RadioImage::makeNew();
    RadioImage image;
    for (std::size_t i = 0; i < RadioImage::Size; ++i)
        image[i] = static_cast<std::uint8_t>(fresh[i] ^ (0x5A + i % 7));
    return image;
}

CloneFrames::TransferArea patternArea(int seed)
{
    CloneFrames::TransferArea area;
    for (std::size_t i = 0; i < area.size(); ++i)
        area[i] = static_cast<std::uint8_t>(i * 7 + static_cast<std::size_t>(seed));
    return area;
}
