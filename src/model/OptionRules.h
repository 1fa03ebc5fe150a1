#pragma once

#include "model/RadioImage.h"

#include <cstdint>

// How each option of the Optional Features dialog maps between its byte in the image and
// the position of its list item or the value of its field. The dialog and the option
// texts (diff, report) both go through these rules.
namespace OptionRules {

// A list whose item at position p stands for the byte p + first.
struct ListOption {
    int offset;
    int first;
};

constexpr ListOption TimeOut{RadioImage::OptTimeOut, 1}; // 15 s steps, stored from 1
constexpr ListOption Squelch{RadioImage::OptSquelch, 0};
constexpr ListOption Voice{RadioImage::OptVoice, 0};
constexpr ListOption VoxGain{RadioImage::OptVoxGain, 1}; // levels 1 .. 8, stored as such
constexpr ListOption VoxDelay{RadioImage::OptVoxDelay, 0};
constexpr ListOption PriorityChannel{RadioImage::OptPriorityChannel, 0};

// The position that shows the stored byte; outside the list when no item stands for it.
constexpr int listIndex(std::uint8_t byte, ListOption option)
{
    return byte - option.first;
}
// The byte a position stores; no selection (-1) stores first - 1 as a byte.
constexpr std::uint8_t listByte(int index, ListOption option)
{
    return static_cast<std::uint8_t>(index + option.first);
}

// VOX: the list offers On, Off; the byte is 1 for On and 0 for Off.
constexpr int voxIndex(std::uint8_t byte)
{
    return 1 - byte;
}
constexpr std::uint8_t voxByte(int index)
{
    return index == 0 ? 1 : 0;
}

// Side Key: in the dialog, a byte the list has no item for selects the third item
// (Monitor Momentary), and no selection stores that item too.
constexpr ListOption SideKey{RadioImage::OptSideKey, 0};
constexpr int SideKeyFallback = 2;
constexpr int sideKeyIndex(std::uint8_t byte, int itemCount)
{
    return listIndex(byte, SideKey) < itemCount ? listIndex(byte, SideKey) : SideKeyFallback;
}
constexpr std::uint8_t sideKeyByte(int index)
{
    return static_cast<std::uint8_t>(index < 0 ? SideKeyFallback : index);
}

// Transmit Delay: tenths of a second in two bytes, shown in seconds with one decimal
// ("%.1f") from 0.1 to 180.0 s, and as "Off" otherwise.
constexpr int TransmitDelayScale = 10;
constexpr int TransmitDelayMax = 1800;
constexpr const char* TransmitDelayFormat = "%.1f";
constexpr bool isTransmitDelayShown(int tenths)
{
    return tenths >= 1 && tenths <= TransmitDelayMax;
}
// A typed count that does not fit the two bytes is stored as Off rather than cut to
// some other delay.
constexpr std::uint16_t transmitDelayToStore(int tenths)
{
    return tenths >= 0 && tenths <= 0xFFFF ? static_cast<std::uint16_t>(tenths) : 0;
}

} // namespace OptionRules
