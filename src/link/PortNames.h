#pragma once

#include <QString>

class QSettings;

// The serial ports the user picks from: numbers 1 to 16, named COM1 to COM16.
namespace PortNames {

constexpr int FirstPort = 1;
constexpr int LastPort = 16;

constexpr bool isPortNumber(int number)
{
    return number >= FirstPort && number <= LastPort;
}

// "COM1" .. "COM9", then the device path form "\\.\COM10" .. "\\.\COM16".
QString portName(int number);

// The number that follows the first letter M of a name ("COM3" gives 3,
// "\\.\COM12" gives 12); 0 when there is none.
int numberAfterM(const QString& name);

// The port number stored under the user's settings key (value "com", in any case);
// 1 when there is none or it lies outside 1..16.
int loadPortNumber(QSettings& key);
// Storing a number also forgets a stored device.
void storePortNumber(QSettings& key, int number);

// The device chosen from the list of those present (value "device"), empty for none. A
// stored device takes precedence over the number, which stays for the older programs
// that read only "com".
QString loadPortDevice(QSettings& key);
void storePortDevice(QSettings& key, const QString& device);

} // namespace PortNames
