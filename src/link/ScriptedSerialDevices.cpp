#include "link/ScriptedSerialDevices.h"

#include "fileio/FileReader.h"
#include "link/PortProbe.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <optional>

namespace {

using State = PortStatus::State;

constexpr qint64 MaxListSize = 1024 * 1024; // a list of devices, not a data file

std::optional<quint16> hexId(const QJsonValue& value)
{
    bool ok = false;
    const uint id = value.toString().toUInt(&ok, 16);
    return ok && id <= 0xFFFF ? std::optional<quint16>(static_cast<quint16>(id)) : std::nullopt;
}

SerialDeviceInfo deviceFrom(const QJsonObject& object)
{
    SerialDeviceInfo device;
    device.path = object.value(QLatin1String("path")).toString();
    device.stableName = object.value(QLatin1String("stableName")).toString();
    device.description = object.value(QLatin1String("description")).toString();
    device.manufacturer = object.value(QLatin1String("manufacturer")).toString();
    device.serialNumber = object.value(QLatin1String("serialNumber")).toString();
    device.vendorId = hexId(object.value(QLatin1String("vendorId")));
    device.productId = hexId(object.value(QLatin1String("productId")));
    if (const QJsonValue latency = object.value(QLatin1String("latencyTimer")); latency.isDouble())
        device.latencyTimerMs = latency.toInt();
    return device;
}

std::optional<PortStatus> statusFrom(const QJsonObject& object)
{
    static const QHash<QString, State> states = {{QStringLiteral("ok"), State::Ok},
                                                 {QStringLiteral("absent"), State::Absent},
                                                 {QStringLiteral("in use"), State::InUse},
                                                 {QStringLiteral("no permission"), State::NoPermission},
                                                 {QStringLiteral("error"), State::Failed}};
    const auto state = states.constFind(object.value(QLatin1String("state")).toString());
    if (state == states.cend())
        return std::nullopt;
    PortStatus status = PortStatus::of(*state, object.value(QLatin1String("error")).toString());
    status.holder = object.value(QLatin1String("holder")).toString();
    status.holderPid = object.value(QLatin1String("pid")).toInteger();
    status.group = object.value(QLatin1String("group")).toString();
    if (status.state == State::NoPermission)
        status.user = currentUserName();
    return status;
}

bool isPseudoTerminal(const QString& device)
{
    return deviceNode(device).startsWith(QLatin1String("/dev/pts/"));
}

} // namespace

QList<SerialDeviceInfo> ScriptedSerialDevices::present() const
{
    QList<SerialDeviceInfo> devices = devices_;
    std::sort(devices.begin(), devices.end(), SerialDeviceInfo::pathOrder);
    return devices;
}

PortStatus ScriptedSerialDevices::status(const QString& device) const
{
    const auto listed = std::find_if(devices_.cbegin(), devices_.cend(),
                                     [&device](const SerialDeviceInfo& d) { return d.isNamedBy(device); });
    for (const QString& key : {device, listed != devices_.cend() ? listed->path : device}) {
        if (const auto found = statuses_.constFind(key); found != statuses_.cend())
            return *found;
    }
    if (isPseudoTerminal(device))
        return probePort(device);
    return PortStatus::of(listed != devices_.cend() ? State::Ok : State::Absent);
}

std::unique_ptr<ScriptedSerialDevices> ScriptedSerialDevices::fromJson(const QByteArray& json, QString* error)
{
    QJsonParseError parseError{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (!document.isArray()) {
        if (error)
            *error = parseError.error != QJsonParseError::NoError ? parseError.errorString()
                                                                  : QStringLiteral("not a JSON array");
        return nullptr;
    }
    auto devices = std::make_unique<ScriptedSerialDevices>();
    for (const QJsonValue& entry : document.array()) {
        const QJsonObject object = entry.toObject();
        const SerialDeviceInfo device = deviceFrom(object);
        if (device.path.isEmpty())
            continue;
        devices->addDevice(device);
        if (const auto status = statusFrom(object))
            devices->setStatus(device.path, *status);
    }
    return devices;
}

std::unique_ptr<ScriptedSerialDevices> ScriptedSerialDevices::fromFile(const QString& path, QString* error)
{
    const ReadResult read = readRegularFile(path, MaxListSize);
    if (!read.ok) {
        if (error)
            *error = read.errorText;
        return nullptr;
    }
    return fromJson(read.bytes, error);
}
