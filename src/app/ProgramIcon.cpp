#include "app/ProgramIcon.h"

#include "fileio/FileReader.h"

#include <QBuffer>
#include <QImageReader>

namespace {

constexpr qint64 MaxIconSize = 4 * 1024 * 1024;

} // namespace

QIcon programIcon(const QString& programDir)
{
    // Read like any other file, so a FIFO in its place cannot block; a missing file is
    // known before any image plugin is loaded. Every size the icon holds is kept.
    const ReadResult file = readRegularFile(programDir + QStringLiteral("title.ico"), MaxIconSize);
    QBuffer buffer;
    buffer.setData(file.bytes);
    QImageReader reader(&buffer);
    QIcon icon;
    for (bool more = file.ok; more; more = reader.jumpToNextImage())
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    return icon.isNull() ? QIcon(QStringLiteral(":/images/title.png")) : icon;
}
