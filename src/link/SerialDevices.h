#pragma once

#include "link/PortStatus.h"
#include "link/SerialDeviceInfo.h"

#include <QList>
#include <memory>

// The serial devices of the system: which are present, and whether one can be opened now.
// The program asks the system; tests and trials give a scripted list.
class SerialDevices {
public:
    SerialDevices() = default;
    virtual ~SerialDevices() = default;
    SerialDevices(const SerialDevices&) = delete;
    SerialDevices& operator=(const SerialDevices&) = delete;

    // The devices present now, ordered by path.
    virtual QList<SerialDeviceInfo> present() const = 0;
    // Whether device (a path or a stable name) opens now, and why not; it is closed again.
    virtual PortStatus status(const QString& device) const = 0;

    // Why device did not open for a transfer, which gave systemText: its status now, or,
    // when it opens again by now, the transfer's own failure.
    PortStatus whyNotOpened(const QString& device, const QString& systemText) const;
};

// The system's devices; when the environment variable XR970_SERIAL_DEVICES names a
// device list file (see ScriptedSerialDevices), that list instead.
std::unique_ptr<SerialDevices> makeSerialDevices();
