#include "app/MainWindow.h"

#include "app/CompareFilesDialog.h"
#include "app/CsvCommands.h"
#include "app/DocumentManager.h"
#include "app/DocumentWindow.h"
#include "app/EditCommands.h"
#include "app/FileDrop.h"
#include "app/HelpWindow.h"
#include "app/KeyStateIndicators.h"
#include "app/MainCommands.h"
#include "app/NavigationBar.h"
#include "app/PaneFocus.h"
#include "app/PrintCommands.h"
#include "app/RecentFiles.h"
#include "app/TiledMdiArea.h"
#include "app/ToolbarIcons.h"
#include "app/WindowMenu.h"
#include "app/WindowPlacement.h"
#include "channels/ChannelTableModel.h"
#include "config/CommandIds.h"
#include "config/StringTable.h"
#include "dialogs/FleetWindow.h"
#include "dialogs/HistoryDialog.h"
#include "dialogs/LanguageDialog.h"
#include "dialogs/OptionalFeaturesDialog.h"
#include "dialogs/ProductInfoDialog.h"
#include "document/ChannelDocument.h"
#include "editor/ChannelGrid.h"
#include "editor/ChannelView.h"
#include "model/DisplayText.h"
#include "session/AppContext.h"
#include "uikit/Contrast.h"
#include "uikit/MessageBox.h"
#include "uikit/UiHooks.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QTreeWidget>
#include <algorithm>

namespace {

constexpr int Separator = 0;

} // namespace

MainWindow::MainWindow(AppContext& context, QWidget* parent) : QMainWindow(parent), context_(context)
{
    setCaption(tr("Program"));
    resize(InitialWidth, InitialHeight);
    mdiArea_ = new TiledMdiArea(context_.programDir(), this);
    setCentralWidget(mdiArea_);
    documents_ = new DocumentManager(context_, mdiArea_, this);
    printing_ = new PrintCommands(context_, this);
    csv_ = new CsvCommands(context_, this);
    recent_ = new RecentFiles(context_, this);
    connect(documents_, &DocumentManager::fileUsed, recent_, &RecentFiles::add);
    connect(documents_, &DocumentManager::captionChanged, this, &MainWindow::setCaption);
    connect(documents_, &DocumentManager::currentWindowChanged, this, &MainWindow::updateMenuBar);
    connect(documents_, &DocumentManager::transferRunningChanged, this, &MainWindow::setTransferRunning);
    createActions();
    edit_ = new EditCommands(action(CommandId::EditUndo), action(CommandId::EditRedo), this);
    connect(edit_, &EditCommands::stateChanged, this, &MainWindow::updateActions);
    createMenus();
    createToolBar();
    createStatusBar();
    createNavigationBar();
    updateMenuBar();
    context_.uiHooks().setHelpHandler([this](int id) { showHelp(id); });
    new FileDrop(
        this, [this] { return !transferRunning_; }, [this](const QString& path) { openDroppedFile(path); });
}

MainWindow::~MainWindow()
{
    context_.uiHooks().setHelpHandler({});
    // The document windows go after this window's members: no undo stack of theirs may
    // signal through the Edit commands, nor a view through the documents, to what is gone.
    edit_->setActiveView(nullptr);
    disconnect(edit_, nullptr, this, nullptr);
    disconnect(documents_, nullptr, this, nullptr);
}

void MainWindow::createActions()
{
    for (const MainCommand& command : commands()) {
        auto* act = new QAction(tr(command.text), this);
        act->setData(command.id);
        act->setShortcuts(command.keys);
        act->setCheckable(command.has(MainCommand::Checkable));
        act->setStatusTip(promptStatusText(command.prompt));
        act->setToolTip(promptToolTip(command.prompt));
        act->setIcon(toolbarIcon(command.id));
        act->setIconVisibleInMenu(false);
        connect(act, &QAction::triggered, this, [this, id = command.id] { runCommand(id); });
        actions_.insert(command.id, act);
        addAction(act); // accelerators work whichever menu bar shows
    }
    for (QAction* act : recent_->actions()) {
        connect(act, &QAction::triggered, this, [this, id = act->data().toInt()] { runCommand(id); });
        actions_.insert(act->data().toInt(), act);
    }
    action(CommandId::ViewToolbar)->setChecked(true);
    action(CommandId::ViewStatusBar)->setChecked(true);
    action(CommandId::ViewControlBar)->setChecked(true);
}

QList<QAction*> MainWindow::actionsOf(const QList<int>& commands)
{
    QList<QAction*> actions;
    for (int id : commands) {
        if (id == Separator) {
            actions << new QAction(this);
            actions.last()->setSeparator(true);
        } else {
            actions << action(id);
        }
    }
    return actions;
}

QMenu* MainWindow::menu(const QString& title, const QList<int>& commands)
{
    auto* m = new QMenu(title, this);
    m->addActions(actionsOf(commands));
    m->installEventFilter(this); // F1 on a highlighted item
    return m;
}

void MainWindow::createMenus()
{
    using namespace CommandId;
    noDocumentMenus_ = {
        menu(tr("&File"), {FileNew, FileOpen, ShowRadioHistory, Separator, PrintSetup, Separator, Exit}),
        menu(tr("&View"), {ViewToolbar, ViewStatusBar}),
        menu(tr("&Help"), {About, Separator, Help}),
    };
    setupMenu_ = menu(tr("&Setup"), {ComSetup, ChooseLanguage, Separator, VerifyAfterWrite});
    // The setting is read when the menu shows it, not at start-up.
    connect(setupMenu_, &QMenu::aboutToShow, this,
            [this] { action(CommandId::VerifyAfterWrite)->setChecked(context_.verifyAfterWrite()); });
    QMenu* windows = menu(tr("&Window"), {NextWindow, PreviousWindow});
    windowMenu_ = new WindowMenu(windows, action(NextWindow), *documents_,
                                 [this](DocumentWindow* window) { showDocumentWindow(window); });
    documentMenus_ = {
        menu(tr("&File"), {FileNew, FileOpen, ShowRadioHistory, CompareWithFile, FileClose, FileSave,
                           FileSaveAs, Separator, ImportChannels, ExportChannels, Separator, Print,
                           PrintPreview, PrintSetup, Separator, Exit}),
        menu(tr("&Edit"), {EditUndo, EditRedo, Separator, EditCut, EditCopy, EditPaste, FillDown, Separator,
                           MoveChannelsUp, MoveChannelsDown, InsertChannel, DeleteChannels, SortChannels,
                           Separator, ProductInformation, ChannelInformation, OptionalFeatures}),
        menu(tr("&Program"), {Read, Write, Separator, CompareWithRadio, Separator, ProgramSeveralRadios}),
        menu(tr("&View"),
             {ViewToolbar, ViewStatusBar, ViewControlBar, Separator, ShowDifferences, ChangesSinceSaved}),
        setupMenu_,
        windows,
        menu(tr("&Help"), {About, Separator, Help}),
    };
    addRecentFiles(noDocumentMenus_.front());
    addRecentFiles(documentMenus_.front());
    documents_->setCellMenuActions(
        actionsOf({EditCut, EditCopy, EditPaste, FillDown, Separator, MoveChannelsUp, MoveChannelsDown,
                   InsertChannel, DeleteChannels, SortChannels}));
}

// The recent files sit above Exit, after a separator of their own.
void MainWindow::addRecentFiles(QMenu* fileMenu)
{
    const QList<QAction*> items = fileMenu->actions();
    QAction* exit = action(CommandId::Exit);
    QAction* separator = items.value(items.indexOf(exit) - 1, exit);
    fileMenu->insertSeparator(separator);
    fileMenu->insertActions(separator, recent_->actions());
}

void MainWindow::updateMenuBar()
{
    const bool documentOpen = documents_->currentWindow() != nullptr;
    menuBar()->clear();
    for (QMenu* m : documentOpen ? documentMenus_ : noDocumentMenus_)
        menuBar()->addMenu(m);
    edit_->setActiveView(activeView());
    updateActions();
}

// Every command's enabled state, from its row.
void MainWindow::updateActions()
{
    const bool documentOpen = documents_->currentWindow() != nullptr;
    for (const MainCommand& command : commands()) {
        action(command.id)->setEnabled(command.isEnabled(*this, documentOpen, transferRunning_));
        if (command.checked)
            action(command.id)->setChecked(command.checked(*this));
    }
    for (QAction* recent : recent_->actions())
        recent->setEnabled(!transferRunning_);
}

void MainWindow::createToolBar()
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

void MainWindow::createStatusBar()
{
    messagePane_ = new QLabel(tr("Ready"));
    statusBar()->addWidget(messagePane_, 1);
    statusBar()->addPermanentWidget(new KeyStateIndicators(statusBar()));
}

void MainWindow::createNavigationBar()
{
    navigationBar_ = new NavigationBar(context_.company(), context_.language(), this);
    addDockWidget(Qt::LeftDockWidgetArea, navigationBar_);
    QAction* toggle = action(CommandId::ViewControlBar);
    connect(navigationBar_, &QDockWidget::visibilityChanged, toggle,
            [toggle, bar = navigationBar_](bool) { toggle->setChecked(!bar->isHidden()); });
    connect(navigationBar_, &NavigationBar::targetChosen, this, [this](NavigationBar::Target target) {
        static constexpr int ids[] = {CommandId::ProductInformation, CommandId::ChannelInformation,
                                      CommandId::OptionalFeatures};
        runCommand(ids[static_cast<int>(target)]);
    });
}

ChannelView* MainWindow::activeView() const
{
    DocumentWindow* window = documents_->currentWindow();
    return window ? window->view() : nullptr;
}

void MainWindow::setAboutTitle(const QString& text)
{
    action(CommandId::About)->setText(text);
}

void MainWindow::removeLanguageCommand()
{
    setupMenu_->removeAction(action(CommandId::ChooseLanguage));
    action(CommandId::ChooseLanguage)->setVisible(false);
}

void MainWindow::showDemoIndicator()
{
    auto* demo = new QLabel(tr("Demo radio"), statusBar());
    demo->setObjectName(QStringLiteral("DemoIndicator"));
    const QColor colour =
        readableColour(QColor(0xa0, 0x50, 0x00), palette().color(QPalette::Window), TextContrast);
    demo->setStyleSheet(
        QStringLiteral("QLabel { color: %1; font-weight: bold; padding: 0 6px; }").arg(colour.name()));
    statusBar()->insertPermanentWidget(1, demo); // before the key-state panes
}

void MainWindow::showPlaced()
{
    ::showPlaced(*this, *navigationBar_, *context_.programSettings());
    action(CommandId::ViewStatusBar)->setChecked(statusBar()->isVisible());
}

void MainWindow::showChannelWindow()
{
    if (DocumentWindow* window = documents_->currentWindow())
        window->showNormalAgain();
    else
        showNormal();
}

void MainWindow::showDocumentWindow(DocumentWindow* window)
{
    if (!transferRunning_)
        documents_->bringForward(window);
}

void MainWindow::chooseLanguage()
{
    LanguageDialog dialog(context_, this);
    if (dialog.exec() == QDialog::Accepted && dialog.changed()) {
        // Written, and the new instance started, only once this window has really closed.
        pendingLanguage_ = dialog.chosen();
        close();
        pendingLanguage_.reset();
    }
}

void MainWindow::openFromHistory()
{
    HistoryDialog dialog(RadioHistory(context_.historyFolder()), context_.uiHooks(), this);
    if (dialog.exec() == QDialog::Accepted && dialog.chosen())
        documents_->openHistoryEntry(*dialog.chosen());
}

// Modal: the document is the bench's plan and must not change while radios are written.
void MainWindow::openBench(DocumentWindow& window)
{
    window.view()->leaveCommit();
    FleetWindow bench(window.document()->image(), context_.radioVariant(), window.document()->title(), context_,
                      this);
    bench.exec();
}

void MainWindow::showHelp(int contextId)
{
    if (!help_)
        help_ = new HelpWindow(context_.language(), this);
    help_->showTopic(contextId);
}

void MainWindow::showProductInformation(DocumentWindow& window)
{
    const ViewState before = window.view()->state();
    ProductInfoDialog dialog(window.document()->image(), context_, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    setCaption(dialog.caption());
    window.view()->setBand(dialog.bandLimits());
    window.view()->recordChange(tr("Product Information"), before);
}

void MainWindow::showOptionalFeatures(DocumentWindow& window)
{
    const RadioVariant variant = context_.radioVariant();
    if (variant == RadioVariant::Other)
        return;
    const ViewState before = window.view()->state();
    OptionalFeaturesDialog dialog(window.document()->image(), variant, context_.language(),
                                  context_.uiHooks(), this);
    const ChannelTableModel& model = window.view()->model();
    if (model.marks().isShown(CellMarks::Radio))
        dialog.markDifferences(*model.marks().image(CellMarks::Radio));
    if (dialog.exec() == QDialog::Accepted)
        window.view()->recordChange(tr("Optional Features"), before);
}

void MainWindow::compareWithFile(DocumentWindow& window)
{
    window.view()->leaveCommit(); // a typed value counts
    CompareFilesDialog dialog(*window.view(), context_, this);
    dialog.exec();
}

void MainWindow::setTransferRunning(bool running)
{
    transferRunning_ = running;
    updateActions();
}

void MainWindow::runCommand(int commandId)
{
    if (CommandId::isRecentFile(commandId)) {
        if (!transferRunning_)
            openRecentFile(commandId);
        return;
    }
    const std::vector<MainCommand>& table = commands();
    const auto command = std::find_if(table.begin(), table.end(),
                                      [commandId](const MainCommand& row) { return row.id == commandId; });
    if (command != table.end() && !(transferRunning_ && command->has(MainCommand::RefusedDuringTransfer)))
        command->run(*this, documents_->currentWindow());
}

void MainWindow::toggleStatusBar()
{
    statusBar()->setVisible(!statusBar()->isVisible());
    action(CommandId::ViewStatusBar)->setChecked(statusBar()->isVisible());
}

void MainWindow::toggleVerifyAfterWrite()
{
    context_.setVerifyAfterWrite(!context_.verifyAfterWrite());
    action(CommandId::VerifyAfterWrite)->setChecked(context_.verifyAfterWrite());
}

// The panes, left to right: the navigation tree, then the grid of each channel window.
void MainWindow::moveToPane(int step)
{
    QList<QWidget*> panes;
    if (navigationBar_->isVisible())
        panes << navigationBar_->tree();
    for (DocumentWindow* window : documents_->windows())
        if (window->isVisible())
            panes << window->view()->grid();
    focusNextPane(panes, step);
}

void MainWindow::openRecentFile(int commandId)
{
    const QString path = recent_->file(commandId);
    if (QFileInfo::exists(path)) {
        documents_->openDocument(path);
        return;
    }
    appMessageBox(context_.uiHooks(), context_.company(),
                  tr("The file %1 no longer exists; it was taken off the list of recent files.")
                      .arg(displayedPath(path)),
                  QMessageBox::Ok, QMessageBox::Warning);
    recent_->remove(path);
}

void MainWindow::openDroppedFile(const QString& path)
{
    // A channel list goes into the channels shown, through its report.
    if (!path.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive))
        documents_->openDocument(path);
    else if (ChannelView* view = activeView())
        csv_->importFile(*view, path);
}

void MainWindow::setCaption(const QString& caption)
{
    caption_ = caption;
    setWindowTitle(caption);
}

void MainWindow::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    // The title stays as set: a maximised document window would add its own name to it.
    if (event->type() == QEvent::WindowTitleChange && windowTitle() != caption_)
        setWindowTitle(caption_);
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    // The navigation bar may take at most half of the window's width.
    navigationBar_->setMaximumWidth(qMax(NavigationBar::MinimumWidth, width() / 2));
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (transferRunning_ || !documents_->confirmCloseAll() ||
        (pendingLanguage_ && !LanguageDialog::saveChoice(context_, *pendingLanguage_))) {
        event->ignore();
        return;
    }
    restartRequested_ = pendingLanguage_.has_value();
    savePlacement(*this, *navigationBar_, *context_.programSettings());
    event->accept();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
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
