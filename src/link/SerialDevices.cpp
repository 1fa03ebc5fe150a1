#include "link/SerialDevices.h"

#include "link/ScriptedSerialDevices.h"
#include "link/SystemSerialDevices.h"

#include <cstdio>

PortStatus SerialDevices::whyNotOpened(const QString& device, const QString& systemText) const
{
    const PortStatus now = status(device);
    return now.ok() ? PortStatus::of(PortStatus::State::Failed, systemText) : now;
}

std::unique_ptr<SerialDevices> makeSerialDevices()
{
    const QString listFile = qEnvironmentVariable("XR970_SERIAL_DEVICES");
    if (listFile.isEmpty())
        return std::make_unique<SystemSerialDevices>();
    QString error;
    if (auto scripted = ScriptedSerialDevices::fromFile(listFile, &error))
        return scripted;
    // An unreadable list stands for no devices at all rather than the real ones: whoever
    // set it did not want this system's devices touched.
    std::fprintf(stderr, "XR970_SERIAL_DEVICES: %s: %s\n", qPrintable(listFile), qPrintable(error));
    return std::make_unique<ScriptedSerialDevices>();
}
