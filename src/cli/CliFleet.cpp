#include "cli/CliCommands.h"
#include "cli/CliPorts.h"
#include "cli/CliSupport.h"
#include "cli/CliTransfer.h"

#include "config/CommandIds.h"
#include "config/DataLocation.h"
#include "config/StringTable.h"
#include "document/ChannelFile.h"
#include "link/ProgrammingCables.h"
#include "link/SerialDevices.h"
#include "model/DisplayText.h"
#include "session/FleetBench.h"

#include <QEventLoop>
#include <QTimer>
#include <memory>

namespace {

constexpr int SignalCheckMs = 100;

struct FleetChoice {
    QList<FleetCable> cables;
    bool watchForCables = false; // --port auto
    FleetOptions options;
    QString logPath;
};

// Every --port: a device, or auto for every programming cable present. An exit status
// when auto finds none.
std::optional<int> addCables(const QStringList& ports, const SerialDevices& devices, FleetChoice& choice)
{
    const QList<SerialDeviceInfo> present = devices.present();
    for (const QString& port : ports) {
        if (port != QLatin1String("auto")) {
            choice.cables << namedCable(programPortMap().deviceFor(port), present);
            continue;
        }
        choice.watchForCables = true;
        const QList<SerialDeviceInfo> cables = ProgrammingCables::among(present);
        if (cables.isEmpty()) {
            printErr(QStringLiteral("--port auto: no programming cable found. Serial devices present:\n"));
            for (const SerialDeviceInfo& device : present)
                printErr(QStringLiteral("  ") + device.openName() + QLatin1Char('\n'));
            return CliExit::PortError;
        }
        for (const SerialDeviceInfo& cable : cables)
            choice.cables << FleetCable{cable.openName(), cable.stableName};
    }
    return std::nullopt;
}

// Each cable must open at the start; the first that does not ends the command at once.
std::optional<int> checkCablesOpen(const QList<FleetCable>& cables, const SerialDevices& devices,
                                   Language language)
{
    for (const FleetCable& cable : cables) {
        const PortStatus status = devices.status(cable.device);
        if (status.ok())
            continue;
        printErr(stringTableText(MessageId::CannotOpenPort) + QLatin1Char('\n') +
                 portStatusText(status, cable.device, language) + QLatin1Char('\n'));
        return CliExit::PortError;
    }
    return std::nullopt;
}

std::optional<int> readOptions(const QCommandLineParser& parser, FleetChoice& choice)
{
    FleetOptions& options = choice.options;
    if (parser.isSet(QStringLiteral("count"))) {
        bool ok = false;
        options.stopAfter = parser.value(QStringLiteral("count")).toInt(&ok);
        if (!ok || options.stopAfter < 1)
            return usageError(parser, QStringLiteral("--count takes a number of 1 or more"));
    }
    if (parser.isSet(QStringLiteral("variant"))) {
        options.variant = variantFrom(parser);
        if (!options.variant)
            return usageError(parser, QStringLiteral("--variant takes receive, transmit or other"));
    }
    const std::optional<Language> language = languageFrom(parser);
    if (!language)
        return usageError(parser, QStringLiteral("--lang takes en or zh"));
    options.language = *language;
    options.backup = !parser.isSet(QStringLiteral("no-backup"));
    options.verify = !parser.isSet(QStringLiteral("no-verify"));
    choice.logPath = parser.value(QStringLiteral("log"));
    return std::nullopt;
}

QString recordLine(const FleetRecord& record)
{
    const QString variant = record.variant ? QString::fromLatin1(radioVariantName(*record.variant)) : QString();
    return QStringList{escapedField(record.device), QString::number(record.radio), variant,
                       QString::fromLatin1(fleetResultName(record.result)), escapedField(record.detail),
                       escapedField(record.backup)}
               .join(QLatin1Char('\t')) +
           QLatin1Char('\n');
}

// What the bench tells the user while it runs, and how it went.
class FleetReport {
public:
    FleetReport(FleetBench& bench, const FleetChoice& choice, const FileWriter& writer)
        : bench_(bench), language_(choice.options.language), verify_(choice.options.verify)
    {
        if (!choice.logPath.isEmpty())
            log_.emplace(choice.logPath, writer);
    }

    void radioEnded(const FleetRecord& record)
    {
        printOut(recordLine(record));
        allGood_ = allGood_ && record.result == (verify_ ? FleetResult::Verified : FleetResult::Written);
        if (!log_)
            return;
        const WriteResult written = log_->save(bench_.log());
        logFailed_ = !written.ok;
        if (logFailed_)
            printErr(QStringLiteral("xr970-cli: ") + displayedPath(log_->path()) + QStringLiteral(": ") +
                     written.errorText + QLatin1Char('\n'));
    }

    void stateChanged(int cable, FleetState state, const QString& detail) const
    {
        QString line = bench_.cable(cable).device + QStringLiteral(": ") + fleetStateText(state, language_);
        if (!detail.isEmpty())
            line += QStringLiteral(" (") + detail + QLatin1Char(')');
        printErr(line + QLatin1Char('\n'));
    }

    int exitStatus() const
    {
        if (!allGood_)
            return CliExit::VerifyFailed;
        return logFailed_ ? CliExit::Failure : CliExit::Ok;
    }

private:
    FleetBench& bench_;
    Language language_;
    bool verify_;
    std::optional<FleetLogFile> log_;
    bool allGood_ = true;
    bool logFailed_ = false;
};

// The first Ctrl+C or termination request finishes the radios being written, the second
// cancels at once.
void runUntilFinished(FleetBench& bench)
{
    const InterruptRequests interrupts(true);
    QEventLoop loop;
    QObject::connect(&bench, &FleetBench::finished, &loop, &QEventLoop::quit);
    QTimer signalCheck;
    int seen = 0;
    QObject::connect(&signalCheck, &QTimer::timeout, &bench, [&bench, &seen] {
        for (; seen < InterruptRequests::count(); ++seen) {
            if (seen == 0)
                printErr(QStringLiteral("Stopping once the radios being written are done; again to cancel "
                                        "at once.\n"));
            bench.stop();
        }
    });
    signalCheck.start(SignalCheckMs);
    bench.start();
    if (bench.isRunning())
        loop.exec();
}

void addFleetOptions(QCommandLineParser& parser)
{
    parser.setApplicationDescription(QStringLiteral(
        "Program radio after radio with one channel-data file, on several cables at once: each radio is "
        "backed up into the radio history, written, read back and compared, then taken off; one line per "
        "radio. Runs until --count radios were handled or Ctrl+C (once: finish the radios being written; "
        "twice: at once)."));
    parser.addPositionalArgument(QStringLiteral("FILE.dat"), QStringLiteral("The plan: the channel-data file."));
    parser.addOptions({
        {QStringLiteral("port"),
         QStringLiteral("A cable: a device, COM1 .. COM16, or auto (every programming cable present, and those "
                        "plugged in later); may be repeated."),
         QStringLiteral("DEV")},
        {QStringLiteral("count"),
         QStringLiteral("Stop after N radios were handled (verified, written, failed or refused)."),
         QStringLiteral("N")},
        {QStringLiteral("log"), QStringLiteral("Also write the log (CSV) to this file after each radio."),
         QStringLiteral("LOG.csv")},
        {QStringLiteral("variant"),
         QStringLiteral("The radios' variant; others are refused (default: the first radio's)."),
         QStringLiteral("receive|transmit|other")},
        {QStringLiteral("no-backup"), QStringLiteral("Do not read each radio before writing it.")},
        {QStringLiteral("no-verify"), QStringLiteral("Do not read each radio back after writing it.")},
    });
    addLanguageOption(parser);
}

} // namespace

int runFleet(const QStringList& arguments)
{
    QCommandLineParser parser;
    addFleetOptions(parser);
    if (const auto stop = parseCommandLine(parser, arguments, 1))
        return *stop;
    if (!parser.isSet(QStringLiteral("port")))
        return usageError(parser, QStringLiteral("--port DEV is required"));
    FleetChoice choice;
    if (const auto stop = readOptions(parser, choice))
        return *stop;
    RadioImage plan;
    if (!loadChannelFileOrReport(parser.positionalArguments().front(), plan))
        return CliExit::BadFile;
    const std::unique_ptr<SerialDevices> devices = makeSerialDevices();
    if (const auto stop = addCables(parser.values(QStringLiteral("port")), *devices, choice))
        return *stop;
    if (const auto stop = checkCablesOpen(choice.cables, *devices, choice.options.language))
        return *stop;

    const FileWriter writer;
    FleetBench bench(plan, choice.options,
                     {cliHistory(), *devices, writer, fleetLogFolder(radioHistoryFolder())});
    for (const FleetCable& cable : choice.cables)
        bench.addCable(cable);
    if (choice.watchForCables)
        bench.watchForCables();
    FleetReport report(bench, choice, writer);
    QObject::connect(&bench, &FleetBench::radioEnded, &bench,
                     [&report](const FleetRecord& record) { report.radioEnded(record); });
    QObject::connect(&bench, &FleetBench::stateChanged, &bench,
                     [&report](int cable, FleetState state, const QString& detail) {
                         report.stateChanged(cable, state, detail);
                     });
    QObject::connect(&bench, &FleetBench::logFailed, &bench, [](const QString& path, const QString& reason) {
        printErr(QStringLiteral("warning: the bench's log could not be kept: ") + displayedPath(path) +
                 QStringLiteral(": ") + reason + QLatin1Char('\n'));
    });
    runUntilFinished(bench);
    return report.exitStatus();
}
