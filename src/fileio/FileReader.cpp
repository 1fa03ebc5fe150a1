#include "fileio/FileReader.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

ReadResult failure(const QString& reason)
{
    return {false, {}, reason};
}

// Why a node that is not a regular file is not read; empty for a regular file.
QString refusalOf(mode_t mode)
{
    if (S_ISREG(mode))
        return {};
    if (S_ISDIR(mode))
        return QCoreApplication::translate("FileReader", "It is a folder, not a file.");
    if (S_ISFIFO(mode))
        return QCoreApplication::translate(
            "FileReader", "It is a named pipe (FIFO), not a file; the program reads only regular files.");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QCoreApplication::translate(
            "FileReader", "It is a device, not a file; the program reads only regular files.");
    return QCoreApplication::translate(
        "FileReader", "It is a socket or another special file; the program reads only regular files.");
}

// Reads until maxBytes or the end of the file; empty reason on success.
QString readUpTo(int fd, qint64 maxBytes, QByteArray& bytes)
{
    constexpr qint64 Chunk = 64 * 1024;
    while (bytes.size() < maxBytes) {
        const qsizetype had = bytes.size();
        const qint64 wanted = qMin(Chunk, maxBytes - had);
        bytes.resize(had + wanted);
        const ssize_t got = ::read(fd, bytes.data() + had, static_cast<std::size_t>(wanted));
        if (got < 0 && errno == EINTR) {
            bytes.resize(had);
            continue;
        }
        bytes.resize(had + qMax<qint64>(got, 0));
        if (got < 0)
            return qt_error_string(errno);
        if (got == 0)
            break;
    }
    return {};
}

} // namespace

ReadResult readRegularFile(const QString& path, qint64 maxBytes)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat status {};
    // A device is never opened: opening a serial port alone raises its control lines.
    if (::stat(name.constData(), &status) != 0)
        return failure(qt_error_string(errno));
    if (const QString refusal = refusalOf(status.st_mode); !refusal.isEmpty())
        return failure(refusal);
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return failure(qt_error_string(errno));
    QString reason;
    if (::fstat(fd, &status) != 0)
        reason = qt_error_string(errno);
    else
        reason = refusalOf(status.st_mode);
    // A regular file never waits; the flag only guarded the open.
    if (reason.isEmpty() && ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0)
        reason = qt_error_string(errno);
    ReadResult result{false, {}, {}};
    if (reason.isEmpty())
        reason = readUpTo(fd, maxBytes, result.bytes);
    ::close(fd);
    if (!reason.isEmpty())
        return failure(reason);
    result.ok = true;
    return result;
}
