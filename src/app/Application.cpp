#include "app/Application.h"

#include "app/DocumentManager.h"
#include "app/MainWindow.h"
#include "app/ProgramIcon.h"
#include "config/CommandIds.h"
#include "fileio/FileReader.h"
#include "model/DisplayText.h"
#include "model/NumberParse.h"
#include "uikit/MessageBox.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>

namespace {

constexpr qint64 MaxModuleSize = 16 * 1024 * 1024;

} // namespace

Application::Application() : Application(ownHooks_) {}

Application::Application(UiHooks& hooks)
{
    context_.setUiHooks(hooks);
}

Application::~Application()
{
    mainWindow_.reset();
    QCoreApplication::removeTranslator(&qtTexts_);
    QCoreApplication::removeTranslator(&translator_);
}

// A dealer who writes "chinese" in Program.ini still gets "Chinese.qm": the name is
// matched without regard to case, as on the systems the value was first written for.
// An exact match wins where a folder holds both spellings.
QString Application::findLanguageModule(const QString& language, const Paths& paths)
{
    const QString name = language + QStringLiteral(".qm");
    for (const QString& dir : {paths.exeDir, paths.installData}) {
        if (dir.isEmpty())
            continue;
        const QDir folder(dir);
        if (QFileInfo(folder.filePath(name)).isFile())
            return folder.filePath(name);
        const QStringList modules = folder.entryList({QStringLiteral("*.qm")}, QDir::Files);
        for (const QString& module : modules)
            if (module.compare(name, Qt::CaseInsensitive) == 0)
                return folder.filePath(module);
    }
    return {};
}

// Without Program.ini no language module can be found either: the box names the file and
// the reason instead, in the desktop's language, as no other is known yet.
bool Application::loadProgramIni(const Paths& paths)
{
    IniFile& config = context_.config();
    QString reason;
    if (!config.load(paths.iniFile, &reason)) {
        const Language language =
            QLocale::system().language() == QLocale::Chinese ? Language::Chinese : Language::English;
        context_.uiHooks().showMessageBox(
            {nullptr,
             byLanguage(language, "Program.ini cannot be read:", "无法读取 Program.ini：") +
                 QLatin1Char('\n') + displayedPath(paths.iniFile) + QLatin1Char('\n') + reason,
             QCoreApplication::applicationName(), QMessageBox::Ok, QMessageBox::Warning});
        return false;
    }
    if (!paths.iniStore.isEmpty())
        config.storeAt(paths.iniStore);
    return true;
}

bool Application::loadLanguageModule(const Paths& paths)
{
    const QString module = findLanguageModule(context_.languageName(), paths);
    // The translator uses the bytes where they are, for as long as it is installed.
    moduleBytes_ = module.isEmpty() ? QByteArray() : readRegularFile(module, MaxModuleSize).bytes;
    if (moduleBytes_.isEmpty() || !translator_.load(reinterpret_cast<const uchar*>(moduleBytes_.constData()),
                                                    int(moduleBytes_.size()))) {
        context_.uiHooks().showMessageBox(
            {nullptr, byLanguage(context_.language(), "Load language DLL fail", "加载语言链接库失败"),
             QCoreApplication::applicationName(), QMessageBox::Ok, QMessageBox::NoIcon});
        return false;
    }
    QCoreApplication::installTranslator(&translator_);
    loadQtTexts();
    return true;
}

// The standard buttons and the file and print dialogs speak Chinese too; without
// Qt's translations installed they simply stay English.
void Application::loadQtTexts()
{
    if (context_.language() == Language::Chinese &&
        qtTexts_.load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"),
                      QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtTexts_);
}

bool Application::start(const Paths& paths, const QStringList& arguments)
{
    if (!loadProgramIni(paths))
        return false;
    context_.setLanguageName(context_.setupValue(QStringLiteral("Language")));
    if (!loadLanguageModule(paths))
        return false;
    context_.setProgramDir(paths.exeDir);

    mainWindow_ = std::make_unique<MainWindow>(context_);
    if (!processCommandLine(arguments))
        return false;
    mainWindow_->showPlaced();
    brandMainWindow();
    return true;
}

bool Application::processCommandLine(const QStringList& arguments)
{
    QStringList files;
    for (const QString& argument : arguments)
        if (!argument.startsWith(QLatin1String("--")))
            files << argument;
    if (files.isEmpty())
        return mainWindow_->documents().newDocument();
    // A file that cannot be opened (its message shown) leaves the program as started
    // without one; there is nothing to print then.
    if (!mainWindow_->documents().openDocument(files.front()))
        return !arguments.contains(QStringLiteral("--print")) && mainWindow_->documents().newDocument();
    // "--print FILE": print it on the current printer, then end, as a shell's Print verb.
    if (arguments.contains(QStringLiteral("--print"))) {
        mainWindow_->runCommand(CommandId::PrintDirect);
        printedAtStartUp_ = true;
        return false;
    }
    return true;
}

void Application::brandMainWindow()
{
    const QIcon icon = programIcon(context_.programDir());
    mainWindow_->setWindowIcon(icon);
    QApplication::setWindowIcon(icon); // message boxes without an owner show it too
    mainWindow_->setAboutTitle(context_.languageValue(QStringLiteral("About Title")));
    if (parseLeadingInt(context_.setupValue(QStringLiteral("ShowLang"))) == 0)
        mainWindow_->removeLanguageCommand();
}
