#include "cli/CliSupport.h"

#include <QGuiApplication>

int runUnderGuiApplication(const CliCommand& command, int& argc, char* argv[])
{
    // Fonts and painting need a GUI application, but never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("xr970-cli"));
    return finishStandardOutput(command.run(QCoreApplication::arguments().mid(1)));
}
