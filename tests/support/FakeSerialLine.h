#pragma once

#include "link/SerialLine.h"

#include <QByteArray>
#include <QStringList>
#include <functional>

class RadioProtocol;

// A serial line with a scripted radio behind it and no real waiting. It logs every
// call the transfer makes, one line each ("open DEV", "clear", "abort",
// "write 52 00 08 08", "read 12 -> 11", "pause 1", "close"), so tests can check the
// exact byte stream and its pacing.
//
// What the radio answers to a write arrives a moment later, at the next pause() or
// read(), like on a real line: a clear() right after a write cannot discard the answer.
class FakeSerialLine final : public SerialLine {
public:
    // Gets the bytes of one write, returns the radio's answer to them.
    using Radio = std::function<QByteArray(const QByteArray& written)>;

    explicit FakeSerialLine(Radio radio);
    // A radio driven by a protocol machine that outlives the line.
    static Radio answeringWith(RadioProtocol& protocol);

    bool open(const QString& device) override;
    void close() override;
    bool isOpen() const override { return open_; }
    QString errorString() const override
    {
        return failOpen ? QStringLiteral("No such file or directory") : QString();
    }
    void clear(Clear what) override;
    void write(const QByteArray& bytes) override;
    QByteArray read(int count) override;
    void pause(int ms) override;

    // Adds a line of the test's own (a poll point, a progress step) to the log.
    void note(const QString& line) { log.append(line); }

    QStringList log;
    bool failOpen = false;

private:
    void deliver();

    Radio radio_;
    QByteArray inFlight_;
    QByteArray received_;
    bool open_ = false;
};

// "52 00 08 08"
QString hexBytes(const QByteArray& bytes);
