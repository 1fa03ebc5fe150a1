#include "document/RadioHistory.h"

#include "model/ChannelCodec.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>

#include <cerrno>
#include <dirent.h>

namespace {

const QString DateFormat = QStringLiteral("yyyy-MM-dd");
const QString TimeFormat = QStringLiteral("HH-mm-ss.zzz");

const QRegularExpression& entryName()
{
    static const QRegularExpression name(QStringLiteral("^(\\d{4}-\\d\\d-\\d\\d)_(\\d\\d-\\d\\d-\\d\\d\\.\\d{"
                                                        "3})Z_(receive-only|transmit-only|other)\\.dat$"));
    return name;
}

QString fileName(const QDateTime& when, RadioVariant variant)
{
    const QDateTime utc = when.toUTC();
    return utc.date().toString(DateFormat) + QLatin1Char('_') + utc.time().toString(TimeFormat) +
           QStringLiteral("Z_") + QLatin1String(radioVariantName(variant)) + QStringLiteral(".dat");
}

RadioVariant variantNamed(const QString& name)
{
    for (RadioVariant variant : {RadioVariant::ReceiveOnly, RadioVariant::TransmitOnly})
        if (name == QLatin1String(radioVariantName(variant)))
            return variant;
    return RadioVariant::Other;
}

// The history's files, in the order of their names.
QFileInfoList entryFiles(const QDir& folder)
{
    QFileInfoList files = folder.entryInfoList({QStringLiteral("*.dat")}, QDir::Files, QDir::Name);
    files.erase(
        std::remove_if(files.begin(), files.end(),
                       [](const QFileInfo& file) { return !entryName().match(file.fileName()).hasMatch(); }),
        files.end());
    return files;
}

} // namespace

RadioHistory::RadioHistory(QString folder, int keepCount) : folder_(std::move(folder)), keepCount_(keepCount)
{
}

RadioHistory::Stored RadioHistory::store(const RadioImage& image, RadioVariant variant,
                                         const FileWriter& writer, const QDateTime& when) const
{
    QDir().mkpath(folder_); // when it cannot be made, the write says why
    const QDir folder(folder_);
    // A name taken already (another read in the same millisecond): the next millisecond.
    const NewFileResult written = writer.writeNew(
        [&](int attempt) { return folder.filePath(fileName(when.addMSecs(attempt), variant)); },
        ChannelFile::toBytes(image));
    if (!written.result.ok)
        return {written.path, {ChannelFile::Result::Status::IoError, written.result.errorText}};
    removeOldest(written.path);
    return {written.path, {}};
}

void RadioHistory::removeOldest(const QString& kept) const
{
    const QString keptName = QFileInfo(kept).fileName();
    QFileInfoList files = entryFiles(QDir(folder_));
    files.erase(std::remove_if(files.begin(), files.end(),
                               [&](const QFileInfo& file) { return file.fileName() == keptName; }),
                files.end());
    // Oldest first; files of one moment in the order of their names.
    std::stable_sort(files.begin(), files.end(), [](const QFileInfo& a, const QFileInfo& b) {
        return a.lastModified() < b.lastModified();
    });
    // Another program may have removed one already; what is left goes next time.
    for (qsizetype i = 0; i < files.size() + 1 - keepCount_; ++i)
        QFile::remove(files[i].filePath());
}

QList<HistoryEntry> RadioHistory::entries() const
{
    QList<HistoryEntry> result;
    const QFileInfoList files = entryFiles(QDir(folder_));
    for (auto file = files.crbegin(); file != files.crend(); ++file) {
        const QRegularExpressionMatch match = entryName().match(file->fileName());
        const QDate date = QDate::fromString(match.captured(1), DateFormat);
        const QTime time = QTime::fromString(match.captured(2), TimeFormat);
        const bool possible = date.isValid() && time.isValid();
        result.push_back({file->filePath(), possible ? QDateTime(date, time, Qt::UTC) : QDateTime(),
                          variantNamed(match.captured(3))});
    }
    return result;
}

QString RadioHistory::folderError() const
{
    DIR* folder = ::opendir(QFile::encodeName(folder_).constData());
    if (folder) {
        ::closedir(folder);
        return {};
    }
    return errno == ENOENT ? QString() : qt_error_string(errno);
}

QString RadioHistory::readAtText(const HistoryEntry& entry)
{
    if (!entry.time.isValid())
        return QFileInfo(entry.path).fileName();
    return entry.time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

HistorySummary RadioHistory::summarize(const QString& path, RadioVariant variant)
{
    RadioImage image;
    if (!ChannelFile::load(path, image).ok())
        return {};
    HistorySummary summary{true, 0, {}};
    for (int channel = 1; channel <= RadioImage::ChannelCount; ++channel) {
        if (isChannelEmpty(image, channel, variant))
            continue;
        ++summary.channelsInUse;
        const std::uint8_t* record = image.channel(channel);
        const bool rxShown = variant != RadioVariant::TransmitOnly &&
                             !RadioImage::isFrequencyAbsent(record + RadioImage::RecRxFreq);
        if (summary.firstFrequencies.size() < SummaryFrequencies)
            summary.firstFrequencies << frequencyText(
                record + (rxShown ? RadioImage::RecRxFreq : RadioImage::RecTxFreq));
    }
    return summary;
}
