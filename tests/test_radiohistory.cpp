// The radio history: copies named after the read, listed newest first, the newest kept,
// nothing else in the folder touched, and a failed copy reported without harm.

#include "config/DataLocation.h"
#include "document/ChannelFile.h"
#include "document/RadioHistory.h"
#include "support/FailingWriter.h"
#include "support/SampleImage.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <thread>

Q_DECLARE_METATYPE(RadioVariant)
Q_DECLARE_METATYPE(RadioImage)

namespace {

QDateTime utc(int minute, int msec = 0)
{
    return QDateTime(QDate(2026, 3, 14), QTime(9, minute, 0, msec), Qt::UTC);
}

QStringList fileNames(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

} // namespace

class TestRadioHistory : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void storesExactBytesNewestFirst();
    void keepsTheNewest();
    void sameMillisecondKeepsBoth();
    void failedCopyRemovesNothing();
    void fullDiskLeavesNoCopy();
    void summaries_data();
    void summaries();
    void folderIsTheProgramsDataFolder();
};

void TestRadioHistory::storesExactBytesNewestFirst()
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("data/history")); // made when first needed
    const RadioHistory history(folder);
    const RadioImage first = patternImage();
    const RadioImage second = SampleImage().channel(1, 14612500);
    const RadioHistory::Stored a =
        history.store(first, RadioVariant::TransmitOnly, FileWriter(), utc(26, 589));
    const RadioHistory::Stored b = history.store(second, RadioVariant::Other, FileWriter(), utc(27));
    QVERIFY(a.ok() && b.ok());
    QCOMPARE(QFileInfo(a.path).fileName(), QStringLiteral("2026-03-14_09-26-00.589Z_transmit-only.dat"));
    QCOMPARE(QFileInfo(b.path).fileName(), QStringLiteral("2026-03-14_09-27-00.000Z_other.dat"));

    QFile file(a.path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), ChannelFile::toBytes(first));

    const QList<HistoryEntry> entries = history.entries();
    QCOMPARE(entries.size(), 2);
    QCOMPARE(entries[0].path, b.path);
    QCOMPARE(entries[0].variant, RadioVariant::Other);
    QCOMPARE(entries[0].time, utc(27));
    QCOMPARE(entries[1].path, a.path);
    QCOMPARE(entries[1].variant, RadioVariant::TransmitOnly);
    QCOMPARE(entries[1].time, utc(26, 589));
}

void TestRadioHistory::keepsTheNewest()
{
    QTemporaryDir dir;
    const RadioHistory history(dir.path(), 3);
    // What the user put there, even with names close to the history's own.
    const QStringList foreign{"notes.txt", "radio.dat", "2026-03-14_09-00-00.000Z_unknown.dat"};
    for (const QString& name : foreign) {
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    // Named out of order, the others dated in the future (a clock set back): the first
    // written go, never the one just written.
    const QDateTime ahead = QDateTime::currentDateTimeUtc().addDays(1);
    const QList<int> minutes{30, 10, 50, 20, 40};
    for (int i = 0; i < minutes.size(); ++i) {
        QFile file(history.store(RadioImage::makeNew(), RadioVariant::ReceiveOnly, {}, utc(minutes[i])).path);
        QVERIFY(file.exists() && file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(ahead.addSecs(i), QFileDevice::FileModificationTime));
    }
    QStringList kept;
    for (const HistoryEntry& entry : history.entries())
        kept << entry.time.toString(QStringLiteral("mm"));
    QCOMPARE(kept, (QStringList{"50", "40", "20"}));
    for (const QString& name : foreign)
        QVERIFY2(QFile::exists(dir.filePath(name)), qPrintable(name));
    QCOMPARE(fileNames(dir.path()).size(), 3 + foreign.size());
}

void TestRadioHistory::sameMillisecondKeepsBoth()
{
    QTemporaryDir dir;
    const RadioHistory history(dir.path());
    const RadioHistory::Stored a =
        history.store(RadioImage::makeNew(), RadioVariant::ReceiveOnly, FileWriter(), utc(5));
    const RadioHistory::Stored b =
        history.store(patternImage(), RadioVariant::ReceiveOnly, FileWriter(), utc(5));
    QVERIFY(a.ok() && b.ok());
    QVERIFY(a.path != b.path);
    const QList<HistoryEntry> entries = history.entries();
    QCOMPARE(entries.size(), 2);
    QCOMPARE(entries[0].path, b.path); // the later read lists first
    RadioImage image;
    QVERIFY(ChannelFile::load(a.path, image).ok());
    QVERIFY(image == RadioImage::makeNew());
    // Programs that store at once, with one frozen clock: each copy under a name of its own.
    std::vector<std::thread> writers;
    for (int w = 0; w < 8; ++w)
        writers.emplace_back([&] {
            for (int c = 0; c < 4; ++c)
                history.store(RadioImage::makeNew(), RadioVariant::ReceiveOnly, FileWriter(), utc(5));
        });
    for (std::thread& writer : writers)
        writer.join();
    QCOMPARE(history.entries().size(), 2 + 32);
}

// A regular file where the folder should be: the copy fails with the system's reason, and
// the entry already kept stays although only one is to be kept.
void TestRadioHistory::failedCopyRemovesNothing()
{
    QTemporaryDir dir;
    const RadioHistory good(dir.path(), 1);
    QVERIFY(good.store(RadioImage::makeNew(), RadioVariant::ReceiveOnly, FileWriter(), utc(1)).ok());
    QFile blocker(dir.filePath(QStringLiteral("history")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    const RadioHistory blocked(blocker.fileName(), 1);
    const RadioHistory::Stored stored =
        blocked.store(patternImage(), RadioVariant::ReceiveOnly, FileWriter(), utc(2));
    QVERIFY(!stored.ok());
    QVERIFY(!stored.result.errorText.isEmpty());
    QVERIFY(stored.path.startsWith(blocker.fileName()));
    QCOMPARE(good.entries().size(), 1);
    QVERIFY(blocked.entries().isEmpty());
}

// The disk fills during the copy: no file is left half-written under either name, and
// the oldest entry is not removed to make room.
void TestRadioHistory::fullDiskLeavesNoCopy()
{
    QTemporaryDir dir;
    const RadioHistory history(dir.path(), 1);
    const RadioHistory::Stored old = history.store(RadioImage::makeNew(), RadioVariant::ReceiveOnly);
    QVERIFY(old.ok());
    const RadioHistory::Stored full =
        history.store(patternImage(), RadioVariant::ReceiveOnly, FailingWriter(100));
    QVERIFY(!full.ok());
    QCOMPARE(full.result.errorText, qt_error_string(ENOSPC));
    QCOMPARE(fileNames(dir.path()), QStringList{QFileInfo(old.path).fileName()});
    QCOMPARE(QDir(dir.path()).entryList(QDir::Hidden | QDir::Files).size(), 1); // no temporary file either
}

void TestRadioHistory::summaries_data()
{
    QTest::addColumn<RadioImage>("image");
    QTest::addColumn<RadioVariant>("variant");
    QTest::addColumn<int>("inUse");
    QTest::addColumn<QStringList>("first");
    const RadioImage four = SampleImage()
                                .channel(2, 14612500, 14612500)
                                .channel(5, 0, 44600625)
                                .channel(9, 15000000)
                                .channel(16, 17400000, 17300000);
    QTest::newRow("new image") << RadioImage::makeNew() << RadioVariant::ReceiveOnly << 0 << QStringList{};
    QTest::newRow("receive only: receive frequencies")
        << four << RadioVariant::ReceiveOnly << 3 << QStringList{"146.12500", "150.00000", "174.00000"};
    QTest::newRow("transmit only: transmit frequencies")
        << four << RadioVariant::TransmitOnly << 3 << QStringList{"146.12500", "446.00625", "173.00000"};
    QTest::newRow("other: either, receive first")
        << four << RadioVariant::Other << 4 << QStringList{"146.12500", "446.00625", "150.00000"};
}

void TestRadioHistory::summaries()
{
    QFETCH(RadioImage, image);
    QFETCH(RadioVariant, variant);
    QFETCH(int, inUse);
    QFETCH(QStringList, first);
    QTemporaryDir dir;
    const RadioHistory::Stored stored = RadioHistory(dir.path()).store(image, variant);
    const HistorySummary summary = RadioHistory::summarize(stored.path, variant);
    QVERIFY(summary.readable);
    QCOMPARE(summary.channelsInUse, inUse);
    QCOMPARE(summary.firstFrequencies, first);

    QFile::resize(stored.path, 100); // cut short: not a channel-data file any more
    QVERIFY(!RadioHistory::summarize(stored.path, variant).readable);
}

// xr970-cli runs under a name of its own and still finds the program's folder.
void TestRadioHistory::folderIsTheProgramsDataFolder()
{
    const QString cliFolder = radioHistoryFolder();
    QCoreApplication::setOrganizationName(QStringLiteral("xr970")); // as the program names itself
    QCoreApplication::setApplicationName(QStringLiteral("xr970"));
    const QString programFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QCOMPARE(cliFolder, programFolder + QStringLiteral("/history"));
    QCOMPARE(radioHistoryFolder(), cliFolder);
    QVERIFY(cliFolder.startsWith(qEnvironmentVariable("XDG_DATA_HOME"))); // tests stay out of the user's
}

QTEST_GUILESS_MAIN(TestRadioHistory)
#include "test_radiohistory.moc"
