#include "link/SerialPortLine.h"

#include <QElapsedTimer>
#include <QtTest>
#include <chrono>
#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace {

// The far end of a pseudo-terminal; the line under test opens its device.
class FarEnd {
public:
    FarEnd()
    {
        termios raw{};
        ::cfmakeraw(&raw);
        char name[256] = {};
        if (::openpty(&master_, &slave_, name, &raw, nullptr) == 0) {
            ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
            device_ = QString::fromLocal8Bit(name);
        }
    }
    ~FarEnd()
    {
        ::close(master_);
        ::close(slave_);
    }
    FarEnd(const FarEnd&) = delete;
    FarEnd& operator=(const FarEnd&) = delete;

    QString device() const { return device_; }
    void send(const QByteArray& bytes) const
    {
        QVERIFY(::write(master_, bytes.constData(), static_cast<std::size_t>(bytes.size())) == bytes.size());
    }
    QByteArray received() const
    {
        QByteArray all;
        char buffer[256];
        ssize_t count = 0;
        while ((count = ::read(master_, buffer, sizeof buffer)) > 0)
            all.append(buffer, count);
        return all;
    }

private:
    int master_ = -1;
    int slave_ = -1;
    QString device_;
};

struct TimedRead {
    QByteArray data;
    qint64 ms = 0;
};

TimedRead timedRead(SerialLine& line, int count)
{
    QElapsedTimer clock;
    clock.start();
    TimedRead result;
    result.data = line.read(count);
    result.ms = clock.elapsed();
    return result;
}

} // namespace

class TestSerialLine : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void totalTimeout_data();
    void totalTimeout();
    void intervalTimeout_data();
    void intervalTimeout();
    void readStopsAtCount();
    void clearAfterWriteKeepsWrittenBytes();
    void clearDiscardsReceivedBytes();
    void openIsExclusive();
    void missingDeviceDoesNotOpen();
};

void TestSerialLine::totalTimeout_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("expectedMs");
    QTest::newRow("1 byte") << 1 << 140;
    QTest::newRow("12 bytes") << 12 << 690;
}

void TestSerialLine::totalTimeout()
{
    QFETCH(int, count);
    QFETCH(int, expectedMs);
    QCOMPARE(SerialLine::readTimeoutMs(count), expectedMs);
    FarEnd far;
    SerialPortLine line;
    QVERIFY(line.open(far.device()));
    const TimedRead read = timedRead(line, count);
    QVERIFY(read.data.isEmpty());
    QVERIFY2(read.ms >= expectedMs - 5 && read.ms < expectedMs + 300, qPrintable(QString::number(read.ms)));
}

void TestSerialLine::intervalTimeout_data()
{
    QTest::addColumn<int>("bytes");
    QTest::addColumn<int>("gapMs");
    QTest::newRow("3 bytes at once") << 3 << 0;
    QTest::newRow("4 bytes 12 ms apart") << 4 << 12;
}

void TestSerialLine::intervalTimeout()
{
    QFETCH(int, bytes);
    QFETCH(int, gapMs);
    FarEnd far;
    SerialPortLine line;
    QVERIFY(line.open(far.device()));
    std::thread sender([&] {
        for (int i = 0; i < bytes; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(gapMs));
            far.send(QByteArray(1, static_cast<char>('a' + i)));
        }
    });
    const TimedRead read = timedRead(line, 12);
    sender.join();
    QCOMPARE(read.data, QByteArray("abcd").left(bytes));
    // The read ends 30 ms after the last byte, long before its 690 ms total.
    const int lastByteMs = bytes * gapMs;
    QVERIFY2(read.ms >= lastByteMs + 25 && read.ms < lastByteMs + 300, qPrintable(QString::number(read.ms)));
}

void TestSerialLine::readStopsAtCount()
{
    FarEnd far;
    SerialPortLine line;
    QVERIFY(line.open(far.device()));
    far.send(QByteArray("0123456789ABCDEFGHIJ"));
    const TimedRead first = timedRead(line, 12);
    QCOMPARE(first.data, QByteArray("0123456789AB"));
    QVERIFY(first.ms < 25);
    QCOMPARE(line.read(8), QByteArray("CDEFGHIJ"));
}

void TestSerialLine::clearAfterWriteKeepsWrittenBytes()
{
    FarEnd far;
    SerialPortLine line;
    QVERIFY(line.open(far.device()));
    for (const char byte : QByteArray("\x02PROGRAM")) {
        line.write(QByteArray(1, byte));
        line.clear(SerialLine::Clear::Buffers);
    }
    line.clear(SerialLine::Clear::AbortAndBuffers);
    QCOMPARE(far.received(), QByteArray("\x02PROGRAM"));
}

void TestSerialLine::clearDiscardsReceivedBytes()
{
    FarEnd far;
    SerialPortLine line;
    QVERIFY(line.open(far.device()));
    far.send(QByteArray("stale"));
    QTest::qWait(20);
    line.clear(SerialLine::Clear::Buffers);
    far.send(QByteArray("\x06"));
    QCOMPARE(line.read(1), QByteArray("\x06"));
    QCOMPARE(line.read(1), QByteArray());
}

void TestSerialLine::openIsExclusive()
{
    FarEnd far;
    SerialPortLine first;
    SerialPortLine second;
    QVERIFY(first.open(far.device()));
    QVERIFY(!second.open(far.device()));
    QVERIFY(!second.errorString().isEmpty());
    first.close();
    QVERIFY(second.open(far.device()));
}

void TestSerialLine::missingDeviceDoesNotOpen()
{
    SerialPortLine line;
    QVERIFY(!line.open(QStringLiteral("/dev/xr970-no-such-device")));
    QVERIFY(!line.isOpen());
    QVERIFY(!line.errorString().isEmpty());
}

QTEST_GUILESS_MAIN(TestSerialLine)
#include "test_serialline.moc"
