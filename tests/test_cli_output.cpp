#include "csv/CsvExport.h"
#include "document/ChannelFile.h"
#include "document/RadioHistory.h"

#include "support/CliRun.h"
#include "support/SampleImage.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

namespace {

const QString Band = QStringLiteral("136 - 174MHz");

} // namespace

// Every command that writes a file: to standard output with "-", into a FIFO without
// replacing it, and onto a full disk, where it must fail and keep the old file.
class TestCliOutput : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void standardOutput_data();
    void standardOutput();
    void fifoStaysAFifo();
    void fullDiskKeepsTheOldFiles();
    void fullStandardOutput_data();
    void fullStandardOutput();

private:
    // The command's arguments with its output at out; empty when this build lacks it.
    QStringList command(const QString& name, const QString& out, const QString& port) const;
    bool hasPrint() const;

    QTemporaryDir dir_;
    QString previousDir_;
    QString sample_;
    QString csv_;
    QProcessEnvironment environment_; // a radio history of its own, with one read in it
};

void TestCliOutput::initTestCase()
{
    // A file named "-" would land in the working folder: keep that a scratch one.
    previousDir_ = QDir::currentPath();
    QDir::setCurrent(dir_.path());
    sample_ = dir_.filePath(QStringLiteral("sample.dat"));
    QVERIFY(ChannelFile::save(sample_, SampleImage().channel(1, 14652000, 14652000)).ok());
    csv_ = dir_.filePath(QStringLiteral("in.csv"));
    QFile csv(csv_);
    QVERIFY(csv.open(QIODevice::WriteOnly));
    csv.write("Location,Frequency\n2,150.0125\n");
    environment_ = QProcessEnvironment::systemEnvironment();
    environment_.insert(QStringLiteral("XDG_DATA_HOME"), dir_.filePath(QStringLiteral("data")));
    QVERIFY(RadioHistory(dir_.filePath(QStringLiteral("data/xr970/xr970/history")))
                .store(RadioImage::makeNew(), RadioVariant::ReceiveOnly)
                .ok());
}

void TestCliOutput::cleanupTestCase()
{
    QDir::setCurrent(previousDir_);
}

bool TestCliOutput::hasPrint() const
{
    return runCli({QStringLiteral("print"), QStringLiteral("--help")}).exitCode == 0;
}

QStringList TestCliOutput::command(const QString& name, const QString& out, const QString& port) const
{
    if (name == QLatin1String("new"))
        return {name, "-o", out};
    if (name == QLatin1String("export-csv"))
        return {name, sample_, "-o", out};
    if (name == QLatin1String("import-csv"))
        return {name, csv_, sample_, "-o", out, "--band", Band};
    if (name == QLatin1String("read"))
        return {name, "--port", port, "-o", out};
    if (name == QLatin1String("print") && hasPrint())
        return {name, sample_, "--pdf", out};
    return {};
}

void TestCliOutput::standardOutput_data()
{
    QTest::addColumn<QString>("name");
    for (const char* name : {"new", "export-csv", "import-csv", "read", "print"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestCliOutput::standardOutput()
{
    QFETCH(QString, name);
    CliSimulator radio({QStringLiteral("--image"), sample_});
    const QString file = dir_.filePath(name + QStringLiteral(".out"));
    const QStringList toFile = command(name, file, radio.device());
    if (toFile.isEmpty())
        QSKIP("this build has no print command");
    QCOMPARE(runCli(toFile).exitCode, 0);
    const CliRun toStdout = runCli(command(name, QStringLiteral("-"), radio.device()));
    QCOMPARE(toStdout.exitCode, 0);
    QVERIFY(!QFile::exists(QStringLiteral("-")));
    if (name == QLatin1String("print")) // the PDF carries the time it was made
        QVERIFY(toStdout.rawOut.startsWith("%PDF-") && toStdout.rawOut.contains("%%EOF"));
    else
        QCOMPARE(toStdout.rawOut, readFile(file));
    // What read reports goes to stderr when stdout holds the file.
    if (name == QLatin1String("read"))
        QVERIFY2(toStdout.err.startsWith(QStringLiteral("variant: receive-only\nhistory: ")),
                 qPrintable(toStdout.err));
}

void TestCliOutput::fifoStaysAFifo()
{
    const QString fifo = dir_.filePath(QStringLiteral("pipe"));
    QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
    QProcess reader;
    reader.start(QStringLiteral("cat"), {fifo});
    QVERIFY(reader.waitForStarted());
    const CliRun run = runCli({QStringLiteral("new"), QStringLiteral("-o"), fifo});
    QVERIFY(reader.waitForFinished());
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(reader.readAllStandardOutput(), ChannelFile::toBytes(RadioImage::makeNew()));
    QVERIFY(QFileInfo(fifo).exists() && !QFileInfo(fifo).isFile());
}

// A real full file system: a 16 KiB tmpfs in a user and mount namespace of its own,
// filled up after the old files were put there.
void TestCliOutput::fullDiskKeepsTheOldFiles()
{
    if (QProcess::execute(QStringLiteral("unshare"), {"-rm", "true"}) != 0)
        QSKIP("unshare -rm is refused here, so no private full file system can be mounted");
    CliSimulator radio({QStringLiteral("--image"), sample_});
    const QString full = dir_.filePath(QStringLiteral("full"));
    QVERIFY(QDir().mkpath(full));
    const QStringList targets{"new:old.dat", "export-csv:old.csv", "import-csv:old.dat", "read:old.dat",
                              "print:old.pdf"};
    QString script = QStringLiteral("mount -t tmpfs -o size=16k tmpfs '%1' || exit 90\n"
                                    "cd '%1' && for f in old.dat old.csv old.pdf; do echo \"old $f\" > $f; "
                                    "done\n"
                                    "dd if=/dev/zero of=fill bs=1k 2>/dev/null\n")
                         .arg(full);
    int expected = 0;
    for (const QString& target : targets) {
        const QString name = target.section(QLatin1Char(':'), 0, 0);
        const QString file = target.section(QLatin1Char(':'), 1);
        QStringList arguments = command(name, QDir(full).filePath(file), radio.device());
        if (arguments.isEmpty())
            continue;
        for (QString& argument : arguments)
            argument = QLatin1Char('\'') + argument + QLatin1Char('\'');
        script += QStringLiteral("'%1' %2 >/dev/null 2>'%3.err'; rc=$?\n"
                                 "[ \"$(cat %4)\" = 'old %4' ] && kept=kept || kept=lost\n"
                                 "echo \"%5 $rc $kept\"\n")
                      .arg(QStringLiteral(XR_CLI_PATH), arguments.join(QLatin1Char(' ')), dir_.filePath(name),
                           file, name);
        ++expected;
    }
    QProcess shell;
    shell.start(QStringLiteral("unshare"), {"-rm", "sh", "-c", script});
    QVERIFY(shell.waitForFinished(60000));
    if (shell.exitCode() == 90)
        QSKIP("no tmpfs can be mounted in the namespace");
    const QStringList lines =
        QString::fromUtf8(shell.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), expected);
    for (const QString& line : lines) {
        const QString name = line.section(QLatin1Char(' '), 0, 0);
        QCOMPARE(line, name + QStringLiteral(" 1 kept"));
        const QString err = QString::fromUtf8(readFile(dir_.filePath(name + QStringLiteral(".err"))));
        QVERIFY2(err.contains(QStringLiteral("No space left on device")), qPrintable(name + ": " + err));
    }
}

// Whatever a command prints on standard output: when it does not arrive, the command says
// so and ends with status 11, and with no other.
void TestCliOutput::fullStandardOutput_data()
{
    QTest::addColumn<QStringList>("arguments"); // PORT: the virtual radio
    const QString blank = dir_.filePath(QStringLiteral("blank.dat"));
    QVERIFY(ChannelFile::save(blank, RadioImage::makeNew()).ok());
    QTest::newRow("--help") << QStringList{"--help"};
    QTest::newRow("--version") << QStringList{"--version"};
    QTest::newRow("dump") << QStringList{"dump", sample_};
    QTest::newRow("diff") << QStringList{"diff", sample_, blank};
    QTest::newRow("history") << QStringList{"history"};
    QTest::newRow("ports") << QStringList{"ports"};
    QTest::newRow("compare") << QStringList{"compare", "--port", "PORT", blank};
    QTest::newRow("write --verify") << QStringList{"write", "--port", "PORT", sample_, "--verify"};
    QTest::newRow("simulate") << QStringList{"simulate"};
    for (const char* name : {"new", "export-csv", "import-csv", "read", "print"})
        QTest::newRow(name) << command(QString::fromLatin1(name), QStringLiteral("-"), QStringLiteral("PORT"));
}

void TestCliOutput::fullStandardOutput()
{
    QFETCH(QStringList, arguments);
    if (arguments.isEmpty())
        QSKIP("this build has no print command");
    CliSimulator radio({QStringLiteral("--image"), sample_});
    arguments.replaceInStrings(QRegularExpression(QStringLiteral("^PORT$")), radio.device());
    const CliRun run = runCli(arguments, environment_, {"sh", "-c", "exec \"$0\" \"$@\" >/dev/full"});
    QCOMPARE(run.exitCode, 11);
    QVERIFY(run.err.contains(QStringLiteral("xr970-cli: standard output: No space left on device\n")));
}

QTEST_GUILESS_MAIN(TestCliOutput)
#include "test_cli_output.moc"
