#include "fileio/FileWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

WriteResult failure(int error)
{
    return {false, qt_error_string(error)};
}

// Some file systems report a lost write only when the file is closed. Linux closes the
// descriptor even when close() is interrupted, so EINTR is no failure.
int closeChecked(int fd)
{
    return (::close(fd) == 0 || errno == EINTR) ? 0 : errno;
}

// A new file beside the target, so that the rename stays on one file system. Created with
// mode 0666 so the umask decides a new file's mode, as for any other new file.
int createTemporaryBeside(const QByteArray& target, QByteArray& name)
{
    const qsizetype slash = target.lastIndexOf('/');
    const QByteArray folder = target.left(slash + 1);
    const QByteArray base = target.mid(slash + 1).left(200); // room for the suffix in a name
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = folder + '.' + base + '.' + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// 0 when the folder exists (or something by its name: the write then says what) or was made.
int makeFolder(const QByteArray& path)
{
    if (::mkdir(path.constData(), 0777) == 0 || errno == EEXIST)
        return 0;
    const int error = errno;
    const qsizetype slash = path.lastIndexOf('/');
    if (error != ENOENT || slash <= 0)
        return error;
    if (const int parentError = makeFolder(path.left(slash)))
        return parentError;
    return ::mkdir(path.constData(), 0777) == 0 || errno == EEXIST ? 0 : errno;
}

// How many names writeNew tries before it gives up.
constexpr int MaxNewNames = 1000;

} // namespace

WriteResult makeFolders(const QString& path)
{
    const int error = makeFolder(QFile::encodeName(QDir::cleanPath(path)));
    return error == 0 ? WriteResult{} : failure(error);
}

qint64 FileWriter::writeSome(int fd, const char* data, qint64 size) const
{
    return ::write(fd, data, static_cast<std::size_t>(size));
}

QString FileWriter::writeAll(int fd, const QByteArray& bytes) const
{
    const char* next = bytes.constData();
    qint64 left = bytes.size();
    while (left > 0) {
        const qint64 written = writeSome(fd, next, left);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return qt_error_string(written < 0 ? errno : ENOSPC);
        next += written;
        left -= written;
    }
    return {};
}

WriteResult FileWriter::write(const QString& path, const QByteArray& bytes) const
{
    const QFileInfo info(path);
    // A link stays a link: the file it names is the one replaced.
    const QString resolved =
        info.isSymLink() ? (info.exists() ? info.canonicalFilePath() : info.symLinkTarget()) : path;
    const QByteArray target = QFile::encodeName(resolved);
    struct stat status {};
    if (::stat(target.constData(), &status) != 0)
        return errno == ENOENT ? replace(target, bytes, -1) : failure(errno);
    if (S_ISREG(status.st_mode))
        return replace(target, bytes, static_cast<int>(status.st_mode & 07777));
    return writeThrough(target, bytes);
}

WriteResult FileWriter::writeStandardOutput(const QByteArray& bytes) const
{
    std::fflush(stdout); // what the command printed before comes first
    const QString reason = writeAll(STDOUT_FILENO, bytes);
    return {reason.isEmpty(), reason};
}

// FIFOs and devices: replacing them would put a plain file where the node was.
WriteResult FileWriter::writeThrough(const QByteArray& target, const QByteArray& bytes) const
{
    const int fd = ::open(target.constData(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return failure(errno);
    QString reason = writeAll(fd, bytes);
    const int closeError = closeChecked(fd);
    if (reason.isEmpty() && closeError != 0)
        reason = qt_error_string(closeError);
    return {reason.isEmpty(), reason};
}

QString FileWriter::writeTemporary(const QByteArray& target, const QByteArray& bytes, int keptMode,
                                   QByteArray& temporary) const
{
    const int fd = createTemporaryBeside(target, temporary);
    if (fd < 0)
        return qt_error_string(errno);
    QString reason = writeAll(fd, bytes);
    if (reason.isEmpty() && keptMode >= 0 && ::fchmod(fd, static_cast<mode_t>(keptMode)) != 0)
        reason = qt_error_string(errno);
    // The data must be on the disk before the name points at it.
    if (reason.isEmpty() && ::fsync(fd) != 0)
        reason = qt_error_string(errno);
    const int closeError = closeChecked(fd);
    if (reason.isEmpty() && closeError != 0)
        reason = qt_error_string(closeError);
    if (!reason.isEmpty())
        ::unlink(temporary.constData());
    return reason;
}

WriteResult FileWriter::replace(const QByteArray& target, const QByteArray& bytes, int keptMode) const
{
    QByteArray temporary;
    QString reason = writeTemporary(target, bytes, keptMode, temporary);
    if (reason.isEmpty() && ::rename(temporary.constData(), target.constData()) != 0) {
        reason = qt_error_string(errno);
        ::unlink(temporary.constData());
    }
    return {reason.isEmpty(), reason};
}

NewFileResult FileWriter::writeNew(const std::function<QString(int attempt)>& nameFor,
                                   const QByteArray& bytes) const
{
    NewFileResult written{{}, nameFor(0)};
    QByteArray temporary;
    const QString reason = writeTemporary(QFile::encodeName(written.path), bytes, -1, temporary);
    if (!reason.isEmpty())
        return {{false, reason}, written.path};
    // link() gives the file its name only when no file has that name yet; rename() would
    // replace one that another program gave it a moment ago.
    int error = EEXIST;
    for (int attempt = 0; attempt < MaxNewNames && error == EEXIST; ++attempt) {
        written.path = nameFor(attempt);
        error = ::link(temporary.constData(), QFile::encodeName(written.path).constData()) == 0 ? 0 : errno;
    }
    ::unlink(temporary.constData());
    if (error != 0)
        written.result = failure(error);
    return written;
}
