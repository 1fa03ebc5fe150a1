#include "link/PortMap.h"

#include "link/PortNames.h"

#include <QRegularExpression>

namespace {

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

} // namespace

QString PortMap::devicePath(int number) const
{
#ifdef Q_OS_WIN
    return PortNames::portName(number);
#else
    const QString configured =
        configured_ ? configured_(QStringLiteral("COM%1").arg(number)).trimmed() : QString();
    return configured.isEmpty() ? defaultDevicePath(number) : configured;
#endif
}

QString PortMap::deviceFor(const QString& nameOrPath) const
{
    static const QRegularExpression comName(QStringLiteral("^(\\\\\\\\\\.\\\\)?COM(\\d{1,2})$"),
                                            QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = comName.match(nameOrPath);
    if (match.hasMatch() && PortNames::isPortNumber(match.captured(2).toInt()))
        return devicePath(match.captured(2).toInt());
    return nameOrPath;
}
