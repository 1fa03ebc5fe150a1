#pragma once

#include <QByteArray>
#include <QString>

// The PC's end of the programming cable, as the clone transfer uses it: an exclusive
// 9600-baud 8N1 raw line with fixed read time-outs. One implementation drives a real
// serial device; tests script a fake one.
class SerialLine {
public:
    // What clear() discards.
    enum class Clear {
        Buffers,        // received bytes and bytes not yet handed to the line
        AbortAndBuffers // the same, after aborting any pending read or write
    };

    static constexpr int BaudRate = 9600;
    static constexpr int ReceiveQueueSize = 1024;
    static constexpr int TransmitQueueSize = 512;
    static constexpr int ReadIntervalTimeoutMs = 30; // longest gap between two received bytes
    static constexpr int ReadTimeoutPerByteMs = 50;
    static constexpr int ReadTimeoutConstantMs = 90;
    static constexpr int WriteTimeoutPerByteMs = 50;
    static constexpr int WriteTimeoutConstantMs = 50;

    // Total time a read of count bytes may take: 140 ms for one byte, 690 ms for 12.
    static constexpr int readTimeoutMs(int count)
    {
        return ReadTimeoutPerByteMs * count + ReadTimeoutConstantMs;
    }
    static constexpr int writeTimeoutMs(int count)
    {
        return WriteTimeoutPerByteMs * count + WriteTimeoutConstantMs;
    }

    SerialLine() = default;
    virtual ~SerialLine() = default;
    SerialLine(const SerialLine&) = delete;
    SerialLine& operator=(const SerialLine&) = delete;

    // Opens an existing device for this program alone and sets it up. False when the
    // device is missing or held by someone else; errorString() then says why.
    virtual bool open(const QString& device) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    virtual QString errorString() const = 0;

    virtual void clear(Clear what) = 0;
    // Returns once the bytes have been handed to the line, so that a clear() right
    // afterwards cannot discard them.
    virtual void write(const QByteArray& bytes) = 0;
    // Up to count bytes: returns when count bytes have arrived, when no further byte
    // came for ReadIntervalTimeoutMs after one arrived, or after readTimeoutMs(count).
    // Fewer bytes than asked for is no error.
    virtual QByteArray read(int count) = 0;
    // Keeps the line idle for ms milliseconds: the pacing the radio needs.
    virtual void pause(int ms) = 0;
};
