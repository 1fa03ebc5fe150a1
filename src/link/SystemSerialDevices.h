#pragma once

#include "link/SerialDevices.h"

// The serial devices the system reports (QSerialPortInfo), each with its stable name
// from /dev/serial/by-id where there is one.
class SystemSerialDevices final : public SerialDevices {
public:
    QList<SerialDeviceInfo> present() const override;
    PortStatus status(const QString& device) const override;
};
