#pragma once

#include "session/AppContext.h"
#include "uikit/UiHooks.h"

#include <QObject>
#include <QStringList>
#include <QTranslator>
#include <memory>

class MainWindow;

// Start-up: Program.ini, the language and its module, the main window, the first
// document, and the branding of window and menus.
class Application : public QObject {
    Q_OBJECT
public:
    struct Paths {
        QString iniFile;     // Program.ini to load
        QString exeDir;      // the program folder, pictures and language modules
        QString installData; // the installed data folder, searched for modules second
        QString iniStore{};  // where a change to Program.ini goes when not iniFile (a per-user copy)
    };

    Application();
    // With the hooks of a test, which sees and answers the message boxes.
    explicit Application(UiHooks& hooks);
    ~Application() override;

    // Runs the start-up steps; false means the program ends (its message was shown).
    // arguments are the command-line arguments after the program name.
    bool start(const Paths& paths, const QStringList& arguments);

    AppContext& context() { return context_; }

    MainWindow* mainWindow() const { return mainWindow_.get(); }
    // Start-up ended after printing the file named with --print.
    bool printedAtStartUp() const { return printedAtStartUp_; }
    // The language module file found for a language name, or empty.
    static QString findLanguageModule(const QString& language, const Paths& paths);

private:
    bool loadProgramIni(const Paths& paths);
    bool loadLanguageModule(const Paths& paths);
    void loadQtTexts();
    bool processCommandLine(const QStringList& arguments);
    void brandMainWindow();

    UiHooks ownHooks_; // the program's own, unless a test gives its hooks
    AppContext context_;
    QByteArray moduleBytes_; // the language module, which translator_ reads in place
    QTranslator translator_;
    QTranslator qtTexts_; // Qt's own texts (standard buttons, file and print dialogs)
    std::unique_ptr<MainWindow> mainWindow_;
    bool printedAtStartUp_ = false;
};
