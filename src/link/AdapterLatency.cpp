#include "link/AdapterLatency.h"

#include "fileio/FileReader.h"

#include <QFileInfo>

#ifdef Q_OS_LINUX
#include <linux/serial.h>
#include <sys/ioctl.h>
#endif

namespace AdapterLatency {

void requestLowLatency([[maybe_unused]] int fd)
{
#ifdef Q_OS_LINUX
    // ENOTTY or EINVAL on a pseudo-terminal, or a driver without the flag: nothing to do.
    serial_struct serial{};
    if (::ioctl(fd, TIOCGSERIAL, &serial) != 0 || (serial.flags & ASYNC_LOW_LATENCY) != 0)
        return;
    serial.flags |= ASYNC_LOW_LATENCY;
    ::ioctl(fd, TIOCSSERIAL, &serial);
#endif
}

std::optional<int> latencyTimerMs(const QString& node, const QString& sysRoot)
{
    const QString name = QFileInfo(node).fileName();
    if (name.isEmpty())
        return std::nullopt;
    constexpr qint64 MaxAttributeSize = 32;
    const ReadResult read =
        readRegularFile(QStringLiteral("%1/class/tty/%2/device/latency_timer").arg(sysRoot, name), MaxAttributeSize);
    bool ok = false;
    const int ms = QString::fromLatin1(read.bytes).trimmed().toInt(&ok);
    return read.ok && ok && ms >= 0 ? std::optional<int>(ms) : std::nullopt;
}

} // namespace AdapterLatency
