#include "app/CMainFrame.h"

#include "dialogs/AboutDialog.h"
#include "config/AppGlobals.h"
#include "app/CChildFrame.h"
#include "app/CMdiClientWnd.h"
#include "document/CProgramDoc.h"
#include "editor/CProgramView.h"
#include "config/CommandIds.h"
#include "app/ControlBar.h"
#include "app/CsvCommands.h"
#include "app/DocumentManager.h"
#include "uikit/HelpRequest.h"
#include "app/HelpWindow.h"
#include "config/IniFile.h"
#include "app/KeyStateIndicators.h"
#include "dialogs/LanguageDialog.h"
#include "app/MainCommands.h"
#include "dialogs/OptionalFeaturesDialog.h"
#include "app/PrintCommands.h"
#include "dialogs/ProductInfoDialog.h"
#include "config/StringTable.h"
#include "app/ToolbarIcons.h"
#include "editor/ViewTransfer.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

namespace {

constexpr int Separator = 0;

} // namespace

CMainFrame::CMainFrame(QWidget* parent) : QMainWindow(parent)
{
    setCaption(tr("Program"));
    resize(InitialWidth, InitialHeight);
    client_ = new CMdiClientWnd(this);
    setCentralWidget(client_);
    documents_ = new DocumentManager(client_, this);
    printing_ = new PrintCommands(this);
    csv_ = new CsvCommands(this);
    connect(documents_, &DocumentManager::captionChanged, this, &CMainFrame::setCaption);
    connect(documents_, &DocumentManager::activeFrameChanged, this, &CMainFrame::updateMenuBar);
    connect(documents_, &DocumentManager::transferRunningChanged, this, &CMainFrame::setTransferRunning);
    createActions();
    createMenus();
    createToolBar();
    createStatusBar();
    createControlBar();
    updateMenuBar();
    setHelpHandler([this](int id) { showHelp(id); });
}

CMainFrame::~CMainFrame()
{
    setHelpHandler({});
}

void CMainFrame::createActions()
{
    for (const MainCommand& command : mainCommands()) {
        auto* act = new QAction(tr(command.text), this);
        act->setData(command.id);
        act->setShortcut(command.shortcut);
        act->setCheckable(command.checkable);
        act->setStatusTip(promptStatusText(command.id));
        act->setToolTip(promptToolTip(command.id));
        act->setIcon(toolbarIcon(command.id));
        act->setIconVisibleInMenu(false);
        connect(act, &QAction::triggered, this, [this, id = command.id] { runCommand(id); });
        actions_.insert(command.id, act);
        addAction(act); // accelerators work whichever menu bar shows
    }
    action(CommandId::ViewToolbar)->setChecked(true);
    action(CommandId::ViewStatusBar)->setChecked(true);
    action(CommandId::ViewControlBar)->setChecked(true);
}

QMenu* CMainFrame::menu(const QString& title, const QList<int>& commands)
{
    auto* m = new QMenu(title, this);
    for (int id : commands) {
        if (id == Separator)
            m->addSeparator();
        else
            m->addAction(action(id));
    }
    m->installEventFilter(this); // F1 on a highlighted item
    return m;
}

void CMainFrame::createMenus()
{
    using namespace CommandId;
    noDocumentMenus_ = {
        menu(tr("&File"), {FileNew, FileOpen, Separator, PrintSetup, Separator, Exit}),
        menu(tr("&View"), {ViewToolbar, ViewStatusBar}),
        menu(tr("&Help"), {About, Separator, Help}),
    };
    setupMenu_ = menu(tr("&Setup"), {ComSetup, Language});
    documentMenus_ = {
        menu(tr("&File"), {FileNew, FileOpen, FileClose, FileSave, FileSaveAs, Separator, ImportChannels,
                           ExportChannels, Separator, Print, PrintPreview, PrintSetup, Separator, Exit}),
        menu(tr("&Edit"), {ProductInformation, ChannelInformation, OptionalFeatures}),
        menu(tr("&Program"), {Read, Write}),
        menu(tr("&View"), {ViewToolbar, ViewStatusBar, ViewControlBar}),
        setupMenu_,
        menu(tr("&Help"), {About, Separator, Help}),
    };
}

void CMainFrame::updateMenuBar()
{
    const bool documentOpen = documents_->activeFrame() != nullptr;
    menuBar()->clear();
    for (QMenu* m : documentOpen ? documentMenus_ : noDocumentMenus_)
        menuBar()->addMenu(m);
    // Commands of the document menus need a document window.
    using namespace CommandId;
    for (int id : {FileClose, FileSave, FileSaveAs, Print, PrintDirect, PrintPreview, ProductInformation,
                   ChannelInformation, OptionalFeatures, Read, Write, ComSetup, Language, ViewControlBar,
                   ImportChannels, ExportChannels})
        action(id)->setEnabled(documentOpen);
}

void CMainFrame::createToolBar()
{
    toolBar_ = addToolBar(tr("Toolbar"));
    toolBar_->setObjectName(QStringLiteral("ToolBar"));
    toolBar_->setIconSize(QSize(18, 19));
    using namespace CommandId;
    for (int id : {FileNew, FileOpen, FileSave, Separator, Read, Write, Separator, Print, Separator, About}) {
        if (id == Separator)
            toolBar_->addSeparator();
        else
            toolBar_->addAction(action(id));
    }
    connect(toolBar_, &QToolBar::visibilityChanged, action(CommandId::ViewToolbar), &QAction::setChecked);
}

void CMainFrame::createStatusBar()
{
    messagePane_ = new QLabel(tr("Ready"));
    statusBar()->addWidget(messagePane_, 1);
    statusBar()->addPermanentWidget(new KeyStateIndicators(statusBar()));
}

void CMainFrame::createControlBar()
{
    const QString company = theIniFile().GetValue(g_strLanguage, QStringLiteral("company"), QString());
    controlBar_ = new ControlBar(company, g_bChinese, this);
    addDockWidget(Qt::LeftDockWidgetArea, controlBar_);
    QAction* toggle = action(CommandId::ViewControlBar);
    connect(controlBar_, &QDockWidget::visibilityChanged, toggle,
            [toggle, bar = controlBar_](bool) { toggle->setChecked(!bar->isHidden()); });
    connect(controlBar_, &ControlBar::targetChosen, this, [this](ControlBar::Target target) {
        static constexpr int ids[] = {CommandId::ProductInformation, CommandId::ChannelInformation,
                                      CommandId::OptionalFeatures};
        runCommand(ids[static_cast<int>(target)]);
    });
}

CProgramView* CMainFrame::activeView() const
{
    CChildFrame* frame = documents_->activeFrame();
    return frame ? frame->view() : nullptr;
}

void CMainFrame::setAboutTitle(const QString& text)
{
    action(CommandId::About)->setText(text);
}

void CMainFrame::removeLanguageCommand()
{
    setupMenu_->removeAction(action(CommandId::Language));
    action(CommandId::Language)->setVisible(false);
}

void CMainFrame::showDemoIndicator()
{
    auto* demo = new QLabel(tr("Demo radio"), statusBar());
    demo->setObjectName(QStringLiteral("DemoIndicator"));
    demo->setStyleSheet(QStringLiteral("QLabel { color: #a05000; font-weight: bold; padding: 0 6px; }"));
    statusBar()->insertPermanentWidget(1, demo); // before the key-state panes
}

void CMainFrame::showChannelWindow()
{
    if (CChildFrame* frame = documents_->activeFrame())
        frame->showNormalAgain();
    else
        showNormal();
}

void CMainFrame::chooseLanguage()
{
    LanguageDialog dialog(this);
    if (dialog.exec() == QDialog::Accepted && dialog.changed()) {
        // The new instance starts once this window has really closed.
        languageChangePending_ = true;
        close();
        languageChangePending_ = false;
    }
}

void CMainFrame::showHelp(int contextId)
{
    if (!help_)
        help_ = new HelpWindow(this);
    help_->showTopic(contextId);
}

void CMainFrame::showProductInformation(CChildFrame& frame)
{
    ProductInfoDialog dialog(frame.document()->image(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    setCaption(dialog.caption());
    frame.view()->setBand(dialog.bandLimits());
    if (dialog.imageChanged())
        frame.document()->setModified(true);
}

void CMainFrame::showOptionalFeatures(CChildFrame& frame)
{
    if (g_radioVariant == RadioVariant::Other)
        return;
    OptionalFeaturesDialog dialog(frame.document()->image(), g_radioVariant, this);
    if (dialog.exec() == QDialog::Accepted && dialog.imageChanged())
        frame.document()->setModified(true);
}

// Commands that need a document window.
void CMainFrame::runDocumentCommand(int commandId, CChildFrame& frame)
{
    using namespace CommandId;
    switch (commandId) {
    case FileSave:
        documents_->save(&frame);
        break;
    case FileSaveAs:
        documents_->saveAs(&frame);
        break;
    case ProductInformation:
        showProductInformation(frame);
        break;
    case OptionalFeatures:
        showOptionalFeatures(frame);
        break;
    case ImportChannels:
        csv_->importChannels(*frame.view());
        break;
    case ExportChannels:
        csv_->exportChannels(*frame.view());
        break;
    case Print:
        printing_->print(*frame.view());
        break;
    case PrintDirect:
        printing_->printDirect(*frame.view());
        break;
    case PrintPreview:
        printing_->preview(*frame.view());
        break;
    case Read:
        frame.view()->transfer().command(ViewTransfer::Direction::Read);
        break;
    case Write:
        frame.view()->transfer().command(ViewTransfer::Direction::Write);
        break;
    case ComSetup:
        frame.view()->OnComSetup();
        break;
    default:
        break;
    }
}

void CMainFrame::setTransferRunning(bool running)
{
    transferRunning_ = running;
    for (int id : refusedWhileTransferring())
        action(id)->setEnabled(!running);
    if (!running)
        updateMenuBar(); // the document commands follow the document state again
}

void CMainFrame::runCommand(int commandId)
{
    using namespace CommandId;
    if (transferRunning_ && refusedWhileTransferring().contains(commandId))
        return;
    switch (commandId) {
    case FileNew:
        documents_->newDocument();
        break;
    case FileOpen:
        documents_->openWithDialog();
        break;
    case FileClose:
        documents_->closeActive();
        break;
    case PrintSetup:
        printing_->setup();
        break;
    case Exit:
        close();
        break;
    case ChannelInformation:
        showChannelWindow();
        break;
    case ViewToolbar:
        toolBar_->setVisible(!toolBar_->isVisible());
        break;
    case ViewStatusBar:
        statusBar()->setVisible(!statusBar()->isVisible());
        action(ViewStatusBar)->setChecked(statusBar()->isVisible());
        break;
    case ViewControlBar:
        controlBar_->setVisible(controlBar_->isHidden());
        break;
    case Language:
        chooseLanguage();
        break;
    case About: {
        AboutDialog about(this);
        about.exec();
        break;
    }
    case Help:
        showHelp(0);
        break;
    case NextPane:
        client_->activateNextSubWindow();
        break;
    case PreviousPane:
        client_->activatePreviousSubWindow();
        break;
    default:
        if (CChildFrame* frame = documents_->activeFrame())
            runDocumentCommand(commandId, *frame);
        break;
    }
}

void CMainFrame::setCaption(const QString& caption)
{
    caption_ = caption;
    setWindowTitle(caption);
}

void CMainFrame::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    // The title stays as set: a maximised document window would add its own name to it.
    if (event->type() == QEvent::WindowTitleChange && windowTitle() != caption_)
        setWindowTitle(caption_);
}

void CMainFrame::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    // The navigation bar may take at most half of the window's width.
    controlBar_->setMaximumWidth(qMax(ControlBar::MinimumWidth, width() / 2));
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (transferRunning_ || !documents_->confirmCloseAll()) {
        event->ignore();
        return;
    }
    restartRequested_ = languageChangePending_;
    event->accept();
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event)
{
    // F1 on a highlighted menu item opens the help topic of that command.
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
        if (auto* m = qobject_cast<QMenu*>(watched); m && m->activeAction()) {
            const int id = m->activeAction()->data().toInt();
            m->close();
            showHelp(id);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}
