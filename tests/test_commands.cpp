#include "app/MainCommands.h"
#include "app/NavigationBar.h"
#include "app/PaneFocus.h"
#include "config/CommandIds.h"
#include "dialogs/ProgressDialog.h"
#include "document/ChannelDocument.h"
#include "editor/ViewTransfer.h"
#include "support/ProgramFixture.h"

#include <QAction>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>
#include <QUndoStack>

namespace {

enum class Start { NoDocument, Document, Maximised, Hidden, Typing, ThreeDocuments };

// The program as start-up leaves it, shown and active, its grid with the focus, then put
// into the state named.
void arrange(StartedProgram& program, Start start)
{
    for (const QString& name : {QStringLiteral("second.dat"), QStringLiteral("third.dat")})
        if (start == Start::ThreeDocuments)
            QVERIFY(program.docs().openDocument(program.saveFile(name)));
    program.activate();
    DocumentWindow* document = program.docs().currentWindow();
    if (!document)
        return;
    document->view()->grid()->setFocus();
    if (start == Start::Maximised)
        document->showMaximized();
    else if (start == Start::Hidden)
        document->close();
    else if (start == Start::Typing) { // a frequency typed into the open editor, not yet committed
        program.typeWithoutEnter(2, QStringLiteral("145.125"));
        QVERIFY(QApplication::focusWidget() && QApplication::focusWidget()->inherits("QLineEdit"));
    }
}

QString focusedPane(const StartedProgram& program)
{
    const QWidget* focused = QApplication::focusWidget();
    const QWidget* tree = program.mainWindow()->navigationBar()->tree();
    const DocumentWindow* document = program.docs().currentWindow();
    const QWidget* grid = document ? document->view()->grid() : nullptr;
    if (focused && (focused == tree || tree->isAncestorOf(focused)))
        return QStringLiteral("tree");
    if (focused && grid && (focused == grid || grid->isAncestorOf(focused)))
        return QStringLiteral("grid");
    return QStringLiteral("elsewhere");
}

// Notes and closes every modal dialog that a command opens.
class ModalWatcher : public QObject {
public:
    ModalWatcher()
    {
        connect(&timer_, &QTimer::timeout, this, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal)
                return;
            QString seen = QString::fromLatin1(modal->metaObject()->className());
            if (auto* files = qobject_cast<QFileDialog*>(modal))
                seen += files->acceptMode() == QFileDialog::AcceptSave ? QStringLiteral(" save")
                                                                       : QStringLiteral(" open");
            dialogs << seen;
            if (onDialog)
                onDialog(modal);
            static_cast<QDialog*>(modal)->reject();
        });
        timer_.start(10);
    }
    QStringList dialogs;
    std::function<void(QWidget*)> onDialog;

private:
    QTimer timer_;
};

// What a key did to the program, in the words of the test table.
QString effectOf(StartedProgram& program, const QKeySequence& key)
{
    const int windowsBefore = int(program.docs().windows().size());
    const QString paneBefore = focusedPane(program);
    const bool shownBefore = program.docs().currentWindow() && program.docs().currentWindow()->isVisible();
    const DocumentWindow* currentBefore = program.docs().currentWindow();
    const int stepsBefore = currentBefore ? currentBefore->view()->undoStack()->index() : 0;
    ModalWatcher watcher;
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : program.mainWindow();
    QTest::keySequence(target, key);
    QApplication::processEvents();

    QStringList effects;
    effects += watcher.dialogs;
    for (const MessageBoxRequest& box : program.env.boxes)
        effects << QStringLiteral("box ") + box.text;
    if (program.docs().windows().size() > windowsBefore)
        effects << QStringLiteral("new window");
    if (shownBefore && program.docs().currentWindow()->isHidden())
        effects << QStringLiteral("channel window hidden");
    if (currentBefore && program.docs().currentWindow() != currentBefore &&
        program.docs().currentWindow()->isVisible())
        effects << QStringLiteral("shows ") + program.docs().currentWindow()->document()->title();
    if (DocumentWindow* document = program.docs().currentWindow()) {
        if (document == currentBefore && document->view()->undoStack()->index() != stepsBefore)
            effects << QStringLiteral("step ") + document->view()->undoStack()->undoText();
        ProgressDialog& progress = document->view()->transfer().progress();
        if (progress.isOpen()) {
            effects << QStringLiteral("progress ") + progress.windowTitle();
            progress.cancelButton()->click();
        }
    }
    const QString pane = focusedPane(program);
    if (pane != paneBefore && pane != QStringLiteral("elsewhere"))
        effects << QStringLiteral("focus ") + pane;
    return effects.isEmpty() ? QStringLiteral("nothing") : effects.join(QStringLiteral("; "));
}

} // namespace

Q_DECLARE_METATYPE(Start)

class TestCommands : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void accelerators_data();
    void accelerators();
    void refusedDuringTransfer();
    void panesInOrder();
    void fileDialogsNameTheirFilesAlike();
    void printDialogOffersTheReportsPages_data();
    void printDialogOffersTheReportsPages();
};

void TestCommands::accelerators_data()
{
    QTest::addColumn<Start>("start");
    QTest::addColumn<QKeySequence>("key");
    QTest::addColumn<QString>("effect");
    // The menu bar of no document: the document commands are off.
    const Start none = Start::NoDocument;
    QTest::newRow("no document, Ctrl+N") << none << QKeySequence("Ctrl+N") << "new window";
    QTest::newRow("no document, Ctrl+O") << none << QKeySequence("Ctrl+O") << "QFileDialog open";
    QTest::newRow("no document, Ctrl+P") << none << QKeySequence("Ctrl+P") << "nothing";
    QTest::newRow("no document, Ctrl+R") << none << QKeySequence("Ctrl+R") << "nothing";
    QTest::newRow("no document, Ctrl+S") << none << QKeySequence("Ctrl+S") << "nothing";
    QTest::newRow("no document, Ctrl+W") << none << QKeySequence("Ctrl+W") << "nothing";
    QTest::newRow("no document, F6") << none << QKeySequence("F6") << "focus tree";
    QTest::newRow("no document, Shift+F6") << none << QKeySequence("Shift+F6") << "focus tree";
    // The menu bar of a document, its channel window showing.
    const Start doc = Start::Document;
    QTest::newRow("document, Ctrl+N") << doc << QKeySequence("Ctrl+N") << "box All data will be Cleared!";
    QTest::newRow("document, Ctrl+O") << doc << QKeySequence("Ctrl+O") << "QFileDialog open";
    QTest::newRow("document, Ctrl+P") << doc << QKeySequence("Ctrl+P") << "QPrintDialog";
    QTest::newRow("document, Ctrl+R") << doc << QKeySequence("Ctrl+R") << "progress Read Data";
    QTest::newRow("document, Ctrl+S") << doc << QKeySequence("Ctrl+S") << "QFileDialog save";
    QTest::newRow("document, Ctrl+W") << doc << QKeySequence("Ctrl+W") << "progress Write Data";
    QTest::newRow("document, F6") << doc << QKeySequence("F6") << "focus tree";
    QTest::newRow("document, Shift+F6") << doc << QKeySequence("Shift+F6") << "focus tree";
    // The channel window's own close key only hides it.
    QTest::newRow("document, Ctrl+F4") << doc << QKeySequence("Ctrl+F4") << "channel window hidden";
    // Write whatever the channel window's state.
    QTest::newRow("maximised, Ctrl+W") << Start::Maximised << QKeySequence("Ctrl+W") << "progress Write Data";
    QTest::newRow("hidden, Ctrl+W") << Start::Hidden << QKeySequence("Ctrl+W") << "progress Write Data";
    QTest::newRow("hidden, Ctrl+R") << Start::Hidden << QKeySequence("Ctrl+R") << "progress Read Data";
    // An edit box that has the focus does not swallow them.
    const Start typing = Start::Typing;
    QTest::newRow("typing, Ctrl+W") << typing << QKeySequence("Ctrl+W") << "progress Write Data";
    QTest::newRow("typing, Ctrl+R") << typing << QKeySequence("Ctrl+R") << "progress Read Data";
    QTest::newRow("typing, Ctrl+P") << typing << QKeySequence("Ctrl+P")
                                    << "QPrintDialog; step Edit Channel 2";
    QTest::newRow("typing, Ctrl+S") << typing << QKeySequence("Ctrl+S") << "QFileDialog save";
    QTest::newRow("typing, F6") << typing << QKeySequence("F6") << "focus tree";
    // The channel operations, after the typed value is stored (from the empty channel 1
    // above, Fill Down deletes channel 2 again).
    QTest::newRow("typing, Ctrl+Shift+Up") << typing << QKeySequence("Ctrl+Shift+Up") << "step Move Up";
    QTest::newRow("typing, Ctrl+Shift+Down") << typing << QKeySequence("Ctrl+Shift+Down") << "step Move Down";
    QTest::newRow("typing, Ctrl+D") << typing << QKeySequence("Ctrl+D") << "step Fill Down";
    QTest::newRow("no document, Ctrl+D") << none << QKeySequence("Ctrl+D") << "nothing";
    // Next and previous document, in the order they were opened.
    const Start three = Start::ThreeDocuments;
    QTest::newRow("documents, Ctrl+F6") << three << QKeySequence("Ctrl+F6") << "shows Channel Information";
    QTest::newRow("documents, Ctrl+Tab") << three << QKeySequence("Ctrl+Tab") << "shows Channel Information";
    QTest::newRow("documents, Ctrl+Shift+F6") << three << QKeySequence("Ctrl+Shift+F6") << "shows second.dat";
}

// Each accelerator, pressed in the running window, runs its command (or nothing, where the
// menu bar has the command switched off).
void TestCommands::accelerators()
{
    QFETCH(Start, start);
    QFETCH(QKeySequence, key);
    QFETCH(QString, effect);
    // Start-up always opens a document: the menu bar of none is that of the main window alone.
    const auto started = start == Start::NoDocument
                             ? std::make_unique<StartedProgram>(StartedProgram::NoDocument{})
                             : std::make_unique<StartedProgram>();
    StartedProgram& program = *started;
    arrange(program, start);
    QCOMPARE(program.mainWindow()->menuBar()->actions().size(), start == Start::NoDocument ? 3 : 7);
    program.env.answers = {QMessageBox::Cancel};
    QTest::failOnWarning(QRegularExpression("Ambiguous shortcut"));
    QCOMPARE(effectOf(program, key), effect);
}

// While a transfer runs, every command whose row refuses it then is disabled and does nothing.
void TestCommands::refusedDuringTransfer()
{
    StartedProgram program;
    arrange(program, Start::Document);
    MainWindow& window = *program.mainWindow();
    Q_EMIT window.documents().transferRunningChanged(true);
    ModalWatcher watcher;
    for (const MainCommand& command : MainWindow::commands()) {
        if (command.has(MainCommand::RefusedDuringTransfer)) {
            QVERIFY2(!window.action(command.id)->isEnabled(), command.text);
            window.runCommand(command.id);
        }
    }
    QApplication::processEvents();
    QCOMPARE(watcher.dialogs, QStringList());
    QVERIFY2(program.env.boxes.isEmpty(), qPrintable(program.env.boxTexts()));
    QVERIFY(window.isVisible() && program.docs().currentWindow()->isVisible());
    QVERIFY(!program.docs().currentWindow()->view()->transfer().progress().isOpen());
}

// The pane order: F6 forwards and round, Shift+F6 backwards; from outside every pane
// to the first or the last.
void TestCommands::panesInOrder()
{
    QWidget window;
    QLineEdit outside(&window);
    QLineEdit a(&window);
    QLineEdit b(&window);
    QLineEdit c(&window);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    const QList<QWidget*> panes{&a, &b, &c};
    const struct {
        QWidget* from;
        int step;
        QWidget* to;
    } moves[] = {{&a, 1, &b},  {&b, 1, &c},       {&c, 1, &a},       {&a, -1, &c},
                 {&c, -1, &b}, {&outside, 1, &a}, {&outside, -1, &c}};
    for (const auto& move : moves) {
        move.from->setFocus();
        focusNextPane(panes, move.step);
        QCOMPARE(QApplication::focusWidget(), move.to);
    }
}

// Open, Save As and Import Channels offer their files alike: the pattern, then every file.
void TestCommands::fileDialogsNameTheirFilesAlike()
{
    StartedProgram program;
    arrange(program, Start::Document);
    ModalWatcher watcher;
    QStringList filters;
    watcher.onDialog = [&filters](QWidget* m) { filters << static_cast<QFileDialog*>(m)->nameFilters(); };
    for (int id : {CommandId::FileOpen, CommandId::FileSaveAs, CommandId::ImportChannels})
        program.mainWindow()->runCommand(id);
    QCOMPARE(filters.join(';'), "*.dat;All files (*);*.dat;All files (*);*.csv;All files (*)");
}

void TestCommands::printDialogOffersTheReportsPages_data()
{
    QTest::addColumn<int>("variant");
    QTest::addColumn<int>("column"); // the frequency typed into the channels
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("pages");
    const int receive = int(RadioVariant::ReceiveOnly);
    const int transmit = int(RadioVariant::TransmitOnly);
    QTest::newRow("no channel") << receive << int(GridColumn::RxFrequency) << 0 << 1;
    QTest::newRow("nine channels") << receive << int(GridColumn::RxFrequency) << 9 << 3;
    QTest::newRow("transmit-only radio, eight") << transmit << int(GridColumn::TxFrequency) << 8 << 2;
}

// The print dialog's page choice runs from 1 to the report's page count, all chosen at
// first; what the user chose there is not kept for the next printout.
void TestCommands::printDialogOffersTheReportsPages()
{
    QFETCH(int, variant);
    QFETCH(int, column);
    QFETCH(int, channels);
    QFETCH(int, pages);
    StartedProgram program;
    arrange(program, Start::Document);
    program.context().setRadioVariant(RadioVariant(variant));
    ChannelView* view = program.docs().currentWindow()->view();
    view->loadFromImage();
    for (int channel = 1; channel <= channels; ++channel)
        view->grid()->setText(channel, column, QStringLiteral("145.00000"));
    ModalWatcher watcher;
    QList<int> seen;
    watcher.onDialog = [&seen](QWidget* modal) {
        auto* dialog = qobject_cast<QPrintDialog*>(modal);
        QVERIFY(dialog);
        auto* from = dialog->findChild<QSpinBox*>(QStringLiteral("from"));
        auto* to = dialog->findChild<QSpinBox*>(QStringLiteral("to"));
        QVERIFY(from && to);
        seen = {dialog->minPage(), dialog->maxPage(), from->value(), to->value(), to->maximum()};
    };
    program.mainWindow()->runCommand(CommandId::Print);
    QCOMPARE(watcher.dialogs, QStringList{"QPrintDialog"});
    QCOMPARE(seen, (QList<int>{1, pages, 1, pages, pages}));
}

QTEST_MAIN(TestCommands)
#include "test_commands.moc"
