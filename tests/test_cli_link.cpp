#include "document/ChannelFile.h"
#include "link/PortProbe.h"
#include "link/SerialPortLine.h"

#include "support/CliRun.h"
#include "support/SampleImage.h"

#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <fcntl.h>
#include <grp.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// xr970-cli with a scripted device list instead of this system's serial devices.
QProcessEnvironment withDeviceList(const QString& listFile)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XR970_SERIAL_DEVICES"), listFile);
    return environment;
}

QString writeDeviceList(const QTemporaryDir& dir, const QByteArray& json)
{
    QFile file(dir.filePath(QStringLiteral("devices.json")));
    if (!file.open(QIODevice::WriteOnly) || file.write(json) != json.size())
        return {};
    return file.fileName();
}

// A device list entry: the programming cable on path.
QByteArray cableEntry(const QString& path, const QString& stableName = {})
{
    return QStringLiteral(R"({"path": "%1", "stableName": "%2", "description": "USB Serial",
        "manufacturer": "QinHeng", "serialNumber": "A1", "vendorId": "1a86", "productId": "7523"})")
        .arg(path, stableName)
        .toUtf8();
}

} // namespace

class TestCliLink : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void writeThenReadRoundTrip();
    void failures_data();
    void failures();
    void refusedConfirmationRetried();
    void portMessagesSayWhy_data();
    void portMessagesSayWhy();
    void noPermissionAsAnotherUser();
    void heldWithoutLockFileAsAnotherUser();
    void portsListsSlotsAndDevices();
    void portAuto_data();
    void portAuto();
    void fleet_data();
    void fleet();

private:
    QTemporaryDir dir_;
};

void TestCliLink::writeThenReadRoundTrip()
{
    const RadioImage image = patternImage();
    const QString original = dir_.filePath(QStringLiteral("original.dat"));
    const QString copy = dir_.filePath(QStringLiteral("copy.dat"));
    QVERIFY(ChannelFile::save(original, image).ok());

    CliSimulator radio({QStringLiteral("--variant-byte"), QStringLiteral("0xF5")});
    QVERIFY(radio.device().startsWith(QStringLiteral("/dev/")));
    const CliRun written = runCli({"write", "--port", radio.device(), original});
    QCOMPARE(written.exitCode, 0);
    QVERIFY(written.err.isEmpty());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), dir_.filePath(QStringLiteral("data")));
    const CliRun read =
        runCli({"read", "--port", radio.device(), "-o", copy, "--base", original}, environment);
    QCOMPARE(read.exitCode, 0);
    const QStringList lines = read.out.split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines[0], QStringLiteral("variant: transmit-only"));
    const QString kept = lines[1].mid(QStringLiteral("history: ").size());
    QVERIFY2(lines[1].startsWith(QStringLiteral("history: ") +
                                 dir_.filePath(QStringLiteral("data/xr970/xr970/history/"))),
             qPrintable(lines[1]));
    QVERIFY2(kept.endsWith(QStringLiteral("Z_transmit-only.dat")), qPrintable(kept));

    QFile a(original);
    QFile b(copy);
    QFile c(kept);
    QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly) && c.open(QIODevice::ReadOnly));
    const QByteArray bytes = a.readAll();
    QCOMPARE(b.readAll(), bytes);
    QCOMPARE(c.readAll(), bytes); // the history keeps the image read, byte for byte
    QCOMPARE(radio.interrupt(), 0);
}

void TestCliLink::failures_data()
{
    QTest::addColumn<QStringList>("simulate");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");
    QTest::newRow("no such port") << QStringList{} << QStringList{"--port", "/dev/xr970-absent"} << 4
                                  << "Could not Open the Port,Please check whether the Port are "
                                     "occupied or the device are ok";
    QTest::newRow("no answer, one retry")
        << QStringList{"--fault", "no-wakeup"} << QStringList{"--retries", "1"} << 5
        << "Communication Error,Please check all the connections and the radio power";
    QTest::newRow("refused confirmation, retries used up")
        << QStringList{"--fault", "refuse-confirm=3"} << QStringList{"--retries", "2"} << 5
        << "Communication Error,Please check all the connections and the radio power";
    QTest::newRow("missing acknowledgement") << QStringList{"--fault", "no-ack=2"} << QStringList{} << 6
                                             << "Program Interrupt, Please reset the radio and try again";
    QTest::newRow("another radio")
        << QStringList{"--id-byte2", "0x34"} << QStringList{} << 7
        << "Becuase the type of radio does not match,\ncommunications is interrupt.";
}

void TestCliLink::failures()
{
    QFETCH(QStringList, simulate);
    QFETCH(QStringList, options);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    CliSimulator radio(simulate);
    QStringList arguments{"read", "-o", dir_.filePath(QStringLiteral("failed.dat"))};
    if (!options.contains(QStringLiteral("--port")))
        arguments << "--port" << radio.device();
    const CliRun run = runCli(arguments + options);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(run.err.startsWith(message), qPrintable(run.err));
    QVERIFY(run.out.isEmpty());
    QVERIFY(!QFile::exists(dir_.filePath(QStringLiteral("failed.dat"))));
}

// Each refused confirmation counts against --retries, as a missing wake-up answer does.
void TestCliLink::refusedConfirmationRetried()
{
    CliSimulator radio({QStringLiteral("--fault"), QStringLiteral("refuse-confirm=2")});
    const QString copy = dir_.filePath(QStringLiteral("retried.dat"));
    const CliRun run = runCli({"read", "--port", radio.device(), "-o", copy, "--retries", "2"});
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    QVERIFY2(run.out.startsWith(QStringLiteral("variant: receive-only\nhistory: ")), qPrintable(run.out));
    QVERIFY2(run.err.contains(QStringLiteral("(retry 1 of 2)")), qPrintable(run.err));
    QVERIFY2(run.err.contains(QStringLiteral("(retry 2 of 2)")), qPrintable(run.err));
    QVERIFY(QFile::exists(copy));
}

void TestCliLink::portMessagesSayWhy_data()
{
    QTest::addColumn<bool>("held");
    QTest::addColumn<QString>("reason");
    QTest::newRow("absent") << false << "/dev/xr970-absent is not present (no such device).";
    QTest::newRow("held by the program")
        << true
        << QStringLiteral("is in use by another program: test_cli_link (process %1).")
               .arg(QCoreApplication::applicationPid());
}

void TestCliLink::portMessagesSayWhy()
{
    QFETCH(bool, held);
    QFETCH(QString, reason);
    CliSimulator radio({});
    SerialPortLine program; // the program reading while the command line tries
    const QString device = held ? radio.device() : QStringLiteral("/dev/xr970-absent");
    if (held)
        QVERIFY(program.open(device));
    const CliRun run = runCli({"read", "--port", device, "-o", dir_.filePath(QStringLiteral("held.dat"))});
    QCOMPARE(run.exitCode, 4);
    QVERIFY2(run.err.startsWith(QStringLiteral("Could not Open the Port,")), qPrintable(run.err));
    QVERIFY2(run.err.contains(reason), qPrintable(run.err));
    QVERIFY2(!run.err.contains(QStringLiteral("ermission")), qPrintable(run.err));
}

void TestCliLink::noPermissionAsAnotherUser()
{
    CliSimulator radio({});
    const QByteArray node = radio.device().toLocal8Bit();
    const group* dialout = ::getgrnam("dialout");
    QStringList launcher;
    QString user = currentUserName();
    if (::geteuid() == 0) {
        // Root opens anything: run the command line as nobody, on a terminal that only
        // the group dialout may use.
        if (QStandardPaths::findExecutable(QStringLiteral("setpriv")).isEmpty() || !dialout)
            QSKIP("needs setpriv and the group dialout to try as another user");
        QVERIFY(::chown(node.constData(), 0, dialout->gr_gid) == 0 && ::chmod(node.constData(), 0660) == 0);
        launcher = QStringList{"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"};
        user = QStringLiteral("nobody");
    } else {
        QVERIFY(::chmod(node.constData(), 0) == 0);
    }
    const CliRun run =
        runCli({"read", "--port", radio.device(), "-o", QStringLiteral("/tmp/xr970-never.dat")},
               QProcessEnvironment::systemEnvironment(), launcher);
    QCOMPARE(run.exitCode, 4);
    QVERIFY2(run.err.contains(QStringLiteral("You have no permission to open ") + radio.device()),
             qPrintable(run.err));
    if (!launcher.isEmpty()) {
        QVERIFY2(run.err.contains(QStringLiteral("It belongs to the group \"dialout\"; add your user to that "
                                                 "group with\n    sudo usermod -aG dialout ") +
                                  user + QStringLiteral("\nThe change takes effect at your next login.")),
                 qPrintable(run.err));
    }
}

void TestCliLink::heldWithoutLockFileAsAnotherUser()
{
    if (::geteuid() != 0 || QStandardPaths::findExecutable(QStringLiteral("setpriv")).isEmpty())
        QSKIP("needs root and setpriv to hand the terminal to another user");
    CliSimulator radio({});
    const QByteArray node = radio.device().toLocal8Bit();
    // A program that takes the terminal for itself (TIOCEXCL) and writes no lock file;
    // the terminal is nobody's, so only that holds nobody back.
    const int held = ::open(node.constData(), O_RDWR | O_NOCTTY);
    QVERIFY(held >= 0);
    const auto release = qScopeGuard([held] { ::close(held); });
    QVERIFY(::ioctl(held, TIOCEXCL) == 0);
    QVERIFY(::chown(node.constData(), 65534, 65534) == 0);
    const CliRun run =
        runCli({"read", "--port", radio.device(), "-o", QStringLiteral("/tmp/xr970-never.dat")},
               QProcessEnvironment::systemEnvironment(),
               {"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"});
    QCOMPARE(run.exitCode, 4);
    QVERIFY2(
        run.err.contains(radio.device() + QStringLiteral(" is in use by another program. Close the program "
                                                         "that uses it, then try again.")),
        qPrintable(run.err));
}

void TestCliLink::portsListsSlotsAndDevices()
{
    CliSimulator radio({});
    QTemporaryDir byId;
    const QString stable = byId.filePath(QStringLiteral("usb-1a86_USB_Serial_A1-if00-port0"));
    QVERIFY(QFile::link(radio.device(), stable));
    const QString list = writeDeviceList(dir_, "[" + cableEntry(radio.device(), stable) + R"(,
        {"path": "/dev/ttyUSB0", "description": "Modem", "state": "in use", "holder": "minicom", "pid": 4242},
        {"path": "/dev/ttyS4", "state": "no permission", "group": "dialout"}])");
    const CliRun run = runCli({"ports"}, withDeviceList(list));
    QCOMPARE(run.exitCode, 0);
    const QStringList lines = run.out.split(QLatin1Char('\n'));
    QCOMPARE(lines.mid(0, 2), (QStringList{"COM1\t/dev/ttyUSB0\tin use", "COM2\t/dev/ttyUSB1\tabsent"}));
    QCOMPARE(lines[8], QStringLiteral("COM9\t/dev/ttyS0\tabsent")); // not listed: never opened
    QCOMPARE(lines[15], QStringLiteral("COM16\t/dev/ttyS7\tabsent"));
    QCOMPARE(
        lines.mid(16, 4),
        (QStringList{
            radio.device() + "\tUSB Serial, QinHeng, 1a86:7523, serial A1\tok\tcable (WCH CH340)\t" + stable,
            "/dev/ttyS4\t\tno permission\t\t", "/dev/ttyUSB0\tModem\tin use\t\t", "--port auto: " + stable}));
    QVERIFY2(run.out.contains(
                 QStringLiteral("/dev/ttyUSB0 is in use by another program: minicom (process 4242).")),
             qPrintable(run.out));
    QVERIFY2(run.out.contains(QStringLiteral("sudo usermod -aG dialout ") + currentUserName()),
             qPrintable(run.out));
    QCOMPARE(run.out.count(QStringLiteral("minicom")), 1); // once, though COM1 is the same device

    const CliRun chinese = runCli({"ports", "--lang", "zh"}, withDeviceList(list));
    QVERIFY2(chinese.out.startsWith(QStringLiteral("COM1\t/dev/ttyUSB0\t被占用\n")), qPrintable(chinese.out));
    QVERIFY2(chinese.out.contains(QStringLiteral("写频线（WCH CH340）")), qPrintable(chinese.out));
}

void TestCliLink::portAuto_data()
{
    QTest::addColumn<int>("cables"); // besides a built-in port
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QStringList>("listed");
    QTest::newRow("one cable") << 1 << 0 << QStringList{};
    QTest::newRow("no cable") << 0 << 4 << QStringList{"no programming cable found", "/dev/ttyS4"};
    QTest::newRow("two cables") << 2 << 4 << QStringList{"several programming cables found", "/dev/ttyUSB5"};
}

void TestCliLink::portAuto()
{
    QFETCH(int, cables);
    QFETCH(int, exitCode);
    QFETCH(QStringList, listed);
    CliSimulator radio({});
    QByteArray json = R"([{"path": "/dev/ttyS4"})";
    if (cables > 0)
        json += "," + cableEntry(radio.device());
    if (cables > 1)
        json += "," + cableEntry(QStringLiteral("/dev/ttyUSB5"));
    const QString list = writeDeviceList(dir_, json + "]");
    const QString out = dir_.filePath(QStringLiteral("auto.dat"));
    QFile::remove(out);
    const CliRun run = runCli({"read", "--port", "auto", "-o", out}, withDeviceList(list));
    QCOMPARE(run.exitCode, exitCode);
    QCOMPARE(QFile::exists(out), exitCode == 0);
    if (exitCode == 0)
        QCOMPARE(run.err,
                 QStringLiteral("--port auto: using %1 (USB Serial, QinHeng, 1a86:7523, serial A1)\n")
                     .arg(radio.device()));
    if (cables > 1)
        QVERIFY2(run.err.contains(radio.device()), qPrintable(run.err));
    for (const QString& part : listed)
        QVERIFY2(run.err.contains(part), qPrintable(run.err));
}

// The bench on the command line: a line per radio, the log, the exit status.
void TestCliLink::fleet_data()
{
    QTest::addColumn<QStringList>("simulate");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QStringList>("results"); // the fourth field of each line, in turn
    QTest::newRow("verified") << QStringList{"--radios", "2"} << QStringList{"--count", "2"} << 0
                              << QStringList{"verified", "verified"};
    QTest::newRow("another variant refused")
        << QStringList{"--radios", "2", "--variant-bytes", "0xFF,0xF5"} << QStringList{"--count", "2"} << 10
        << QStringList{"verified", "refused"};
    QTest::newRow("port missing") << QStringList{} << QStringList{"--port", "/dev/xr970-absent"} << 4
                                  << QStringList{};
    QTest::newRow("no count") << QStringList{} << QStringList{"--count", "0"} << 2 << QStringList{};
}

void TestCliLink::fleet()
{
    QFETCH(QStringList, simulate);
    QFETCH(QStringList, options);
    QFETCH(int, exitCode);
    QFETCH(QStringList, results);
    const QString plan = dir_.filePath(QStringLiteral("plan.dat"));
    const QString log = dir_.filePath(QStringLiteral("fleet.csv"));
    QFile::remove(log);
    QVERIFY(ChannelFile::save(plan, patternImage()).ok());
    CliSimulator radio(simulate);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    const QString data = dir_.filePath(QStringLiteral("fleet-data"));
    QDir(data).removeRecursively();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), data);
    QStringList arguments{"fleet", plan, "--log", log};
    if (!options.contains(QStringLiteral("--port")))
        arguments << "--port" << radio.device();
    const CliRun run = runCli(arguments + options, environment);
    QCOMPARE(run.exitCode, exitCode);
    if (exitCode == 4)
        QVERIFY2(run.err.contains(QStringLiteral("/dev/xr970-absent")), qPrintable(run.err));
    const QStringList lines = run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), results.size());
    for (int n = 0; n < lines.size(); ++n) {
        const QStringList fields = lines[n].split(QLatin1Char('\t'));
        QCOMPARE(fields.size(), 6);
        QCOMPARE(fields[0], radio.device());
        QCOMPARE(fields[1], QString::number(n + 1));
        QCOMPARE(fields[3], results[n]);
        QCOMPARE(fields[5].startsWith(data + QStringLiteral("/xr970/xr970/history/")),
                 results[n] != "refused");
    }
    QFile written(log);
    QCOMPARE(written.open(QIODevice::ReadOnly), !results.isEmpty());
    if (written.isOpen())
        QCOMPARE(written.readAll().count('\n'), results.size() + 1); // the header, a row per radio
    QCOMPARE(QDir(data + QStringLiteral("/xr970/xr970/fleet")).entryList(QDir::Files).size(),
             results.isEmpty() ? 0 : 1);
}

QTEST_GUILESS_MAIN(TestCliLink)
#include "test_cli_link.moc"
