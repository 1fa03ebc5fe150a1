#include "document/ChannelFile.h"

#include "fileio/FileReader.h"

#include <cstring>

namespace ChannelFile {

Result loadFromBytes(const QByteArray& bytes, RadioImage& image)
{
    if (bytes.size() < FileSize || std::memcmp(bytes.constData(), Magic, sizeof Magic) != 0)
        return {Result::Status::FormatError, {}};
    std::memcpy(image.data(), bytes.constData() + HeaderSize, RadioImage::Size);
    return {};
}

Result load(const QString& path, RadioImage& image)
{
    // Bytes after the image are never read.
    const ReadResult read = readRegularFile(path, FileSize);
    if (!read.ok)
        return {Result::Status::IoError, read.errorText};
    return loadFromBytes(read.bytes, image);
}

QByteArray toBytes(const RadioImage& image)
{
    QByteArray bytes(FileSize, '\0');
    std::memcpy(bytes.data(), Magic, sizeof Magic);
    std::memcpy(bytes.data() + HeaderSize, image.data(), RadioImage::Size);
    return bytes;
}

Result save(const QString& path, const RadioImage& image, const FileWriter& writer)
{
    const WriteResult written = writer.write(path, toBytes(image));
    if (!written.ok)
        return {Result::Status::IoError, written.errorText};
    return {};
}

} // namespace ChannelFile
