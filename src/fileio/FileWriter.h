#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

// What became of a write: on failure the system's reason ("No space left on device").
struct WriteResult {
    bool ok = true;
    QString errorText;
};

// What became of writeNew: the name the new file took, or the one it could not take.
struct NewFileResult {
    WriteResult result;
    QString path;
};

// Makes a folder and the missing ones above it. On failure the system's reason ("Read-only
// file system"), which a write into the missing folder would not give.
WriteResult makeFolders(const QString& path);

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
    // A new file that never replaces another: the bytes go whole into a temporary file
    // beside nameFor(0), as for write(), and the file then takes the first of the names
    // nameFor(0), nameFor(1), ... (all in one folder) that no file has. Taking a name fails
    // when a file has it, so two programs that choose one name at one moment each keep
    // their own file.
    NewFileResult writeNew(const std::function<QString(int attempt)>& nameFor, const QByteArray& bytes) const;
    // Standard output, for a command told "-o -".
    WriteResult writeStandardOutput(const QByteArray& bytes) const;

protected:
    // One write(2) call: the seam through which tests make writes fail.
    virtual qint64 writeSome(int fd, const char* data, qint64 size) const;

private:
    QString writeAll(int fd, const QByteArray& bytes) const;
    WriteResult writeThrough(const QByteArray& target, const QByteArray& bytes) const;
    WriteResult replace(const QByteArray& target, const QByteArray& bytes, int keptMode) const;
    // The bytes in a new temporary file beside target, flushed to the disk; on failure the
    // file is gone and the reason given.
    QString writeTemporary(const QByteArray& target, const QByteArray& bytes, int keptMode,
                           QByteArray& temporary) const;
};
