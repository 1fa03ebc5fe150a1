#include "link/PortNames.h"

#include "config/IniFile.h"
#include "config/SettingsKey.h"

#include <QRegularExpression>
#include <QStringList>

namespace PortNames {

namespace {

const QString PortValue = QStringLiteral("com");

bool isPortNumber(int number)
{
    return number >= FirstPort && number <= LastPort;
}

#ifndef Q_OS_WIN
QString defaultDevicePath(int number)
{
    if (number <= 4)
        return QStringLiteral("/dev/ttyUSB%1").arg(number - 1);
    if (number <= 8)
        return QStringLiteral("/dev/ttyACM%1").arg(number - 5);
    return QStringLiteral("/dev/ttyS%1").arg(number - 9);
}
#endif

std::unique_ptr<QSettings> openPortKey()
{
    return openSettingsKey(
        theIniFile().value(QStringLiteral("Setup"), QStringLiteral("AppName"), QString()));
}

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

QString devicePath(int number)
{
#ifdef Q_OS_WIN
    return portName(number);
#else
    const QString configured =
        theIniFile()
            .value(QStringLiteral("Ports"), QStringLiteral("COM%1").arg(number), QString())
            .trimmed();
    return configured.isEmpty() ? defaultDevicePath(number) : configured;
#endif
}

int numberAfterM(const QString& name)
{
    static const QRegularExpression afterM(QStringLiteral("^[^M]+M\\s*([+-]?\\d+)"));
    const QRegularExpressionMatch match = afterM.match(name);
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

QString deviceFor(const QString& nameOrPath)
{
    static const QRegularExpression comName(QStringLiteral("^(\\\\\\\\\\.\\\\)?COM(\\d{1,2})$"),
                                            QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = comName.match(nameOrPath);
    if (match.hasMatch() && isPortNumber(match.captured(2).toInt()))
        return devicePath(match.captured(2).toInt());
    return nameOrPath;
}

int loadPortNumber()
{
    const std::unique_ptr<QSettings> key = openPortKey();
    const QStringList names = storedPortValueNames(*key);
    const int number = names.isEmpty() ? FirstPort : readSettingsByte(*key, names.front(), FirstPort);
    return isPortNumber(number) ? number : FirstPort;
}

void storePortNumber(int number)
{
    const std::unique_ptr<QSettings> key = openPortKey();
    for (const QString& name : storedPortValueNames(*key))
        key->remove(name);
    writeSettingsDword(*key, PortValue, static_cast<std::uint32_t>(number));
}

} // namespace PortNames
