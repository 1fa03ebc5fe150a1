#pragma once

#include "link/SerialDevices.h"

#include <QHash>

// A device list given instead of the system's: for tests, and for trying the port
// selection without the hardware. Only what it lists is present. A device's status is
// the one given for it; pseudo-terminals without one are tried for real, other devices
// without one count as ok, and anything unlisted as absent. It never opens another
// device.
class ScriptedSerialDevices final : public SerialDevices {
public:
    QList<SerialDeviceInfo> present() const override;
    PortStatus status(const QString& device) const override;

    void setDevices(const QList<SerialDeviceInfo>& devices) { devices_ = devices; }
    void addDevice(const SerialDeviceInfo& device) { devices_ << device; }
    // device is a path, a stable name or a device not listed (a COM slot's device).
    void setStatus(const QString& device, const PortStatus& status) { statuses_.insert(device, status); }

    // A list file: a JSON array of objects with the members path, stableName,
    // description, manufacturer, serialNumber, vendorId and productId (hex text such as
    // "1a86"), latencyTimer (ms, a number), and optionally state ("ok", "absent", "in
    // use", "no permission", "error"), holder, pid, group and error (the system's text). Nothing when the file cannot be
    // read or is not such an array; error then says why.
    static std::unique_ptr<ScriptedSerialDevices> fromJson(const QByteArray& json, QString* error);
    static std::unique_ptr<ScriptedSerialDevices> fromFile(const QString& path, QString* error);

private:
    QList<SerialDeviceInfo> devices_;
    QHash<QString, PortStatus> statuses_;
};
