#pragma once

#include <QByteArray>
#include <QString>

// What became of a write: on failure the system's reason ("No space left on device").
struct WriteResult {
    bool ok = true;
    QString errorText;
};

// Every file the program writes goes through here. A regular file (or a new one) is
// replaced whole or not at all: the bytes go into a temporary file beside it, every write
// and the flush to the disk are checked, and only then is it renamed over the target,
// which keeps its mode. On any failure the old file stays as it was and the temporary
// file is removed. A FIFO or a device is written directly and never replaced; a symbolic
// link is followed to the file it names.
class FileWriter {
public:
    FileWriter() = default;
    virtual ~FileWriter() = default;
    FileWriter(const FileWriter&) = delete;
    FileWriter& operator=(const FileWriter&) = delete;

    WriteResult write(const QString& path, const QByteArray& bytes) const;
    // Standard output, for a command told "-o -".
    WriteResult writeStandardOutput(const QByteArray& bytes) const;

protected:
    // One write(2) call: the seam through which tests make writes fail.
    virtual qint64 writeSome(int fd, const char* data, qint64 size) const;

private:
    QString writeAll(int fd, const QByteArray& bytes) const;
    WriteResult writeThrough(const QByteArray& target, const QByteArray& bytes) const;
    WriteResult replace(const QByteArray& target, const QByteArray& bytes, int keptMode) const;
};
