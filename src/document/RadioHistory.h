#pragma once

#include "document/ChannelFile.h"
#include "model/RadioImage.h"
#include "model/RadioVariant.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

// One stored read: its file, when the read ended and the radio's variant, from its name.
struct HistoryEntry {
    QString path;
    QDateTime time; // UTC; invalid when the name gives no possible time (a 30 February)
    RadioVariant variant = RadioVariant::ReceiveOnly;
};

// What the lists of the radio history show of an entry besides its name.
struct HistorySummary {
    bool readable = false;
    int channelsInUse = 0;
    QStringList firstFrequencies; // of the first channels in use, in MHz
};

// The radio history: a copy of every image read from the radio, kept as a channel-data
// file named after the time of the read (UTC, so the names sort in time whatever the time
// zone) and the radio's variant: "2026-03-14_09-26-53.589Z_receive-only.dat". The
// keepCount files modified last are kept: after a clock set back, the names of the older
// copies lie in the future. Files of other names in the folder are never touched.
class RadioHistory {
public:
    static constexpr int DefaultKeep = 200;
    static constexpr int SummaryFrequencies = 3;

    explicit RadioHistory(QString folder, int keepCount = DefaultKeep);

    QString folder() const { return folder_; }

    struct Stored {
        QString path;
        ChannelFile::Result result;
        bool ok() const { return result.ok(); }
    };
    // Writes the copy through the writer under a name no other copy has (two reads in one
    // millisecond, from two programs, each keep theirs), then removes the oldest other
    // files beyond the count kept. A failed write (a full disk) leaves no file behind and
    // removes nothing.
    Stored store(const RadioImage& image, RadioVariant variant, const FileWriter& writer = FileWriter(),
                 const QDateTime& when = QDateTime::currentDateTimeUtc()) const;
    // Newest first, by their names.
    QList<HistoryEntry> entries() const;
    // The system's reason why the folder cannot be listed (no permission, not a folder), or
    // empty: also when it does not exist yet, as before the first read.
    QString folderError() const;

    static HistorySummary summarize(const QString& path, RadioVariant variant);
    // When the read was, as the lists show it (local time), or the entry's file name as it
    // stands when that names no possible time.
    static QString readAtText(const HistoryEntry& entry);

private:
    void removeOldest(const QString& kept) const; // never kept, the copy just written

    QString folder_;
    int keepCount_;
};
