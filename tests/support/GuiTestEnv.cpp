#include "support/GuiTestEnv.h"

#include <QDir>
#include <QFile>
#include <QSettings>

GuiTestEnv::GuiTestEnv(const QByteArray& programIni)
{
    auto devices = std::make_unique<ScriptedSerialDevices>();
    devices_ = devices.get();
    context.setSerialDevices(std::move(devices));
    QFile ini(iniPath());
    ini.open(QIODevice::WriteOnly);
    ini.write(programIni);
    ini.close();
    for (const char* module : {"English.qm", "Chinese.qm"})
        QFile::copy(QDir(QStringLiteral(XR_BUILD_DIR)).filePath(QString::fromLatin1(module)),
                    dir_.filePath(QString::fromLatin1(module)));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       dir_.filePath(QStringLiteral("settings")));
    context.setUiHooks(hooks);
    hooks.setMessageBoxHandler([this](const MessageBoxRequest& request) {
        boxes << request;
        return answers.isEmpty() ? QMessageBox::Ok : answers.takeFirst();
    });
    context.setProgramDir(dir_.path());
    context.setHistoryFolder(dir_.filePath(QStringLiteral("history")));
}

QByteArray GuiTestEnv::defaultIni()
{
    return "[Setup]\r\nLanguage=English\r\nShowLang=1\r\nAppName=XrTest\r\n"
           "Type1=VHF\r\nField1=130 - 160MHz|136 - 174MHz\r\nType2=UHF\r\nField2=400-420|420-450|450-470\r\n"
           "[English]\r\nCompany=Test Radio Co\r\nAppName=Test Programmer\r\nAbout Title=&About Test...\r\n"
           "Version=Version 1 & more\r\nCopyrights=&Copy 2026\r\nCopyrights Owner=Owner && Co\r\nTitle=Test "
           "Title\r\n"
           "[Chinese]\r\nCompany=测试无线电\r\nAppName=测试软件\r\n"
           "About Title=关于测试(&A)...\r\nTitle=测试标题\r\n";
}

QString GuiTestEnv::iniPath() const
{
    return dir_.filePath(QStringLiteral("Program.ini"));
}

void GuiTestEnv::loadIni(const QString& language)
{
    context.config().load(iniPath());
    context.setLanguageName(language);
}

QString GuiTestEnv::boxTexts() const
{
    QStringList texts;
    for (const MessageBoxRequest& box : boxes)
        texts << box.text;
    return texts.join(QLatin1Char('\n'));
}
