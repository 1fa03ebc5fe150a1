// Port Setting's list of the serial devices present, on a scripted device list: what it
// shows, why a device is greyed, how a device is chosen and stored, and that it follows
// devices plugged in and out while the dialog is open.

#include "dialogs/PortSettingDialog.h"
#include "dialogs/SerialDeviceList.h"
#include "link/PortNames.h"
#include "support/GuiTestEnv.h"

#include <QRadioButton>
#include <QScopeGuard>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>

namespace {

using State = PortStatus::State;
using Column = SerialDeviceList::Column;

const QString CableNode = QStringLiteral("/dev/ttyUSB0"); // COM1 by default
const QString CableStable = QStringLiteral("/dev/serial/by-id/usb-1a86_USB_Serial-if00-port0");

SerialDeviceInfo device(const QString& path, quint16 vendor = 0, quint16 product = 0)
{
    SerialDeviceInfo info;
    info.path = path;
    if (vendor) {
        info.vendorId = vendor;
        info.productId = product;
    }
    return info;
}

SerialDeviceInfo cable()
{
    SerialDeviceInfo info = device(CableNode, 0x1a86, 0x7523);
    info.stableName = CableStable;
    info.description = QStringLiteral("USB Serial");
    info.manufacturer = QStringLiteral("QinHeng");
    info.serialNumber = QStringLiteral("A1B2");
    return info;
}

// A cable, a device held by a terminal program, one the user may not open, and a plain
// built-in port.
void scriptDevices(ScriptedSerialDevices& devices)
{
    devices.setDevices({cable(), device(QStringLiteral("/dev/ttyUSB1"), 0x067b, 0x2303),
                        device(QStringLiteral("/dev/ttyACM0"), 0x10c4, 0xea60),
                        device(QStringLiteral("/dev/ttyS4"))});
    PortStatus held = PortStatus::of(State::InUse);
    held.holder = QStringLiteral("minicom");
    held.holderPid = 4242;
    devices.setStatus(QStringLiteral("/dev/ttyUSB1"), held);
    PortStatus denied = PortStatus::of(State::NoPermission, QStringLiteral("Permission denied"));
    denied.group = QStringLiteral("dialout");
    denied.user = QStringLiteral("alice");
    devices.setStatus(QStringLiteral("/dev/ttyACM0"), denied);
}

// Runs body once the dialog shows, then closes it with OK or Cancel unless body did,
// also when a check in body failed.
int runDialog(PortSettingDialog& dialog, const std::function<void()>& body, bool ok)
{
    QTimer::singleShot(0, &dialog, [&dialog, &body, ok] {
        const auto close = qScopeGuard([&dialog, ok] {
            if (dialog.isVisible())
                ok ? dialog.accept() : dialog.reject();
        });
        body();
    });
    return dialog.exec();
}

bool isGreyed(const QTreeWidgetItem* item)
{
    return !(item->flags() & Qt::ItemIsEnabled);
}

} // namespace

class TestPortSetting : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void listShowsDevicesAndWhy_data();
    void listShowsDevicesAndWhy();
    void portButtonsSayWhy();
    void choosingADeviceStoresIt();
    void enterChoosesAndCloses();
    void absentStoredDeviceStaysVisible();
    void followsDevicesPluggedInAndOut();

private:
    std::unique_ptr<GuiTestEnv> env_;
    std::unique_ptr<PortSettingDialog> dialog_;
};

void TestPortSetting::init()
{
    env_ = std::make_unique<GuiTestEnv>();
    env_->loadIni();
    scriptDevices(env_->devices());
    dialog_ = std::make_unique<PortSettingDialog>(env_->context);
}

void TestPortSetting::cleanup()
{
    dialog_.reset();
    env_.reset();
}

void TestPortSetting::listShowsDevicesAndWhy_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("greyed");
    QTest::addColumn<QString>("state");
    QTest::addColumn<QString>("cableMark");
    QTest::addColumn<QString>("tooltip");
    QTest::newRow("cable") << CableNode << false << "ok"
                           << "likely: WCH CH340" << CableNode + " can be opened.";
    QTest::newRow("held by a terminal program")
        << "/dev/ttyUSB1" << true << "in use"
        << "likely: Prolific PL2303"
        << "/dev/ttyUSB1 is in use by another program: minicom (process 4242).";
    QTest::newRow("no permission") << "/dev/ttyACM0" << true << "no permission"
                                   << "likely: Silicon Labs CP210x"
                                   << "sudo usermod -aG dialout alice";
    QTest::newRow("built-in port") << "/dev/ttyS4" << false << "ok" << QString()
                                   << "/dev/ttyS4 can be opened.";
}

void TestPortSetting::listShowsDevicesAndWhy()
{
    QFETCH(QString, path);
    QFETCH(bool, greyed);
    QFETCH(QString, state);
    QFETCH(QString, cableMark);
    QFETCH(QString, tooltip);
    runDialog(
        *dialog_,
        [&] {
            SerialDeviceList* list = dialog_->deviceList();
            QCOMPARE(list->topLevelItemCount(), 4);
            const QTreeWidgetItem* item = list->itemFor(path);
            QVERIFY(item);
            QCOMPARE(isGreyed(item), greyed);
            QCOMPARE(item->text(Column::State), state);
            QCOMPARE(item->text(Column::Cable), cableMark);
            QVERIFY2(item->toolTip(Column::Device).contains(tooltip),
                     qPrintable(item->toolTip(Column::Device)));
            QVERIFY(item->checkState(Column::Device) == Qt::Unchecked);
        },
        false);
    const QTreeWidgetItem* cableItem = dialog_->deviceList()->itemFor(CableNode);
    QCOMPARE(cableItem->text(Column::UsbId), QStringLiteral("1a86:7523"));
    QCOMPARE(cableItem->text(Column::SerialNumber), QStringLiteral("A1B2"));
    QCOMPARE(cableItem->text(Column::StableName), CableStable);
    QCOMPARE(cableItem->text(Column::Manufacturer), QStringLiteral("QinHeng"));
}

void TestPortSetting::portButtonsSayWhy()
{
    runDialog(
        *dialog_,
        [&] {
            // COM1 is /dev/ttyUSB0, the listed cable; COM9 is /dev/ttyS0, not listed.
            QVERIFY(dialog_->button(1)->isEnabled());
            QCOMPARE(dialog_->button(1)->toolTip(), QStringLiteral("/dev/ttyUSB0 can be opened."));
            QVERIFY(dialog_->button(1)->isChecked()); // the current port, and it opens
            QVERIFY(!dialog_->button(2)->isEnabled());
            QVERIFY(dialog_->button(2)->toolTip().contains(
                QStringLiteral("/dev/ttyUSB1 is in use by another program")));
            QVERIFY(!dialog_->button(9)->isEnabled());
            QVERIFY(dialog_->button(9)->toolTip().startsWith(QStringLiteral("/dev/ttyS0 is not present")));
            for (int n = 1; n <= 16; ++n)
                QCOMPARE(dialog_->button(n)->text(), QStringLiteral("COM%1").arg(n));
        },
        false);
}

void TestPortSetting::choosingADeviceStoresIt()
{
    runDialog(
        *dialog_,
        [&] {
            SerialDeviceList* list = dialog_->deviceList();
            QVERIFY(dialog_->button(1)->isChecked());
            QTreeWidgetItem* item = list->itemFor(QStringLiteral("/dev/ttyS4"));
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
            QCOMPARE(dialog_->selectedDevice(), QStringLiteral("/dev/ttyS4"));
            QCOMPARE(dialog_->selectedNumber(), 0); // a device replaces the port button
            // A greyed device cannot be chosen.
            QTreeWidgetItem* held = list->itemFor(QStringLiteral("/dev/ttyUSB1"));
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(held).center());
            QCOMPARE(dialog_->selectedDevice(), QStringLiteral("/dev/ttyS4"));
            // Then the cable, chosen by its stable name.
            list->itemFor(CableNode)->setCheckState(Column::Device, Qt::Checked);
            QCOMPARE(dialog_->selectedDevice(), CableStable);
            QCOMPARE(item->checkState(Column::Device), Qt::Unchecked);
        },
        true);
    AppContext& context = env_->context;
    QCOMPARE(context.port().device(), CableStable);
    QCOMPARE(context.port().slotNumber(), 0);
    QCOMPARE(PortNames::loadPortDevice(*context.settingsKey()), CableStable);

    // A port button afterwards forgets the device.
    runDialog(
        *dialog_,
        [&] {
            QCOMPARE(dialog_->selectedNumber(), 0);
            QCOMPARE(dialog_->selectedDevice(), CableStable);
            dialog_->button(1)->click();
            QCOMPARE(dialog_->selectedDevice(), QString());
        },
        true);
    QCOMPARE(context.port().device(), CableNode);
    QCOMPARE(PortNames::loadPortDevice(*context.settingsKey()), QString());
}

void TestPortSetting::enterChoosesAndCloses()
{
    const int result = runDialog(
        *dialog_,
        [&] {
            SerialDeviceList* list = dialog_->deviceList();
            list->setFocus();
            list->setCurrentItem(list->itemFor(QStringLiteral("/dev/ttyS4")));
            QTest::keyClick(list, Qt::Key_Return);
            QVERIFY(!dialog_->isVisible()); // Enter also pressed OK
        },
        false);
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(env_->context.port().device(), QStringLiteral("/dev/ttyS4"));
}

void TestPortSetting::absentStoredDeviceStaysVisible()
{
    const QString gone = QStringLiteral("/dev/serial/by-id/usb-FTDI_Cable_A9X-if00-port0");
    env_->context.storeDevice(gone);
    runDialog(
        *dialog_,
        [&] {
            const QTreeWidgetItem* item = dialog_->deviceList()->itemFor(gone);
            QVERIFY(item);
            QVERIFY(isGreyed(item));
            QCOMPARE(item->checkState(Column::Device), Qt::Checked);
            QCOMPARE(item->text(Column::State), QStringLiteral("absent"));
            QCOMPARE(dialog_->selectedNumber(), 0);
        },
        true);
    QCOMPARE(env_->context.port().device(), gone); // OK keeps the choice
}

void TestPortSetting::followsDevicesPluggedInAndOut()
{
    ScriptedSerialDevices& devices = env_->devices();
    devices.setDevices({device(QStringLiteral("/dev/ttyS4"))});
    runDialog(
        *dialog_,
        [&] {
            SerialDeviceList* list = dialog_->deviceList();
            QVERIFY(!list->itemFor(CableNode));
            QVERIFY(!dialog_->button(1)->isEnabled());
            devices.addDevice(cable());
            // Looked at twice a second: the cable shows within a second.
            QTRY_VERIFY_WITH_TIMEOUT(list->itemFor(CableNode), 1000);
            QVERIFY(dialog_->button(1)->isEnabled()); // COM1 is that cable
            list->itemFor(CableNode)->setCheckState(Column::Device, Qt::Checked);
            devices.setDevices({device(QStringLiteral("/dev/ttyS4"))});
            QTRY_VERIFY_WITH_TIMEOUT(isGreyed(list->itemFor(CableStable)), 1000);
            QVERIFY(!dialog_->button(1)->isEnabled());
            QCOMPARE(dialog_->selectedDevice(), CableStable); // still the choice, shown absent
        },
        false);
}

QTEST_MAIN(TestPortSetting)
#include "test_portsetting.moc"
