#include "document/RadioHistory.h"

#include "model/ChannelCodec.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>

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

// The history's file names, oldest first.
QStringList entryNames(const QDir& folder)
{
    QStringList names = folder.entryList({QStringLiteral("*.dat")}, QDir::Files, QDir::Name);
    names.erase(std::remove_if(names.begin(), names.end(),
                               [](const QString& name) { return !entryName().match(name).hasMatch(); }),
                names.end());
    return names;
}

} // namespace

RadioHistory::RadioHistory(QString folder, int keepCount) : folder_(std::move(folder)), keepCount_(keepCount)
{
}

QString RadioHistory::freeName(QDateTime when, RadioVariant variant) const
{
    // Two reads in one millisecond (two programs at once): the later one moves on a
    // millisecond, so no copy replaces another and the names keep their order.
    const QDir folder(folder_);
    while (QFileInfo::exists(folder.filePath(fileName(when, variant))))
        when = when.addMSecs(1);
    return folder.filePath(fileName(when, variant));
}

RadioHistory::Stored RadioHistory::store(const RadioImage& image, RadioVariant variant,
                                         const FileWriter& writer, const QDateTime& when) const
{
    QDir().mkpath(folder_); // when it cannot be made, the write says why
    const QString path = freeName(when, variant);
    const Stored stored{path, ChannelFile::save(path, image, writer)};
    if (stored.ok())
        removeOldest();
    return stored;
}

void RadioHistory::removeOldest() const
{
    const QDir folder(folder_);
    const QStringList names = entryNames(folder);
    // Another program may have removed one already; what is left goes next time.
    for (qsizetype i = 0; i < names.size() - keepCount_; ++i)
        QFile::remove(folder.filePath(names[i]));
}

QList<HistoryEntry> RadioHistory::entries() const
{
    const QDir folder(folder_);
    QList<HistoryEntry> result;
    const QStringList names = entryNames(folder);
    for (auto name = names.crbegin(); name != names.crend(); ++name) {
        const QRegularExpressionMatch match = entryName().match(*name);
        const QDateTime time(QDate::fromString(match.captured(1), DateFormat),
                             QTime::fromString(match.captured(2), TimeFormat), Qt::UTC);
        result.push_back({folder.filePath(*name), time, variantNamed(match.captured(3))});
    }
    return result;
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
