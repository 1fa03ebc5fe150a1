#include "link/ProgrammingCables.h"

namespace ProgrammingCables {

const QList<Chip>& chips()
{
    static const QList<Chip> table = {
        {0x1a86, 0x7523, "WCH CH340"},           {0x1a86, 0x5523, "WCH CH341"},
        {0x067b, 0x2303, "Prolific PL2303"},     {0x067b, 0x23a3, "Prolific PL2303GC"},
        {0x10c4, 0xea60, "Silicon Labs CP210x"}, {0x0403, 0x6001, "FTDI FT232R"},
        {0x0403, 0x6015, "FTDI FT-X"},
    };
    return table;
}

const Chip* chipOf(const SerialDeviceInfo& device)
{
    if (!device.vendorId || !device.productId)
        return nullptr;
    for (const Chip& chip : chips()) {
        if (chip.vendorId == *device.vendorId && chip.productId == *device.productId)
            return &chip;
    }
    return nullptr;
}

QList<SerialDeviceInfo> among(const QList<SerialDeviceInfo>& devices)
{
    QList<SerialDeviceInfo> cables;
    for (const SerialDeviceInfo& device : devices) {
        if (isLikelyCable(device))
            cables << device;
    }
    return cables;
}

} // namespace ProgrammingCables
