#include "support/FakeSerialLine.h"

#include "sim/RadioProtocol.h"

#include <utility>

QString hexBytes(const QByteArray& bytes)
{
    return QString::fromLatin1(bytes.toHex(' ')).toUpper();
}

FakeSerialLine::FakeSerialLine(Radio radio) : radio_(std::move(radio)) {}

FakeSerialLine::Radio FakeSerialLine::answeringWith(RadioProtocol& protocol)
{
    return [&protocol](const QByteArray& written) {
        QByteArray answer;
        for (const char byte : written)
            answer += protocol.receive(static_cast<std::uint8_t>(byte)).bytes;
        return answer;
    };
}

bool FakeSerialLine::open(const QString& device)
{
    log.append(QStringLiteral("open ") + device);
    open_ = !failOpen;
    return open_;
}

void FakeSerialLine::close()
{
    if (open_)
        log.append(QStringLiteral("close"));
    open_ = false;
}

void FakeSerialLine::clear(Clear what)
{
    log.append(what == Clear::Buffers ? QStringLiteral("clear") : QStringLiteral("abort"));
    received_.clear();
}

void FakeSerialLine::write(const QByteArray& bytes)
{
    log.append(QStringLiteral("write ") + hexBytes(bytes));
    inFlight_ += radio_(bytes);
}

QByteArray FakeSerialLine::read(int count)
{
    deliver();
    const QByteArray data = received_.left(count);
    received_.remove(0, data.size());
    log.append(QStringLiteral("read %1 -> %2").arg(count).arg(data.size()));
    return data;
}

void FakeSerialLine::pause(int ms)
{
    log.append(QStringLiteral("pause %1").arg(ms));
    deliver();
}

void FakeSerialLine::deliver()
{
    received_ += inFlight_;
    inFlight_.clear();
}
