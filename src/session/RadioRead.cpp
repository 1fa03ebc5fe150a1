#include "session/RadioRead.h"

RadioRead::Result RadioRead::run(CloneTransfer& transfer, const QString& device, const RadioImage& base) const
{
    Result read{transfer.read(device), base, {}};
    if (!read.completed())
        return read;
    CloneFrames::applyTransferArea(read.image, *read.transfer.received);
    read.copy = history_.keep(read.image, read.variant());
    return read;
}
