#pragma once

#include <QByteArray>
#include <QString>

// What a read gave: the bytes, or on failure why there are none.
struct ReadResult {
    bool ok = false;
    QByteArray bytes;
    QString errorText; // the system's reason, or why the file is no file to read
};

// Every file the program reads goes through here. Only a regular file is read: a FIFO, a
// device, a folder or a socket is refused at once with the reason, as a FIFO without a
// writer or a terminal would keep the program waiting for ever, and opening a serial
// device disturbs what is attached to it. The type is checked before the open and again
// on the descriptor, which is opened without waiting, so a name swapped for a FIFO in
// between cannot block either. At most maxBytes are read: a caller that must tell a file
// too large asks for one byte more than it takes.
ReadResult readRegularFile(const QString& path, qint64 maxBytes);
