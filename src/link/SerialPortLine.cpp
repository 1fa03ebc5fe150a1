#include "link/SerialPortLine.h"

#include "link/AdapterLatency.h"
#include "link/PortLock.h"
#include "link/PortProbe.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <algorithm>
#include <chrono>
#include <thread>

#ifdef Q_OS_UNIX
#include <termios.h>
#endif
#ifdef Q_OS_LINUX
#include <sys/prctl.h>
#endif

SerialPortLine::~SerialPortLine()
{
    close();
}

bool SerialPortLine::open(const QString& device)
{
    close();
    error_.clear();
    // The lock file is named after the node, so open the node a stable name leads to, as
    // other programs do.
    const QString node = deviceNode(device);
#ifdef Q_OS_UNIX
    // QSerialPort takes over a lock file that names no program as stale, even while its
    // process runs; such a lock still means the device is taken.
    if (const auto holder = PortLock::holderOf(node)) {
        error_ = QStringLiteral("Locked by process %1").arg(holder->pid);
        return false;
    }
#endif
    // QSerialPort opens exclusively: a lock file plus TIOCEXCL on Unix, no sharing on
    // Windows.
    port_.setPortName(node);
    if (!port_.open(QIODevice::ReadWrite)) {
        error_ = port_.errorString();
        return false;
    }
    configure();
    return true;
}

void SerialPortLine::configure()
{
    // The driver's own queues cannot be sized here; bounding what QSerialPort buffers
    // keeps the receive side to the radio's 1024 bytes.
    port_.setReadBufferSize(ReceiveQueueSize);
    // 8N1 without parity checking; QSerialPort always runs the line raw. Flow control
    // stays as QSerialPort opened it.
    port_.setBaudRate(BaudRate);
    port_.setDataBits(QSerialPort::Data8);
    port_.setParity(QSerialPort::NoParity);
    port_.setStopBits(QSerialPort::OneStop);
#ifdef Q_OS_LINUX
    // A USB adapter would hold each answer of the radio up to its latency timer.
    AdapterLatency::requestLowLatency(port_.handle());
#endif
}

void SerialPortLine::close()
{
    if (port_.isOpen())
        port_.close();
}

void SerialPortLine::clear(Clear /*what*/)
{
    // Every write() has already drained, so nothing waits on the transmit side and no
    // write is pending to abort. Flushing the transmit side anyway would be harmful on
    // a pseudo-terminal, where it discards what the other end has not read yet.
    port_.clear(QSerialPort::Input);
}

void SerialPortLine::write(const QByteArray& bytes)
{
    QDeadlineTimer deadline(writeTimeoutMs(static_cast<int>(bytes.size())));
    port_.write(bytes);
    while (port_.bytesToWrite() > 0 && !deadline.hasExpired()) {
        if (!port_.waitForBytesWritten(static_cast<int>(std::max<qint64>(1, deadline.remainingTime()))))
            break;
    }
#ifdef Q_OS_UNIX
    // Wait until the bytes have left the driver, as a clear() must not discard them.
    ::tcdrain(port_.handle());
#endif
}

QByteArray SerialPortLine::read(int count)
{
    QByteArray data;
    QElapsedTimer clock;
    clock.start();
    const qint64 total = readTimeoutMs(count);
    qint64 lastArrival = -1;
    while (data.size() < count) {
        if (port_.bytesAvailable() > 0) {
            data += port_.read(count - data.size());
            lastArrival = clock.elapsed();
            continue;
        }
        qint64 wait = total - clock.elapsed();
        if (lastArrival >= 0)
            wait = std::min(wait, lastArrival + ReadIntervalTimeoutMs - clock.elapsed());
        // waitForReadyRead() returns on the first new bytes, hence the loop.
        if (wait <= 0 || !port_.waitForReadyRead(static_cast<int>(wait)))
            break;
    }
    return data;
}

void SerialPortLine::pause(int ms)
{
#ifdef Q_OS_LINUX
    // The default timer slack (50 us) stretches each 1 ms pause by up to 5 %, and a
    // transfer makes about 170 of them; sharpen it for the pause only.
    const int slack = ::prctl(PR_GET_TIMERSLACK);
    ::prctl(PR_SET_TIMERSLACK, 1UL);
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    if (slack > 0)
        ::prctl(PR_SET_TIMERSLACK, static_cast<unsigned long>(slack));
#else
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
#endif
}
