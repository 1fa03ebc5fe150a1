#include "config/CommandIds.h"
#include "config/SettingsKey.h"
#include "dialogs/PortSettingDialog.h"
#include "dialogs/ProgressDialog.h"
#include "document/ChannelDocument.h"
#include "editor/CellEditors.h"
#include "editor/ChannelGrid.h"
#include "editor/ChannelView.h"
#include "editor/ViewTransfer.h"
#include "link/PortNames.h"
#include "sim/VirtualRadio.h"
#include "support/GuiTestEnv.h"
#include "support/SampleImage.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QUndoStack>
#include <QtTest>
#include <memory>

namespace {

// Every COM slot points at a path that does not exist: no test opens a real serial port.
QByteArray iniWithPorts(const QString& com1)
{
    QByteArray ini = GuiTestEnv::defaultIni() + "[Ports]\r\n";
    for (int n = 1; n <= 16; ++n) {
        const QString device = n == 1 ? com1 : QStringLiteral("/nonexistent/ttyXR%1").arg(n);
        ini += QStringLiteral("COM%1=%2\r\n").arg(n).arg(device).toUtf8();
    }
    return ini;
}

RadioImage radioImage()
{
    return SampleImage()
        .channel(1, 14512500, 14612500)
        .byte(RadioImage::channelOffset(1) + RadioImage::RecWidthPower, 0x30)
        .byte(RadioImage::OptSquelch, 7)
        .byte(RadioImage::ProductType, 1)
        .byte(RadioImage::ProductBand, 0);
}

struct Bench {
    VirtualRadio radio;
    std::unique_ptr<GuiTestEnv> env;
    ChannelDocument document;
    std::unique_ptr<ChannelView> view;

    explicit Bench(const VirtualRadio::Options& options = {})
        : radio(CloneFrames::transferAreaOf(radioImage()), options)
    {
        QVERIFY(radio.start());
        env = std::make_unique<GuiTestEnv>(iniWithPorts(radio.devicePath()));
        env->loadIni();
        document.initNew(Language::English, QStringLiteral("XrTest"));
        document.image()[1000] = 0x5A;
        context().setNewDocument(true);
        view = std::make_unique<ChannelView>(&document, context());
        view->show();
        view->initialUpdate();
        context().port().setDeviceOverride(radio.devicePath());
    }

    AppContext& context() const { return env->context; }

    ProgressDialog& progress() const { return view->transfer().progress(); }
    // Runs a command to its end: OK in the progress window, then wait for the window to go.
    void run(ViewTransfer::Direction direction)
    {
        view->transfer().open(direction);
        QVERIFY(progress().isOpen());
        QTest::mouseClick(progress().okButton(), Qt::LeftButton);
        QVERIFY(!progress().okButton()->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(!progress().isOpen(), 15000);
    }
};

} // namespace

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
    void portMissing();
    void portSettingDialog();
    void noEditorDuringRead();
    void readIsOneUndoStep();
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
    Bench bench(options);
    bench.run(ViewTransfer::Direction::Read);
    QVERIFY(bench.env->boxes.isEmpty());
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
    QCOMPARE(int(bench.document.image()[RadioImage::OptSquelch]), 7);
    QCOMPARE(int(bench.document.image()[1000]), 0x5A); // beyond the transfer area
    QCOMPARE(bench.context().caption(), QStringLiteral("Test Programmer  [ Type:UHF  Fre:400-420 ]"));
}

void TestTransferGui::writeStoresGridAndOptions()
{
    Bench bench;
    bench.view->grid()->setText(2, 1, QStringLiteral("150.00000"));
    bench.view->grid()->setText(2, 5, QStringLiteral("Narrow"));
    bench.document.image()[RadioImage::OptVoice] = 2;
    bench.run(ViewTransfer::Direction::Write);
    QVERIFY(bench.env->boxes.isEmpty());
    const CloneFrames::TransferArea held = bench.radio.memory();
    QVERIFY(held == CloneFrames::transferAreaOf(bench.document.image()));
    RadioImage fromRadio = RadioImage::makeNew();
    CloneFrames::applyTransferArea(fromRadio, held);
    QCOMPARE(RadioImage::frequencyFromBytes(fromRadio.channel(2)), 15000000u);
    QCOMPARE(int(fromRadio[RadioImage::OptVoice]), 2);
}

void TestTransferGui::cancelBeforeOkTouchesNothing()
{
    Bench bench;
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
    Bench bench(options);
    const RadioImage before = bench.document.image();
    QTimer::singleShot(700, &bench.progress(), [&bench] { bench.progress().cancelButton()->click(); });
    bench.run(ViewTransfer::Direction::Read);
    QVERIFY(bench.env->boxes.isEmpty());
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
    Bench bench(options);
    const RadioImage before = bench.document.image();
    bench.env->answers = {QMessageBox::Cancel};
    bench.run(ViewTransfer::Direction::Read);
    QCOMPARE(bench.env->boxes.size(), 1);
    QCOMPARE(bench.env->boxes[0].text, message);
    QVERIFY(bench.document.image() == before);
}

void TestTransferGui::portMissing()
{
    Bench bench;
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
    Bench bench;
    bench.context().port().setNumber(2);
    QVERIFY(!bench.view->findChild<PortSettingDialog*>()); // built on first use
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<PortSettingDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        QVERIFY(dialog->button(1)->isEnabled());  // the virtual radio's terminal opens
        QVERIFY(!dialog->button(2)->isEnabled()); // an absent device does not
        QCOMPARE(dialog->selectedNumber(), 0);    // the current port cannot be opened
        QVERIFY(dialog->button(1)->text().startsWith(QStringLiteral("COM1 (")));
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

// A click on a cell while the bar runs opens no editor, and none is left over the texts
// just read: the next click cannot commit an empty editor over a channel.
void TestTransferGui::noEditorDuringRead()
{
    VirtualRadio::Options options;
    options.paced = true;
    Bench bench(options);
    ChannelGrid* grid = bench.view->grid();
    bool clicked = false;
    QTimer::singleShot(500, bench.view.get(), [&] {
        QVERIFY(bench.view->transfer().isRunning());
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->cellRect(1, 1).center());
        QTest::keyClicks(grid->viewport(), QStringLiteral("15"));
        for (QWidget* editor : bench.view->editors().all())
            QVERIFY(editor->isHidden());
        clicked = true;
    });
    bench.run(ViewTransfer::Direction::Read);
    QVERIFY(clicked);
    for (QWidget* editor : bench.view->editors().all())
        QVERIFY(editor->isHidden());
    QCOMPARE(grid->text(1, 1), QStringLiteral("145.12500"));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->cellRect(5, 5).center());
    QCOMPARE(grid->text(1, 1), QStringLiteral("145.12500"));
    QVERIFY(bench.env->boxes.isEmpty());
}

// Undo of a read puts back the image it replaced, with the radio type and the grid;
// redo brings the radio's data again.
void TestTransferGui::readIsOneUndoStep()
{
    VirtualRadio::Options options;
    options.identity.variantByte = 0xF5; // transmit-only: the grid's columns change too
    Bench bench(options);
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

QTEST_MAIN(TestTransferGui)
#include "test_transfer_gui.moc"
