#pragma once

#include <QObject>
#include <QStringList>
#include <QTranslator>
#include <memory>

class CMainFrame;

// Start-up: Program.ini, the language and its module, the main window, the first
// document, and the branding of window and menus.
class CProgramApp : public QObject {
    Q_OBJECT
public:
    struct Paths {
        QString iniFile;     // Program.ini to load
        QString exeDir;      // the program folder, pictures and language modules
        QString installData; // the installed data folder, searched for modules second
    };

    CProgramApp();
    ~CProgramApp() override;

    // Runs the start-up steps; false means the program ends (its message was shown).
    // arguments are the command-line arguments after the program name.
    bool InitInstance(const Paths& paths, const QStringList& arguments);

    CMainFrame* mainFrame() const { return mainFrame_.get(); }
    // Start-up ended after printing the file named with --print.
    bool printedAtStartUp() const { return printedAtStartUp_; }
    // The language module file found for a language name, or empty.
    static QString findLanguageModule(const QString& language, const Paths& paths);

private:
    bool loadLanguageModule(const Paths& paths);
    void loadQtTexts();
    bool processCommandLine(const QStringList& arguments);
    void brandMainFrame();

    QTranslator translator_;
    QTranslator qtTexts_; // Qt's own texts (standard buttons, file and print dialogs)
    std::unique_ptr<CMainFrame> mainFrame_;
    bool printedAtStartUp_ = false;
};
