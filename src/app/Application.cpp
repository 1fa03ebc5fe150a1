#include "app/Application.h"

#include "config/AppGlobals.h"
#include "app/MainWindow.h"
#include "config/CommandIds.h"
#include "app/DocumentManager.h"
#include "config/IniFile.h"
#include "uikit/MessageBox.h"
#include "model/NumberParse.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>

namespace {

QString setupValue(const char* key)
{
    return theIniFile().value(QStringLiteral("Setup"), QString::fromLatin1(key), QString());
}

QString languageValue(const char* key)
{
    return theIniFile().value(g_strLanguage, QString::fromLatin1(key), QString());
}

QString withSeparator(const QString& dir)
{
    return dir.endsWith(QLatin1Char('/')) ? dir : dir + QLatin1Char('/');
}

} // namespace

Application::Application() = default;

Application::~Application()
{
    mainWindow_.reset();
    QCoreApplication::removeTranslator(&qtTexts_);
    QCoreApplication::removeTranslator(&translator_);
}

QString Application::findLanguageModule(const QString& language, const Paths& paths)
{
    const QString name = language + QStringLiteral(".qm");
    for (const QString& dir : {paths.exeDir, paths.installData}) {
        const QString candidate = QDir(dir).filePath(name);
        if (!dir.isEmpty() && QFileInfo(candidate).isFile())
            return candidate;
    }
    return {};
}

bool Application::loadLanguageModule(const Paths& paths)
{
    const QString module = findLanguageModule(g_strLanguage, paths);
    if (module.isEmpty() || !translator_.load(module)) {
        showMessageBox(
            {nullptr,
             byLanguage(QStringLiteral("Load language DLL fail"), QStringLiteral("加载语言链接库失败")),
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
    if (g_bChinese && qtTexts_.load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"),
                                    QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtTexts_);
}

bool Application::start(const Paths& paths, const QStringList& arguments)
{
    theIniFile().load(paths.iniFile);
    setLanguageGlobals(setupValue("Language"));
    if (!loadLanguageModule(paths))
        return false;
    g_strExeDir = withSeparator(paths.exeDir);
    g_strCompany = languageValue("Company");

    mainWindow_ = std::make_unique<MainWindow>();
    if (!processCommandLine(arguments))
        return false;
    mainWindow_->showMaximized();
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
    if (!mainWindow_->documents().openDocument(files.front()))
        return false;
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
    QIcon icon(g_strExeDir + QStringLiteral("title.ico"));
    mainWindow_->setWindowIcon(icon.isNull() ? QIcon(QStringLiteral(":/images/title.png")) : icon);
    mainWindow_->setAboutTitle(languageValue("About Title"));
    if (parseLeadingInt(setupValue("ShowLang")) == 0)
        mainWindow_->removeLanguageCommand();
}
