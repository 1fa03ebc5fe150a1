#pragma once

#include "link/PortMap.h"

#include <QString>

// The port the transfers use: "COM1" at start, then the number stored for the user
// (read by every new channel view) or chosen in Port Setting. A demo or a command line
// may point it at any device for this run.
class CurrentPort {
public:
    explicit CurrentPort(PortMap map = {}) : map_(std::move(map)) {}

    QString name() const;   // "COM3", "\\.\COM12", or the device given directly
    QString device() const; // what a transfer opens
    const PortMap& map() const { return map_; }

    void setNumber(int number);     // the user's choice; ends a device override
    void restoreNumber(int number); // the stored choice; keeps a device override
    // For this run only: transfers open this device (a demo radio's pseudo-terminal).
    void setDeviceOverride(const QString& device) { override_ = device; }

private:
    PortMap map_;
    QString name_ = QStringLiteral("COM1");
    QString override_;
};
