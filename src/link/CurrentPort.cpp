#include "link/CurrentPort.h"

#include "link/PortNames.h"

namespace {

QString& portName()
{
    static QString name = PortNames::portName(1);
    return name;
}

QString& deviceOverride()
{
    static QString device;
    return device;
}

} // namespace

namespace CurrentPort {

QString name()
{
    return deviceOverride().isEmpty() ? portName() : deviceOverride();
}

QString device()
{
    return deviceOverride().isEmpty() ? PortNames::deviceFor(portName()) : deviceOverride();
}

void setNumber(int number)
{
    portName() = PortNames::portName(number);
    deviceOverride().clear(); // the user chose a port: the demo device is left
}

void loadStoredNumber()
{
    portName() = PortNames::portName(PortNames::loadPortNumber());
}

void setDeviceOverride(const QString& device)
{
    deviceOverride() = device;
}

} // namespace CurrentPort
