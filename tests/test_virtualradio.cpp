#include "link/CloneTransfer.h"
#include "link/SerialPortLine.h"
#include "sim/VirtualRadio.h"
#include "support/SampleImage.h"

#include <QtTest>

using namespace CloneFrames;
using Outcome = CloneTransfer::Outcome;

Q_DECLARE_METATYPE(CloneTransfer::Outcome)

namespace {

CloneTransfer::Result readFrom(const VirtualRadio& radio)
{
    SerialPortLine line;
    return CloneTransfer(line, {}).read(radio.devicePath());
}

CloneTransfer::Result writeTo(const VirtualRadio& radio, const TransferArea& area)
{
    SerialPortLine line;
    return CloneTransfer(line, {}).write(radio.devicePath(), area);
}

} // namespace

class TestVirtualRadio : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void readIntoImageKeepsUpperRows();
    void writeThenReadBack();
    void faults_data();
    void faults();
    void stopsWhileTheLineIsOpen();
    void faultNames_data();
    void faultNames();
};

void TestVirtualRadio::readIntoImageKeepsUpperRows()
{
    const TransferArea memory = patternArea(1);
    VirtualRadio radio(memory, {});
    QVERIFY(radio.start());
    const CloneTransfer::Result result = readFrom(radio);
    QCOMPARE(result.outcome, Outcome::Completed);
    QCOMPARE(result.variant(), RadioVariant::ReceiveOnly);

    RadioImage image = RadioImage::makeNew();
    image[1000] = 0x5A;
    const RadioImage before = image;
    applyTransferArea(image, *result.received);
    QVERIFY(transferAreaOf(image) == memory);
    for (int offset = RadioImage::TransferSize; offset < RadioImage::Size; ++offset)
        QCOMPARE(image[static_cast<std::size_t>(offset)], before[static_cast<std::size_t>(offset)]);
    // Wake-up, identification, confirmation and 102 blocks each way, nothing more.
    QCOMPARE(radio.bytesReceived(), 8 + 1 + 1 + 102 * (4 + 1));
    QCOMPARE(radio.bytesSent(), 1 + 8 + 1 + 102 * (12 + 1));
}

void TestVirtualRadio::writeThenReadBack()
{
    VirtualRadio radio(transferAreaOf(RadioImage::makeNew()), {});
    QVERIFY(radio.start());
    const TransferArea sent = patternArea(77);
    QCOMPARE(writeTo(radio, sent).outcome, Outcome::Completed);
    QVERIFY(radio.memory() == sent);
    const CloneTransfer::Result back = readFrom(radio);
    QCOMPARE(back.outcome, Outcome::Completed);
    QVERIFY(*back.received == sent);
}

void TestVirtualRadio::faults_data()
{
    QTest::addColumn<QStringList>("faults");
    QTest::addColumn<bool>("paced");
    QTest::addColumn<bool>("write");
    QTest::addColumn<Outcome>("outcome");
    QTest::newRow("no wake-up answer")
        << QStringList{"no-wakeup"} << false << false << Outcome::CommunicationError;
    QTest::newRow("wrong identification")
        << QStringList{"wrong-id"} << false << true << Outcome::RadioTypeMismatch;
    QTest::newRow("refused confirmation, nobody to retry")
        << QStringList{"refuse-confirm=2"} << false << false << Outcome::CommunicationError;
    QTest::newRow("silent from block 20")
        << QStringList{"silent-from=20"} << false << false << Outcome::Interrupted;
    QTest::newRow("write, no ack at block 7")
        << QStringList{"no-ack=7"} << false << true << Outcome::Interrupted;
    QTest::newRow("paced, short reply at block 3")
        << QStringList{"short-reply=3"} << true << false << Outcome::Interrupted;
}

void TestVirtualRadio::faults()
{
    QFETCH(QStringList, faults);
    QFETCH(bool, paced);
    QFETCH(bool, write);
    QFETCH(Outcome, outcome);
    VirtualRadio::Options options;
    options.paced = paced;
    for (const QString& fault : faults)
        QVERIFY(addFault(fault, options.faults, nullptr));
    const TransferArea memory = patternArea(3);
    VirtualRadio radio(memory, options);
    QVERIFY(radio.start());
    const CloneTransfer::Result result = write ? writeTo(radio, patternArea(9)) : readFrom(radio);
    QCOMPARE(result.outcome, outcome);
    QCOMPARE(result.received.has_value(), outcome == Outcome::Completed && !write);
    if (result.received)
        QVERIFY(*result.received == memory);
}

void TestVirtualRadio::stopsWhileTheLineIsOpen()
{
    VirtualRadio radio(patternArea(0), {});
    QVERIFY(radio.start());
    SerialPortLine line;
    QVERIFY(line.open(radio.devicePath()));
    line.write(QByteArray("\x02PROGRAM"));
    QCOMPARE(line.read(1), QByteArray("\x06"));
    radio.stop();
    QVERIFY(line.read(1).isEmpty());
}

void TestVirtualRadio::faultNames_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<int>("idLength");
    QTest::addColumn<int>("refusals");
    QTest::addColumn<int>("noAckBlock");
    QTest::newRow("short-id defaults to 4") << "short-id" << true << 4 << 0 << -1;
    QTest::newRow("short-id=6") << "short-id=6" << true << 6 << 0 << -1;
    QTest::newRow("short-id=8 is no fault") << "short-id=8" << false << 8 << 0 << -1;
    QTest::newRow("refuse-confirm defaults to 1") << "refuse-confirm" << true << 8 << 1 << -1;
    QTest::newRow("no-ack=0x65") << "no-ack=0x65" << true << 8 << 0 << 101;
    QTest::newRow("no-ack needs a block") << "no-ack" << false << 8 << 0 << -1;
    QTest::newRow("no-ack=102 is past the end") << "no-ack=102" << false << 8 << 0 << -1;
    QTest::newRow("silent-from=x") << "silent-from=x" << false << 8 << 0 << -1;
    QTest::newRow("no-wakeup takes no value") << "no-wakeup=1" << false << 8 << 0 << -1;
    QTest::newRow("unknown") << "garble" << false << 8 << 0 << -1;
}

void TestVirtualRadio::faultNames()
{
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    QFETCH(int, idLength);
    QFETCH(int, refusals);
    QFETCH(int, noAckBlock);
    RadioFaults faults;
    QString error;
    QCOMPARE(addFault(text, faults, &error), accepted);
    QCOMPARE(error.isEmpty(), accepted);
    QCOMPARE(faults.identificationLength, idLength);
    QCOMPARE(faults.refusedConfirmations, refusals);
    QCOMPARE(faults.missingAckAtBlock, noAckBlock);
    QVERIFY(!faults.noWakeUpAnswer);
}

QTEST_GUILESS_MAIN(TestVirtualRadio)
#include "test_virtualradio.moc"
