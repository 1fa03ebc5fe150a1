#pragma once

#include <QString>
#include <functional>

// The device each port number opens: on Windows the port name itself; elsewhere the
// device configured for the slot (the COMn entries of the [Ports] section of
// Program.ini), or the default slot: COM1-4 /dev/ttyUSB0-3, COM5-8 /dev/ttyACM0-3,
// COM9-16 /dev/ttyS0-7.
class PortMap {
public:
    // The configured device of a slot name ("COM3"), empty for none.
    using Lookup = std::function<QString(const QString& slotName)>;

    PortMap() = default;
    explicit PortMap(Lookup configured) : configured_(std::move(configured)) {}

    QString devicePath(int number) const;
    // What to open for a port given by the user: a port name (COM1 .. COM16 in either
    // form, any case) gives devicePath(n); anything else is taken as a device path.
    QString deviceFor(const QString& nameOrPath) const;

private:
    Lookup configured_;
};
