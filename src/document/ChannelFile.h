#pragma once

#include "fileio/FileWriter.h"
#include "model/RadioImage.h"

#include <QString>

// The channel-data file (.dat): "Q4V7", 12 zero bytes, then the 1024-byte image.
namespace ChannelFile {

constexpr int HeaderSize = 16;
constexpr int FileSize = HeaderSize + RadioImage::Size;
constexpr char Magic[4] = {'Q', '4', 'V', '7'};

struct Result {
    enum class Status { Ok, FormatError, IoError };
    Status status = Status::Ok;
    QString errorText; // the system's reason for an I/O error

    bool ok() const { return status == Status::Ok; }
};

// Loads into image only when the whole file is valid; otherwise image is untouched.
// A wrong magic and a file shorter than 1040 bytes are both format errors; a FIFO, a
// device or a folder is an I/O error, refused without waiting (fileio/FileReader).
Result load(const QString& path, RadioImage& image);
Result loadFromBytes(const QByteArray& bytes, RadioImage& image);

// Writes through the writer, so a failed save keeps the old file and says why.
Result save(const QString& path, const RadioImage& image, const FileWriter& writer = FileWriter());
QByteArray toBytes(const RadioImage& image);

} // namespace ChannelFile
