#pragma once

#include "model/Language.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <optional>
#include <vector>

class AppContext;
class DocumentWindow;
class TiledMdiArea;
class ChannelView;
class NavigationBar;
class CsvCommands;
class DocumentManager;
class EditCommands;
class HelpWindow;
class KeyStateIndicators;
class QAction;
class QLabel;
class QMenu;
class PrintCommands;
class QToolBar;
class RecentFiles;
class WindowMenu;
struct MainCommand;

// The main window: menus, toolbar, status bar, the navigation bar at the left and the
// document windows over the tiled background.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int InitialWidth = 900;
    static constexpr int InitialHeight = 550;

    explicit MainWindow(AppContext& context, QWidget* parent = nullptr);
    ~MainWindow() override;

    DocumentManager& documents() const { return *documents_; }
    TiledMdiArea* mdiArea() const { return mdiArea_; }
    NavigationBar* navigationBar() const { return navigationBar_; }
    QLabel* messagePane() const { return messagePane_; }
    CsvCommands& csvCommands() const { return *csv_; }
    RecentFiles& recentFiles() const { return *recent_; }
    PrintCommands& printCommands() const { return *printing_; }
    WindowMenu& windowMenu() const { return *windowMenu_; }
    QAction* action(int commandId) const { return actions_.value(commandId); }
    // The view of the active document window, or nullptr.
    ChannelView* activeView() const;

    // Start-up branding: the About item's text, and ShowLang removing Language.
    void setAboutTitle(const QString& text);
    void removeLanguageCommand();
    // Shows the window where it was when the program last ended, maximised the first time.
    void showPlaced();
    // "Demo radio" in the status bar while transfers go to the virtual radio.
    void showDemoIndicator();
    // The window title: the caption string, kept whatever a document window does.
    void setCaption(const QString& caption);
    // Runs a command as its menu item, toolbar button or accelerator does; nothing while
    // a transfer runs if the command is refused then.
    void runCommand(int commandId);
    // The command table, one row per command (MainCommands.cpp); menus and toolbar list ids.
    static const std::vector<MainCommand>& commands();
    bool restartRequested() const { return restartRequested_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createActions();
    void createMenus();
    void addRecentFiles(QMenu* fileMenu);
    void createToolBar();
    void createStatusBar();
    void createNavigationBar();
    void updateMenuBar();
    void updateActions();
    void showChannelWindow();
    void showDocumentWindow(DocumentWindow* window);
    void moveToPane(int step);
    void chooseLanguage();
    void openFromHistory();
    void openBench(DocumentWindow& window);
    void showHelp(int contextId);
    void showProductInformation(DocumentWindow& window);
    void showOptionalFeatures(DocumentWindow& window);
    void compareWithFile(DocumentWindow& window);
    void toggleStatusBar();
    void toggleVerifyAfterWrite();
    void setTransferRunning(bool running);
    void openRecentFile(int commandId);
    void openDroppedFile(const QString& path);
    // The actions of the commands, a separator for each 0.
    QList<QAction*> actionsOf(const QList<int>& commands);
    QMenu* menu(const QString& title, const QList<int>& commands);

    AppContext& context_;
    TiledMdiArea* mdiArea_;
    DocumentManager* documents_;
    NavigationBar* navigationBar_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QLabel* messagePane_ = nullptr;
    HelpWindow* help_ = nullptr;
    PrintCommands* printing_;
    CsvCommands* csv_;
    RecentFiles* recent_;
    EditCommands* edit_ = nullptr;
    QHash<int, QAction*> actions_;
    QList<QMenu*> noDocumentMenus_;
    QList<QMenu*> documentMenus_;
    QMenu* setupMenu_ = nullptr;
    WindowMenu* windowMenu_ = nullptr;
    bool restartRequested_ = false;
    std::optional<Language> pendingLanguage_; // chosen in the Language dialog, not yet written
    bool transferRunning_ = false;
    QString caption_;
};
