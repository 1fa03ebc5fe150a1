#include "link/CurrentPort.h"

#include "link/PortNames.h"

QString CurrentPort::name() const
{
    if (!override_.isEmpty())
        return override_;
    return chosen_.isEmpty() ? name_ : chosen_;
}

QString CurrentPort::device() const
{
    if (!override_.isEmpty())
        return override_;
    return chosen_.isEmpty() ? map_.deviceFor(name_) : chosen_;
}

int CurrentPort::slotNumber() const
{
    return override_.isEmpty() && chosen_.isEmpty() ? PortNames::numberAfterM(name_) : 0;
}

void CurrentPort::setNumber(int number)
{
    name_ = PortNames::portName(number);
    chosen_.clear();
    override_.clear(); // the user chose a port: the demo device is left
}

void CurrentPort::setDevice(const QString& device)
{
    chosen_ = device;
    override_.clear();
}

void CurrentPort::restore(int number, const QString& device)
{
    name_ = PortNames::portName(number);
    chosen_ = device;
}
