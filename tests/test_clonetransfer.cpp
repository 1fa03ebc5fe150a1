#include "link/CloneTransfer.h"
#include "sim/RadioProtocol.h"
#include "support/FakeSerialLine.h"
#include "support/SampleImage.h"

#include <QtTest>

using namespace CloneFrames;
using Outcome = CloneTransfer::Outcome;

Q_DECLARE_METATYPE(CloneTransfer::Outcome)
Q_DECLARE_METATYPE(RadioVariant)

namespace {

const QString Device = QStringLiteral("/dev/fake0");

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray result;
    for (const int value : values)
        result.append(static_cast<char>(value));
    return result;
}

QString writeLine(const QByteArray& data)
{
    return QStringLiteral("write ") + hexBytes(data);
}

// The handshake as the radio's clone procedure lays it out.
QStringList handshakeLog(bool earlyAnswer = false)
{
    QStringList log;
    for (int i = 0; i < 6; ++i)
        log << "poll"
            << "pause 1";
    log << "abort";
    for (const char byte : QByteArray("\x02PROGRAM")) {
        log << "pause 2"
            << "clear" << writeLine(QByteArray(1, byte));
        if (byte == 'A')
            log << (earlyAnswer ? "read 1 -> 1" : "read 1 -> 0");
    }
    if (!earlyAnswer)
        log << "read 1 -> 1";
    log << "pause 1"
        << "clear"
        << "write 02"
        << "pause 1"
        << "read 8 -> 8";
    log << "clear"
        << "write 06"
        << "clear"
        << "pause 1"
        << "read 1 -> 1";
    return log;
}

QStringList rowEndLog(int row)
{
    QStringList log{QStringLiteral("progress %1").arg(row + 1)};
    for (int i = 0; i < 5; ++i)
        log << "poll";
    return log;
}

QStringList readBlocksLog()
{
    QStringList log;
    for (int address = 0; address < 816; address += 8) {
        if (address % 16 == 8)
            log << "pause 1";
        log << "clear" << writeLine(bytes({0x52, address >> 8, address & 0xFF, 0x08})) << "read 12 -> 12";
        log << "pause 1"
            << "clear"
            << "write 06"
            << "read 1 -> 1";
        if (address % 16 == 8)
            log << rowEndLog(address / 16);
    }
    return log;
}

QStringList writeBlocksLog(const TransferArea& area)
{
    QStringList log;
    for (int address = 0; address < 816; address += 8) {
        const QByteArray data(reinterpret_cast<const char*>(area.data()) + address, 8);
        log << "clear" << writeLine(bytes({0x57, address >> 8, address & 0xFF, 0x08})) << "pause 1"
            << writeLine(data) << "read 1 -> 1";
        if (address % 16 == 8)
            log << rowEndLog(address / 16);
    }
    return log;
}

// A fake line and a radio behind it, with hooks that note every poll point and
// progress step in the line's log.
struct Rig {
    explicit Rig(const TransferArea& radioMemory, const RadioIdentity& identity = {},
                 const RadioFaults& faults = {})
        : radio(radioMemory, identity, faults), line(FakeSerialLine::answeringWith(radio))
    {
    }

    CloneTransfer transfer()
    {
        CloneTransfer::Hooks hooks;
        hooks.poll = [this] {
            line.note(QStringLiteral("poll"));
            return ++polls == cancelAtPoll;
        };
        hooks.progress = [this](int rows) { line.note(QStringLiteral("progress %1").arg(rows)); };
        if (retry)
            hooks.retry = retry;
        return CloneTransfer(line, hooks);
    }

    RadioProtocol radio;
    FakeSerialLine line;
    int polls = 0;
    int cancelAtPoll = -1;
    std::function<bool()> retry;
};

int countOf(const QStringList& log, const QString& line)
{
    return static_cast<int>(log.count(line));
}

} // namespace

class TestCloneTransfer : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void completedReadByteStream();
    void completedWriteByteStream();
    void identification_data();
    void identification();
    void earlyWakeUpAnswerCounts();
    void blockFailures_data();
    void blockFailures();
    void cancelAtPollPoint_data();
    void cancelAtPollPoint();
    void retryAfterCommunicationError();
    void communicationErrorWithoutRetry();
    void refusedConfirmations_data();
    void refusedConfirmations();
    void portCannotBeOpened();
};

void TestCloneTransfer::completedReadByteStream()
{
    const TransferArea memory = patternArea(3);
    Rig rig(memory);
    const CloneTransfer::Result result = rig.transfer().read(Device);

    QCOMPARE(result.outcome, Outcome::Completed);
    QVERIFY(result.received.has_value());
    QVERIFY(*result.received == memory);
    QCOMPARE(result.variantByte, std::uint8_t(0xFF));

    const QStringList expected =
        QStringList{"open " + Device} + handshakeLog() + readBlocksLog() + QStringList{"close"};
    QCOMPARE(rig.line.log, expected);
    // Exactly 102 read commands, 0x0000 first and 0x0328 last, each acknowledged once.
    const QStringList commands = rig.line.log.filter(QRegularExpression("^write 52 "));
    QCOMPARE(commands.size(), 102);
    QCOMPARE(commands.front(), QStringLiteral("write 52 00 00 08"));
    QCOMPARE(commands.back(), QStringLiteral("write 52 03 28 08"));
    QCOMPARE(countOf(rig.line.log, "write 06"), 1 + 102);
}

void TestCloneTransfer::completedWriteByteStream()
{
    const TransferArea before = patternArea(1);
    const TransferArea sent = patternArea(200);
    Rig rig(before);
    const CloneTransfer::Result result = rig.transfer().write(Device, sent);

    QCOMPARE(result.outcome, Outcome::Completed);
    QVERIFY(!result.received.has_value());
    QVERIFY(rig.radio.memory() == sent);
    const QStringList expected =
        QStringList{"open " + Device} + handshakeLog() + writeBlocksLog(sent) + QStringList{"close"};
    QCOMPARE(rig.line.log, expected);
}

void TestCloneTransfer::identification_data()
{
    QTest::addColumn<int>("modelByte");
    QTest::addColumn<int>("variantByte");
    QTest::addColumn<int>("length");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<RadioVariant>("variant");
    QTest::newRow("0x33, receive-only")
        << 0x33 << 0xFF << 8 << Outcome::Completed << RadioVariant::ReceiveOnly;
    QTest::newRow("0x32, transmit-only")
        << 0x32 << 0xF5 << 8 << Outcome::Completed << RadioVariant::TransmitOnly;
    QTest::newRow("variant byte 0x00") << 0x33 << 0x00 << 8 << Outcome::Completed << RadioVariant::Other;
    QTest::newRow("0x34 is another radio")
        << 0x34 << 0xFF << 8 << Outcome::RadioTypeMismatch << RadioVariant::ReceiveOnly;
    QTest::newRow("6 bytes: no variant byte")
        << 0x33 << 0xFF << 6 << Outcome::Completed << RadioVariant::Other;
    QTest::newRow("4 bytes do not match")
        << 0x33 << 0xFF << 4 << Outcome::RadioTypeMismatch << RadioVariant::Other;
}

void TestCloneTransfer::identification()
{
    QFETCH(int, modelByte);
    QFETCH(int, variantByte);
    QFETCH(int, length);
    QFETCH(Outcome, outcome);
    QFETCH(RadioVariant, variant);
    RadioFaults faults;
    faults.identificationLength = length;
    Rig rig(patternArea(5), {static_cast<std::uint8_t>(modelByte), static_cast<std::uint8_t>(variantByte)},
            faults);
    const CloneTransfer::Result result = rig.transfer().read(Device);

    QCOMPARE(result.outcome, outcome);
    QCOMPARE(result.received.has_value(), outcome == Outcome::Completed);
    if (outcome == Outcome::Completed) {
        QCOMPARE(result.variant(), variant);
        return;
    }
    // A wrong radio is told nothing more: no confirmation, no retry.
    QCOMPARE(rig.line.log.mid(rig.line.log.size() - 3),
             (QStringList{"pause 1", QStringLiteral("read 8 -> %1").arg(length), "close"}));
    QCOMPARE(countOf(rig.line.log, "write 06"), 0);
}

void TestCloneTransfer::earlyWakeUpAnswerCounts()
{
    const TransferArea memory = patternArea(9);
    RadioProtocol protocol(memory, {}, {});
    // This radio already answers the seventh wake-up byte.
    FakeSerialLine line([&protocol](const QByteArray& written) {
        QByteArray answer = FakeSerialLine::answeringWith(protocol)(written);
        return written == "A" ? QByteArray("\x06") + answer : answer;
    });
    const CloneTransfer::Result result = CloneTransfer(line, {}).read(Device);

    QCOMPARE(result.outcome, Outcome::Completed);
    QVERIFY(*result.received == memory);
    QStringList handshake = handshakeLog(true);
    handshake.removeAll(QStringLiteral("poll")); // no poll hook here
    QCOMPARE(line.log.mid(1, handshake.size()), handshake);
}

void TestCloneTransfer::blockFailures_data()
{
    QTest::addColumn<bool>("write");
    QTest::addColumn<RadioFaults>("faults");
    QTest::addColumn<int>("commands");
    QTest::addColumn<QStringList>("tail");
    RadioFaults shortReply;
    shortReply.shortReplyAtBlock = 5;
    QTest::newRow("read reply of 11 bytes")
        << false << shortReply << 6 << QStringList{"write 52 00 28 08", "read 12 -> 11", "close"};
    RadioFaults noReadAck;
    noReadAck.missingAckAtBlock = 3;
    QTest::newRow("read, no acknowledgement answer")
        << false << noReadAck << 4 << QStringList{"write 06", "read 1 -> 0", "close"};
    RadioFaults silent;
    silent.silentFromBlock = 40;
    QTest::newRow("read, silent from block 40")
        << false << silent << 41 << QStringList{"write 52 01 40 08", "read 12 -> 0", "close"};
    RadioFaults noWriteAck;
    noWriteAck.missingAckAtBlock = 0;
    QTest::newRow("write, first block unanswered")
        << true << noWriteAck << 1 << QStringList{"read 1 -> 0", "close"};
}

void TestCloneTransfer::blockFailures()
{
    QFETCH(bool, write);
    QFETCH(RadioFaults, faults);
    QFETCH(int, commands);
    QFETCH(QStringList, tail);
    const TransferArea memory = patternArea(4);
    Rig rig(memory, {}, faults);
    const CloneTransfer::Result result =
        write ? rig.transfer().write(Device, patternArea(77)) : rig.transfer().read(Device);

    QCOMPARE(result.outcome, Outcome::Interrupted);
    QVERIFY(!result.received.has_value());
    // The first bad block ends the transfer: no further command, line closed.
    const QString command = write ? QStringLiteral("^write 57 ") : QStringLiteral("^write 52 ");
    QCOMPARE(rig.line.log.filter(QRegularExpression(command)).size(), commands);
    QCOMPARE(rig.line.log.mid(rig.line.log.size() - tail.size()), tail);
    if (write)
        QVERIFY(rig.radio.memory() == memory);
}

void TestCloneTransfer::cancelAtPollPoint_data()
{
    QTest::addColumn<bool>("write");
    QTest::addColumn<int>("cancelAtPoll");
    QTest::addColumn<int>("rowsDone");
    QTest::newRow("read, first poll of the handshake") << false << 1 << 0;
    QTest::newRow("read, after row 3") << false << 6 + 2 * 5 + 1 << 3;
    QTest::newRow("read, last poll of row 51") << false << 6 + 51 * 5 << 51;
    QTest::newRow("write, after row 10") << true << 6 + 9 * 5 + 3 << 10;
}

void TestCloneTransfer::cancelAtPollPoint()
{
    QFETCH(bool, write);
    QFETCH(int, cancelAtPoll);
    QFETCH(int, rowsDone);
    const TransferArea memory = patternArea(6);
    Rig rig(memory);
    rig.cancelAtPoll = cancelAtPoll;
    const CloneTransfer::Result result =
        write ? rig.transfer().write(Device, patternArea(8)) : rig.transfer().read(Device);

    QCOMPARE(result.outcome, Outcome::Cancelled);
    QVERIFY(!result.received.has_value());
    QCOMPARE(rig.polls, cancelAtPoll);
    QCOMPARE(rig.line.log.back(), QStringLiteral("close"));
    QCOMPARE(rig.line.log[rig.line.log.size() - 2], QStringLiteral("poll"));
    QCOMPARE(rig.line.log.filter(QRegularExpression("^progress ")).size(), rowsDone);
    QCOMPARE(rig.line.log.filter(QRegularExpression("^write 5[27] ")).size(), 2 * rowsDone);
}

void TestCloneTransfer::retryAfterCommunicationError()
{
    const TransferArea memory = patternArea(2);
    RadioProtocol protocol(memory, {}, {});
    bool poweredOn = false;
    FakeSerialLine line([&](const QByteArray& written) {
        return poweredOn ? FakeSerialLine::answeringWith(protocol)(written) : QByteArray();
    });
    int asked = 0;
    CloneTransfer::Hooks hooks;
    hooks.retry = [&] {
        ++asked;
        poweredOn = true; // the user switches the radio on and presses Retry
        return true;
    };
    const CloneTransfer::Result result = CloneTransfer(line, hooks).read(Device);

    QCOMPARE(result.outcome, Outcome::Completed);
    QVERIFY(*result.received == memory);
    QCOMPARE(asked, 1);
    // The first attempt waited after the seventh and the eighth byte, then gave up
    // before the identification; the retry repeats the wake-up on the open line.
    QCOMPARE(countOf(line.log, "abort"), 2);
    QCOMPARE(countOf(line.log, "open " + Device), 1);
    const qsizetype retried = line.log.indexOf("abort", line.log.indexOf("abort") + 1);
    QCOMPARE(line.log.mid(retried - 11, 5),
             (QStringList{"read 1 -> 0", "pause 2", "clear", "write 4D", "read 1 -> 0"}));
    QCOMPARE(line.log.mid(0, retried).count("write 02"), 1);
}

void TestCloneTransfer::communicationErrorWithoutRetry()
{
    RadioFaults faults;
    faults.noWakeUpAnswer = true;
    Rig rig(patternArea(0), {}, faults);
    int asked = 0;
    rig.retry = [&] { return ++asked < 3; };
    const CloneTransfer::Result result = rig.transfer().read(Device);

    QCOMPARE(result.outcome, Outcome::CommunicationError);
    QCOMPARE(asked, 3);
    QCOMPARE(countOf(rig.line.log, "abort"), 3);
    QCOMPARE(rig.line.log.mid(rig.line.log.size() - 3), (QStringList{"write 4D", "read 1 -> 0", "close"}));
}

void TestCloneTransfer::refusedConfirmations_data()
{
    QTest::addColumn<int>("refusals");
    QTest::addColumn<int>("retries"); // how many times the user answers Retry
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<int>("attempts");
    QTest::newRow("one refusal, Retry") << 1 << 1 << Outcome::Completed << 2;
    QTest::newRow("six refusals, six Retries: no cap") << 6 << 6 << Outcome::Completed << 7;
    QTest::newRow("refused, Cancel") << 1 << 0 << Outcome::CommunicationError << 1;
    QTest::newRow("three refusals, Cancel at the third") << 3 << 2 << Outcome::CommunicationError << 3;
}

// A confirmation the radio does not answer with 0x06 is a Communication Error: each one
// asks the user, and Retry runs the whole handshake again on the line that is still open.
void TestCloneTransfer::refusedConfirmations()
{
    QFETCH(int, refusals);
    QFETCH(int, retries);
    QFETCH(Outcome, outcome);
    QFETCH(int, attempts);
    RadioFaults faults;
    faults.refusedConfirmations = refusals;
    Rig rig(patternArea(1), {}, faults);
    int asked = 0;
    rig.retry = [&] { return ++asked <= retries; };
    const CloneTransfer::Result result = rig.transfer().write(Device, patternArea(3));

    QCOMPARE(result.outcome, outcome);
    QCOMPARE(asked, qMin(refusals, retries + 1));
    QCOMPARE(countOf(rig.line.log, "abort"), attempts);
    QCOMPARE(countOf(rig.line.log, "open " + Device), 1);
    // Each attempt went through wake-up and identification to the confirmation (a write
    // sends 0x06 for nothing else).
    QCOMPARE(countOf(rig.line.log, "write 06"), attempts);
    QCOMPARE(rig.line.log.filter(QRegularExpression("^write 57 ")).isEmpty(), outcome != Outcome::Completed);
    if (outcome == Outcome::Completed)
        QVERIFY(rig.radio.memory() == patternArea(3));
}

void TestCloneTransfer::portCannotBeOpened()
{
    Rig rig(patternArea(0));
    rig.line.failOpen = true;
    bool asked = false;
    rig.retry = [&] { return asked = true; };
    const CloneTransfer::Result result = rig.transfer().read(Device);

    QCOMPARE(result.outcome, Outcome::PortError);
    QVERIFY(!result.portError.isEmpty());
    QCOMPARE(rig.line.log, QStringList{"open " + Device});
    QCOMPARE(rig.polls, 0);
    QVERIFY(!asked);
}

QTEST_GUILESS_MAIN(TestCloneTransfer)
#include "test_clonetransfer.moc"
