// xr970-cli and the radio history: read keeps a copy and names it, history lists the
// copies, compare reads the radio without touching the file, write --verify names what
// the radio did not take, and a full disk costs the copy but never the read.

#include "document/ChannelFile.h"
#include "document/RadioHistory.h"
#include "support/CliRun.h"
#include "support/SampleImage.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const int Ch2 = RadioImage::channelOffset(2);

// What the virtual radio holds: channels 1 and 2 in use, squelch 7.
RadioImage radioImage()
{
    return SampleImage().channel(1, 14512500).channel(2, 14612500).byte(RadioImage::OptSquelch, 7);
}

} // namespace

class TestCliHistory : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void readKeepsACopyAndHistoryListsIt();
    void compare_data();
    void compare();
    void listingShowsWhatIsThere();
    void keepsTheNewest200();
    void verifyNamesTheChannel();
    void fullDiskCostsOnlyTheCopy();

private:
    QString historyFolder() const { return dir_->filePath(QStringLiteral("data/xr970/xr970/history")); }
    QStringList historyFiles() const { return QDir(historyFolder()).entryList(QDir::Files, QDir::Name); }
    CliRun run(const QStringList& arguments) const { return runCli(arguments, environment_); }
    QString saved(const QString& name, const RadioImage& image) const;

    std::unique_ptr<QTemporaryDir> dir_;
    QProcessEnvironment environment_;
    QString radioFile_;
};

void TestCliHistory::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    environment_ = QProcessEnvironment::systemEnvironment();
    environment_.insert(QStringLiteral("XDG_DATA_HOME"), dir_->filePath(QStringLiteral("data")));
    radioFile_ = saved(QStringLiteral("radio.dat"), radioImage());
}

QString TestCliHistory::saved(const QString& name, const RadioImage& image) const
{
    const QString path = dir_->filePath(name);
    return ChannelFile::save(path, image).ok() ? path : QString();
}

void TestCliHistory::readKeepsACopyAndHistoryListsIt()
{
    const CliRun empty = run({"history"});
    QCOMPARE(empty.exitCode, 0);
    QVERIFY(empty.out.isEmpty());
    QVERIFY2(empty.err.startsWith(QStringLiteral("No reads are stored in ")), qPrintable(empty.err));

    CliSimulator radio({"--image", radioFile_, "--variant-byte", "0xF5"});
    const QString out = dir_->filePath(QStringLiteral("out.dat"));
    const CliRun read = run({"read", "--port", radio.device(), "-o", out});
    QCOMPARE(read.exitCode, 0);
    QCOMPARE(historyFiles().size(), 1);
    const QString copy = QDir(historyFolder()).filePath(historyFiles().front());
    QCOMPARE(read.out, QStringLiteral("variant: transmit-only\nhistory: %1\n").arg(copy));
    QVERIFY(copy.endsWith(QStringLiteral("Z_transmit-only.dat")));
    QCOMPARE(readFile(copy), readFile(out));

    const CliRun history = run({"history"});
    QCOMPARE(history.exitCode, 0);
    const QStringList columns = history.out.chopped(1).split(QLatin1Char('\t'));
    QCOMPARE(columns.size(), 4);
    QCOMPARE(columns[0], copy);
    const QDateTime when = QDateTime::fromString(columns[1], QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    QVERIFY2(when.isValid() && qAbs(when.secsTo(QDateTime::currentDateTime())) < 60, qPrintable(columns[1]));
    QCOMPARE(columns[2], QStringLiteral("transmit-only"));
    // Channels 1 and 2 have no transmit frequency: a transmit-only radio has none in use.
    QCOMPARE(columns[3], QStringLiteral("0"));
}

void TestCliHistory::compare_data()
{
    QTest::addColumn<QList<int>>("patches"); // offset, value ... applied to the file compared
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("out");
    QTest::addColumn<int>("copies");

    QTest::newRow("radio holds the file") << QList<int>{} << QStringList{} << 0 << QString() << 1;
    QTest::newRow("a channel, an option, a byte beyond the line")
        << QList<int>{Ch2 + 1, 0x26, RadioImage::OptSquelch, 9, 1000, 0x12} << QStringList{} << 1
        << "CH 2, Rx Frequency: 146.12600 -> 146.12500\n"
           "Squelch Level: 9 -> 7\n"
        << 1;
    QTest::newRow("in Chinese") << QList<int>{RadioImage::OptSquelch, 9} << QStringList{"--lang", "zh"} << 1
                                << "静噪电平: 9 -> 7\n"
                                << 1;
    QTest::newRow("read interrupted")
        << QList<int>{} << QStringList{"--fault", "short-reply=5"} << 6 << QString() << 0;
    QTest::newRow("another radio") << QList<int>{} << QStringList{"--fault", "wrong-id"} << 7 << QString()
                                   << 0;
}

// The file's bytes beyond the transfer area come along into the radio's image, so they
// never count as a difference.
void TestCliHistory::compare()
{
    QFETCH(QList<int>, patches);
    QFETCH(QStringList, options);
    QFETCH(int, exitCode);
    QFETCH(QString, out);
    QFETCH(int, copies);

    RadioImage image = radioImage();
    for (int i = 0; i + 1 < patches.size(); i += 2)
        image[static_cast<std::size_t>(patches[i])] = static_cast<std::uint8_t>(patches[i + 1]);
    const QString file = saved(QStringLiteral("compared.dat"), image);
    const QByteArray before = readFile(file);
    QStringList simulate{"--image", radioFile_};
    QStringList arguments{"compare", file};
    for (int i = 0; i + 1 < options.size(); i += 2)
        (options[i] == QLatin1String("--fault") ? simulate : arguments) << options[i] << options[i + 1];
    CliSimulator radio(simulate);
    const CliRun compared = run(arguments + QStringList{"--port", radio.device()});
    QCOMPARE(compared.exitCode, exitCode);
    QCOMPARE(compared.out, out);
    QCOMPARE(readFile(file), before);
    QCOMPARE(historyFiles().size(), copies);
    if (copies > 0) { // the radio's image: its bytes 0 to 815, the file's beyond
        RadioImage kept;
        QVERIFY(ChannelFile::load(QDir(historyFolder()).filePath(historyFiles().front()), kept).ok());
        RadioImage expected = image;
        CloneFrames::applyTransferArea(expected, CloneFrames::transferAreaOf(radioImage()));
        QVERIFY(kept == expected);
    }
}

// A name that gives no possible time shows as it stands; a TAB, newline and backslash in
// the path are escaped; a folder that cannot be read (below a plain file) is an error.
void TestCliHistory::listingShowsWhatIsThere()
{
    const QString day30 = QStringLiteral("2026-02-30_25-00-00.000Z_other.dat");
    const QString history = dir_->filePath(QStringLiteral("a\tb\nc\\d/xr970/xr970/history/"));
    QVERIFY(QDir().mkpath(history) && QFile(history + day30).open(QIODevice::WriteOnly));
    environment_.insert(QStringLiteral("XDG_DATA_HOME"), dir_->filePath(QStringLiteral("a\tb\nc\\d")));
    QCOMPARE(run({"history"}).out, dir_->path() + QStringLiteral("/a\\tb\\nc\\\\d/xr970/xr970/history/") +
                                       day30 + QLatin1Char('\t') + day30 + QStringLiteral("\tother\t?\n"));
    environment_.insert(QStringLiteral("XDG_DATA_HOME"), radioFile_ + QStringLiteral("/data"));
    const CliRun unreadable = run({"history"});
    QCOMPARE(unreadable.exitCode, 1);
    QVERIFY(unreadable.err.startsWith(QStringLiteral("xr970-cli: the radio history cannot be read: ") +
                                      radioFile_));
}

// Two hundred older copies and a file of the user's: a read keeps 200, the oldest gone.
void TestCliHistory::keepsTheNewest200()
{
    const RadioHistory history(historyFolder());
    const QDateTime start(QDate(2025, 1, 1), QTime(8, 0), Qt::UTC);
    for (int i = 0; i < RadioHistory::DefaultKeep; ++i)
        QVERIFY(
            history.store(RadioImage::makeNew(), RadioVariant::ReceiveOnly, FileWriter(), start.addSecs(i))
                .ok());
    const QString oldest = historyFiles().front();
    QFile mine(QDir(historyFolder()).filePath(QStringLiteral("keep me.dat")));
    QVERIFY(mine.open(QIODevice::WriteOnly));
    mine.close();

    CliSimulator radio({"--image", radioFile_});
    QCOMPARE(
        run({"read", "--port", radio.device(), "-o", dir_->filePath(QStringLiteral("out.dat"))}).exitCode, 0);
    const QList<HistoryEntry> entries = history.entries();
    QCOMPARE(entries.size(), RadioHistory::DefaultKeep);
    QVERIFY(entries.front().time > start.addYears(1)); // the new read, first
    QVERIFY(!historyFiles().contains(oldest));
    QVERIFY(mine.exists());
    const QStringList listed = run({"history"}).out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(listed.size(), RadioHistory::DefaultKeep);
}

// A byte of channel 2's receive frequency does not take the write: named by its cell, and
// the read-back, stuck byte and all, is kept.
void TestCliHistory::verifyNamesTheChannel()
{
    CliSimulator radio({"--fault", QStringLiteral("stuck-byte=%1").arg(Ch2 + 1)});
    const CliRun written = run({"write", "--port", radio.device(), radioFile_, "--verify"});
    QCOMPARE(written.exitCode, 10);
    QVERIFY(written.out.isEmpty());
    QCOMPARE(written.err,
             QStringLiteral("Verify failed: 1 byte(s) differ; the first at offset 0x021 (33): written "
                            "25, read back FF\nFirst difference (written -> read back): CH 2, Rx "
                            "Frequency: 146.12500 -> ") +
                 written.err.section(QLatin1String("-> "), -1));
    QCOMPARE(historyFiles().size(), 1);
    RadioImage kept;
    QVERIFY(ChannelFile::load(QDir(historyFolder()).filePath(historyFiles().front()), kept).ok());
    QCOMPARE(int(kept[Ch2 + 1]), 0xFF);
    RadioImage expected = radioImage();
    expected[Ch2 + 1] = 0xFF;
    QVERIFY(kept == expected);
}

// A real full disk under the history (a 16 KiB tmpfs of a private mount namespace): the
// read succeeds and says the copy is missing.
void TestCliHistory::fullDiskCostsOnlyTheCopy()
{
    if (QProcess::execute(QStringLiteral("unshare"), {"-rm", "true"}) != 0)
        QSKIP("unshare -rm is refused here, so no private full file system can be mounted");
    CliSimulator radio({"--image", radioFile_});
    const QString full = dir_->filePath(QStringLiteral("full"));
    const QString out = dir_->filePath(QStringLiteral("out.dat"));
    QVERIFY(QDir().mkpath(full));
    const QString script = QStringLiteral("mount -t tmpfs -o size=16k tmpfs \"$0\" || exit 90\n"
                                          "dd if=/dev/zero of=\"$0/fill\" bs=1k 2>/dev/null\n"
                                          "XDG_DATA_HOME=\"$0\" exec \"$1\" read --port \"$2\" -o \"$3\"\n");
    QProcess shell;
    shell.start(QStringLiteral("unshare"),
                {"-rm", "sh", "-c", script, full, QStringLiteral(XR_CLI_PATH), radio.device(), out});
    QVERIFY(shell.waitForFinished(30000));
    if (shell.exitCode() == 90)
        QSKIP("no tmpfs can be mounted in the namespace");
    const QString err = QString::fromUtf8(shell.readAllStandardError());
    QCOMPARE(shell.exitCode(), 0);
    QCOMPARE(QString::fromUtf8(shell.readAllStandardOutput()), QStringLiteral("variant: receive-only\n"));
    QVERIFY2(err.startsWith(QStringLiteral(
                 "warning: the copy of this read could not be stored in the radio history:\n")),
             qPrintable(err));
    QVERIFY2(err.contains(QStringLiteral("No space left on device")), qPrintable(err));
    QCOMPARE(readFile(out), readFile(radioFile_));
}

QTEST_GUILESS_MAIN(TestCliHistory)
#include "test_cli_history.moc"
