#include "app/Application.h"
#include "app/InfoOptions.h"
#include "app/MainWindow.h"
#include "config/IniLocation.h"
#include "sim/DemoRadio.h"
#include "sim/VirtualRadio.h"

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
    if (const auto status = answerInfoOption(argc, argv))
        return *status;
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
    const QString installData = installedDataDir(exeDir);
    const ProgramIniLocation ini =
        locateProgramIni(exeDir, QDir(installData).filePath(QStringLiteral("Program.ini")));
    const Application::Paths paths{ini.readFrom, exeDir, installData, ini.storeAt};
    // --demo: a virtual radio on a pseudo-terminal stands in for the cable, for this run.
    const bool demo = QApplication::arguments().contains(QStringLiteral("--demo"));
    Application program;
    VirtualRadio::Options demoOptions;
    demoOptions.paced = true; // as fast as a real cable, so the progress can be followed
    VirtualRadio demoRadio(demoRadioMemory(), demoOptions);
    QString demoError;
    const bool demoRunning = demo && demoRadio.start(&demoError);
    if (demoRunning)
        program.context().port().setDeviceOverride(demoRadio.devicePath());
    else if (demo)
        std::fprintf(stderr, "xr970: the demo radio could not start: %s\n", qPrintable(demoError));

    if (!program.start(paths, QApplication::arguments().mid(1)))
        return program.printedAtStartUp() ? 0 : 1;
    if (demoRunning)
        program.mainWindow()->showDemoIndicator();
    const int status = QApplication::exec();
    // The new instance gets the same arguments: --demo stays, and a file argument names a
    // file whose edits were saved or discarded at the close.
    if (program.mainWindow()->restartRequested())
        QProcess::startDetached(QApplication::applicationFilePath(), QApplication::arguments().mid(1));
    return status;
}
