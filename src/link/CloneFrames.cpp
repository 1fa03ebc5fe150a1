#include "link/CloneFrames.h"

#include <algorithm>

namespace CloneFrames {

TransferArea transferAreaOf(const RadioImage& image)
{
    TransferArea area;
    std::copy_n(image.data(), TransferSize, area.begin());
    return area;
}

void applyTransferArea(RadioImage& image, const TransferArea& area)
{
    std::copy(area.begin(), area.end(), image.data());
}

bool identificationMatches(const std::uint8_t* reply, int length)
{
    if (length < IdentificationChecked)
        return false;
    return reply[0] == IdByte1 && (reply[1] == IdByte2A || reply[1] == IdByte2B) && reply[2] == IdByte3 &&
           reply[3] == IdByte4 && reply[4] == IdByte5;
}

} // namespace CloneFrames
