#include "app/CProgramApp.h"

#include "config/AppGlobals.h"
#include "app/CMainFrame.h"
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
    return theIniFile().GetValue(QStringLiteral("Setup"), QString::fromLatin1(key), QString());
}

QString languageValue(const char* key)
{
    return theIniFile().GetValue(g_strLanguage, QString::fromLatin1(key), QString());
}

QString withSeparator(const QString& dir)
{
    return dir.endsWith(QLatin1Char('/')) ? dir : dir + QLatin1Char('/');
}

} // namespace

CProgramApp::CProgramApp() = default;

CProgramApp::~CProgramApp()
{
    mainFrame_.reset();
    QCoreApplication::removeTranslator(&qtTexts_);
    QCoreApplication::removeTranslator(&translator_);
}

QString CProgramApp::findLanguageModule(const QString& language, const Paths& paths)
{
    const QString name = language + QStringLiteral(".qm");
    for (const QString& dir : {paths.exeDir, paths.installData}) {
        const QString candidate = QDir(dir).filePath(name);
        if (!dir.isEmpty() && QFileInfo(candidate).isFile())
            return candidate;
    }
    return {};
}

bool CProgramApp::loadLanguageModule(const Paths& paths)
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
void CProgramApp::loadQtTexts()
{
    if (g_bChinese && qtTexts_.load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"),
                                    QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtTexts_);
}

bool CProgramApp::InitInstance(const Paths& paths, const QStringList& arguments)
{
    theIniFile().Load(paths.iniFile);
    setLanguageGlobals(setupValue("Language"));
    if (!loadLanguageModule(paths))
        return false;
    g_strExeDir = withSeparator(paths.exeDir);
    g_strCompany = languageValue("Company");

    mainFrame_ = std::make_unique<CMainFrame>();
    if (!processCommandLine(arguments))
        return false;
    mainFrame_->showMaximized();
    brandMainFrame();
    return true;
}

bool CProgramApp::processCommandLine(const QStringList& arguments)
{
    QStringList files;
    for (const QString& argument : arguments)
        if (!argument.startsWith(QLatin1String("--")))
            files << argument;
    if (files.isEmpty())
        return mainFrame_->documents().newDocument();
    if (!mainFrame_->documents().openDocument(files.front()))
        return false;
    // "--print FILE": print it on the current printer, then end, as a shell's Print verb.
    if (arguments.contains(QStringLiteral("--print"))) {
        mainFrame_->runCommand(CommandId::PrintDirect);
        printedAtStartUp_ = true;
        return false;
    }
    return true;
}

void CProgramApp::brandMainFrame()
{
    QIcon icon(g_strExeDir + QStringLiteral("title.ico"));
    mainFrame_->setWindowIcon(icon.isNull() ? QIcon(QStringLiteral(":/images/title.png")) : icon);
    mainFrame_->setAboutTitle(languageValue("About Title"));
    if (parseLeadingInt(setupValue("ShowLang")) == 0)
        mainFrame_->removeLanguageCommand();
}
