#include "session/FleetLog.h"

#include "csv/CsvText.h"

#include <QDir>

QStringList FleetLog::header()
{
    return {QStringLiteral("Time"),    QStringLiteral("Port"),   QStringLiteral("Stable name"),
            QStringLiteral("Radio"),   QStringLiteral("Variant"), QStringLiteral("Backup"),
            QStringLiteral("Result"), QStringLiteral("Detail")};
}

QStringList FleetLog::fields(const FleetRecord& record)
{
    const QDateTime time = record.time.toOffsetFromUtc(record.time.offsetFromUtc());
    return {time.toString(Qt::ISODate),
            record.device,
            record.stableName,
            QString::number(record.radio),
            record.variant ? QString::fromLatin1(radioVariantName(*record.variant)) : QString(),
            record.backup,
            QString::fromLatin1(fleetResultName(record.result)),
            record.detail};
}

QByteArray FleetLog::csv() const
{
    QByteArray text = csvRecordLine(header());
    for (const FleetRecord& record : records_)
        text += csvRecordLine(fields(record));
    return text;
}

FleetLogFile::FleetLogFile(QString path, const FileWriter& writer)
    : path_(std::move(path)), named_(true), writer_(writer)
{
}

FleetLogFile::FleetLogFile(QString folder, const QDateTime& started, const FileWriter& writer)
    : folder_(std::move(folder)), started_(started), writer_(writer)
{
}

WriteResult FleetLogFile::save(const FleetLog& log)
{
    if (named_)
        return writer_.write(path_, log.csv());
    const WriteResult folder = makeFolders(folder_);
    if (!folder.ok) {
        path_ = folder_;
        return folder;
    }
    const QString stem = QDir(folder_).filePath(started_.toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss")));
    const NewFileResult created = writer_.writeNew(
        [&stem](int attempt) {
            return attempt == 0 ? stem + QStringLiteral(".csv") : stem + QStringLiteral("_%1.csv").arg(attempt);
        },
        log.csv());
    path_ = created.path;
    named_ = created.result.ok;
    return created.result;
}
