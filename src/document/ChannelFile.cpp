#include "document/ChannelFile.h"

#include <QFile>
#include <QSaveFile>
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

Result save(const QString& path, const RadioImage& image)
{
    const QByteArray bytes = toBytes(image);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return {Result::Status::IoError, file.errorString()};
    return {};
}

} // namespace ChannelFile
