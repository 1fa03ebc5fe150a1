#include "channels/ChannelTableModel.h"
#include "config/CommandIds.h"
#include "config/SettingsKey.h"
#include "config/StringTable.h"
#include "dialogs/CompareDialog.h"
#include "dialogs/PortSettingDialog.h"
#include "dialogs/ProgressDialog.h"
#include "dialogs/SerialDeviceList.h"
#include "document/ChannelDocument.h"
#include "editor/CellEditorDelegate.h"
#include "editor/ChannelGrid.h"
#include "editor/ChannelView.h"
#include "editor/ViewTransfer.h"
#include "link/PortNames.h"
#include "link/SerialPortLine.h"
#include "sim/VirtualRadio.h"
#include "support/GuiTestEnv.h"
#include "support/TransferBench.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTimer>
#include <QUndoStack>
#include <QtTest>
#include <functional>
#include <memory>

class TestTransferGui : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void readRefreshesGrid_data();
    void readRefreshesGrid();
    void writeStoresGridAndOptions();
    void cancelBeforeOkTouchesNothing();
    void cancelDuringRead();
    void failuresShowTheirMessageOnce_data();
    void failuresShowTheirMessageOnce();
    void refusedConfirmationRetried();
    void portMissing();
    void portSettingDialog();
    void portMessagesSayWhy_data();
    void portMessagesSayWhy();
    void deviceChosenInDialogReadsAndWrites();
    void severalCablesLetTheUserChoose_data();
    void severalCablesLetTheUserChoose();
    void noEditorDuringRead();
    void readIsOneUndoStep();
    void compareMarksTheGridUntilReadOrWrite();
};

void TestTransferGui::readRefreshesGrid_data()
{
    QTest::addColumn<int>("variantByte");
    QTest::addColumn<int>("variant");
    QTest::addColumn<QList<int>>("visible");
    QTest::newRow("receive only") << 0xFF << int(RadioVariant::ReceiveOnly) << QList<int>{1, 3, 5, 6};
    QTest::newRow("transmit only") << 0xF5 << int(RadioVariant::TransmitOnly) << QList<int>{2, 4, 5};
    QTest::newRow("other") << 0x00 << int(RadioVariant::Other) << QList<int>{1, 2, 3, 4, 5, 6};
}

void TestTransferGui::readRefreshesGrid()
{
    QFETCH(int, variantByte);
    QFETCH(int, variant);
    QFETCH(QList<int>, visible);
    VirtualRadio::Options options;
    options.identity.variantByte = static_cast<std::uint8_t>(variantByte);
    TransferBench bench(options);
    bench.run(ViewTransfer::Direction::Read);
    QVERIFY2(bench.env->boxes.isEmpty(), qPrintable(bench.env->boxTexts()));
    QCOMPARE(bench.progress().counter()->text(), QStringLiteral("51"));
    QCOMPARE(int(bench.context().radioVariant()), variant);
    QVERIFY(!bench.context().isNewDocument());
    QVERIFY(bench.document.isModified());
    QList<int> shown;
    for (int c = 1; c <= 8; ++c)
        if (bench.view->grid()->columnWidthTwips(c) > 0)
            shown << c;
    QCOMPARE(shown, visible);
    const QString rx = variant == int(RadioVariant::TransmitOnly) ? QString() : QStringLiteral("145.12500");
    QCOMPARE(bench.view->grid()->text(1, 1), rx);
    QVERIFY(bench.view->grid()->isColumnShown(bench.view->grid()->currentColumn()));
    QCOMPARE(int(bench.document.image()[RadioImage::OptSquelch]), 7);
    QCOMPARE(int(bench.document.image()[1000]), 0x5A); // beyond the transfer area
    QCOMPARE(bench.view->caption(), QStringLiteral("Test Programmer  [ Type:UHF  Fre:400-420 ]"));
    // Unedited, the grid holds what the radio holds, the columns it hides included.
    bench.run(ViewTransfer::Direction::Compare);
    QCOMPARE(bench.view->transfer().comparison()->lines()->toPlainText(), QString());
    const CloneFrames::TransferArea held = bench.radio.memory();
    bench.run(ViewTransfer::Direction::Write);
    QVERIFY2(bench.env->boxes.isEmpty(), qPrintable(bench.env->boxTexts()));
    QVERIFY(bench.radio.memory() == held);
}

void TestTransferGui::writeStoresGridAndOptions()
{
    TransferBench bench;
    bench.view->grid()->setText(2, 1, QStringLiteral("150.00000"));
    bench.view->grid()->setText(2, 5, QStringLiteral("Narrow"));
    bench.document.image()[RadioImage::OptVoice] = 2;
    bench.run(ViewTransfer::Direction::Write);
    QVERIFY2(bench.env->boxes.isEmpty(), qPrintable(bench.env->boxTexts()));
    const CloneFrames::TransferArea held = bench.radio.memory();
    QVERIFY(held == CloneFrames::transferAreaOf(bench.document.image()));
    RadioImage fromRadio = RadioImage::makeNew();
    CloneFrames::applyTransferArea(fromRadio, held);
    QCOMPARE(RadioImage::frequencyFromBytes(fromRadio.channel(2)), 15000000u);
    QCOMPARE(int(fromRadio[RadioImage::OptVoice]), 2);
}

void TestTransferGui::cancelBeforeOkTouchesNothing()
{
    TransferBench bench;
    const RadioImage before = bench.document.image();
    bench.view->transfer().open(ViewTransfer::Direction::Read);
    QCOMPARE(bench.progress().windowTitle(), QStringLiteral("Read Data"));
    QTest::mouseClick(bench.progress().cancelButton(), Qt::LeftButton);
    QVERIFY(!bench.progress().isOpen());
    QTest::qWait(50);
    QCOMPARE(bench.radio.bytesReceived(), 0);
    QVERIFY(bench.document.image() == before);
    // The next command opens a fresh window.
    bench.view->transfer().open(ViewTransfer::Direction::Write);
    QCOMPARE(bench.progress().windowTitle(), QStringLiteral("Write Data"));
    QCOMPARE(bench.progress().counter()->text(), QStringLiteral("0"));
    QVERIFY(bench.progress().okButton()->isEnabled());
}

void TestTransferGui::cancelDuringRead()
{
    VirtualRadio::Options options;
    options.paced = true; // slow enough to be cancelled halfway
    TransferBench bench(options);
    const RadioImage before = bench.document.image();
    QTimer::singleShot(700, &bench.progress(), [&bench] { bench.progress().cancelButton()->click(); });
    bench.run(ViewTransfer::Direction::Read);
    QVERIFY2(bench.env->boxes.isEmpty(), qPrintable(bench.env->boxTexts()));
    const int rows = bench.progress().counter()->text().toInt();
    QVERIFY2(rows > 0 && rows < 51, qPrintable(bench.progress().counter()->text()));
    QVERIFY(bench.document.image() == before);
    QCOMPARE(int(bench.context().radioVariant()), int(RadioVariant::ReceiveOnly));
    QVERIFY(bench.context().isNewDocument());
}

void TestTransferGui::failuresShowTheirMessageOnce_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("message");
    QTest::newRow("no answer") << "no-wakeup"
                               << "Communication Error,Please check all the connections and the radio power";
    QTest::newRow("refused confirmation")
        << "refuse-confirm"
        << "Communication Error,Please check all the connections and the radio power";
    QTest::newRow("wrong radio") << "wrong-id"
                                 << "Becuase the type of radio does not match,\ncommunications is interrupt.";
    QTest::newRow("short reply") << "short-reply=3"
                                 << "Program Interrupt, Please reset the radio and try again";
}

void TestTransferGui::failuresShowTheirMessageOnce()
{
    QFETCH(QString, fault);
    QFETCH(QString, message);
    VirtualRadio::Options options;
    QVERIFY(addFault(fault, options.faults, nullptr));
    TransferBench bench(options);
    const RadioImage before = bench.document.image();
    bench.env->answers = {QMessageBox::Cancel};
    bench.run(ViewTransfer::Direction::Read);
    QCOMPARE(bench.env->boxes.size(), 1);
    QCOMPARE(bench.env->boxes[0].text, message);
    QVERIFY(bench.document.image() == before);
}

// Each refused confirmation asks Retry / Cancel; Retry goes on with the same transfer.
void TestTransferGui::refusedConfirmationRetried()
{
    VirtualRadio::Options options;
    QVERIFY(addFault(QStringLiteral("refuse-confirm=2"), options.faults, nullptr));
    TransferBench bench(options);
    bench.env->answers = {QMessageBox::Retry, QMessageBox::Retry};
    bench.run(ViewTransfer::Direction::Read);
    QCOMPARE(bench.env->boxes.size(), 2);
    for (const MessageBoxRequest& box : bench.env->boxes) {
        QCOMPARE(box.text, stringTableText(MessageId::CommunicationError));
        QCOMPARE(box.buttons, QMessageBox::Retry | QMessageBox::Cancel);
    }
    QCOMPARE(bench.progress().counter()->text(), QStringLiteral("51"));
    QCOMPARE(bench.view->grid()->text(1, 1), QStringLiteral("145.12500"));
}

void TestTransferGui::portMissing()
{
    TransferBench bench;
    bench.context().port().setDeviceOverride(QStringLiteral("/nonexistent/ttyXR"));
    bench.run(ViewTransfer::Direction::Write);
    QCOMPARE(bench.env->boxes.size(), 1);
    const QString text = bench.env->boxes[0].text;
    QVERIFY(text.startsWith(
        QStringLiteral("Could not Open the Port,Please check whether the Port are occupied")));
    QVERIFY2(text.count(QLatin1Char('\n')) >= 2, qPrintable(text)); // the system's reason under it
}

void TestTransferGui::portSettingDialog()
{
    TransferBench bench;
    bench.context().port().setNumber(2);
    QVERIFY(!bench.view->findChild<PortSettingDialog*>()); // built on first use
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<PortSettingDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        QVERIFY(dialog->button(1)->isEnabled());  // the virtual radio's terminal opens
        QVERIFY(!dialog->button(2)->isEnabled()); // an absent device does not
        QCOMPARE(dialog->selectedNumber(), 0);    // the current port cannot be opened
        QCOMPARE(dialog->button(1)->text(), QStringLiteral("COM1"));
        QCOMPARE(dialog->button(16)->text(), QStringLiteral("COM16"));
        QVERIFY(
            dialog->button(2)->toolTip().startsWith(QStringLiteral("/nonexistent/ttyXR2 is not present")));
        dialog->button(1)->setChecked(true);
        dialog->accept();
    });
    bench.view->openPortSetting();
    QCOMPARE(bench.context().port().name(), QStringLiteral("COM1"));
    QCOMPARE(PortNames::loadPortNumber(*bench.context().settingsKey()), 1);

    auto* dialog = bench.view->findChild<PortSettingDialog*>();
    QVERIFY(dialog);
    QTimer::singleShot(0, dialog, [dialog] {
        QCOMPARE(dialog->selectedNumber(), 1); // current and present: selected
        dialog->reject();
    });
    bench.view->openPortSetting();
    QCOMPARE(PortNames::loadPortNumber(*bench.context().settingsKey()), 1);
}

void TestTransferGui::portMessagesSayWhy_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("expected");
    const QString pid = QString::number(QCoreApplication::applicationPid());
    QTest::newRow("absent") << "absent"
                            << "English"
                            << QStringList{"/nonexistent/ttyXR9 is not present (no such device)"};
    QTest::newRow("held by another program")
        << "in use"
        << "English" << QStringList{"is in use by another program: test_transfer_gui (process " + pid + ")"};
    QTest::newRow("held, in Chinese")
        << "in use"
        << "Chinese" << QStringList{"正被其他程序占用：test_transfer_gui（进程 " + pid};
    QTest::newRow("no permission") << "no permission"
                                   << "English"
                                   << QStringList{"You have no permission to open /nonexistent/ttyXR9",
                                                  "\n    sudo usermod -aG dialout alice\n",
                                                  "takes effect at your next login"};
    QTest::newRow("no permission, in Chinese")
        << "no permission"
        << "Chinese" << QStringList{"用户组“dialout”", "sudo usermod -aG dialout alice", "重新登录后生效"};
}

void TestTransferGui::portMessagesSayWhy()
{
    QFETCH(QString, kind);
    QFETCH(QString, language);
    QFETCH(QStringList, expected);
    TransferBench bench;
    bench.context().setLanguageName(language);
    QString device = QStringLiteral("/nonexistent/ttyXR9");
    SerialPortLine otherProgram; // holds the radio's terminal, lock file and all
    if (kind == QLatin1String("in use")) {
        device = bench.radio.devicePath();
        QVERIFY(otherProgram.open(device));
    } else if (kind == QLatin1String("no permission")) {
        // Tests run as root, whom file modes do not stop: the refusal is scripted.
        PortStatus denied =
            PortStatus::of(PortStatus::State::NoPermission, QStringLiteral("Permission denied"));
        denied.group = QStringLiteral("dialout");
        denied.user = QStringLiteral("alice");
        bench.env->devices().setStatus(device, denied);
    }
    bench.context().port().setDeviceOverride(device);
    bench.run(ViewTransfer::Direction::Read);
    QCOMPARE(bench.env->boxes.size(), 1);
    const QString text = bench.env->boxes[0].text;
    QVERIFY(text.startsWith(QStringLiteral("Could not Open the Port,")));
    for (const QString& part : expected)
        QVERIFY2(text.contains(part), qPrintable(text));
    // A device held by another program is no matter of permission.
    if (kind != QLatin1String("no permission"))
        QVERIFY2(!text.contains(QStringLiteral("ermission")) && !text.contains(QStringLiteral("dialout")),
                 qPrintable(text));
}

namespace {

// The radio's terminal as the list shows a USB cable, with a stable name leading to it.
SerialDeviceInfo cableOn(const QString& path, const QString& stableName = {})
{
    SerialDeviceInfo cable;
    cable.path = path;
    cable.stableName = stableName;
    cable.description = QStringLiteral("USB Serial");
    cable.vendorId = 0x1a86;
    cable.productId = 0x7523;
    return cable;
}

// Runs body on the Port Setting dialog once it shows (it is built on first use), then
// closes it with OK or Cancel, also when a check in body failed.
void answerPortSetting(QObject* owner, std::function<void(PortSettingDialog*)> body, bool ok)
{
    auto* watch = new QTimer(owner);
    watch->setInterval(10);
    QObject::connect(watch, &QTimer::timeout, owner, [watch, body = std::move(body), ok] {
        auto* dialog = qobject_cast<PortSettingDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        watch->deleteLater();
        watch->stop();
        const auto close = qScopeGuard([dialog, ok] { ok ? dialog->accept() : dialog->reject(); });
        body(dialog);
    });
    watch->start();
}

void clickRow(SerialDeviceList* list, const QString& device)
{
    QTreeWidgetItem* item = list->itemFor(device);
    QVERIFY(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(item).adjusted(40, 0, 0, 0).center());
}

} // namespace

void TestTransferGui::deviceChosenInDialogReadsAndWrites()
{
    TransferBench bench;
    bench.context().port().setNumber(2); // absent; ends the bench's device override
    QTemporaryDir byId;
    const QString stable = byId.filePath(QStringLiteral("usb-1a86_USB_Serial-if00-port0"));
    QVERIFY(QFile::link(bench.radio.devicePath(), stable));
    bench.env->devices().setDevices({cableOn(bench.radio.devicePath(), stable)});
    answerPortSetting(
        bench.view.get(),
        [&](PortSettingDialog* dialog) {
            clickRow(dialog->deviceList(), bench.radio.devicePath());
            QCOMPARE(dialog->selectedDevice(), stable);
            QCOMPARE(dialog->selectedNumber(), 0);
        },
        true);
    QVERIFY(bench.view->openPortSetting());
    QCOMPARE(bench.context().port().device(), stable);

    bench.view->grid()->setText(3, 1, QStringLiteral("146.00000"));
    bench.run(ViewTransfer::Direction::Write);
    QVERIFY2(bench.env->boxes.isEmpty(), qPrintable(bench.env->boxTexts()));
    QVERIFY(bench.radio.memory() == CloneFrames::transferAreaOf(bench.document.image()));
    bench.view->grid()->setText(3, 1, QString());
    bench.run(ViewTransfer::Direction::Read);
    QVERIFY2(bench.env->boxes.isEmpty(), qPrintable(bench.env->boxTexts()));
    QCOMPARE(bench.view->grid()->text(3, 1), QStringLiteral("146.00000"));

    // The dialog shows it checked the next time.
    answerPortSetting(
        bench.view.get(), [&](PortSettingDialog* dialog) { QCOMPARE(dialog->selectedDevice(), stable); },
        false);
    QVERIFY(!bench.view->openPortSetting());
}

void TestTransferGui::severalCablesLetTheUserChoose_data()
{
    QTest::addColumn<bool>("choose");
    QTest::newRow("the user picks one") << true;
    QTest::newRow("the user cancels") << false;
}

void TestTransferGui::severalCablesLetTheUserChoose()
{
    QFETCH(bool, choose);
    TransferBench bench;
    bench.context().port().setNumber(2); // absent
    bench.env->devices().setDevices(
        {cableOn(bench.radio.devicePath()), cableOn(QStringLiteral("/dev/ttyUSB7"))});
    const RadioImage before = bench.document.image();
    bool asked = false;
    answerPortSetting(
        bench.view.get(),
        [&](PortSettingDialog* dialog) {
            asked = true;
            QVERIFY(dialog->note()->isVisible());
            QVERIFY(dialog->note()->text().startsWith(QStringLiteral("COM2 is not present")));
            if (choose)
                clickRow(dialog->deviceList(), bench.radio.devicePath());
        },
        choose);
    bench.run(ViewTransfer::Direction::Read);
    QVERIFY(asked);
    // A cancel ends without a message.
    QVERIFY2(bench.env->boxes.isEmpty(), qPrintable(bench.env->boxTexts()));
    QCOMPARE(bench.document.image() == before, !choose);
    QCOMPARE(bench.context().port().device(),
             choose ? bench.radio.devicePath() : QStringLiteral("/nonexistent/ttyXR2"));
}

// A click on a cell while the bar runs opens no editor, and none is left over the texts
// just read: the next click cannot commit an empty editor over a channel.
void TestTransferGui::noEditorDuringRead()
{
    VirtualRadio::Options options;
    options.paced = true;
    TransferBench bench(options);
    ChannelGrid* grid = bench.view->grid();
    bool clicked = false;
    QTimer::singleShot(500, bench.view.get(), [&] {
        QVERIFY(bench.view->transfer().isRunning());
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->cellRect(1, 1).center());
        QTest::keyClicks(grid->viewport(), QStringLiteral("15"));
        for (int c = 1; c <= 8; ++c)
            QVERIFY(!bench.view->editors().isOpen(c));
        clicked = true;
    });
    bench.run(ViewTransfer::Direction::Read);
    QVERIFY(clicked);
    for (int c = 1; c <= 8; ++c)
        QVERIFY(!bench.view->editors().isOpen(c));
    QCOMPARE(grid->text(1, 1), QStringLiteral("145.12500"));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->cellRect(5, 5).center());
    QCOMPARE(grid->text(1, 1), QStringLiteral("145.12500"));
    QVERIFY2(bench.env->boxes.isEmpty(), qPrintable(bench.env->boxTexts()));
}

// Undo of a read puts back the image it replaced, with the radio type and the grid;
// redo brings the radio's data again.
void TestTransferGui::readIsOneUndoStep()
{
    VirtualRadio::Options options;
    options.identity.variantByte = 0xF5; // transmit-only: the grid's columns change too
    TransferBench bench(options);
    const ViewState before = bench.view->state();
    bench.run(ViewTransfer::Direction::Read);
    const ViewState after = bench.view->state();
    QVERIFY(!after.sameData(before));
    QVERIFY(bench.document.isModified());
    bench.view->undoStack()->undo();
    QVERIFY(bench.view->state().sameData(before));
    QCOMPARE(int(bench.context().radioVariant()), int(RadioVariant::ReceiveOnly));
    QVERIFY(bench.context().isNewDocument());
    QVERIFY(bench.view->grid()->columnWidthTwips(GridColumn::RxFrequency) > 0);
    QVERIFY(!bench.document.isModified());
    bench.view->undoStack()->redo();
    QVERIFY(bench.view->state().sameData(after));
    QCOMPARE(int(bench.context().radioVariant()), int(RadioVariant::TransmitOnly));
    QCOMPARE(bench.view->grid()->columnWidthTwips(GridColumn::RxFrequency), 0);
}

// A compare marks the cells that differ from the radio; a read or a write clears the marks.
void TestTransferGui::compareMarksTheGridUntilReadOrWrite()
{
    TransferBench bench;
    const QModelIndex rx = bench.view->model().cellIndex(1, GridColumn::RxFrequency);
    for (const auto direction : {ViewTransfer::Direction::Read, ViewTransfer::Direction::Write}) {
        bench.document.image().channel(1)[RadioImage::RecRxFreq] = 0x50; // 145.12550 here
        bench.document.channels().refresh();
        bench.run(ViewTransfer::Direction::Compare);
        QCOMPARE(rx.data(Qt::ToolTipRole).toString(), QStringLiteral("Radio: 145.12500"));
        QVERIFY(bench.view->transfer().comparison()->lines()->toPlainText().contains(
            QStringLiteral("145.12500")));
        bench.run(direction);
        QCOMPARE(rx.data(Qt::ToolTipRole), QVariant());
        QVERIFY(!bench.document.channels().marks().has(CellMarks::Radio));
    }
}

QTEST_MAIN(TestTransferGui)
#include "test_transfer_gui.moc"
