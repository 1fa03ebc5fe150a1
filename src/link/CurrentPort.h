#pragma once

#include <QString>

// The port the transfers use, for the whole process: "COM1" at start, then the number
// stored for the user (read by every new channel view) or chosen in Port Setting. A demo
// or a command line may point it at any device for this run.
namespace CurrentPort {
QString name();             // "COM3", "\\.\COM12", or the device given directly
QString device();           // what a transfer opens
void setNumber(int number); // the user's choice; ends a device override
void loadStoredNumber();    // keeps a device override
// For this run only: transfers open this device (a demo radio's pseudo-terminal).
void setDeviceOverride(const QString& device);
} // namespace CurrentPort
