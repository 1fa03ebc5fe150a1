// The serial devices of the system and why one does not open: the cable table, lock
// files, real opens of pseudo-terminals (held by this process, by a lock file naming
// another process, through a stable name), and the scripted device list.

#include "link/PortLock.h"
#include "link/PortProbe.h"
#include "link/ProgrammingCables.h"
#include "link/ScriptedSerialDevices.h"
#include "link/SerialPortLine.h"
#include "sim/VirtualRadio.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using State = PortStatus::State;

// A pseudo-terminal to open, served by a virtual radio that keeps it up.
struct Terminal {
    VirtualRadio radio{CloneFrames::transferAreaOf(RadioImage::makeNew()), {}};
    Terminal() { radio.start(); }
    QString path() const { return radio.devicePath(); }
};

// Writes a lock file for device into the first lock folder this user may write; its path,
// empty when there is no such folder.
QString writeLockFile(const QString& device, const QByteArray& content)
{
    for (const QString& folder : {QStringLiteral("/var/lock"), QStringLiteral("/run/lock")}) {
        QFile file(QDir(folder).filePath(PortLock::lockFileName(device)));
        if (file.open(QIODevice::WriteOnly) && file.write(content) == content.size())
            return file.fileName();
    }
    return {};
}

} // namespace

class TestSerialDevices : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cables_data();
    void cables();
    void lockFileName_data();
    void lockFileName();
    void parseLockFile_data();
    void parseLockFile();
    void probeAbsentAndFree();
    void probeHeldByThisProcess();
    void probeLockFileOfAnotherProcess_data();
    void probeLockFileOfAnotherProcess();
    void stableNameLocksTheNode();
    void probeNoPermission();
    void holderNameIsTakenLiterally();
    void scriptedStatuses();
    void scriptedListFromJson();
};

void TestSerialDevices::cables_data()
{
    QTest::addColumn<int>("vendor");
    QTest::addColumn<int>("product");
    QTest::addColumn<QString>("chip");
    QTest::addColumn<QString>("usbId");
    QTest::newRow("CH340") << 0x1a86 << 0x7523 << "WCH CH340"
                           << "1a86:7523";
    QTest::newRow("CH341") << 0x1a86 << 0x5523 << "WCH CH341"
                           << "1a86:5523";
    QTest::newRow("PL2303") << 0x067b << 0x2303 << "Prolific PL2303"
                            << "067b:2303";
    QTest::newRow("PL2303GC") << 0x067b << 0x23a3 << "Prolific PL2303GC"
                              << "067b:23a3";
    QTest::newRow("CP210x") << 0x10c4 << 0xea60 << "Silicon Labs CP210x"
                            << "10c4:ea60";
    QTest::newRow("FT232R") << 0x0403 << 0x6001 << "FTDI FT232R"
                            << "0403:6001";
    QTest::newRow("FT-X") << 0x0403 << 0x6015 << "FTDI FT-X"
                          << "0403:6015";
    QTest::newRow("a dual FTDI chip is no cable") << 0x0403 << 0x6010 << QString() << "0403:6010";
    QTest::newRow("a modem") << 0x1bc7 << 0x1201 << QString() << "1bc7:1201";
    QTest::newRow("no USB ids") << -1 << -1 << QString() << QString();
}

void TestSerialDevices::cables()
{
    QFETCH(int, vendor);
    QFETCH(int, product);
    QFETCH(QString, chip);
    QFETCH(QString, usbId);
    SerialDeviceInfo device;
    device.path = QStringLiteral("/dev/ttyUSB0");
    if (vendor >= 0) {
        device.vendorId = static_cast<quint16>(vendor);
        device.productId = static_cast<quint16>(product);
    }
    const ProgrammingCables::Chip* found = ProgrammingCables::chipOf(device);
    QCOMPARE(found ? QString::fromLatin1(found->name) : QString(), chip);
    QCOMPARE(device.usbId(), usbId);
    QCOMPARE(ProgrammingCables::among({device}).size(), chip.isEmpty() ? 0 : 1);
}

void TestSerialDevices::lockFileName_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<QString>("name");
    QTest::newRow("USB") << "/dev/ttyUSB0"
                         << "LCK..ttyUSB0";
    QTest::newRow("pseudo-terminal") << "/dev/pts/3"
                                     << "LCK..pts_3";
}

void TestSerialDevices::lockFileName()
{
    QFETCH(QString, device);
    QFETCH(QString, name);
    QCOMPARE(PortLock::lockFileName(device), name);
}

void TestSerialDevices::parseLockFile_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<qint64>("pid");
    QTest::addColumn<QString>("program");
    QTest::newRow("written by QSerialPort")
        << QByteArray("23633\nxr970-cli\nhost\nboot-id\n") << qint64(23633) << "xr970-cli";
    QTest::newRow("a terminal program's")
        << QByteArray("      1234 minicom alice\n") << qint64(1234) << "minicom";
    QTest::newRow("only the id") << QByteArray("      77\n") << qint64(77) << QString();
    QTest::newRow("binary id") << QByteArray("\x10\x27\0\0", 4) << qint64(0) << QString();
    QTest::newRow("empty") << QByteArray() << qint64(0) << QString();
}

void TestSerialDevices::parseLockFile()
{
    QFETCH(QByteArray, content);
    QFETCH(qint64, pid);
    QFETCH(QString, program);
    const std::optional<PortLock::Holder> holder = PortLock::parseLockFile(content);
    QCOMPARE(holder ? holder->pid : 0, pid);
    QCOMPARE(holder ? holder->program : QString(), program);
}

void TestSerialDevices::probeAbsentAndFree()
{
    QCOMPARE(probePort(QStringLiteral("/dev/xr970-no-such-device")).state, State::Absent);
    Terminal terminal;
    QCOMPARE(probePort(terminal.path()).state, State::Ok);
    // The probe leaves nothing behind: the line opens afterwards.
    SerialPortLine line;
    QVERIFY(line.open(terminal.path()));
}

void TestSerialDevices::probeHeldByThisProcess()
{
    Terminal terminal;
    SerialPortLine holder;
    QVERIFY(holder.open(terminal.path()));
    const PortStatus status = probePort(terminal.path());
    QCOMPARE(status.state, State::InUse);
    QCOMPARE(status.holder, QCoreApplication::applicationName());
    QCOMPARE(status.holderPid, QCoreApplication::applicationPid());
    holder.close();
    QCOMPARE(probePort(terminal.path()).state, State::Ok);
}

void TestSerialDevices::probeLockFileOfAnotherProcess_data()
{
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<bool>("running");
    QTest::addColumn<QString>("holder");
    QTest::newRow("id only: the system names the program") << QByteArray("%1\n") << true << "sleep";
    QTest::newRow("the file names the program") << QByteArray("%1 minicom root\n") << true << "minicom";
    QTest::newRow("left behind by an ended process") << QByteArray("%1\n") << false << QString();
}

void TestSerialDevices::probeLockFileOfAnotherProcess()
{
    QFETCH(QByteArray, format);
    QFETCH(bool, running);
    QFETCH(QString, holder);
    QProcess other;
    other.start(QStringLiteral("sleep"), {QStringLiteral("30")});
    QVERIFY(other.waitForStarted());
    const qint64 pid = other.processId();
    if (!running) {
        other.kill();
        other.waitForFinished();
    }
    Terminal terminal;
    const QString lock = writeLockFile(terminal.path(), QString::fromLatin1(format).arg(pid, 10).toLatin1());
    if (lock.isEmpty())
        QSKIP("no lock folder is writable here");
    const auto removeLock = qScopeGuard([&lock] { QFile::remove(lock); });
    const PortStatus status = probePort(terminal.path());
    if (!running) {
        QCOMPARE(status.state, State::Ok);
        return;
    }
    QCOMPARE(status.state, State::InUse);
    QCOMPARE(status.holder, holder);
    QCOMPARE(status.holderPid, pid);
    // The transfer's open is refused too, and the reason is the same.
    SerialPortLine line;
    QVERIFY(!line.open(terminal.path()));
    other.kill();
    other.waitForFinished();
}

void TestSerialDevices::stableNameLocksTheNode()
{
    Terminal terminal;
    QTemporaryDir byId;
    const QString stable = byId.filePath(QStringLiteral("usb-Test_Cable-if00-port0"));
    QVERIFY(QFile::link(terminal.path(), stable));
    SerialPortLine holder;
    QVERIFY(holder.open(stable));
    // Programs that open the node see the lock.
    QCOMPARE(probePort(terminal.path()).state, State::InUse);
    SerialPortLine second;
    QVERIFY(!second.open(terminal.path()));
    QCOMPARE(probePort(stable).state, State::InUse);
}

void TestSerialDevices::probeNoPermission()
{
    if (::geteuid() == 0)
        QSKIP("root opens any device whatever its mode; test_cli_link tries this as another user");
    Terminal terminal;
    QVERIFY(::chmod(terminal.path().toLocal8Bit().constData(), 0) == 0);
    const PortStatus status = probePort(terminal.path());
    QCOMPARE(status.state, State::NoPermission);
    QCOMPARE(status.user, currentUserName());
    QVERIFY(status.group.isEmpty()); // no group may, so none is named
}

void TestSerialDevices::holderNameIsTakenLiterally()
{
    PortStatus status = PortStatus::of(State::InUse);
    status.holder = QStringLiteral("odd%2name");
    status.holderPid = 7;
    QCOMPARE(portStatusText(status, QStringLiteral("/dev/ttyUSB0"), Language::English),
             QStringLiteral("/dev/ttyUSB0 is in use by another program: odd%2name (process 7). Close that "
                            "program, then try again."));
}

void TestSerialDevices::scriptedStatuses()
{
    Terminal terminal;
    ScriptedSerialDevices devices;
    SerialDeviceInfo cable;
    cable.path = QStringLiteral("/dev/ttyUSB9");
    cable.stableName = QStringLiteral("/dev/serial/by-id/usb-cable");
    SerialDeviceInfo builtIn;
    builtIn.path = QStringLiteral("/dev/ttyS9");
    devices.setDevices({cable, builtIn});
    devices.setStatus(cable.path, PortStatus::of(State::InUse));
    QCOMPARE(devices.present().front().path, QStringLiteral("/dev/ttyS9")); // ordered by path
    QCOMPARE(devices.status(cable.stableName).state, State::InUse);
    QCOMPARE(devices.status(builtIn.path).state, State::Ok);
    QCOMPARE(devices.status(QStringLiteral("/dev/ttyS0")).state, State::Absent); // never opened
    QCOMPARE(devices.status(terminal.path()).state, State::Ok);                  // a real open
    SerialPortLine holder;
    QVERIFY(holder.open(terminal.path()));
    QCOMPARE(devices.status(terminal.path()).state, State::InUse);
    QCOMPARE(devices.whyNotOpened(terminal.path(), QStringLiteral("x")).state, State::InUse);
    holder.close();
    // Open again by now: the transfer's own failure stands.
    const PortStatus why = devices.whyNotOpened(terminal.path(), QStringLiteral("Input/output error"));
    QCOMPARE(why.state, State::Failed);
    QCOMPARE(why.systemText, QStringLiteral("Input/output error"));
}

void TestSerialDevices::scriptedListFromJson()
{
    QString error;
    QVERIFY(!ScriptedSerialDevices::fromJson("{\"path\": 1}", &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!ScriptedSerialDevices::fromJson("[{", &error));

    const auto devices = ScriptedSerialDevices::fromJson(R"([
        {"path": "/dev/ttyUSB0", "stableName": "/dev/serial/by-id/usb-x", "description": "USB Serial",
         "manufacturer": "QinHeng", "serialNumber": "A1", "vendorId": "1a86", "productId": "7523",
         "state": "no permission", "group": "dialout"},
        {"path": "/dev/ttyUSB1", "state": "in use", "holder": "minicom", "pid": 42},
        {"description": "no path: left out"},
        {"path": "/dev/ttyS0", "vendorId": "xyz"}
    ])",
                                                         &error);
    QVERIFY2(devices, qPrintable(error));
    const QList<SerialDeviceInfo> present = devices->present();
    QCOMPARE(present.size(), 3);
    const SerialDeviceInfo& cable = present[1];
    QCOMPARE(cable.openName(), QStringLiteral("/dev/serial/by-id/usb-x"));
    QCOMPARE(cable.usbId(), QStringLiteral("1a86:7523"));
    QVERIFY(ProgrammingCables::isLikelyCable(cable));
    const PortStatus denied = devices->status(QStringLiteral("/dev/serial/by-id/usb-x"));
    QCOMPARE(denied.state, State::NoPermission);
    QCOMPARE(denied.group, QStringLiteral("dialout"));
    QCOMPARE(denied.user, currentUserName());
    const PortStatus held = devices->status(QStringLiteral("/dev/ttyUSB1"));
    QCOMPARE(held.holder, QStringLiteral("minicom"));
    QCOMPARE(held.holderPid, qint64(42));
    QCOMPARE(present[0].usbId(), QString()); // bad ids are none
    QCOMPARE(devices->status(QStringLiteral("/dev/ttyS0")).state, State::Ok);
}

QTEST_GUILESS_MAIN(TestSerialDevices)
#include "test_serialdevices.moc"
