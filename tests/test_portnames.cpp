#include "config/SettingsKey.h"
#include "link/PortNames.h"
#include "session/AppContext.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestPortNames : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void portName_data();
    void portName();
    void deviceFor_data();
    void deviceFor();
    void numberAfterM_data();
    void numberAfterM();
    void loadStoredNumber_data();
    void loadStoredNumber();
    void storeThenLoad();
    void storedDeviceComesBack();

private:
    QTemporaryDir dir_;
    AppContext context_;
};

void TestPortNames::initTestCase()
{
    QVERIFY(dir_.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir_.path());
    const QString ini = dir_.filePath(QStringLiteral("Program.ini"));
    QFile file(ini);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[Setup]\r\nAppName=Port Test\r\n[Ports]\r\nCOM3=/tmp/xr970-cable\r\nCOM12= \r\n");
    file.close();
    QVERIFY(context_.config().load(ini));
}

void TestPortNames::portName_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("name");
    QTest::newRow("1") << 1 << "COM1";
    QTest::newRow("9 keeps the plain form") << 9 << "COM9";
    QTest::newRow("10 takes the device form") << 10 << "\\\\.\\COM10";
    QTest::newRow("16") << 16 << "\\\\.\\COM16";
}

void TestPortNames::portName()
{
    QFETCH(int, number);
    QFETCH(QString, name);
    QCOMPARE(PortNames::portName(number), name);
}

void TestPortNames::deviceFor_data()
{
    QTest::addColumn<QString>("port");
    QTest::addColumn<QString>("device");
    QTest::newRow("COM1 default") << "COM1"
                                  << "/dev/ttyUSB0";
    QTest::newRow("COM3 from [Ports]") << "COM3"
                                       << "/tmp/xr970-cable";
    QTest::newRow("com4, any case") << "com4"
                                    << "/dev/ttyUSB3";
    QTest::newRow("COM5") << "COM5"
                          << "/dev/ttyACM0";
    QTest::newRow("COM8") << "COM8"
                          << "/dev/ttyACM3";
    QTest::newRow("COM9") << "COM9"
                          << "/dev/ttyS0";
    QTest::newRow("device form of 12, blank slot") << "\\\\.\\COM12"
                                                   << "/dev/ttyS3";
    QTest::newRow("COM16") << "COM16"
                           << "/dev/ttyS7";
    QTest::newRow("COM17 is no port name") << "COM17"
                                           << "COM17";
    QTest::newRow("COM0 is no port name") << "COM0"
                                          << "COM0";
    QTest::newRow("a path stays") << "/dev/pts/7"
                                  << "/dev/pts/7";
}

void TestPortNames::deviceFor()
{
    QFETCH(QString, port);
    QFETCH(QString, device);
    QCOMPARE(context_.port().map().deviceFor(port), device);
}

void TestPortNames::numberAfterM_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("number");
    QTest::newRow("COM3") << "COM3" << 3;
    QTest::newRow("device form") << "\\\\.\\COM12" << 12;
    QTest::newRow("no M") << "/dev/ttyS0" << 0;
    QTest::newRow("no number after M") << "COMX" << 0;
}

void TestPortNames::numberAfterM()
{
    QFETCH(QString, name);
    QFETCH(int, number);
    QCOMPARE(PortNames::numberAfterM(name), number);
}

void TestPortNames::loadStoredNumber_data()
{
    QTest::addColumn<QString>("valueName");
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<int>("number");
    QTest::newRow("nothing stored") << QString() << QVariant() << 1;
    QTest::newRow("COM written by another program") << "COM" << QVariant(7) << 7;
    QTest::newRow("12") << "com" << QVariant(12) << 12;
    QTest::newRow("only the low byte counts") << "com" << QVariant(0x103) << 3;
    QTest::newRow("0 gives 1") << "com" << QVariant(0) << 1;
    QTest::newRow("17 gives 1") << "com" << QVariant(17) << 1;
    QTest::newRow("not a number gives 1") << "com" << QVariant("x") << 1;
}

void TestPortNames::loadStoredNumber()
{
    QFETCH(QString, valueName);
    QFETCH(QVariant, stored);
    QFETCH(int, number);
    {
        const auto key = openSettingsKey(QStringLiteral("Port Test"));
        key->clear();
        if (!valueName.isEmpty())
            key->setValue(valueName, stored);
    }
    QCOMPARE(PortNames::loadPortNumber(*context_.settingsKey()), number);
}

void TestPortNames::storeThenLoad()
{
    {
        const auto key = openSettingsKey(QStringLiteral("Port Test"));
        key->clear();
        key->setValue(QStringLiteral("COM"), 5);
    }
    context_.storePort(3);
    QCOMPARE(PortNames::loadPortNumber(*context_.settingsKey()), 3);
    QCOMPARE(context_.port().name(), QStringLiteral("COM3"));
    const auto key = openSettingsKey(QStringLiteral("Port Test"));
    QCOMPARE(key->childKeys(), QStringList{QStringLiteral("com")});
    QCOMPARE(key->value(QStringLiteral("com")).toInt(), 3);
}

void TestPortNames::storedDeviceComesBack()
{
    const QString cable = QStringLiteral("/dev/serial/by-id/usb-1a86_USB_Serial-if00-port0");
    context_.storePort(5);
    context_.storeDevice(cable);
    QCOMPARE(context_.port().device(), cable);
    QCOMPARE(context_.port().slotNumber(), 0);

    // The next start: the device is the port again, and "com" still holds the slot for
    // programs that know only that.
    AppContext restarted;
    QVERIFY(restarted.config().load(dir_.filePath(QStringLiteral("Program.ini"))));
    restarted.port().setDeviceOverride(QStringLiteral("/dev/pts/9"));
    restarted.loadStoredPort();
    QCOMPARE(restarted.port().device(), QStringLiteral("/dev/pts/9")); // an override stays
    restarted.port().setNumber(5);
    restarted.loadStoredPort();
    QCOMPARE(restarted.port().device(), cable);
    QCOMPARE(restarted.port().name(), cable);
    QCOMPARE(PortNames::loadPortNumber(*restarted.settingsKey()), 5);

    // Choosing a slot forgets the device.
    restarted.storePort(3);
    QCOMPARE(PortNames::loadPortDevice(*restarted.settingsKey()), QString());
    context_.loadStoredPort();
    QCOMPARE(context_.port().name(), QStringLiteral("COM3"));
    QCOMPARE(context_.port().slotNumber(), 3);
}

QTEST_GUILESS_MAIN(TestPortNames)
#include "test_portnames.moc"
