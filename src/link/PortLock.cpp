#include "link/PortLock.h"

#include "fileio/FileReader.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStringList>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#endif

namespace PortLock {

namespace {

// Where serial programs put their lock files; QSerialPort takes the first writable one.
const QStringList& lockFolders()
{
    static const QStringList folders = {
        QStringLiteral("/var/lock"),         QStringLiteral("/etc/locks"), QStringLiteral("/var/spool/locks"),
        QStringLiteral("/var/spool/uucp"),   QStringLiteral("/tmp"),       QStringLiteral("/var/tmp"),
        QStringLiteral("/var/lock/lockdev"), QStringLiteral("/run/lock")};
    return folders;
}

bool isRunning(qint64 pid)
{
#ifdef Q_OS_UNIX
    // EPERM: the process exists but belongs to another user.
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
#else
    Q_UNUSED(pid);
    return true;
#endif
}

QString programOfProcess(qint64 pid)
{
    QFile comm(QStringLiteral("/proc/%1/comm").arg(pid));
    if (!comm.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLocal8Bit(comm.readAll()).trimmed();
}

} // namespace

QString lockFileName(const QString& deviceNode)
{
    QString name = deviceNode;
    if (name.startsWith(QLatin1String("/dev/")))
        name.remove(0, 5);
    return QStringLiteral("LCK..") + name.replace(QLatin1Char('/'), QLatin1Char('_'));
}

std::optional<Holder> parseLockFile(const QByteArray& content)
{
    static const QRegularExpression form(
        QStringLiteral("^\\s*(\\d+)[ \\t]*([^\\s]*)[^\\n]*(?:\\n\\s*([^\\s]*))?"));
    const QRegularExpressionMatch match = form.match(QString::fromLocal8Bit(content));
    if (!match.hasMatch())
        return std::nullopt;
    bool ok = false;
    const qint64 pid = match.captured(1).toLongLong(&ok);
    if (!ok || pid <= 0)
        return std::nullopt;
    const QString sameLine = match.captured(2);
    return Holder{pid, sameLine.isEmpty() ? match.captured(3) : sameLine};
}

std::optional<Holder> holderOf(const QString& deviceNode)
{
    const QString name = lockFileName(deviceNode);
    for (const QString& folder : lockFolders()) {
        // The folders are open to every user: a FIFO put there must not block this one.
        const ReadResult lock = readRegularFile(QDir(folder).filePath(name), 4096);
        if (!lock.ok)
            continue;
        std::optional<Holder> holder = parseLockFile(lock.bytes);
        if (!holder || !isRunning(holder->pid))
            continue;
        if (holder->program.isEmpty())
            holder->program = programOfProcess(holder->pid);
        return holder;
    }
    return std::nullopt;
}

} // namespace PortLock
