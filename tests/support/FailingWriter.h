#pragma once

#include "fileio/FileWriter.h"

#include <algorithm>
#include <cerrno>

// The program's file writer on a disk that fills up: after allowedBytes every write fails
// with ENOSPC, as write(2) does on a full file system.
class FailingWriter : public FileWriter {
public:
    explicit FailingWriter(qint64 allowedBytes = 0) : allowed_(allowedBytes) {}

protected:
    qint64 writeSome(int fd, const char* data, qint64 size) const override
    {
        if (written_ >= allowed_) {
            errno = ENOSPC;
            return -1;
        }
        const qint64 written = FileWriter::writeSome(fd, data, std::min(size, allowed_ - written_));
        written_ += std::max<qint64>(written, 0);
        return written;
    }

private:
    qint64 allowed_;
    mutable qint64 written_ = 0;
};
