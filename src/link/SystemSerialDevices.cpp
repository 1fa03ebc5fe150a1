#include "link/SystemSerialDevices.h"

#include "link/AdapterLatency.h"
#include "link/PortProbe.h"

#include <QDir>
#include <QHash>
#include <QSerialPortInfo>
#include <algorithm>

namespace {

// Device node -> its name under /dev/serial/by-id.
QHash<QString, QString> stableNames()
{
    QHash<QString, QString> names;
    const QDir byId(QStringLiteral("/dev/serial/by-id"));
    for (const QFileInfo& link : byId.entryInfoList(QDir::System | QDir::Files | QDir::NoDotAndDotDot)) {
        const QString node = link.canonicalFilePath();
        if (!node.isEmpty())
            names.insert(node, link.absoluteFilePath());
    }
    return names;
}

SerialDeviceInfo deviceOf(const QSerialPortInfo& info, const QHash<QString, QString>& stable)
{
    SerialDeviceInfo device;
    device.path = info.systemLocation();
    device.stableName = stable.value(deviceNode(device.path));
    device.description = info.description();
    device.manufacturer = info.manufacturer();
    device.serialNumber = info.serialNumber();
    if (info.hasVendorIdentifier() && info.hasProductIdentifier()) {
        device.vendorId = info.vendorIdentifier();
        device.productId = info.productIdentifier();
    }
    device.latencyTimerMs = AdapterLatency::latencyTimerMs(deviceNode(device.path));
    return device;
}

} // namespace

QList<SerialDeviceInfo> SystemSerialDevices::present() const
{
    const QHash<QString, QString> stable = stableNames();
    QList<SerialDeviceInfo> devices;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        devices << deviceOf(info, stable);
    std::sort(devices.begin(), devices.end(), SerialDeviceInfo::pathOrder);
    return devices;
}

PortStatus SystemSerialDevices::status(const QString& device) const
{
    return probePort(device);
}
