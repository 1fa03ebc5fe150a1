#include "CMainFrame.h"
#include "CProgramApp.h"
#include "IniLocation.h"

#include <QApplication>
#include <QDir>
#include <QProcess>
#include <cstdio>

namespace {

bool hasDisplay()
{
#ifdef Q_OS_LINUX
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
#else
    return true;
#endif
}

} // namespace

int main(int argc, char* argv[])
{
    if (!hasDisplay()) {
        std::fputs("xr970: no display found. Start it on a desktop, or without one with\n"
                   "  xvfb-run ./run.sh        (a virtual display)\n"
                   "  QT_QPA_PLATFORM=offscreen build/xr970\n",
                   stderr);
        return 1;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("xr970"));
    QApplication::setOrganizationName(QStringLiteral("xr970"));

    const QString exeDir = QApplication::applicationDirPath();
    const QString installData = QStringLiteral(XR970_INSTALL_DATA_DIR);
    CProgramApp::Paths paths{locateProgramIni(exeDir, QDir(installData).filePath(QStringLiteral("Program.ini"))),
                             exeDir, installData};
    CProgramApp program;
    if (!program.InitInstance(paths, QApplication::arguments().mid(1)))
        return 1;
    const int status = QApplication::exec();
    if (program.mainFrame()->restartRequested())
        QProcess::startDetached(QApplication::applicationFilePath(), {});
    return status;
}
