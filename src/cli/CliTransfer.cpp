#include "cli/CliTransfer.h"
#include "cli/CliCommands.h"

#include "cli/CliSupport.h"
#include "config/CommandIds.h"
#include "config/IniFile.h"
#include "config/StringTable.h"
#include "link/PortMap.h"
#include "link/SerialPortLine.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <csignal>

namespace {

volatile std::sig_atomic_t interrupted = 0;

extern "C" void onInterrupt(int)
{
    interrupted = 1;
}

// Ctrl+C cancels the transfer at its next poll point instead of killing the program
// with the line half-way through.
class InterruptAsCancel {
public:
    InterruptAsCancel()
    {
        interrupted = 0;
        previous_ = std::signal(SIGINT, onInterrupt);
    }
    ~InterruptAsCancel() { std::signal(SIGINT, previous_); }
    InterruptAsCancel(const InterruptAsCancel&) = delete;
    InterruptAsCancel& operator=(const InterruptAsCancel&) = delete;

private:
    void (*previous_)(int) = nullptr;
};

// COM1 .. COM16 map to devices through the [Ports] section of the program's Program.ini,
// when there is one.
QString resolveDevice(const QString& port)
{
    IniFile ini;
    loadProgramIni(ini);
    const PortMap map(
        [&ini](const QString& slotName) { return ini.value(QStringLiteral("Ports"), slotName, QString()); });
    return map.deviceFor(port);
}

} // namespace

QCommandLineOption portOption()
{
    return {QStringLiteral("port"),
            QStringLiteral("Serial device to use: a path such as /dev/ttyUSB0, or COM1 .. COM16."),
            QStringLiteral("DEV")};
}

QCommandLineOption retriesOption()
{
    return {QStringLiteral("retries"),
            QStringLiteral("Retry the handshake up to N times after a Communication Error (default 0)."),
            QStringLiteral("N"), QStringLiteral("0")};
}

std::optional<CliLink> cliLinkFrom(const QCommandLineParser& parser, int& exitStatus)
{
    if (!parser.isSet(QStringLiteral("port"))) {
        exitStatus = usageError(parser, QStringLiteral("--port DEV is required"));
        return std::nullopt;
    }
    bool ok = false;
    const int retries = parser.value(QStringLiteral("retries")).toInt(&ok);
    if (!ok || retries < 0) {
        exitStatus = usageError(parser, QStringLiteral("--retries takes a number of 0 or more"));
        return std::nullopt;
    }
    return CliLink{resolveDevice(parser.value(QStringLiteral("port"))), retries};
}

CloneTransfer::Result
runCliTransfer(const CliLink& link,
               const std::function<CloneTransfer::Result(CloneTransfer&, const QString&)>& run)
{
    const InterruptAsCancel cancelOnInterrupt;
    int retried = 0;
    CloneTransfer::Hooks hooks;
    hooks.poll = [] { return interrupted != 0; };
    hooks.retry = [&] {
        if (retried >= link.retries || interrupted)
            return false;
        ++retried;
        printErr(stringTableText(MessageId::CommunicationError) +
                 QStringLiteral(" (retry %1 of %2)\n").arg(retried).arg(link.retries));
        return true;
    };
    SerialPortLine line;
    CloneTransfer transfer(line, hooks);
    return run(transfer, link.device);
}

int reportTransferEnd(const CloneTransfer::Result& result, const CliLink& link)
{
    switch (result.outcome) {
    case CloneTransfer::Outcome::Completed:
        return CliExit::Ok;
    case CloneTransfer::Outcome::Cancelled:
        printErr(QStringLiteral("Cancelled.\n"));
        return CliExit::Cancelled;
    case CloneTransfer::Outcome::RadioTypeMismatch:
        printErr(radioTypeMismatchText(Language::English) + QLatin1Char('\n'));
        return CliExit::RadioType;
    case CloneTransfer::Outcome::PortError:
        printErr(stringTableText(MessageId::CannotOpenPort) + QLatin1Char('\n') + link.device +
                 QStringLiteral(": ") + result.portError + QLatin1Char('\n'));
        return CliExit::PortError;
    case CloneTransfer::Outcome::CommunicationError:
        printErr(stringTableText(MessageId::CommunicationError) + QLatin1Char('\n'));
        return CliExit::CommunicationError;
    case CloneTransfer::Outcome::Interrupted:
        printErr(stringTableText(MessageId::ProgramInterrupt) + QLatin1Char('\n'));
        return CliExit::Interrupted;
    }
    return CliExit::Failure;
}
