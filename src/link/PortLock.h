#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// The lock files through which serial programs (this one through QSerialPort, terminal
// programs, modem tools) tell each other that a device is taken: LCK..<name> in one of
// the usual lock folders, holding the taker's process id.
namespace PortLock {

struct Holder {
    qint64 pid = 0;
    QString program; // empty when neither the process nor the file names it
};

// "LCK..ttyUSB0" for /dev/ttyUSB0, "LCK..pts_3" for /dev/pts/3: the name QSerialPort uses.
QString lockFileName(const QString& deviceNode);

// The process id and program a lock file names: the id first (as text, the common form),
// then the program on the same line or the next one. Nothing for a file without an id.
std::optional<Holder> parseLockFile(const QByteArray& content);

// The running program that holds the lock of deviceNode, if any; a lock left behind by
// a process that has ended counts as none. The program's name comes from the file, else
// from the system.
std::optional<Holder> holderOf(const QString& deviceNode);

} // namespace PortLock
