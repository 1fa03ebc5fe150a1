#include "document/ChannelFile.h"

#include "support/CliRun.h"
#include "support/SampleImage.h"

#include <QTemporaryDir>
#include <QtTest>

class TestCliLink : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void writeThenReadRoundTrip();
    void failures_data();
    void failures();
    void refusedConfirmationRetried();

private:
    QTemporaryDir dir_;
};

void TestCliLink::writeThenReadRoundTrip()
{
    const RadioImage image = patternImage();
    const QString original = dir_.filePath(QStringLiteral("original.dat"));
    const QString copy = dir_.filePath(QStringLiteral("copy.dat"));
    QVERIFY(ChannelFile::save(original, image).ok());

    CliSimulator radio({QStringLiteral("--variant-byte"), QStringLiteral("0xF5")});
    QVERIFY(radio.device().startsWith(QStringLiteral("/dev/")));
    const CliRun written = runCli({"write", "--port", radio.device(), original});
    QCOMPARE(written.exitCode, 0);
    QVERIFY(written.err.isEmpty());
    const CliRun read = runCli({"read", "--port", radio.device(), "-o", copy, "--base", original});
    QCOMPARE(read.exitCode, 0);
    QCOMPARE(read.out, QStringLiteral("variant: transmit-only\n"));

    QFile a(original);
    QFile b(copy);
    QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    QCOMPARE(b.readAll(), a.readAll());
    QCOMPARE(radio.interrupt(), 0);
}

void TestCliLink::failures_data()
{
    QTest::addColumn<QStringList>("simulate");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");
    QTest::newRow("no such port") << QStringList{} << QStringList{"--port", "/dev/xr970-absent"} << 4
                                  << "Could not Open the Port,Please check whether the Port are "
                                     "occupied or the device are ok";
    QTest::newRow("no answer, one retry")
        << QStringList{"--fault", "no-wakeup"} << QStringList{"--retries", "1"} << 5
        << "Communication Error,Please check all the connections and the radio power";
    QTest::newRow("refused confirmation, retries used up")
        << QStringList{"--fault", "refuse-confirm=3"} << QStringList{"--retries", "2"} << 5
        << "Communication Error,Please check all the connections and the radio power";
    QTest::newRow("missing acknowledgement") << QStringList{"--fault", "no-ack=2"} << QStringList{} << 6
                                             << "Program Interrupt, Please reset the radio and try again";
    QTest::newRow("another radio")
        << QStringList{"--id-byte2", "0x34"} << QStringList{} << 7
        << "Becuase the type of radio does not match,\ncommunications is interrupt.";
}

void TestCliLink::failures()
{
    QFETCH(QStringList, simulate);
    QFETCH(QStringList, options);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    CliSimulator radio(simulate);
    QStringList arguments{"read", "-o", dir_.filePath(QStringLiteral("failed.dat"))};
    if (!options.contains(QStringLiteral("--port")))
        arguments << "--port" << radio.device();
    const CliRun run = runCli(arguments + options);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(run.err.startsWith(message), qPrintable(run.err));
    QVERIFY(run.out.isEmpty());
    QVERIFY(!QFile::exists(dir_.filePath(QStringLiteral("failed.dat"))));
}

// Each refused confirmation counts against --retries, as a missing wake-up answer does.
void TestCliLink::refusedConfirmationRetried()
{
    CliSimulator radio({QStringLiteral("--fault"), QStringLiteral("refuse-confirm=2")});
    const QString copy = dir_.filePath(QStringLiteral("retried.dat"));
    const CliRun run = runCli({"read", "--port", radio.device(), "-o", copy, "--retries", "2"});
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    QCOMPARE(run.out, QStringLiteral("variant: receive-only\n"));
    QVERIFY2(run.err.contains(QStringLiteral("(retry 1 of 2)")), qPrintable(run.err));
    QVERIFY2(run.err.contains(QStringLiteral("(retry 2 of 2)")), qPrintable(run.err));
    QVERIFY(QFile::exists(copy));
}

QTEST_GUILESS_MAIN(TestCliLink)
#include "test_cli_link.moc"
