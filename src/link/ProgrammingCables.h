#pragma once

#include "link/SerialDeviceInfo.h"

#include <QList>

// The USB serial chips that programming cables are built on: a device with one of their
// USB ids is likely the cable.
namespace ProgrammingCables {

struct Chip {
    quint16 vendorId;
    quint16 productId;
    const char* name;
};

const QList<Chip>& chips();

// The chip of a likely programming cable, or null.
const Chip* chipOf(const SerialDeviceInfo& device);
inline bool isLikelyCable(const SerialDeviceInfo& device)
{
    return chipOf(device) != nullptr;
}
// The likely cables among devices, in their order.
QList<SerialDeviceInfo> among(const QList<SerialDeviceInfo>& devices);

} // namespace ProgrammingCables
