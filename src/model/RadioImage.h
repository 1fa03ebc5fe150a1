#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// The radio's whole editable memory: 64 rows of 16 bytes, mirrored byte for byte
// in the channel-data file and (bytes 0..815) on the clone line.
class RadioImage {
public:
    static constexpr int Size = 1024;
    static constexpr int RowSize = 16;
    static constexpr int ChannelCount = 16;

    // Channel record n (1..16) occupies row n; field offsets inside a record.
    static constexpr int RecRxFreq = 0;
    static constexpr int RecTxFreq = 4;
    static constexpr int RecDecodeTone = 8;
    static constexpr int RecEncodeTone = 10;
    static constexpr int RecBusyLock = 12;
    static constexpr int RecWidthPower = 13;
    static constexpr std::uint8_t BusyLockMask = 0x18; // bits 3-4 of +12
    static constexpr int BusyLockShift = 3;
    static constexpr std::uint8_t WideBit = 0x10;      // bit 4 of +13
    static constexpr std::uint8_t HighPowerBit = 0x20; // bit 5 of +13

    // Option block.
    static constexpr int OptSideKey = 285;
    static constexpr int OptVoice = 303;
    static constexpr int OptTimeOut = 304;
    static constexpr int OptSquelch = 308;
    static constexpr int OptBatterySaver = 309;
    static constexpr int OptBeep = 310;
    static constexpr int OptVox = 313;
    static constexpr int OptVoxGain = 314;
    static constexpr int OptVoxDelay = 315;
    static constexpr int OptTransmitDelay = 316; // 16-bit little-endian, tenths of a second
    static constexpr int OptPriorityChannel = 353;
    static constexpr int ScanBitmap = 382; // two bytes, channel 1 = bit 0 of the first

    static constexpr int ProductType = 814;
    static constexpr int ProductBand = 815;
    static constexpr int TransferSize = 816; // bytes 0..815 cross the clone line
    static constexpr int NewImageMarker = 1009;

    static constexpr std::uint32_t AbsentFrequency = 0;

    RadioImage() { bytes_.fill(0xFF); }

    // The image a new document starts with.
    static RadioImage makeNew();

    std::uint8_t& operator[](std::size_t offset) { return bytes_[offset]; }
    std::uint8_t operator[](std::size_t offset) const { return bytes_[offset]; }
    std::uint8_t* data() { return bytes_.data(); }
    const std::uint8_t* data() const { return bytes_.data(); }
    bool operator==(const RadioImage& other) const { return bytes_ == other.bytes_; }
    bool operator!=(const RadioImage& other) const { return bytes_ != other.bytes_; }

    static constexpr int channelOffset(int channel) { return RowSize * channel; }
    std::uint8_t* channel(int channel) { return bytes_.data() + channelOffset(channel); }
    const std::uint8_t* channel(int channel) const { return bytes_.data() + channelOffset(channel); }

    // Frequencies are counts of 10 Hz in 8-digit little-endian packed BCD. A field whose
    // top byte is 0xFF or 0x00 is absent (0 here).
    static std::uint32_t frequencyFromBytes(const std::uint8_t* field);
    static void frequencyToBytes(std::uint32_t count, std::uint8_t* field);
    static bool isFrequencyAbsent(const std::uint8_t* field);

    bool scanBit(int channel) const;
    void setScanBit(int channel, bool member);
    // Takes a channel from another image: its 16-byte record (the attributes the grid
    // hides included) and its scan bit.
    void copyChannelFrom(const RadioImage& source, int channel);

    std::uint16_t transmitDelay() const;
    void setTransmitDelay(std::uint16_t tenths);

private:
    std::array<std::uint8_t, Size> bytes_;
};
