#pragma once

#include "fileio/FileWriter.h"
#include "session/FleetRecord.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

// The bench's log: one row per radio, as CSV with a header row (Time, Port, Stable name,
// Radio, Variant, Backup, Result, Detail), the time in ISO 8601 with its offset from UTC.
class FleetLog {
public:
    static QStringList header();
    static QStringList fields(const FleetRecord& record);

    void add(const FleetRecord& record) { records_ << record; }
    const QList<FleetRecord>& records() const { return records_; }
    QByteArray csv() const;

private:
    QList<FleetRecord> records_;
};

// Where a log is kept as it grows: the whole log is written again after each radio
// through the file writer, so a failed write (a full disk) leaves the rows before whole.
// The bench keeps one file per run in its folder beside the radio history, named after
// the time it started, never replacing another run's file; --log names one of its own.
class FleetLogFile {
public:
    // A file of that path.
    FleetLogFile(QString path, const FileWriter& writer);
    // A new file in folder for a run that started at that time.
    FleetLogFile(QString folder, const QDateTime& started, const FileWriter& writer);

    WriteResult save(const FleetLog& log);
    // The file written, or the one that could not be; empty before the first save of a
    // run's file.
    QString path() const { return path_; }

private:
    QString folder_;
    QDateTime started_;
    QString path_;
    bool named_ = false; // path_ is this log's file
    const FileWriter& writer_;
};
