#pragma once

#include <cstdint>

// Which kind of radio the last completed read identified. It decides the grid's
// columns, what the encoder forces absent and which options the dialog shows.
enum class RadioVariant : int { Other = 0, ReceiveOnly = 1, TransmitOnly = 2 };

// From the eighth byte of the radio's identification reply.
constexpr RadioVariant radioVariantFromIdByte(std::uint8_t b)
{
    return b == 0xFF ? RadioVariant::ReceiveOnly
                     : (b == 0xF5 ? RadioVariant::TransmitOnly : RadioVariant::Other);
}

// Whether a channel is in use: a receive-only radio looks at the receive frequency, a
// transmit-only one at the transmit frequency, any other radio at both.
constexpr bool isChannelUsed(bool hasRxFrequency, bool hasTxFrequency, RadioVariant variant)
{
    switch (variant) {
    case RadioVariant::ReceiveOnly:
        return hasRxFrequency;
    case RadioVariant::TransmitOnly:
        return hasTxFrequency;
    case RadioVariant::Other:
        break;
    }
    return hasRxFrequency || hasTxFrequency;
}

// The variant's name in what the command line prints and in the names of the radio
// history's files.
constexpr const char* radioVariantName(RadioVariant variant)
{
    switch (variant) {
    case RadioVariant::ReceiveOnly:
        return "receive-only";
    case RadioVariant::TransmitOnly:
        return "transmit-only";
    case RadioVariant::Other:
        break;
    }
    return "other";
}
