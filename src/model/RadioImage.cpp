#include "model/RadioImage.h"

#include <algorithm>

RadioImage RadioImage::makeNew()
{
    RadioImage image;
    image[OptSideKey] = 0;
    image[OptVoice] = 0;
    image[OptTimeOut] = 40;
    image[OptSquelch] = 4;
    image[OptBatterySaver] = 0;
    image[OptBeep] = 0;
    image[OptVox] = 0;
    image[OptVoxGain] = 5;
    image[OptVoxDelay] = 0;
    image.setTransmitDelay(0);
    image[OptPriorityChannel] = 0;
    image[ProductType] = 0;
    image[ProductBand] = 2;
    image[NewImageMarker] = 3;
    return image;
}

bool RadioImage::isFrequencyAbsent(const std::uint8_t* field)
{
    return field[3] == 0xFF || field[3] == 0x00;
}

std::uint32_t RadioImage::frequencyFromBytes(const std::uint8_t* field)
{
    if (isFrequencyAbsent(field))
        return AbsentFrequency;
    // Nibbles are combined arithmetically; a non-decimal nibble is not refused.
    std::uint32_t value = 0;
    for (int k = 3; k >= 0; --k) {
        const std::uint8_t b = field[k];
        value = value * 100 + (b >> 4) * 10 + (b & 0x0F);
    }
    return value;
}

void RadioImage::frequencyToBytes(std::uint32_t count, std::uint8_t* field)
{
    if (count == AbsentFrequency) {
        for (int k = 0; k < 4; ++k)
            field[k] = 0xFF;
        return;
    }
    std::uint32_t rest = count;
    for (int k = 0; k < 4; ++k) {
        const std::uint32_t pair = rest % 100;
        field[k] = static_cast<std::uint8_t>((pair / 10) * 16 + pair % 10);
        rest /= 100;
    }
}

bool RadioImage::scanBit(int channel) const
{
    const int index = channel - 1;
    return (bytes_[ScanBitmap + index / 8] >> (index % 8)) & 1;
}

void RadioImage::setScanBit(int channel, bool member)
{
    const int index = channel - 1;
    const auto mask = static_cast<std::uint8_t>(1u << (index % 8));
    std::uint8_t& byte = bytes_[ScanBitmap + index / 8];
    byte = member ? (byte | mask) : (byte & ~mask);
}

void RadioImage::copyChannelFrom(const RadioImage& source, int channel)
{
    std::copy_n(source.channel(channel), RowSize, this->channel(channel));
    setScanBit(channel, source.scanBit(channel));
}

std::uint16_t RadioImage::transmitDelay() const
{
    return static_cast<std::uint16_t>(bytes_[OptTransmitDelay] | (bytes_[OptTransmitDelay + 1] << 8));
}

void RadioImage::setTransmitDelay(std::uint16_t tenths)
{
    bytes_[OptTransmitDelay] = static_cast<std::uint8_t>(tenths & 0xFF);
    bytes_[OptTransmitDelay + 1] = static_cast<std::uint8_t>(tenths >> 8);
}
