#pragma once

#include <QString>

// The serial ports the user picks from: numbers 1 to 16, named COM1 to COM16.
namespace PortNames {

constexpr int FirstPort = 1;
constexpr int LastPort = 16;

// "COM1" .. "COM9", then the device path form "\\.\COM10" .. "\\.\COM16".
QString portName(int number);

// The device that port number n opens: the port name itself on Windows; elsewhere the
// value of key COMn in section [Ports] of Program.ini, or the default slot
// (COM1-4 /dev/ttyUSB0-3, COM5-8 /dev/ttyACM0-3, COM9-16 /dev/ttyS0-7).
QString devicePath(int number);

// The number that follows the first letter M of a name ("COM3" gives 3,
// "\\.\COM12" gives 12); 0 when there is none.
int numberAfterM(const QString& name);

// What to open for a port given by the user: a port name (COM1 .. COM16 in either form,
// any case) gives devicePath(n); anything else is taken as a device path.
QString deviceFor(const QString& nameOrPath);

// The port number stored under the settings key (value "com"); 1 when there is none or
// it lies outside 1..16.
int loadPortNumber();
void storePortNumber(int number);

} // namespace PortNames
