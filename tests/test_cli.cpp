#include "document/ChannelFile.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "support/CliRun.h"

#include <sys/stat.h>

class TestCli : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void newThenDump();
    void dumpLanguagesAndVariants_data();
    void dumpLanguagesAndVariants();
    void errors_data();
    void errors();

private:
    // What the scratch folder holds: each entry with the time it last changed.
    QStringList listing() const;
    QTemporaryDir dir_;
};

QStringList TestCli::listing() const
{
    QStringList entries;
    for (const QFileInfo& entry :
         QDir(dir_.path()).entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot))
        entries << entry.fileName() + QLatin1Char(' ') + entry.lastModified().toString(Qt::ISODateWithMs);
    return entries;
}

void TestCli::newThenDump()
{
    const QString path = dir_.filePath(QStringLiteral("new.dat"));
    const CliRun made = runCli({QStringLiteral("new"), QStringLiteral("-o"), path});
    QCOMPARE(made.exitCode, 0);
    RadioImage image;
    QVERIFY(ChannelFile::load(path, image).ok());
    QVERIFY(image == RadioImage::makeNew());

    const CliRun dump = runCli({QStringLiteral("dump"), path});
    QCOMPARE(dump.exitCode, 0);
    const QStringList lines = dump.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 17);
    QCOMPARE(lines[0],
             QStringLiteral(
                 "CH\tRx Frequency\tTx Frequency\tQT/DQT Dec\tQT/DQT Enc\tW/N\tScan\tBusy Lock\tPower"));
    QCOMPARE(lines[1], QStringLiteral(" 1\t\t\t\t\t\t\t\t"));
    QCOMPARE(lines[16], QStringLiteral("16\t\t\t\t\t\t\t\t"));
}

void TestCli::dumpLanguagesAndVariants_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("channel2");
    QTest::newRow("default") << QStringList{} << "CH"
                             << " 2\t145.12500\t\tD023N\t\tNarrow\tYes\tOff\tLow";
    QTest::newRow("other") << QStringList{"--variant", "other"} << "CH"
                           << " 2\t145.12500\t145.72500\tD023N\t67.0\tNarrow\tYes\tOff\tLow";
    QTest::newRow("transmit, Chinese")
        << QStringList{"--variant", "transmit", "--lang", "zh"} << QString::fromUtf8("信道")
        << QString::fromUtf8(" 2\t\t145.72500\t\t67.0\t窄\t是\t关\t低");
}

void TestCli::dumpLanguagesAndVariants()
{
    QFETCH(QStringList, options);
    QFETCH(QString, title);
    QFETCH(QString, channel2);
    RadioImage image = RadioImage::makeNew();
    std::uint8_t* record = image.channel(2);
    RadioImage::frequencyToBytes(14512500, record);
    RadioImage::frequencyToBytes(14572500, record + 4);
    const std::uint8_t tones[4] = {0x13, 0x28, 0x9E, 0x02};
    std::memcpy(record + 8, tones, 4);
    record[12] = 0x00;
    record[13] = 0x00;
    const QString path = dir_.filePath(QStringLiteral("two.dat"));
    QVERIFY(ChannelFile::save(path, image).ok());

    const CliRun dump = runCli(QStringList{QStringLiteral("dump"), path} + options);
    QCOMPARE(dump.exitCode, 0);
    const QStringList lines = dump.out.split(QLatin1Char('\n'));
    QCOMPARE(lines[0].section(QLatin1Char('\t'), 0, 0), title);
    QCOMPARE(lines[2], channel2);
}

// Every command's usage errors (status 2) and the errors of a file that cannot be read: a
// failed command prints nothing on standard output and writes no file, not even a copy in
// the radio history.
void TestCli::errors_data()
{
    const QString bad = writeFile(dir_.filePath(QStringLiteral("bad.dat")), QByteArray(1040, 'x'));
    const QString good = dir_.filePath(QStringLiteral("good.dat"));
    QVERIFY(ChannelFile::save(good, RadioImage::makeNew()).ok());
    const QString csv =
        writeFile(dir_.filePath(QStringLiteral("good.csv")), "Location,Frequency\n1,146.52\n3,150.0125\n");
    const QString out = dir_.filePath(QStringLiteral("out.dat"));
    const QString pdf = dir_.filePath(QStringLiteral("out.pdf"));
    const QString band = QStringLiteral("136 - 174MHz");

    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("stderrHas");
    QTest::newRow("no command") << QStringList{} << 2 << "Usage";
    QTest::newRow("unknown command") << QStringList{"frob"} << 2 << "unknown command";
    QTest::newRow("dump without file") << QStringList{"dump"} << 2 << "Usage";
    QTest::newRow("bad variant") << QStringList{"dump", bad, "--variant", "x"} << 2 << "--variant";
    QTest::newRow("not a channel file") << QStringList{"dump", bad} << 3 << "Data Format Error";
    QTest::newRow("missing file") << QStringList{"dump", bad + "x"} << 3 << "";
    QTest::newRow("new without -o") << QStringList{"new"} << 2 << "-o";
    QTest::newRow("import-csv, empty band")
        << QStringList{"import-csv", csv, good, "--band", "", "-o", out} << 2 << "--band";
    QTest::newRow("import-csv, unknown variant")
        << QStringList{"import-csv", csv, good, "--variant", "x", "--band", band, "-o", out} << 2
        << "--variant";
    QTest::newRow("import-csv, one argument")
        << QStringList{"import-csv", csv, "--band", band, "-o", out} << 2 << "Usage";
    QTest::newRow("compare, unknown language")
        << QStringList{"compare", good, "--lang", "fr", "--port", "/dev/xr970-absent"} << 2 << "";
    QTest::newRow("diff, unknown variant") << QStringList{"diff", good, good, "--variant", "both"} << 2 << "";
    QTest::newRow("diff of one file") << QStringList{"diff", good} << 2 << "";
    QTest::newRow("help") << QStringList{"dump", "--help"} << 0 << "";
    const QString fifo = dir_.filePath(QStringLiteral("pipe.dat"));
    ::mkfifo(QFile::encodeName(fifo).constData(), 0600);
    QTest::newRow("FIFO refused at once") << QStringList{"dump", fifo} << 3 << "named pipe";
    QTest::newRow("control byte in a name shown escaped")
        << QStringList{"dump", dir_.filePath("a\nb.dat")} << 3 << "a\\nb.dat: ";
    if (runCli({QStringLiteral("print"), QStringLiteral("--help")}).exitCode != 0)
        return; // a build without the GUI libraries has no print command
    QTest::newRow("print without --pdf") << QStringList{"print", good} << 2 << "--pdf";
    QTest::newRow("print without a file") << QStringList{"print", "--pdf", pdf} << 2 << "Usage";
    QTest::newRow("print, unknown language")
        << QStringList{"print", good, "--pdf", pdf, "--lang", "fr"} << 2 << "--lang";
}

void TestCli::errors()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, stderrHas);
    QProcessEnvironment environment = headlessEnvironment(); // print must not need a display
    environment.insert(QStringLiteral("XDG_DATA_HOME"), dir_.filePath(QStringLiteral("data")));
    const QStringList before = listing();
    const CliRun run = runCli(arguments, environment);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(run.err.contains(stderrHas), qPrintable(run.err));
    if (exitCode != 0) {
        QVERIFY(run.rawOut.isEmpty());
        QCOMPARE(listing(), before);
    }
}

QTEST_GUILESS_MAIN(TestCli)
#include "test_cli.moc"
