#pragma once

#include "link/PortMap.h"

#include <QString>

// The port the transfers use: "COM1" at start, then the choice stored for the user (read
// by every new channel view) or made in Port Setting: a COM slot, or a device from the
// list of those present (by its stable name where it has one). A demo or a command line
// may point it at any device for this run.
class CurrentPort {
public:
    explicit CurrentPort(PortMap map = {}) : map_(std::move(map)) {}

    QString name() const;   // "COM3", "\\.\COM12", the chosen device, or the device given directly
    QString device() const; // what a transfer opens
    const PortMap& map() const { return map_; }
    // The COM slot in use, 0 when a device from the list or a device override is.
    int slotNumber() const;
    // The device chosen from the list, empty when a COM slot is.
    QString chosenDevice() const { return chosen_; }
    bool hasDeviceOverride() const { return !override_.isEmpty(); }

    // The user's choice; each ends a device override.
    void setNumber(int number);
    void setDevice(const QString& device);
    // The stored choice (a device when one is given, else the slot); keeps an override.
    void restore(int number, const QString& device);
    // For this run only: transfers open this device (a demo radio's pseudo-terminal).
    void setDeviceOverride(const QString& device) { override_ = device; }

private:
    PortMap map_;
    QString name_ = QStringLiteral("COM1");
    QString chosen_;
    QString override_;
};
