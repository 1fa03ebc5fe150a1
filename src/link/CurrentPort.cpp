#include "link/CurrentPort.h"

#include "link/PortNames.h"

QString CurrentPort::name() const
{
    return override_.isEmpty() ? name_ : override_;
}

QString CurrentPort::device() const
{
    return override_.isEmpty() ? map_.deviceFor(name_) : override_;
}

void CurrentPort::setNumber(int number)
{
    name_ = PortNames::portName(number);
    override_.clear(); // the user chose a port: the demo device is left
}

void CurrentPort::restoreNumber(int number)
{
    name_ = PortNames::portName(number);
}
