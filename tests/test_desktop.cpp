// What users of desktop editors take for granted in the main window: a typed value that
// survives every way of closing, the Edit commands, dialogs as undo steps, recent files,
// dropped files, the window where it was left, readable colours in a dark palette, and
// names for assistive technology.

#include "app/HelpWindow.h"
#include "app/KeyStateIndicators.h"
#include "app/NavigationBar.h"
#include "app/RecentFiles.h"
#include "app/TiledMdiArea.h"
#include "config/CommandIds.h"
#include "dialogs/AboutDialog.h"
#include "dialogs/ControlIds.h"
#include "dialogs/LanguageDialog.h"
#include "dialogs/OptionalFeaturesDialog.h"
#include "dialogs/PortSettingDialog.h"
#include "dialogs/ProductInfoDialog.h"
#include "dialogs/ProgressDialog.h"
#include "document/ChannelDocument.h"
#include "link/ScriptedSerialDevices.h"
#include "support/DialogTestSupport.h"
#include "support/ProgramFixture.h"
#include "uikit/Contrast.h"

#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QMimeData>
#include <QStatusBar>
#include <QTableView>
#include <QUndoStack>

namespace {

using Close = std::function<void(StartedProgram&)>;

// The colour of the pixel in the area that differs most from the colour at its corner,
// and that corner colour: the text and the background it was drawn on.
std::pair<QColor, QColor> textAndBackground(const QImage& image, const QRect& area)
{
    const QRect shown = area & image.rect();
    const QColor background = image.pixelColor(shown.topLeft() + QPoint(2, 2));
    QColor text = background;
    for (int y = shown.top(); y <= shown.bottom(); ++y)
        for (int x = shown.left(); x <= shown.right(); ++x)
            if (contrastRatio(image.pixelColor(x, y), background) > contrastRatio(text, background))
                text = image.pixelColor(x, y);
    return {text, background};
}

QPalette darkPalette()
{
    QPalette dark;
    const QColor window(53, 53, 53), base(35, 35, 35), text(230, 230, 230);
    for (auto role : {QPalette::Window, QPalette::Button, QPalette::AlternateBase, QPalette::ToolTipBase})
        dark.setColor(role, window);
    dark.setColor(QPalette::Base, base);
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::ToolTipText})
        dark.setColor(role, text);
    dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
    dark.setColor(QPalette::HighlightedText, Qt::black);
    return dark;
}

} // namespace

class TestDesktop : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void typedValueSurvivesEveryClose_data();
    void typedValueSurvivesEveryClose();
    void editCommandsOnTheActiveView();
    void dialogsAreUndoSteps_data();
    void dialogsAreUndoSteps();
    void recentFiles();
    void droppedFiles();
    void placementRestored();
    void darkPaletteContrast();
    void accessibleNamesAndTexts();
};

void TestDesktop::typedValueSurvivesEveryClose_data()
{
    QTest::addColumn<Close>("close");
    QTest::addColumn<QString>("question");
    QTest::newRow("window manager close")
        << Close([](StartedProgram& p) { QVERIFY(!p.mainWindow()->close()); }) << "Save changes to";
    QTest::newRow("File Exit") << Close([](StartedProgram& p) {
        p.mainWindow()->runCommand(CommandId::Exit);
        QVERIFY(p.mainWindow()->isVisible());
    }) << "Save changes to";
    QTest::newRow("document window closed, then exit") << Close([](StartedProgram& p) {
        p.docs().currentWindow()->close();
        QVERIFY(!p.mainWindow()->close());
    }) << "Save changes to";
    QTest::newRow("New") << Close([](StartedProgram& p) { p.mainWindow()->runCommand(CommandId::FileNew); })
                         << "Save changes to Channel Information?";
    QTest::newRow("Open, then exit") << Close([](StartedProgram& p) {
        DocumentWindow* typedIn = p.docs().currentWindow();
        QVERIFY(p.docs().openDocument(p.saveFile(QStringLiteral("other.dat"))));
        QVERIFY(typedIn->isHidden());
        QVERIFY(!p.mainWindow()->close());
        typedIn->showNormalAgain();
    }) << "Save changes to Channel Information";
}

// A value typed without Enter is committed before every question about unsaved changes,
// so the question is asked and the value is there.
void TestDesktop::typedValueSurvivesEveryClose()
{
    QFETCH(Close, close);
    QFETCH(QString, question);
    StartedProgram p;
    DocumentWindow* typedIn = p.docs().currentWindow();
    p.typeWithoutEnter(3, QStringLiteral("150.5"));
    p.env.answers = {QMessageBox::Cancel};
    close(p);
    QCOMPARE(p.env.boxes.size(), 1);
    QVERIFY2(p.env.boxes[0].text.startsWith(question), qPrintable(p.env.boxes[0].text));
    QCOMPARE(p.docs().currentWindow(), typedIn);
    QCOMPARE(p.cell(3, 1), QStringLiteral("150.50000"));
    QVERIFY(typedIn->document()->isModified());
}

void TestDesktop::editCommandsOnTheActiveView()
{
    StartedProgram p;
    MainWindow& w = *p.mainWindow();
    for (auto [id, key] : {std::pair{CommandId::EditUndo, QKeySequence::Undo},
                           {CommandId::EditRedo, QKeySequence::Redo},
                           {CommandId::EditCut, QKeySequence::Cut},
                           {CommandId::EditCopy, QKeySequence::Copy},
                           {CommandId::EditPaste, QKeySequence::Paste}})
        QCOMPARE(w.action(id)->shortcuts(), QKeySequence::keyBindings(key));
    QVERIFY(!w.action(CommandId::EditUndo)->isEnabled());
    p.view()->grid()->setCurrentCell(2, 1);
    QGuiApplication::clipboard()->setText(QStringLiteral("146.5\t67.0\n147\tD023N\n"));
    w.action(CommandId::EditPaste)->trigger();
    QCOMPARE(p.cell(3, 3), QStringLiteral("D023N"));
    QCOMPARE(w.action(CommandId::EditUndo)->text(), QStringLiteral("&Undo Paste"));
    w.action(CommandId::EditCopy)->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("146.50000\n"));
    // Undo first takes back what is being typed, then the paste.
    p.typeWithoutEnter(2, QStringLiteral("150"));
    w.action(CommandId::EditUndo)->trigger();
    QCOMPARE(p.cell(2, 1), QStringLiteral("146.50000"));
    w.action(CommandId::EditUndo)->trigger();
    QCOMPARE(p.cell(2, 1), QString());
    QVERIFY(!p.view()->document()->isModified());
    w.action(CommandId::EditRedo)->trigger();
    QCOMPARE(p.cell(3, 1), QStringLiteral("147.00000"));
    QVERIFY2(p.env.boxes.isEmpty(), qPrintable(p.env.boxTexts()));
}

void TestDesktop::dialogsAreUndoSteps_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<std::function<void()>>("answer");
    QTest::newRow("Optional Features") << CommandId::OptionalFeatures << std::function<void()>([] {
        answerDialog<OptionalFeaturesDialog>([](OptionalFeaturesDialog& dialog) {
            QComboBox* squelch = findControl<QComboBox>(&dialog, ControlId::SquelchList);
            squelch->setCurrentIndex((squelch->currentIndex() + 1) % squelch->count());
            dialog.accept();
        });
    });
    QTest::newRow("Product Information") << CommandId::ProductInformation << std::function<void()>([] {
        answerDialog<ProductInfoDialog>([](ProductInfoDialog& dialog) {
            findControl<QComboBox>(&dialog, ControlId::FrequencyList)->setCurrentIndex(1);
            dialog.accept();
        });
    });
}

// OK of either dialog is one step: undo puts back the image, the caption and the band.
void TestDesktop::dialogsAreUndoSteps()
{
    QFETCH(int, command);
    QFETCH(std::function<void()>, answer);
    StartedProgram p;
    const ViewState before = p.view()->state();
    const QString caption = p.mainWindow()->windowTitle();
    const BandLimits band = p.view()->band();
    answer();
    p.mainWindow()->runCommand(command);
    QVERIFY(!p.view()->state().sameData(before));
    QVERIFY(p.view()->document()->isModified());
    p.mainWindow()->runCommand(CommandId::EditUndo);
    QVERIFY(p.view()->state().sameData(before));
    QCOMPARE(p.mainWindow()->windowTitle(), caption);
    QCOMPARE(p.view()->band().high, band.high);
    QVERIFY(!p.view()->document()->isModified());
}

void TestDesktop::recentFiles()
{
    StartedProgram p;
    const QString first = p.saveFile(QStringLiteral("first.dat"));
    const QString second = p.saveFile(QStringLiteral("second.dat"));
    QVERIFY(p.docs().openDocument(first));
    QVERIFY(p.docs().openDocument(second));
    QVERIFY(p.docs().openDocument(first));
    QCOMPARE(p.mainWindow()->recentFiles().files(), (QStringList{first, second}));
    QAction* top = p.mainWindow()->action(CommandId::RecentFileFirst);
    QVERIFY(top->isVisible() && top->text().startsWith(QStringLiteral("&1 ")));
    QVERIFY(!p.mainWindow()->action(CommandId::RecentFileFirst + 2)->isVisible());
    // Kept for the next start.
    QVERIFY(p.mainWindow()->close());
    QVERIFY(p.start());
    QCOMPARE(p.mainWindow()->recentFiles().files(), (QStringList{first, second}));
    p.mainWindow()->runCommand(CommandId::RecentFileFirst + 1);
    QCOMPARE(p.docs().currentWindow()->document()->pathName(), second);
    QCOMPARE(p.mainWindow()->recentFiles().files(), (QStringList{second, first}));
    // A file gone from the disk is dropped with a message.
    QVERIFY(QFile::remove(first));
    p.mainWindow()->runCommand(CommandId::RecentFileFirst + 1);
    QCOMPARE(p.env.boxes.size(), 1);
    QVERIFY(p.env.boxes[0].text.contains(QStringLiteral("no longer exists")));
    QCOMPARE(p.mainWindow()->recentFiles().files(), QStringList{second});
    QCOMPARE(p.docs().currentWindow()->document()->pathName(), second);
}

void TestDesktop::droppedFiles()
{
    StartedProgram p;
    QVERIFY(!p.dropFile(p.env.filePath(QStringLiteral("notes.txt"))));
    const QString file = p.saveFile(QStringLiteral("dropped.dat"));
    QVERIFY(p.dropFile(file));
    QCOMPARE(p.docs().currentWindow()->document()->pathName(), file);
    QCOMPARE(p.mainWindow()->recentFiles().files(), QStringList{file});
}

void TestDesktop::placementRestored()
{
    StartedProgram p;
    MainWindow* w = p.mainWindow();
    QVERIFY(w->isMaximized()); // the first start
    w->showNormal();
    w->setGeometry(40, 50, 640, 420);
    w->resizeDocks({w->navigationBar()}, {150}, Qt::Horizontal);
    w->runCommand(CommandId::ViewStatusBar);
    QTRY_COMPARE(w->navigationBar()->width(), 150);
    QVERIFY(w->close());
    QVERIFY(p.start());
    w = p.mainWindow();
    QVERIFY(!w->isMaximized());
    QCOMPARE(w->geometry(), QRect(40, 50, 640, 420));
    QTRY_COMPARE(w->navigationBar()->width(), 150);
    QVERIFY(w->statusBar()->isHidden());
    QVERIFY(!w->action(CommandId::ViewStatusBar)->isChecked());
    // The document window fits the narrower window.
    QVERIFY(p.docs().currentWindow()->width() <= w->mdiArea()->viewport()->width());
    w->resize(500, 420);
    QTRY_VERIFY(p.docs().currentWindow()->width() <= w->mdiArea()->viewport()->width());
}

void TestDesktop::darkPaletteContrast()
{
    const QPalette light = QApplication::palette();
    QApplication::setPalette(darkPalette());
    StartedProgram p;
    ChannelGrid* grid = p.view()->grid();
    grid->setText(4, 1, QStringLiteral("145.12500"));
    QTest::qWait(50);
    const QImage shot = p.mainWindow()->grab().toImage();
    const auto inWindow = [&p](QWidget* widget, const QRect& rect) {
        return QRect(widget->mapTo(p.mainWindow(), rect.topLeft()), rect.size());
    };
    // Inside the grid lines and header borders.
    const QRect cell = grid->cellRect(4, 1).adjusted(1, 1, -2, -2);
    const auto [text, background] = textAndBackground(shot, inWindow(grid->viewport(), cell));
    QVERIFY2(contrastRatio(text, background) >= TextContrast,
             qPrintable(text.name() + QStringLiteral(" on ") + background.name()));
    QHeaderView* numbers = grid->findChild<QTableView*>()->verticalHeader();
    const QRect numberCell =
        QRect(0, numbers->sectionViewportPosition(3), numbers->width(), numbers->sectionSize(3))
            .adjusted(3, 3, -3, -3);
    const auto [number, numberBackground] =
        textAndBackground(shot, inWindow(numbers->viewport(), numberCell));
    QVERIFY2(contrastRatio(number, numberBackground) >= TextContrast,
             qPrintable(number.name() + numberBackground.name()));
    QLabel* title = p.view()->titleLabel();
    const auto [titleText, titleBackground] = textAndBackground(shot, inWindow(title, title->rect()));
    QVERIFY2(contrastRatio(titleText, titleBackground) >= LargeTextContrast, qPrintable(titleText.name()));
    QApplication::setPalette(light);
    QTest::qWait(50);
    // In the light palette the grid keeps its white background and blue titles.
    const QImage lightShot = p.mainWindow()->grab().toImage();
    QCOMPARE(textAndBackground(lightShot, inWindow(grid->viewport(), cell)).second.rgb(),
             QColor(Qt::white).rgb());
    QCOMPARE(textAndBackground(lightShot, inWindow(numbers->viewport(), numberCell)).first.blue() > 200,
             true);
}

// The controls that take the focus but have no name for assistive technology.
QStringList unnamedControls(const QWidget* top)
{
    QStringList unnamed;
    for (QWidget* widget : top->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(top) || widget->focusPolicy() == Qt::NoFocus)
            continue;
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        if (!accessible || accessible->text(QAccessible::Name).isEmpty())
            unnamed << QString::fromLatin1(widget->metaObject()->className()) + QLatin1Char('/') +
                           widget->objectName() + QLatin1Char('/') + widget->toolTip();
    }
    return unnamed;
}

// Every control that takes the focus has a name, every grid cell its text as name and
// its column and channel as description; the key-state panes speak the language.
void TestDesktop::accessibleNamesAndTexts()
{
    StartedProgram p;
    p.view()->grid()->setText(2, 1, QStringLiteral("150.00000"));
    p.view()->grid()->setCurrentCell(2, 1); // its editor open
    QCOMPARE(unnamedControls(p.mainWindow()), QStringList());
    OptionalFeaturesDialog options(p.view()->document()->image(), RadioVariant::ReceiveOnly,
                                   Language::English, p.env.hooks);
    QCOMPARE(unnamedControls(&options), QStringList());
    ProductInfoDialog product(p.view()->document()->image(), p.context());
    QCOMPARE(unnamedControls(&product), QStringList());
    p.context().setSerialDevices(std::make_unique<ScriptedSerialDevices>()); // no real device
    PortSettingDialog port(p.context());
    QCOMPARE(unnamedControls(&port), QStringList());
    LanguageDialog language(p.context());
    QCOMPARE(unnamedControls(&language), QStringList());
    AboutDialog about(p.context());
    QCOMPARE(unnamedControls(&about), QStringList());
    ProgressDialog progress(p.env.hooks, [] {});
    QCOMPARE(unnamedControls(&progress), QStringList());
    HelpWindow help(Language::English);
    QCOMPARE(unnamedControls(&help), QStringList());

    auto* table = p.view()->grid()->findChild<QTableView*>();
    QAccessibleTableInterface* cells = QAccessible::queryAccessibleInterface(table)->tableInterface();
    QVERIFY(cells);
    QAccessibleInterface* cell = cells->cellAt(1, 0); // channel 2, Rx Frequency
    QCOMPARE(cell->text(QAccessible::Name), QStringLiteral("150.00000"));
    QCOMPARE(cell->text(QAccessible::Description), QStringLiteral("Rx Frequency, channel 2"));
    QVERIFY(!cells->cellAt(5, 2)->text(QAccessible::Description).isEmpty());

    StartedProgram zh(StartedProgram::ini("Chinese"));
    auto* panes = zh.mainWindow()->findChild<KeyStateIndicators*>();
    QCOMPARE(panes->pane(0)->text(), QStringLiteral("大写"));
    QCOMPARE(QAccessible::queryAccessibleInterface(panes->pane(2))->text(QAccessible::Name),
             QStringLiteral("滚动锁定"));
}

QTEST_MAIN(TestDesktop)
#include "test_desktop.moc"
