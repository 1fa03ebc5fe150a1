#include "cli/CliCommands.h"
#include "cli/CliSupport.h"

#include <QCoreApplication>

const std::vector<CliCommand>& cliCommands()
{
    static const std::vector<CliCommand> commands = {
        {"dump", "print the channel grid of a .dat file", runDump},
        {"diff", "show what differs between two .dat files", runDiff},
        {"new", "write the .dat file of a new document", runNew},
        {"read", "read the radio into a .dat file", runRead},
        {"write", "write a .dat file into the radio", runWrite},
        {"compare", "read the radio and show what differs from a .dat file", runCompare},
        {"fleet", "program many radios with one .dat file, on several cables at once", runFleet},
        {"history", "list the copies of the images read from the radio", runHistory},
        {"ports", "list the serial ports and devices, and which one is the cable", runPorts},
        {"simulate", "serve a virtual radio on a pseudo-terminal", runSimulate},
        {"export-csv", "write the channels of a .dat file as a CSV channel list", runExportCsv},
        {"import-csv", "apply a CSV channel list to a .dat file", runImportCsv},
#ifdef XR_CLI_WITH_GUI
        {"print", "write the options and channel report as PDF", runPrint, true},
#endif
    };
    return commands;
}

namespace {

QString generalHelp()
{
    QString text = QStringLiteral("Usage: xr970-cli COMMAND [OPTIONS]\n"
                                  "       xr970-cli --help | --version\n\n"
                                  "XR-970 Programmer on the command line.\n\nCommands:\n");
    for (const CliCommand& command : cliCommands())
        text += QStringLiteral("  %1%2\n")
                    .arg(QString::fromLatin1(command.name), -12)
                    .arg(QString::fromLatin1(command.summary));
    text += QStringLiteral("\nOptions:\n"
                           "  -h, --help  show this help\n"
                           "  --version   show the version\n"
                           "\nRun 'xr970-cli COMMAND --help' for the options of a command.\n");
    return text;
}

// The command line after the program's name.
int run(const QStringList& arguments)
{
    if (arguments.isEmpty()) {
        printErr(generalHelp());
        return CliExit::Usage;
    }
    const QString& name = arguments.front();
    if (name == QLatin1String("--help") || name == QLatin1String("-h") || name == QLatin1String("help")) {
        printOut(generalHelp());
        return CliExit::Ok;
    }
    if (name == QLatin1String("--version")) {
        printOut(QStringLiteral("xr970-cli " XR_VERSION "\n"));
        return CliExit::Ok;
    }
    for (const CliCommand& command : cliCommands()) {
        if (name == QLatin1String(command.name))
            return command.run(arguments);
    }
    printErr(QStringLiteral("xr970-cli: unknown command '") + name + QStringLiteral("'\n\n") + generalHelp());
    return CliExit::Usage;
}

} // namespace

int main(int argc, char* argv[])
{
    holdClosedStandardStreams();
#ifdef XR_CLI_WITH_GUI
    if (const CliCommand* command = guiCommandOf(argc, argv))
        return runUnderGuiApplication(*command, argc, argv);
#endif
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("xr970-cli"));
    return finishStandardOutput(run(QCoreApplication::arguments().mid(1)));
}
