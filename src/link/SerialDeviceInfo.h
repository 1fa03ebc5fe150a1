#pragma once

#include <QString>
#include <optional>

// A serial device present on this system, as the port list shows it.
struct SerialDeviceInfo {
    QString path;       // the device node: /dev/ttyUSB0
    QString stableName; // /dev/serial/by-id/...: the same cable keeps it; empty when there is none
    QString description;
    QString manufacturer;
    QString serialNumber;
    std::optional<quint16> vendorId; // USB devices only
    std::optional<quint16> productId;
    std::optional<int> latencyTimerMs; // a USB adapter's, where its driver shows it

    // What to store and open: the stable name where there is one.
    QString openName() const { return stableName.isEmpty() ? path : stableName; }
    // "1a86:7523", empty without USB ids.
    QString usbId() const;
    // Whether device names this one, by its node or its stable name.
    bool isNamedBy(const QString& device) const
    {
        return !device.isEmpty() && (device == path || device == stableName);
    }

    friend bool operator==(const SerialDeviceInfo& a, const SerialDeviceInfo& b)
    {
        return a.path == b.path && a.stableName == b.stableName && a.description == b.description &&
               a.manufacturer == b.manufacturer && a.serialNumber == b.serialNumber &&
               a.vendorId == b.vendorId && a.productId == b.productId && a.latencyTimerMs == b.latencyTimerMs;
    }
    friend bool operator!=(const SerialDeviceInfo& a, const SerialDeviceInfo& b) { return !(a == b); }
    // Lists of devices go by path.
    static bool pathOrder(const SerialDeviceInfo& a, const SerialDeviceInfo& b) { return a.path < b.path; }
};
