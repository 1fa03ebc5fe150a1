#include "csv/CsvExport.h"
#include "document/ChannelFile.h"
#include "model/ToneTables.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "support/CliRun.h"
#include "support/SampleImage.h"

namespace {

RadioImage sampleImage()
{
    SampleImage image;
    for (int n : {2, 5})
        image.channel(n, 14500000 + 2500u * n, 14560000 + 2500u * n)
            .tone(n, RadioImage::RecDecodeTone, "D023N");
    return image;
}

const QString Band = QStringLiteral("136 - 174MHz");

} // namespace

class TestCliCsv : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void exportToStdoutAndFile_data();
    void exportToStdoutAndFile();
    void roundTripKeepsTheFile();
    void exportWarnsOfWhatItLeavesOut();
    void import_data();
    void import();

private:
    QString path(const QString& name) const { return dir_.filePath(name); }

    QTemporaryDir dir_;
    QString dat_;
};

void TestCliCsv::initTestCase()
{
    dat_ = path(QStringLiteral("sample.dat"));
    QVERIFY(ChannelFile::save(dat_, sampleImage()).ok());
}

void TestCliCsv::exportToStdoutAndFile_data()
{
    QTest::addColumn<QString>("variant");
    QTest::addColumn<int>("expected");
    QTest::newRow("receive") << "receive" << int(RadioVariant::ReceiveOnly);
    QTest::newRow("transmit") << "transmit" << int(RadioVariant::TransmitOnly);
    QTest::newRow("other") << "other" << int(RadioVariant::Other);
}

void TestCliCsv::exportToStdoutAndFile()
{
    QFETCH(QString, variant);
    QFETCH(int, expected);
    const QByteArray csv = exportChannelsCsv(sampleImage(), RadioVariant(expected)).text;
    const CliRun toStdout =
        runCli({QStringLiteral("export-csv"), dat_, QStringLiteral("--variant"), variant});
    QCOMPARE(toStdout.exitCode, 0);
    QCOMPARE(toStdout.rawOut, csv);

    const QString out = path(QStringLiteral("out-%1.csv").arg(variant));
    const CliRun toFile = runCli({QStringLiteral("export-csv"), dat_, QStringLiteral("--variant"), variant,
                                  QStringLiteral("-o"), out});
    QCOMPARE(toFile.exitCode, 0);
    QVERIFY(toFile.rawOut.isEmpty());
    QFile written(out);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), csv);
}

void TestCliCsv::exportWarnsOfWhatItLeavesOut()
{
    // Channel 4 only transmits; channel 7 receives with a CTCSS tone none of the 50.
    const RadioImage image = SampleImage().channel(4, 0, 14652000).channel(7, 14600000).tone(7, 8, "100.1");
    const QString dat = path(QStringLiteral("odd.dat"));
    QVERIFY(ChannelFile::save(dat, image).ok());
    const CliRun run =
        runCli({QStringLiteral("export-csv"), dat, QStringLiteral("--variant"), QStringLiteral("other")});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.err,
             QStringLiteral("warning: Channel 4 was left out: it only transmits (146.52 MHz), which a "
                            "channel list cannot say\n"
                            "warning: Channel 7: the decode tone 100.1 is none of the radio's tones and "
                            "was left out\n"));
    QCOMPARE(run.rawOut, exportChannelsCsv(image, RadioVariant::Other).text);
    QVERIFY(!run.rawOut.contains("\r\n4,"));
}

void TestCliCsv::roundTripKeepsTheFile()
{
    const QString csv = path(QStringLiteral("round.csv"));
    const QString back = path(QStringLiteral("round.dat"));
    const QStringList other{QStringLiteral("--variant"), QStringLiteral("other")};
    QCOMPARE(
        runCli(QStringList{QStringLiteral("export-csv"), dat_, QStringLiteral("-o"), csv} + other).exitCode,
        0);
    const CliRun imported = runCli(QStringList{QStringLiteral("import-csv"), csv, dat_, QStringLiteral("-o"),
                                               back, QStringLiteral("--band"), Band} +
                                   other);
    QCOMPARE(imported.exitCode, 0);
    QVERIFY2(imported.err.contains(QStringLiteral("Rows taken: 2, rows refused: 0.")),
             qPrintable(imported.err));
    QFile a(dat_), b(back);
    QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    QCOMPARE(b.readAll(), a.readAll());
}

void TestCliCsv::import_data()
{
    const QString good =
        writeFile(path(QStringLiteral("good.csv")), "Location,Frequency\n1,146.52\n3,150.0125\n");
    const QString mixed = writeFile(path(QStringLiteral("mixed.csv")),
                                    "Location,Frequency,Tone,rToneFreq\n1,146.52,,\n2,180,,\n"
                                    "3,150,TSQL,88.6\n4,150,Tone,88.5\n");
    const QString broken = writeFile(path(QStringLiteral("broken.csv")), "Name,Comment\nx,y\n");
    const QString missing = path(QStringLiteral("missing.csv"));

    QTest::addColumn<QStringList>("arguments"); // after "import-csv"; OUT.dat is added
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QStringList>("stderrHas");
    QTest::addColumn<QList<int>>("channelsInOutput"); // channels in use in OUT.dat; empty: not written
    const QStringList band{QStringLiteral("--band"), Band};
    QTest::newRow("all taken") << QStringList{good, dat_} + band << 0
                               << QStringList{"Rows taken: 2, rows refused: 0."} << QList<int>{1, 2, 3, 5};
    QTest::newRow("refused rows stop it")
        << QStringList{mixed, dat_} + band << 9
        << QStringList{"mixed.csv:3: Receive frequency 180 MHz is outside the band 136 - 174 MHz",
                       "mixed.csv:4: rToneFreq 88.6 Hz is not one of the radio's 50 CTCSS tones",
                       "Rows taken: 2, rows refused: 2."}
        << QList<int>{};
    QTest::newRow("--skip-bad writes the rest")
        << QStringList{mixed, dat_, QStringLiteral("--skip-bad")} + band << 0
        << QStringList{"rows refused: 2"} << QList<int>{1, 2, 4, 5};
    QTest::newRow("report in Chinese")
        << QStringList{mixed, dat_, QStringLiteral("--lang"), QStringLiteral("zh")} + band << 9
        << QStringList{"接收频率 180 MHz 超出频段 136 - 174 MHz", "接受 2 行，拒绝 2 行。"} << QList<int>{};
    QTest::newRow("transmit-only") << QStringList{good, dat_, QStringLiteral("--variant"),
                                                  QStringLiteral("transmit")} +
                                          band
                                   << 0 << QStringList{"rows refused: 0"} << QList<int>{1, 2, 3, 5};
    QTest::newRow("not a channel list")
        << QStringList{broken, dat_} + band << 3 << QStringList{"Location and Frequency"} << QList<int>{};
    QTest::newRow("no csv file") << QStringList{missing, dat_} + band << 3 << QStringList{"missing.csv"}
                                 << QList<int>{};
    QTest::newRow("not a .dat") << QStringList{good, good} + band << 3 << QStringList{"Data Format Error"}
                                << QList<int>{};
}

void TestCliCsv::import()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QStringList, stderrHas);
    QFETCH(QList<int>, channelsInOutput);
    const QString out = path(QStringLiteral("%1.dat").arg(QString::fromLatin1(QTest::currentDataTag())));
    const CliRun run = runCli(QStringList{QStringLiteral("import-csv")} + arguments +
                              QStringList{QStringLiteral("-o"), out});
    QCOMPARE(run.exitCode, exitCode);
    for (const QString& part : stderrHas)
        QVERIFY2(run.err.contains(part), qPrintable(run.err));
    QCOMPARE(QFileInfo::exists(out), !channelsInOutput.isEmpty());
    if (channelsInOutput.isEmpty())
        return;
    RadioImage image;
    QVERIFY(ChannelFile::load(out, image).ok());
    QList<int> used;
    for (int n = 1; n <= RadioImage::ChannelCount; ++n)
        if (!RadioImage::isFrequencyAbsent(image.channel(n)) ||
            !RadioImage::isFrequencyAbsent(image.channel(n) + 4))
            used << n;
    QCOMPARE(used, channelsInOutput);
}

QTEST_GUILESS_MAIN(TestCliCsv)
#include "test_cli_csv.moc"
