// The radio history, Compare with Radio and Verify after Write in the program, against
// the virtual radio: what each transfer keeps, shows and leaves alone.

#include "app/DocumentManager.h"
#include "app/MainWindow.h"
#include "config/CommandIds.h"
#include "dialogs/CompareDialog.h"
#include "dialogs/HistoryDialog.h"
#include "dialogs/ProgressDialog.h"
#include "document/RadioHistory.h"
#include "editor/ChannelGrid.h"
#include "support/FailingWriter.h"
#include "support/SampleImage.h"
#include "support/TransferBench.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusTipEvent>
#include <QTimer>
#include <QTreeWidget>
#include <QUndoStack>
#include <QtTest>

namespace {

// The status-bar texts a view sends up to its main window.
class StatusTips : public QObject {
public:
    explicit StatusTips(QWidget* view) { view->installEventFilter(this); }
    QStringList texts;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::StatusTip)
            texts << static_cast<QStatusTipEvent*>(event)->tip();
        return false;
    }
};

QStringList historyFiles(const AppContext& context)
{
    return QDir(context.historyFolder()).entryList(QDir::Files, QDir::Name);
}

QByteArray historyFileBytes(const AppContext& context, int index = 0)
{
    QFile file(QDir(context.historyFolder()).filePath(historyFiles(context).value(index)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestHistoryGui : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void readKeepsACopy();
    void fullDiskCostsOnlyTheCopy();
    void compareLeavesTheDocumentAsItWas();
    void compareOfTheSameData();
    void compareWindowCopiesAndSaves();
    void writeWithVerify_data();
    void writeWithVerify();
    void historyOpensACopyAsNewDocument();
    void verifySettingIsRemembered();
};

void TestHistoryGui::readKeepsACopy()
{
    TransferBench bench;
    bench.run(ViewTransfer::Direction::Read);
    QVERIFY2(bench.env->boxes.isEmpty(), qPrintable(bench.env->boxTexts()));
    QCOMPARE(historyFiles(bench.context()).size(), 1);
    QVERIFY(historyFiles(bench.context()).front().endsWith(QStringLiteral("Z_receive-only.dat")));
    QCOMPARE(historyFileBytes(bench.context()), ChannelFile::toBytes(bench.document.image()));
}

// The disk fills while the copy is written: the read stands, one box says what is missing.
void TestHistoryGui::fullDiskCostsOnlyTheCopy()
{
    TransferBench bench;
    const FailingWriter full(10);
    bench.context().setFileWriter(full);
    bench.run(ViewTransfer::Direction::Read);
    QCOMPARE(bench.view->grid()->text(1, 1), QStringLiteral("145.12500"));
    QVERIFY(bench.document.isModified());
    QCOMPARE(bench.view->undoStack()->count(), 1);
    QCOMPARE(bench.env->boxes.size(), 1);
    const QString text = bench.env->boxes[0].text;
    QVERIFY2(text.startsWith(QStringLiteral("The read completed, but its copy could not be kept in the radio "
                                            "history:\n") +
                             QDir::toNativeSeparators(bench.context().historyFolder())),
             qPrintable(text));
    QVERIFY2(text.endsWith(QStringLiteral("\nNo space left on device")), qPrintable(text));
    QVERIFY(historyFiles(bench.context()).isEmpty());
}

// An edited document: the radio is read into a scratch image, the differences show, and
// the document, its modified mark and its undo steps stay exactly as they were.
void TestHistoryGui::compareLeavesTheDocumentAsItWas()
{
    TransferBench bench;
    const ViewState unedited = bench.view->state();
    bench.view->grid()->setText(2, 1, QStringLiteral("150.00000"));
    QVERIFY(bench.view->recordChange(QStringLiteral("Edit"), unedited));
    const ViewState before = bench.view->state();
    const ChannelTexts cellsBefore = bench.view->cellTexts();
    const QUndoStack* undo = bench.view->undoStack();
    const int steps = undo->count();

    bench.run(ViewTransfer::Direction::Compare);
    QVERIFY2(bench.env->boxes.isEmpty(), qPrintable(bench.env->boxTexts()));
    const ViewState after = bench.view->state();
    QVERIFY(after.image == before.image);
    QVERIFY(bench.view->cellTexts() == cellsBefore);
    QCOMPARE(after.radio.variant, before.radio.variant);
    QVERIFY(bench.context().isNewDocument()); // a compare is no read into the document
    QVERIFY(bench.document.isModified());
    QCOMPARE(undo->count(), steps);
    QCOMPARE(undo->index(), steps);

    CompareDialog* window = bench.view->transfer().comparison();
    QVERIFY(window && window->isVisible());
    QCOMPARE(window->windowTitle(), QStringLiteral("Compare with Radio"));
    QVERIFY2(window->heading()->text().startsWith(QStringLiteral("Differences between Channel Information")),
             qPrintable(window->heading()->text()));
    const QStringList lines = window->lines()->toPlainText().split(QLatin1Char('\n'));
    for (const char* line : {"CH 1, Rx Frequency: (blank) -> 145.12500",
                             "CH 2, Rx Frequency: 150.00000 -> (blank)", "Squelch Level: 4 -> 7"})
        QVERIFY2(lines.contains(QLatin1String(line)), qPrintable(lines.join(QLatin1Char('\n'))));
    // Byte 1000 never crossed the line: the radio's image takes it from the document.
    QVERIFY(!window->lines()->toPlainText().contains(QStringLiteral("0x3E8")));

    QCOMPARE(historyFiles(bench.context()).size(), 1);
    RadioImage kept;
    QVERIFY(ChannelFile::loadFromBytes(historyFileBytes(bench.context()), kept).ok());
    QVERIFY(CloneFrames::transferAreaOf(kept) == bench.radio.memory());
    QCOMPARE(int(kept[1000]), 0x5A);
}

// After a write the radio holds what the grid shows: no differences.
void TestHistoryGui::compareOfTheSameData()
{
    TransferBench bench;
    bench.context().setVerifyAfterWrite(false);
    bench.view->grid()->setText(3, 1, QStringLiteral("146.52000"));
    bench.run(ViewTransfer::Direction::Write);
    bench.run(ViewTransfer::Direction::Compare);
    CompareDialog* window = bench.view->transfer().comparison();
    QVERIFY(window);
    QVERIFY(window->lines()->toPlainText().isEmpty());
    QVERIFY2(window->heading()->text().startsWith(
                 QStringLiteral("The radio holds what Channel Information holds: no differences")),
             qPrintable(window->heading()->text()));
    QVERIFY(!window->copyButton()->isEnabled());
    QVERIFY(!window->saveButton()->isEnabled());
}

void TestHistoryGui::compareWindowCopiesAndSaves()
{
    TransferBench bench;
    bench.run(ViewTransfer::Direction::Compare);
    CompareDialog* window = bench.view->transfer().comparison();
    QVERIFY(window);
    const QString text = window->text();
    QVERIFY2(text.contains(QStringLiteral("\nSquelch Level: 4 -> 7\n")) && text.endsWith(QLatin1Char('\n')),
             qPrintable(text));
    QTest::mouseClick(window->copyButton(), Qt::LeftButton);
    QCOMPARE(QGuiApplication::clipboard()->text(), text);

    const QString path = bench.env->filePath(QStringLiteral("differences.txt"));
    QVERIFY(window->saveTo(path));
    QFile saved(path);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(saved.readAll()), text);
    saved.close();
    // A full disk: the box says so and the file saved before stays whole.
    const FailingWriter full(5);
    bench.context().setFileWriter(full);
    QVERIFY(!window->saveTo(path));
    QCOMPARE(bench.env->boxes.size(), 1);
    QVERIFY(bench.env->boxes[0].text.startsWith(QStringLiteral("Could not save the file ")));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(saved.readAll()), text);
}

void TestHistoryGui::writeWithVerify_data()
{
    QTest::addColumn<bool>("verify");
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("counter");
    QTest::addColumn<QStringList>("status");
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("copies");
    const QString stuck = QStringLiteral("stuck-byte=%1").arg(RadioImage::channelOffset(1) + 1);

    QTest::newRow("verify off: the write alone")
        << false << QString() << "51" << QStringList{"Written"} << QString() << 0;
    QTest::newRow("verify off: a stuck byte goes unseen")
        << false << stuck << "51" << QStringList{"Written"} << QString() << 0;
    QTest::newRow("verified") << true << QString() << "102" << QStringList{"Verified"} << QString() << 1;
    QTest::newRow("stuck byte named by its channel")
        << true << stuck << "102" << QStringList{"Written, but the radio does not hold it"}
        << "Verify failed: 1 byte(s) differ; the first at offset 0x011 (17): written 00, read back 25\n"
           "First difference (written -> read back): CH 1, Rx Frequency: 150.00000 -> 150.02500"
        << 1;
    QTest::newRow("read-back interrupted")
        << true << QStringLiteral("short-reply=3") << "52" << QStringList{"Written, not verified"}
        << "The write completed, but reading it back to verify failed:\n\n"
           "Program Interrupt, Please reset the radio and try again"
        << 0;
}

void TestHistoryGui::writeWithVerify()
{
    QFETCH(bool, verify);
    QFETCH(QString, fault);
    QFETCH(QString, counter);
    QFETCH(QStringList, status);
    QFETCH(QString, box);
    QFETCH(int, copies);
    VirtualRadio::Options options;
    QVERIFY(fault.isEmpty() || addFault(fault, options.faults, nullptr));
    TransferBench bench(options);
    bench.context().setVerifyAfterWrite(verify);
    bench.view->grid()->setText(1, 1, QStringLiteral("150.00000"));
    StatusTips tips(bench.view.get());
    bench.run(ViewTransfer::Direction::Write);
    QCOMPARE(bench.progress().bar()->maximum(), verify ? 102 : 51);
    QCOMPARE(bench.progress().counter()->text(), counter);
    QCOMPARE(tips.texts, status);
    QCOMPARE(bench.env->boxes.size(), box.isEmpty() ? 0 : 1);
    if (!box.isEmpty())
        QCOMPARE(bench.env->boxes[0].text, box);
    QCOMPARE(historyFiles(bench.context()).size(), copies);
    if (!verify) // a plain write: wake-up, identification, confirmation and 102 blocks, nothing read
        QCOMPARE(bench.radio.bytesReceived(), 8 + 1 + 1 + 102 * (4 + 8));
}

// File > Radio History lists the copies and opens the chosen one as a new document
// without a file, with the variant of its read.
void TestHistoryGui::historyOpensACopyAsNewDocument()
{
    GuiTestEnv env;
    env.loadIni();
    const RadioHistory history(env.context.historyFolder());
    const RadioImage older = SampleImage().channel(4, 0, 44600625);
    const RadioImage newer = patternImage();
    QVERIFY(history
                .store(older, RadioVariant::TransmitOnly, FileWriter(),
                       QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5), Qt::UTC))
                .ok());
    QVERIFY(history.store(newer, RadioVariant::ReceiveOnly).ok());
    const QString olderPath = history.entries().back().path;
    const QByteArray olderBytes = ChannelFile::toBytes(older);

    MainWindow window(env.context);
    window.documents().newDocument();
    window.show();
    QStringList rows;
    QTimer::singleShot(0, &window, [&] {
        auto* dialog = qobject_cast<HistoryDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        for (int r = 0; r < dialog->list()->topLevelItemCount(); ++r) {
            const QTreeWidgetItem* item = dialog->list()->topLevelItem(r);
            rows << QStringList{item->text(1), item->text(2), item->text(3)}.join(QLatin1Char('|'));
        }
        dialog->list()->setCurrentItem(dialog->list()->topLevelItem(1));
        QTest::mouseClick(dialog->openButton(), Qt::LeftButton);
    });
    window.runCommand(CommandId::ShowRadioHistory);
    QCOMPARE(rows.size(), 2);
    QVERIFY(rows[0].startsWith(QStringLiteral("Receive only|16|"))); // every channel of the pattern
    QCOMPARE(rows[1], QStringLiteral("Transmit only|1|446.00625"));

    const DocumentWindow* opened = window.documents().currentWindow();
    QVERIFY(opened);
    const ChannelDocument* document = opened->document();
    QVERIFY(ChannelFile::toBytes(document->image()) == olderBytes);
    QVERIFY(!document->hasFile());
    QVERIFY(!document->isModified());
    QVERIFY2(document->title().startsWith(QStringLiteral("Radio 2026-01-0")), qPrintable(document->title()));
    QCOMPARE(env.context.radioVariant(), RadioVariant::TransmitOnly);
    QVERIFY(!env.context.isNewDocument());
    QCOMPARE(opened->view()->grid()->text(4, 2), QStringLiteral("446.00625"));
    QFile copy(olderPath);
    QVERIFY(copy.open(QIODevice::ReadOnly));
    QCOMPARE(copy.readAll(), olderBytes);
}

// The Setup menu shows the setting as it is stored; the command turns it over and stores it.
void TestHistoryGui::verifySettingIsRemembered()
{
    GuiTestEnv env;
    env.loadIni();
    QVERIFY(env.context.verifyAfterWrite()); // on by default
    const auto shownInMenu = [](QAction* action) {
        QMenu* menu = nullptr;
        for (QObject* owner : action->associatedObjects())
            menu = menu ? menu : qobject_cast<QMenu*>(owner);
        if (!menu)
            return false;
        menu->popup(QPoint());
        const bool checked = action->isChecked();
        menu->hide();
        return checked;
    };
    {
        MainWindow window(env.context);
        window.documents().newDocument();
        QAction* verify = window.action(CommandId::VerifyAfterWrite);
        QVERIFY(verify->isCheckable());
        QVERIFY(shownInMenu(verify));
        verify->trigger();
        QVERIFY(!verify->isChecked());
        QVERIFY(!env.context.verifyAfterWrite());
    }
    AppContext later; // the next start of the program
    QVERIFY(!later.verifyAfterWrite());
    MainWindow window(env.context);
    window.documents().newDocument();
    QVERIFY(!shownInMenu(window.action(CommandId::VerifyAfterWrite)));
    window.runCommand(CommandId::VerifyAfterWrite);
    QVERIFY(window.action(CommandId::VerifyAfterWrite)->isChecked());
    QVERIFY(later.verifyAfterWrite());
}

QTEST_MAIN(TestHistoryGui)
#include "test_history_gui.moc"
