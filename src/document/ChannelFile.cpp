#include "document/ChannelFile.h"

#include <QFile>
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
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {Result::Status::IoError, file.errorString()};
    // Bytes after the image are never read.
    const QByteArray bytes = file.read(FileSize);
    if (file.error() != QFileDevice::NoError)
        return {Result::Status::IoError, file.errorString()};
    return loadFromBytes(bytes, image);
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
