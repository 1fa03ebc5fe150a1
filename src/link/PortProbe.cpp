#include "link/PortProbe.h"

#include "link/PortLock.h"

#include <QFileInfo>
#include <QSerialPort>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

using State = PortStatus::State;

#ifdef Q_OS_UNIX
// The group whose members may read and write the device; empty when group members may
// not, as joining the group would not help then.
QString permittedGroup(const QString& node)
{
    struct stat info {};
    if (::stat(node.toLocal8Bit().constData(), &info) != 0)
        return {};
    if ((info.st_mode & (S_IRGRP | S_IWGRP)) != (S_IRGRP | S_IWGRP))
        return {};
    const group* entry = ::getgrgid(info.st_gid);
    return entry ? QString::fromLocal8Bit(entry->gr_name) : QString::number(info.st_gid);
}

PortStatus noPermission(const QString& node, const QString& systemText)
{
    PortStatus status = PortStatus::of(State::NoPermission, systemText);
    status.group = permittedGroup(node);
    status.user = currentUserName();
    return status;
}

// QSerialPort reports a device taken by another program, and one the user may not
// open, both as a permission error; the system's own answer to a plain open tells them
// apart.
PortStatus classifyRefusal(const QString& node, const QSerialPort& port)
{
    const int fd = ::open(node.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (fd >= 0) {
        ::close(fd);
        // The device opens, so what stopped QSerialPort was its lock file.
        if (port.error() == QSerialPort::PermissionError)
            return PortStatus::of(State::InUse, port.errorString());
        return PortStatus::of(State::Failed, port.errorString());
    }
    const int error = errno;
    const QString systemText = QString::fromLocal8Bit(std::strerror(error));
    switch (error) {
    case EACCES:
    case EPERM:
        return noPermission(node, systemText);
    case EBUSY:
        return PortStatus::of(State::InUse, systemText);
    case ENOENT:
    case ENODEV:
    case ENXIO:
        return PortStatus::of(State::Absent, systemText);
    default:
        return PortStatus::of(State::Failed, systemText);
    }
}
#else
PortStatus classifyRefusal(const QString&, const QSerialPort& port)
{
    switch (port.error()) {
    case QSerialPort::DeviceNotFoundError:
        return PortStatus::of(State::Absent, port.errorString());
    case QSerialPort::PermissionError:
        return PortStatus::of(State::InUse, port.errorString());
    default:
        return PortStatus::of(State::Failed, port.errorString());
    }
}
#endif

} // namespace

QString deviceNode(const QString& device)
{
    const QString node = QFileInfo(device).canonicalFilePath();
    return node.isEmpty() ? device : node;
}

QString currentUserName()
{
#ifdef Q_OS_UNIX
    if (const passwd* entry = ::getpwuid(::geteuid()))
        return QString::fromLocal8Bit(entry->pw_name);
#endif
    return qEnvironmentVariable("USER", qEnvironmentVariable("USERNAME"));
}

PortStatus probePort(const QString& device)
{
    const QString node = deviceNode(device);
#ifdef Q_OS_UNIX
    if (!QFileInfo::exists(node))
        return PortStatus::of(State::Absent);
    if (const auto holder = PortLock::holderOf(node)) {
        PortStatus status = PortStatus::of(State::InUse);
        status.holder = holder->program;
        status.holderPid = holder->pid;
        return status;
    }
#endif
    QSerialPort port(node);
    if (port.open(QIODevice::ReadWrite)) {
        port.close();
        return PortStatus::of(State::Ok);
    }
    return classifyRefusal(node, port);
}
