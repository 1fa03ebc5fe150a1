#pragma once

#include "link/SerialLine.h"

#include <QSerialPort>

// The serial line on a real device (or a pseudo-terminal), through QSerialPort.
class SerialPortLine final : public SerialLine {
public:
    SerialPortLine() = default;
    ~SerialPortLine() override;

    bool open(const QString& device) override;
    void close() override;
    bool isOpen() const override { return port_.isOpen(); }
    QString errorString() const override { return error_; }

    void clear(Clear what) override;
    void write(const QByteArray& bytes) override;
    QByteArray read(int count) override;
    void pause(int ms) override;

private:
    void configure();

    QSerialPort port_;
    QString error_;
};
