// The radio workflows without a window: what a transfer's end tells the user in either
// language, and a read and a verified write on threads of their own, each against its
// own virtual radio and keeping its copy in one radio history.

#include "config/CommandIds.h"
#include "config/StringTable.h"
#include "fileio/FileWriter.h"
#include "link/ScriptedSerialDevices.h"
#include "link/SerialPortLine.h"
#include "session/RadioRead.h"
#include "session/RadioWriteVerify.h"
#include "session/TransferMessages.h"
#include "sim/VirtualRadio.h"
#include "support/SampleImage.h"

#include <QTemporaryDir>
#include <QtTest>
#include <thread>

Q_DECLARE_METATYPE(CloneTransfer::Outcome)
Q_DECLARE_METATYPE(Language)

namespace {

using Outcome = CloneTransfer::Outcome;

const QString Absent = QStringLiteral("/dev/xr970-absent");
const QString Present = QStringLiteral("/dev/ttyUSB0"); // opens again by now

} // namespace

class TestWorkflows : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void messages_data();
    void messages();
    void onThreads();
};

// The string table's texts come from the language module (none is loaded here); the
// reason a port did not open and another radio type are compiled in, in both languages.
void TestWorkflows::messages_data()
{
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<QString>("device");
    QTest::addColumn<Language>("language");
    QTest::addColumn<QStringList>("paragraphs");
    QTest::addColumn<QString>("caption");
    const QString cannotOpen = stringTableText(MessageId::CannotOpenPort);
    const QString program = QStringLiteral("Test Radio Co");
    QTest::newRow("completed") << Outcome::Completed << Present << Language::English << QStringList{}
                               << program;
    QTest::newRow("cancelled") << Outcome::Cancelled << Present << Language::Chinese << QStringList{}
                               << program;
    QTest::newRow("port absent")
        << Outcome::PortError << Absent << Language::English
        << QStringList{cannotOpen, Absent +
                                       " is not present (no such device). Check that the cable is plugged "
                                       "in and that the right port is chosen."}
        << program;
    QTest::newRow("port absent, Chinese")
        << Outcome::PortError << Absent << Language::Chinese
        << QStringList{cannotOpen, Absent + " 不存在（没有此设备）。请检查写频线是否插好、所选端口是否正确。"}
        << program;
    QTest::newRow("port opens again, Chinese")
        << Outcome::PortError << Present << Language::Chinese
        << QStringList{cannotOpen, Present + " 无法打开：Device busy"} << program;
    QTest::newRow("no answer") << Outcome::CommunicationError << Present << Language::English
                               << QStringList{stringTableText(MessageId::CommunicationError)} << program;
    QTest::newRow("block lost") << Outcome::Interrupted << Present << Language::Chinese
                                << QStringList{stringTableText(MessageId::ProgramInterrupt)} << program;
    QTest::newRow("other radio")
        << Outcome::RadioTypeMismatch << Present << Language::English
        << QStringList{"Becuase the type of radio does not match,\ncommunications is interrupt."}
        << "Caution";
    QTest::newRow("other radio, Chinese") << Outcome::RadioTypeMismatch << Present << Language::Chinese
                                          << QStringList{"对讲机类型不匹配,无法通讯。"} << "警告";
}

void TestWorkflows::messages()
{
    QFETCH(Outcome, outcome);
    QFETCH(QString, device);
    QFETCH(Language, language);
    QFETCH(QStringList, paragraphs);
    QFETCH(QString, caption);
    ScriptedSerialDevices devices;
    devices.setStatus(Present, PortStatus::of(PortStatus::State::Ok));
    CloneTransfer::Result result;
    result.outcome = outcome;
    result.portError = QStringLiteral("Device busy");
    const TransferMessages messages(devices, language);
    QCOMPARE(messages.paragraphs(result, device), paragraphs);
    QCOMPARE(messages.caption(outcome, QStringLiteral("Test Radio Co")), caption);
}

void TestWorkflows::onThreads()
{
    const RadioImage held = SampleImage().channel(1, 14512500).byte(RadioImage::OptSquelch, 7);
    VirtualRadio first(CloneFrames::transferAreaOf(held), {});
    VirtualRadio second(CloneFrames::transferAreaOf(RadioImage::makeNew()), {});
    QVERIFY(first.start() && second.start());
    QTemporaryDir dir;
    const FileWriter writer;
    const HistoryKeeper history(dir.path(), writer);
    const RadioImage base = SampleImage().byte(1000, 0x5A);
    const RadioImage plan = SampleImage().channel(3, 44600625);

    RadioRead::Result read;
    RadioWriteVerify::Verification verification;
    std::thread reading([&] {
        SerialPortLine line;
        CloneTransfer transfer(line, {});
        read = RadioRead(history).run(transfer, first.devicePath(), base);
    });
    std::thread writing([&] {
        SerialPortLine line;
        CloneTransfer transfer(line, {});
        const RadioWriteVerify writeVerify(plan, history, Language::English);
        if (writeVerify.write(transfer, second.devicePath()).completed())
            verification = writeVerify.verify(transfer, second.devicePath());
    });
    reading.join();
    writing.join();

    QVERIFY(read.completed() && read.copy.ok());
    QVERIFY(CloneFrames::transferAreaOf(read.image) == first.memory());
    QCOMPARE(int(read.image[1000]), 0x5A); // beyond the transfer area: the base's
    QVERIFY(verification.verified && verification.copy.ok());
    QVERIFY(second.memory() == CloneFrames::transferAreaOf(plan));
    QCOMPARE(RadioHistory(dir.path()).entries().size(), 2);
}

QTEST_GUILESS_MAIN(TestWorkflows)
#include "test_workflows.moc"
