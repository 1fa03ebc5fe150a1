#include "link/PortNames.h"

#include <QRegularExpression>
#include <QSettings>
#include <QStringList>

namespace PortNames {

namespace {

const QString PortValue = QStringLiteral("com");
const QString DeviceValue = QStringLiteral("device");

// The registry compares value names without regard to case ("com" is written, "COM"
// read); a settings file does not, so look the name up the same way here.
QStringList storedPortValueNames(QSettings& key)
{
    QStringList names;
    for (const QString& name : key.childKeys()) {
        if (name.compare(PortValue, Qt::CaseInsensitive) == 0)
            names.append(name);
    }
    return names;
}

} // namespace

QString portName(int number)
{
    return number < 10 ? QStringLiteral("COM%1").arg(number) : QStringLiteral("\\\\.\\COM%1").arg(number);
}

int numberAfterM(const QString& name)
{
    static const QRegularExpression afterM(QStringLiteral("^[^M]+M\\s*([+-]?\\d+)"));
    const QRegularExpressionMatch match = afterM.match(name);
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

int loadPortNumber(QSettings& key)
{
    const QStringList names = storedPortValueNames(key);
    if (names.isEmpty())
        return FirstPort;
    // A stored DWORD counts by its low byte.
    bool ok = false;
    const qlonglong stored = key.value(names.front()).toLongLong(&ok);
    const int number = ok ? static_cast<int>(stored & 0xFF) : FirstPort;
    return isPortNumber(number) ? number : FirstPort;
}

void storePortNumber(QSettings& key, int number)
{
    for (const QString& name : storedPortValueNames(key))
        key.remove(name);
    key.setValue(PortValue, static_cast<quint32>(number));
    key.remove(DeviceValue);
}

QString loadPortDevice(QSettings& key)
{
    return key.value(DeviceValue).toString().trimmed();
}

void storePortDevice(QSettings& key, const QString& device)
{
    key.setValue(DeviceValue, device);
}

} // namespace PortNames
