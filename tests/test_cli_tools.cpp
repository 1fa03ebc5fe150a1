#include "document/ChannelFile.h"
#include "support/CliRun.h"
#include "support/SampleImage.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

} // namespace

class TestCliTools : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void writeVerify_data();
    void writeVerify();
    void diff_data();
    void diff();
    void diffOfBadFiles();

private:
    QString saved(const QString& name, const RadioImage& image);
    QTemporaryDir dir_;
};

QString TestCliTools::saved(const QString& name, const RadioImage& image)
{
    const QString path = dir_.filePath(name);
    return ChannelFile::save(path, image).ok() ? path : QString();
}

void TestCliTools::writeVerify_data()
{
    QTest::addColumn<QStringList>("faults"); // of the virtual radio, which starts as a new image
    QTest::addColumn<bool>("verify");
    QTest::addColumn<int>("sameAsRadioAt"); // a byte of the file that equals the radio's, or -1
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("errStart");

    QTest::newRow("radio keeps everything") << QStringList{} << true << -1 << 0 << "verified: 816 bytes\n"
                                            << QString();
    QTest::newRow("stuck byte 0x123")
        << QStringList{"--fault", "stuck-byte=0x123"} << true << -1 << 10 << QString()
        << "Verify failed: 1 byte(s) differ; the first at offset 0x123 (291): written ";
    QTest::newRow("stuck first byte")
        << QStringList{"--fault", "stuck-byte=0"} << true << -1 << 10 << QString()
        << "Verify failed: 1 byte(s) differ; the first at offset 0x000 (0): written ";
    QTest::newRow("stuck last byte")
        << QStringList{"--fault", "stuck-byte=815"} << true << -1 << 10 << QString()
        << "Verify failed: 1 byte(s) differ; the first at offset 0x32F (815): written ";
    QTest::newRow("stuck byte already holding the value")
        << QStringList{"--fault", "stuck-byte=0x123"} << true << 0x123 << 0 << "verified: 816 bytes\n"
        << QString();
    QTest::newRow("stuck byte unnoticed without --verify")
        << QStringList{"--fault", "stuck-byte=0x123"} << false << -1 << 0 << QString() << QString();
    QTest::newRow("read-back interrupted")
        << QStringList{"--fault", "short-reply=3"} << true << -1 << 6 << QString()
        << "The write completed, but reading it back to verify failed:\n"
           "Program Interrupt, Please reset the radio and try again";
    QTest::newRow("write interrupted, nothing read back")
        << QStringList{"--fault", "no-ack=2"} << true << -1 << 6 << QString()
        << "Program Interrupt, Please reset the radio and try again";
}

void TestCliTools::writeVerify()
{
    QFETCH(QStringList, faults);
    QFETCH(bool, verify);
    QFETCH(int, sameAsRadioAt);
    QFETCH(int, exitCode);
    QFETCH(QString, out);
    QFETCH(QString, errStart);

    RadioImage image = patternImage();
    if (sameAsRadioAt >= 0)
        image[sameAsRadioAt] = RadioImage::makeNew()[sameAsRadioAt];
    const QString file = saved(QStringLiteral("written.dat"), image);
    CliSimulator radio(faults);
    QVERIFY(radio.device().startsWith(QStringLiteral("/dev/")));
    QStringList arguments{"write", "--port", radio.device(), file};
    if (verify)
        arguments << "--verify";
    const CliRun run = runCli(arguments);
    QCOMPARE(run.exitCode, exitCode);
    QCOMPARE(run.out, out);
    QVERIFY2(errStart.isEmpty() ? run.err.isEmpty() : run.err.startsWith(errStart), qPrintable(run.err));
}

void TestCliTools::diff_data()
{
    QTest::addColumn<QList<int>>("patches"); // offset, value ... applied to the second file
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("out");

    const int ch1 = RadioImage::channelOffset(1);
    QTest::newRow("equal") << QList<int>{} << QStringList{} << 0 << QString();
    QTest::newRow("channel, option and spare byte") << QList<int>{ch1,
                                                                  0x25,
                                                                  ch1 + 1,
                                                                  0x06,
                                                                  ch1 + 2,
                                                                  0x60,
                                                                  ch1 + 3,
                                                                  0x44,
                                                                  ch1 + 12,
                                                                  0xE7,
                                                                  RadioImage::OptSquelch,
                                                                  9,
                                                                  1000,
                                                                  0x12}
                                                    << QStringList{} << 1
                                                    << "CH 1, Rx Frequency: (blank) -> 446.00625\n"
                                                       "CH 1, QT/DQT Dec: (blank) -> None\n"
                                                       "CH 1, W/N: (blank) -> Wide\n"
                                                       "CH 1, Scan: (blank) -> Yes\n"
                                                       "CH 1, Busy Lock: (blank) -> Off\n"
                                                       "CH 1, Power: (blank) -> High\n"
                                                       "Squelch Level: 4 -> 9\n"
                                                       "Byte 0x3E8: FF -> 12\n";
    QTest::newRow("chinese, transmit-only") << QList<int>{ch1 + 4,
                                                          0x25,
                                                          ch1 + 5,
                                                          0x06,
                                                          ch1 + 6,
                                                          0x60,
                                                          ch1 + 7,
                                                          0x44,
                                                          ch1 + 13,
                                                          0xDF,
                                                          ch1 + 12,
                                                          0xE7,
                                                          RadioImage::OptVoice,
                                                          2,
                                                          ch1 + 14,
                                                          0x00}
                                            << QStringList{"--lang", "zh", "--variant", "transmit"} << 1
                                            << "信道 1, 发射频率: (空) -> 446.00625\n"
                                               "信道 1, QT/DQT编码: (空) -> 无\n"
                                               "信道 1, 宽/窄: (空) -> 宽\n"
                                               "信道 1, 扫描: (空) -> 是\n"
                                               "信道 1, 繁忙锁定: (空) -> 关\n"
                                               "信道 1, 功率: (空) -> 低\n"
                                               "语音报号: 关 -> 英文\n"
                                               "字节 0x01E: FF -> 00\n";
}

void TestCliTools::diff()
{
    QFETCH(QList<int>, patches);
    QFETCH(QStringList, options);
    QFETCH(int, exitCode);
    QFETCH(QString, out);

    const RadioImage first = RadioImage::makeNew();
    RadioImage second = first;
    for (int i = 0; i + 1 < patches.size(); i += 2)
        second[static_cast<std::size_t>(patches[i])] = static_cast<std::uint8_t>(patches[i + 1]);
    const QString a = saved(QStringLiteral("a.dat"), first);
    const QString b = saved(QStringLiteral("b.dat"), second);
    const CliRun run = runCli(QStringList{"diff", a, b} + options);
    QCOMPARE(run.exitCode, exitCode);
    QCOMPARE(run.out, out);
    // Both ways round, the same channels differ with before and after swapped.
    const CliRun reverse = runCli(QStringList{"diff", b, a} + options);
    QCOMPARE(reverse.exitCode, exitCode);
    QCOMPARE(reverse.out.count(QLatin1Char('\n')), out.count(QLatin1Char('\n')));
}

void TestCliTools::diffOfBadFiles()
{
    const QString good = saved(QStringLiteral("good.dat"), RadioImage::makeNew());
    QFile text(dir_.filePath(QStringLiteral("notes.dat")));
    QVERIFY(text.open(QIODevice::WriteOnly));
    text.write("not a channel-data file\n");
    text.close();

    const CliRun wrongFormat = runCli({"diff", good, text.fileName()});
    QCOMPARE(wrongFormat.exitCode, 3);
    QVERIFY(wrongFormat.out.isEmpty());
    QCOMPARE(wrongFormat.err, text.fileName() + QStringLiteral(": Data Format Error\n"));
    const CliRun missing = runCli({"diff", dir_.filePath(QStringLiteral("absent.dat")), good});
    QCOMPARE(missing.exitCode, 3);
    QVERIFY(missing.out.isEmpty());
    QVERIFY(!missing.err.isEmpty());
}

QTEST_GUILESS_MAIN(TestCliTools)
#include "test_cli_tools.moc"
