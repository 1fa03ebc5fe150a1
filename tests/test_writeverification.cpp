// Verify after Write against the virtual radio: a radio that keeps every byte, one whose
// byte does not take a write, named as the grid or the options show it, and a read-back
// that fails.

#include "link/SerialPortLine.h"
#include "link/WriteVerification.h"
#include "sim/VirtualRadio.h"
#include "support/SampleImage.h"

#include <QtTest>

Q_DECLARE_METATYPE(Language)

namespace {

const int Ch2 = RadioImage::channelOffset(2);

// Channel 2 at 146.12500 MHz, squelch 7, and a byte no text shows.
RadioImage written()
{
    return SampleImage().channel(2, 14612500).byte(RadioImage::OptSquelch, 7).byte(0x005, 0x42);
}

} // namespace

class TestWriteVerification : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void readBack_data();
    void readBack();
};

void TestWriteVerification::readBack_data()
{
    QTest::addColumn<int>("stuckByte");
    QTest::addColumn<int>("shortReplyAt");
    QTest::addColumn<bool>("completed");
    QTest::addColumn<bool>("verified");
    QTest::addColumn<QString>("text");
    QTest::addColumn<Language>("language");

    QTest::newRow("radio keeps everything") << -1 << -1 << true << true << QString() << Language::English;
    QTest::newRow("receive frequency stuck")
        << Ch2 + 1 << -1 << true << false
        << "Verify failed: 1 byte(s) differ; the first at offset 0x021 (33): written 25, read back FF\n"
           "First difference (written -> read back): CH 2, Rx Frequency: 146.12500 -> "
        << Language::English;
    QTest::newRow("option stuck, in Chinese")
        << int(RadioImage::OptSquelch) << -1 << true << false
        << "校验失败：1 个字节不同；第一个在偏移 0x134 (308)：写入 07，读回 04\n"
           "第一处不同（写入 -> 读回）：静噪电平: 7 -> 4"
        << Language::Chinese;
    QTest::newRow("byte no text shows")
        << 0x005 << -1 << true << false
        << "Verify failed: 1 byte(s) differ; the first at offset 0x005 (5): written 42, read back FF\n"
           "First difference (written -> read back): Byte 0x005: 42 -> FF"
        << Language::English;
    QTest::newRow("read-back interrupted") << -1 << 40 << false << false << QString() << Language::English;
}

void TestWriteVerification::readBack()
{
    QFETCH(int, stuckByte);
    QFETCH(int, shortReplyAt);
    QFETCH(bool, completed);
    QFETCH(bool, verified);
    QFETCH(QString, text);
    QFETCH(Language, language);

    VirtualRadio::Options options;
    options.faults.stuckByte = stuckByte;
    options.faults.shortReplyAtBlock = shortReplyAt;
    VirtualRadio radio(CloneFrames::transferAreaOf(RadioImage::makeNew()), options);
    QVERIFY(radio.start());
    SerialPortLine line;
    CloneTransfer transfer(line, {});
    const RadioImage image = written();
    QVERIFY(transfer.write(radio.devicePath(), CloneFrames::transferAreaOf(image)).completed());

    WriteVerification verification(image);
    const CloneTransfer::Result result = verification.readBack(transfer, radio.devicePath());
    QCOMPARE(result.completed(), completed);
    QCOMPARE(verification.completed(), completed);
    QCOMPARE(verification.verified(), verified);
    QCOMPARE(verification.differingBytes(), completed && !verified ? 1 : 0);
    QVERIFY2(verification.failureText(language).startsWith(text),
             qPrintable(verification.failureText(language)));
    QCOMPARE(verification.failureText(language).isEmpty(), text.isEmpty());
    if (completed) // what the history keeps: the radio's bytes, the rest as written
        QVERIFY(CloneFrames::transferAreaOf(verification.readBackImage()) == radio.memory());
}

QTEST_GUILESS_MAIN(TestWriteVerification)
#include "test_writeverification.moc"
