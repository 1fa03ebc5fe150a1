#include "app/NavigationBar.h"
#include "app/PrintCommands.h"
#include "app/WindowMenu.h"
#include "config/CommandIds.h"
#include "config/IniFile.h"
#include "dialogs/AboutDialog.h"
#include "dialogs/LanguageDialog.h"
#include "dialogs/ProgressDialog.h"
#include "document/ChannelDocument.h"
#include "document/ChannelFile.h"
#include "editor/ViewTransfer.h"
#include "link/ScriptedSerialDevices.h"
#include "sim/VirtualRadio.h"
#include "support/FailingWriter.h"
#include "support/ProgramFixture.h"

#include <QAction>
#include <QLabel>
#include <QLibraryInfo>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrinter>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QTreeWidget>

#include <cstring>
#include <sys/stat.h>

namespace {

QStringList menuTitles(const StartedProgram& s)
{
    QStringList titles;
    for (QAction* a : s.mainWindow()->menuBar()->actions())
        titles << a->text();
    return titles;
}

// A desktop style that activates items with a single click, or with a double click.
struct ActivationStyle : QProxyStyle {
    bool singleClick;
    explicit ActivationStyle(bool single) : singleClick(single) {}
    int styleHint(StyleHint hint, const QStyleOption* o, const QWidget* w, QStyleHintReturn* r) const override
    {
        return hint == SH_ItemView_ActivateItemOnSingleClick ? singleClick
                                                             : QProxyStyle::styleHint(hint, o, w, r);
    }
};

} // namespace

class TestShell : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void startUpLanguage_data();
    void startUpLanguage();
    void showLang_data();
    void showLang();
    void documentMenus();
    void navigationTree_data();
    void navigationTree();
    void windowMenuListsEveryDocument();
    void childFrameHidesAndComesBack();
    void newAsksBeforeClearing();
    void openBadFile();
    void fifoOnTheCommandLine();
    void saveAndReopen();
    void saveCommitsOpenEditor();
    void unsavedChangesPrompt();
    void failedSaveKeepsTheEdits();
    void printToFileGoesThroughTheWriter();
    void languageChangeRestarts();
    void languageChangeThatCannotBeSaved();
    void startsOnWhatCanBeRead();
    void aboutTexts();
    void chineseWindow();
    void standardButtons_data();
    void standardButtons();
    void commandsRefusedDuringTransfer();
    void absentPortTakesTheOneCable();
};

void TestShell::startUpLanguage_data()
{
    QTest::addColumn<QByteArray>("language");
    QTest::addColumn<bool>("started");
    QTest::addColumn<bool>("chinese");
    QTest::addColumn<QString>("company");
    QTest::addColumn<QString>("fileMenu");
    QTest::newRow("English") << QByteArray("English") << true << false << "Test Radio Co"
                             << "&File";
    QTest::newRow("Chinese") << QByteArray("Chinese") << true << true << QString::fromUtf8("测试无线电")
                             << "文件(&F)";
    // The module is found whatever the case; the compiled-in texts stay English.
    QTest::newRow("lower-case chinese")
        << QByteArray("chinese") << true << false << QString::fromUtf8("测试无线电") << "文件(&F)";
    QTest::newRow("third language") << QByteArray("Klingon") << false << false << ""
                                    << "";
    QTest::newRow("empty") << QByteArray("") << false << false << ""
                           << "";
}

void TestShell::startUpLanguage()
{
    QFETCH(QByteArray, language);
    QFETCH(bool, started);
    QFETCH(bool, chinese);
    QFETCH(QString, company);
    QFETCH(QString, fileMenu);
    StartedProgram s(StartedProgram::ini(language), {}, started);
    QCOMPARE(s.ok, started);
    const AppContext& context = s.context();
    QCOMPARE(context.language() == Language::Chinese, chinese);
    QCOMPARE(context.languageName(), QString::fromUtf8(language));
    QCOMPARE(context.helpFile(), chinese ? QStringLiteral("chHelp.chm") : QStringLiteral("enHelp.chm"));
    if (!started) {
        // No "chinese.qm", "Klingon.qm" or ".qm" beside the program.
        QCOMPARE(s.env.boxes.size(), 1);
        QCOMPARE(s.env.boxes[0].text, QStringLiteral("Load language DLL fail"));
        QVERIFY(!s.mainWindow());
        return;
    }
    QCOMPARE(context.company(), company);
    QCOMPARE(menuTitles(s).value(0), fileMenu);
    QCOMPARE(s.mainWindow()->navigationBar()->captionText(), company);
    QCOMPARE(s.mainWindow()->navigationBar()->tree()->topLevelItem(0)->child(1)->text(0),
             NavigationBar::itemTexts(chinese ? Language::Chinese : Language::English)[1]);
}

void TestShell::showLang_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<bool>("kept");
    QTest::newRow("1") << QByteArray("1") << true;
    QTest::newRow("2") << QByteArray("2") << true;
    QTest::newRow("0") << QByteArray("0") << false;
    QTest::newRow("empty") << QByteArray("") << false;
    QTest::newRow("text") << QByteArray("yes") << false;
}

void TestShell::showLang()
{
    QFETCH(QByteArray, value);
    QFETCH(bool, kept);
    StartedProgram s(StartedProgram::ini("English", value));
    QCOMPARE(s.mainWindow()->action(CommandId::ChooseLanguage)->isVisible(), kept);
}

void TestShell::documentMenus()
{
    StartedProgram s;
    QCOMPARE(menuTitles(s),
             (QStringList{"&File", "&Edit", "&Program", "&View", "&Setup", "&Window", "&Help"}));
    QCOMPARE(s.mainWindow()->action(CommandId::About)->text(), QStringLiteral("&About Test..."));
    QCOMPARE(s.mainWindow()->windowTitle(),
             QStringLiteral("Test Programmer  [ Type:VHF  Fre:130 - 160MHz ]"));
    QCOMPARE(s.mainWindow()->action(CommandId::Read)->statusTip(), QStringLiteral("Read Data From Radio"));
    QCOMPARE(s.mainWindow()->action(CommandId::Read)->toolTip(), QStringLiteral("Read"));
    QCOMPARE(s.mainWindow()->messagePane()->text(), QStringLiteral("Ready"));
}

void TestShell::navigationTree_data()
{
    QTest::addColumn<bool>("singleClick");
    QTest::newRow("double-click desktop") << false;
    QTest::newRow("single-click desktop") << true;
}

// A click, a double click or Enter on an item chooses it once, on every desktop.
void TestShell::navigationTree()
{
    QFETCH(bool, singleClick);
    ActivationStyle style(singleClick);
    StartedProgram s;
    QTreeWidget* tree = s.mainWindow()->navigationBar()->tree();
    tree->setStyle(&style);
    QSignalSpy chosen(s.mainWindow()->navigationBar(), &NavigationBar::targetChosen);
    QTreeWidgetItem* root = tree->topLevelItem(0);
    DocumentWindow* child = s.docs().currentWindow();
    for (int round = 0; round < 2; ++round) {
        child->hide();
        const QRect rect = tree->visualItemRect(root->child(1));
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, rect.center());
        QVERIFY(child->isVisible());
        QCOMPARE(tree->currentItem(), root);
    }
    const QPoint at = tree->visualItemRect(root->child(1)).center();
    QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, at); // with the click before, a double click
    QTest::mouseRelease(tree->viewport(), Qt::LeftButton, {}, at);
    tree->setCurrentItem(root->child(1));
    QTest::keyClick(tree, Qt::Key_Return);
    QCOMPARE(chosen.size(), 3);
    child->hide();
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(root).center());
    QVERIFY(!child->isVisible());
}

// Open hides the window worked in; the Window menu lists it, marked as changed, and
// brings it back. At exit a changed document's window comes forward before the question.
void TestShell::windowMenuListsEveryDocument()
{
    StartedProgram s;
    DocumentWindow* first = s.docs().currentWindow();
    first->document()->setModified(true);
    QVERIFY(s.docs().openDocument(s.saveFile(QStringLiteral("b.dat"))));
    DocumentWindow* second = s.docs().currentWindow();
    Q_EMIT s.mainWindow()->menuBar()->actions().at(5)->menu()->aboutToShow();
    const QList<QAction*> entries = s.mainWindow()->windowMenu().entries();
    QCOMPARE(entries[0]->text() + entries[1]->text(), QStringLiteral("&1 Channel Information*&2 b.dat"));
    QVERIFY(entries[1]->isChecked());
    entries[0]->trigger();
    QVERIFY(first->isVisible() && second->isHidden());
    s.docs().bringForward(second);
    s.env.answers = {QMessageBox::Cancel};
    QVERIFY(!s.mainWindow()->close());
    QCOMPARE(s.env.boxTexts(), QStringLiteral("Save changes to Channel Information?"));
    QVERIFY(first->isVisible() && second->isHidden());
}

void TestShell::childFrameHidesAndComesBack()
{
    StartedProgram s;
    DocumentWindow* child = s.docs().currentWindow();
    child->view()->grid()->setText(1, 1, QStringLiteral("146.00000"));
    child->close();
    QVERIFY(child->isHidden());
    QCOMPARE(s.docs().currentWindow(), child);
    s.mainWindow()->runCommand(CommandId::ChannelInformation);
    QVERIFY(child->isVisible());
    QCOMPARE(child->view()->grid()->text(1, 1), QStringLiteral("146.00000"));
    QCOMPARE(child->pos(), QPoint(0, 0));
    QVERIFY(!child->windowIcon().isNull()); // the program's own, without a title.ico
    s.mainWindow()->showNormal();           // the window narrows with the main window, and widens again
    s.mainWindow()->resize(1500, 950);
    QTRY_VERIFY(!qobject_cast<QScrollArea*>(child->widget())->horizontalScrollBar()->isVisible());
    const QString title = s.mainWindow()->windowTitle();
    child->showMaximized(); // the main window's title stays as set
    QCOMPARE(s.mainWindow()->windowTitle(), title);
    child->showNormal();
    QCOMPARE(s.mainWindow()->windowTitle(), title);
}

void TestShell::newAsksBeforeClearing()
{
    StartedProgram s;
    DocumentWindow* first = s.docs().currentWindow();
    s.env.answers = {QMessageBox::Cancel};
    s.mainWindow()->runCommand(CommandId::FileNew);
    QCOMPARE(s.env.boxes.size(), 1);
    QCOMPARE(s.env.boxes[0].text, QStringLiteral("All data will be Cleared!"));
    QCOMPARE(s.env.boxes[0].caption, QStringLiteral("Test Radio Co"));
    QCOMPARE(s.docs().currentWindow(), first);

    first->document()->setModified(true); // with changes the save question comes first
    s.env.answers = {QMessageBox::Cancel};
    s.mainWindow()->runCommand(CommandId::FileNew);
    QCOMPARE(s.env.boxTexts(),
             QStringLiteral("All data will be Cleared!\nSave changes to Channel Information?"));
    QCOMPARE(s.docs().currentWindow(), first);

    QPointer<DocumentWindow> watch(first);
    s.env.answers = {QMessageBox::Discard, QMessageBox::Ok};
    s.mainWindow()->runCommand(CommandId::FileNew);
    QVERIFY(watch.isNull()); // replaced, its changes discarded as answered
    QCOMPARE(s.env.boxes.size(), 4);
    QCOMPARE(s.docs().windows().size(), 1);
}

void TestShell::openBadFile()
{
    StartedProgram s;
    const QString bad = s.writeFile(QStringLiteral("bad.dat"), QByteArray(1040, 'x'));
    QVERIFY(!s.docs().openDocument(bad));
    QCOMPARE(s.env.boxes.size(), 1);
    QCOMPARE(s.env.boxes[0].text, QStringLiteral("Data Format Error"));
    QCOMPARE(s.docs().windows().size(), 1);
    QVERIFY(s.docs().currentWindow()->isVisible());

    const QString shortFile = s.writeFile(QStringLiteral("short.dat"), QByteArray("Q4V7", 4));
    QVERIFY(!s.docs().openDocument(shortFile));
    QCOMPARE(s.env.boxes.size(), 2);
}

// Refused at once with its name escaped, and the program starts as without a file.
void TestShell::fifoOnTheCommandLine()
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("x\t.dat"));
    QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
    // A program waiting in open() for a writer gets one, so the test fails instead of hanging.
    QProcess writer;
    writer.start(QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral(": > \"$0\""), fifo});
    StartedProgram s(GuiTestEnv::defaultIni(), {fifo});
    writer.kill();
    writer.waitForFinished();
    QCOMPARE(s.env.boxes.size(), 1);
    QVERIFY(s.env.boxes[0].text.contains(QStringLiteral("x\\t.dat.\nIt is a named pipe")));
    QCOMPARE(s.docs().windows().size(), 1);
    QVERIFY(!s.docs().currentWindow()->document()->hasFile());
}

void TestShell::saveAndReopen()
{
    StartedProgram s;
    RadioImage image = RadioImage::makeNew();
    image[1000] = 0x5A; // beyond the channels: carried through untouched
    const QString path = s.saveFile(QStringLiteral("chan.dat"), image);
    DocumentWindow* before = s.docs().currentWindow();
    QVERIFY(s.docs().openDocument(path));
    DocumentWindow* opened = s.docs().currentWindow();
    QVERIFY(opened != before);
    QVERIFY(before->isHidden());
    QVERIFY(!s.context().isNewDocument());
    opened->view()->grid()->setText(3, 1, QStringLiteral("145.12500"));
    QVERIFY(s.docs().save(opened));
    RadioImage saved;
    QVERIFY(ChannelFile::load(path, saved).ok());
    QCOMPARE(RadioImage::frequencyFromBytes(saved.channel(3)), 14512500u);
    QCOMPARE(int(saved[1000]), 0x5A);
    QVERIFY(s.docs().openDocument(path));
    QCOMPARE(s.cell(3, 1), QStringLiteral("145.12500"));
}

void TestShell::saveCommitsOpenEditor()
{
    StartedProgram s;
    const QString path = s.saveFile(QStringLiteral("typed.dat"));
    QVERIFY(s.docs().openDocument(path));
    s.typeWithoutEnter(2, QStringLiteral("150.0125"));
    QVERIFY(s.docs().save(s.docs().currentWindow()));
    RadioImage saved;
    QVERIFY(ChannelFile::load(path, saved).ok());
    QCOMPARE(RadioImage::frequencyFromBytes(saved.channel(2)), 15001250u);
}

void TestShell::unsavedChangesPrompt()
{
    StartedProgram s;
    s.docs().currentWindow()->document()->setModified(true);
    s.env.answers = {QMessageBox::Cancel};
    QVERIFY(!s.mainWindow()->close());
    QCOMPARE(s.env.boxes.size(), 1);
    QVERIFY(s.env.boxes[0].text.startsWith(QStringLiteral("Save changes to")));
    s.env.answers = {QMessageBox::Discard};
    QVERIFY(s.mainWindow()->close());
    QVERIFY(!s.mainWindow()->restartRequested());
}

// A save onto a full disk: the message names the file and the reason, the old file and
// the edits stay, and closing asks again.
void TestShell::failedSaveKeepsTheEdits()
{
    StartedProgram s;
    const QString path = s.saveFile(QStringLiteral("kept.dat"));
    QVERIFY(s.docs().openDocument(path));
    DocumentWindow* window = s.docs().currentWindow();
    window->view()->grid()->setText(3, 1, QStringLiteral("145.12500"));
    window->document()->setModified(true);
    FailingWriter full(100);
    s.context().setFileWriter(full);
    QVERIFY(!s.docs().save(window));
    QCOMPARE(s.env.boxes.size(), 1);
    QVERIFY(s.env.boxes[0].text.contains(QStringLiteral("kept.dat")));
    QVERIFY(s.env.boxes[0].text.contains(QString::fromLocal8Bit(std::strerror(ENOSPC))));
    QVERIFY(window->document()->isModified());
    RadioImage onDisk;
    QVERIFY(ChannelFile::load(path, onDisk).ok());
    QVERIFY(onDisk == RadioImage::makeNew());

    s.env.answers = {QMessageBox::Save}; // the save fails again: the window stays
    QVERIFY(!s.mainWindow()->close());
    QCOMPARE(s.env.boxes.size(), 3);
    QVERIFY(s.env.boxes[1].text.startsWith(QStringLiteral("Save changes to")));
    QVERIFY(s.env.boxes[2].text.contains(QStringLiteral("kept.dat")));

    const FileWriter roomAgain;
    s.context().setFileWriter(roomAgain);
    s.env.answers = {QMessageBox::Save};
    QVERIFY(s.mainWindow()->close());
    QVERIFY(ChannelFile::load(path, onDisk).ok());
    QCOMPARE(RadioImage::frequencyFromBytes(onDisk.channel(3)), 14512500u);
}

// Print to file writes the PDF as every other file: whole, or not at all.
void TestShell::printToFileGoesThroughTheWriter()
{
    StartedProgram s;
    const QString path = s.writeFile(QStringLiteral("report.pdf"), "old report");
    QPrinter& printer = s.mainWindow()->printCommands().printer();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    ChannelView& view = *s.view();
    FailingWriter full(100);
    s.context().setFileWriter(full);
    s.mainWindow()->printCommands().printDirect(view);
    QCOMPARE(s.env.boxes.size(), 1);
    QVERIFY(s.env.boxes[0].text.contains(QStringLiteral("report.pdf")));
    QVERIFY(s.env.boxes[0].text.contains(QString::fromLocal8Bit(std::strerror(ENOSPC))));
    QCOMPARE(readFile(path), QByteArray("old report"));

    const FileWriter roomAgain;
    s.context().setFileWriter(roomAgain);
    s.mainWindow()->printCommands().printDirect(view);
    QCOMPARE(s.env.boxes.size(), 1);
    QVERIFY(readFile(path).startsWith("%PDF-"));
}

void TestShell::languageChangeRestarts()
{
    StartedProgram s;
    s.docs().currentWindow()->document()->setModified(true);
    // The modal dialog is answered from inside its own loop.
    auto answer = [](bool chooseChinese) {
        answerDialog<LanguageDialog>([chooseChinese](LanguageDialog& dialog) {
            QVERIFY(dialog.englishButton()->isChecked());
            (chooseChinese ? dialog.chineseButton() : dialog.englishButton())->setChecked(true);
            dialog.accept();
        });
    };
    answer(false); // the language in use: nothing changes
    s.mainWindow()->runCommand(CommandId::ChooseLanguage);
    QVERIFY(s.mainWindow()->isVisible());

    s.env.answers = {QMessageBox::Cancel}; // the user keeps the window at the save question
    answer(true);
    s.mainWindow()->runCommand(CommandId::ChooseLanguage);
    IniFile reread;
    reread.load(s.env.iniPath());
    QCOMPARE(reread.value(QStringLiteral("Setup"), QStringLiteral("Language"), QString()),
             QStringLiteral("English")); // written only once the window really closes
    QVERIFY(s.mainWindow()->isVisible());
    QVERIFY(!s.mainWindow()->restartRequested()); // no second instance while this one stays

    s.env.answers = {QMessageBox::Discard}; // this time the window closes: restart
    answer(true);
    s.mainWindow()->runCommand(CommandId::ChooseLanguage);
    QVERIFY(!s.mainWindow()->isVisible());
    QVERIFY(s.mainWindow()->restartRequested());
    reread.load(s.env.iniPath());
    QCOMPARE(reread.value(QStringLiteral("Setup"), QStringLiteral("Language"), QString()),
             QStringLiteral("Chinese"));
}

void TestShell::languageChangeThatCannotBeSaved()
{
    StartedProgram s;
    FailingWriter full;
    s.context().setFileWriter(full);
    answerDialog<LanguageDialog>([](LanguageDialog& dialog) {
        dialog.chineseButton()->setChecked(true);
        dialog.accept();
    });
    s.mainWindow()->runCommand(CommandId::ChooseLanguage);
    QCOMPARE(s.env.boxes.size(), 1);
    QVERIFY(s.env.boxes[0].text.contains(QStringLiteral("Program.ini")));
    QVERIFY(s.env.boxes[0].text.contains(QString::fromLocal8Bit(std::strerror(ENOSPC))));
    QVERIFY(s.mainWindow()->isVisible());
    QVERIFY(!s.mainWindow()->restartRequested());
    QCOMPARE(s.context().setupValue(QStringLiteral("Language")), QStringLiteral("English"));
    QCOMPARE(readFile(s.env.iniPath()), GuiTestEnv::defaultIni());
}

// A Program.ini that cannot be read ends the start with a box naming it; one read where no
// per-user copy can be made starts, and a change is stored in the copy or says why not.
void TestShell::startsOnWhatCanBeRead()
{
    GuiTestEnv env;
    const QString copy = env.iniPath() + QStringLiteral("/xr970/Program.ini"); // below a plain file
    QVERIFY(!Application(env.hooks).start({env.dir(), env.dir(), QString(), copy}, {}));
    QVERIFY(env.boxes.value(0).text.startsWith(QStringLiteral("Program.ini cannot be read:\n") + env.dir()));
    Application app(env.hooks);
    QVERIFY(app.start({env.iniPath(), env.dir(), QString(), copy}, {}));
    IniFile& config = app.context().config();
    config.setValue(QStringLiteral("Setup"), QStringLiteral("Language"), QStringLiteral("Chinese"));
    QCOMPARE(config.save().errorText, qt_error_string(ENOTDIR));
}

void TestShell::aboutTexts()
{
    StartedProgram s;
    AboutDialog about(s.context(), s.mainWindow());
    QCOMPARE(about.windowTitle(), QStringLiteral("About Test"));
    QCOMPARE(about.line(AboutDialog::Line1Id)->text(), QStringLiteral("Version 1 & more"));
    QCOMPARE(about.line(AboutDialog::Line2Id)->text(), QStringLiteral("<u>C</u>opy 2026"));
    QCOMPARE(about.line(AboutDialog::Line3Id)->text(), QStringLiteral("Owner &amp; Co"));
    QCOMPARE(about.logo()->pixmap().size(), QSize(124, 39));
}

void TestShell::chineseWindow()
{
    StartedProgram s(StartedProgram::ini("Chinese"));
    QCOMPARE(menuTitles(s), (QStringList{"文件(&F)", "编辑(&E)", "编程(&P)", "查看(&V)", "设置(&S)",
                                         "窗口(&W)", "帮助(&H)"}));
    auto chinese = [](const QString& text) {
        return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x4E00; });
    };
    for (QAction* title : s.mainWindow()->menuBar()->actions()) {
        for (QAction* item : title->menu()->actions()) {
            if (item->isSeparator() || !item->isVisible() || // an empty place of the recent files
                item->data().toInt() == CommandId::About)    // About: the dealer's own title
                continue;
            QVERIFY2(chinese(item->text()), qPrintable(item->text()));
            QVERIFY2(chinese(item->statusTip()), qPrintable(item->text()));
            QVERIFY2(chinese(item->toolTip()), qPrintable(item->text()));
        }
    }
    QCOMPARE(s.mainWindow()->action(CommandId::Read)->text(), QStringLiteral("读数据(&R)"));
    QCOMPARE(AboutDialog(s.context()).windowTitle(), QStringLiteral("关于测试")); // no "(&A)..."
    QCOMPARE(s.mainWindow()->action(CommandId::Read)->statusTip(), QStringLiteral("从对讲机读取数据"));
    QCOMPARE(s.mainWindow()->action(CommandId::Read)->toolTip(), QStringLiteral("读数据"));
    QCOMPARE(s.mainWindow()->messagePane()->text(), QStringLiteral("就绪"));
}

void TestShell::standardButtons_data()
{
    QTest::addColumn<QByteArray>("language");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("English") << QByteArray("English") << QStringList{"Save", "Discard", "Cancel"};
    QTest::newRow("Chinese") << QByteArray("Chinese") << QStringList{"保存", "丢弃", "取消"};
}

void TestShell::standardButtons()
{
    QFETCH(QByteArray, language);
    QFETCH(QStringList, texts);
    const QString qtTexts =
        QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_zh_CN.qm");
    if (language == "Chinese" && !QFileInfo::exists(qtTexts))
        QSKIP("Qt's Chinese texts are not installed");
    StartedProgram s(StartedProgram::ini(language));
    QMessageBox box(QMessageBox::Question, QStringLiteral("Northwind Radio Works"), QStringLiteral("Ready"),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    makeRoomForCaption(box); // the caption shows whole beside the title bar's icon and buttons
    box.show();
    QVERIFY(box.width() >= box.fontMetrics().horizontalAdvance(box.windowTitle()) +
                               4 * box.style()->pixelMetric(QStyle::PM_TitleBarHeight));
    QCOMPARE((QStringList{box.button(QMessageBox::Save)->text(), box.button(QMessageBox::Discard)->text(),
                          box.button(QMessageBox::Cancel)->text()}),
             texts);
}

void TestShell::commandsRefusedDuringTransfer()
{
    VirtualRadio::Options paced;
    paced.paced = true;
    VirtualRadio radio(CloneFrames::transferAreaOf(RadioImage::makeNew()), paced);
    QVERIFY(radio.start());
    StartedProgram s;
    s.context().port().setDeviceOverride(radio.devicePath());
    DocumentWindow* frame = s.docs().currentWindow();
    ViewTransfer& transfer = frame->view()->transfer();
    bool checked = false;
    QTimer::singleShot(500, s.mainWindow(), [&] {
        QVERIFY(transfer.isRunning());
        for (int id : {CommandId::FileNew, CommandId::CompareWithRadio, CommandId::ShowRadioHistory})
            QVERIFY(!s.mainWindow()->action(id)->isEnabled());
        QVERIFY(s.mainWindow()->action(CommandId::VerifyAfterWrite)->isEnabled());
        s.mainWindow()->runCommand(CommandId::ShowRadioHistory); // would open a modal list
        s.mainWindow()->runCommand(CommandId::FileNew);
        s.mainWindow()->runCommand(CommandId::FileClose);
        QVERIFY(!s.mainWindow()->close());
        QCOMPARE(s.docs().currentWindow(), frame);
        QVERIFY(frame->isVisible());
        checked = true;
    });
    s.mainWindow()->runCommand(CommandId::Read);
    QTest::mouseClick(transfer.progress().okButton(), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!transfer.progress().isOpen(), 15000);
    QVERIFY(checked);
    QVERIFY2(s.env.boxes.isEmpty(), qPrintable(s.env.boxTexts()));
    QVERIFY(s.mainWindow()->action(CommandId::FileNew)->isEnabled());
}

void TestShell::absentPortTakesTheOneCable()
{
    VirtualRadio radio(CloneFrames::transferAreaOf(RadioImage::makeNew()), {});
    QVERIFY(radio.start());
    StartedProgram s(GuiTestEnv::defaultIni() + "[Ports]\r\nCOM1=/nonexistent/ttyXR1\r\n");
    auto devices = std::make_unique<ScriptedSerialDevices>();
    SerialDeviceInfo cable;
    cable.path = radio.devicePath();
    cable.vendorId = 0x1a86;
    cable.productId = 0x7523;
    devices->setDevices({cable});
    s.context().setSerialDevices(std::move(devices));
    ViewTransfer& transfer = s.view()->transfer();
    s.mainWindow()->runCommand(CommandId::Read);
    QTest::mouseClick(transfer.progress().okButton(), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!transfer.progress().isOpen(), 15000);
    QVERIFY2(s.env.boxes.isEmpty(), qPrintable(s.env.boxTexts()));
    QVERIFY(radio.bytesSent() > 800); // the cable's radio answered
    QCOMPARE(s.mainWindow()->statusBar()->currentMessage(),
             QStringLiteral("COM1 is not present; using the programming cable on %1 (WCH CH340).")
                 .arg(radio.devicePath()));
    QCOMPARE(s.context().port().name(), QStringLiteral("COM1")); // for this transfer only
}

QTEST_MAIN(TestShell)
#include "test_shell.moc"
