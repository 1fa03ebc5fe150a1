#include "cli/CliTransfer.h"
#include "cli/CliCommands.h"

#include "cli/CliPorts.h"
#include "cli/CliSupport.h"
#include "config/CommandIds.h"
#include "config/StringTable.h"
#include "link/SerialDevices.h"
#include "link/SerialPortLine.h"
#include "session/TransferMessages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <csignal>

namespace {

volatile std::sig_atomic_t interruptions = 0;

extern "C" void onInterrupt(int)
{
    interruptions = interruptions + 1;
}

int exitStatusOf(CloneTransfer::Outcome outcome)
{
    switch (outcome) {
    case CloneTransfer::Outcome::Completed:
        return CliExit::Ok;
    case CloneTransfer::Outcome::Cancelled:
        return CliExit::Cancelled;
    case CloneTransfer::Outcome::RadioTypeMismatch:
        return CliExit::RadioType;
    case CloneTransfer::Outcome::PortError:
        return CliExit::PortError;
    case CloneTransfer::Outcome::CommunicationError:
        return CliExit::CommunicationError;
    case CloneTransfer::Outcome::Interrupted:
        return CliExit::Interrupted;
    }
    return CliExit::Failure;
}

} // namespace

InterruptRequests::InterruptRequests(bool alsoTermination)
{
    interruptions = 0;
    previousInterrupt_ = std::signal(SIGINT, onInterrupt);
    if (alsoTermination)
        previousTermination_ = std::signal(SIGTERM, onInterrupt);
}

InterruptRequests::~InterruptRequests()
{
    std::signal(SIGINT, previousInterrupt_);
    if (previousTermination_)
        std::signal(SIGTERM, previousTermination_);
}

int InterruptRequests::count()
{
    return interruptions;
}

QCommandLineOption portOption()
{
    return {QStringLiteral("port"),
            QStringLiteral("Serial device to use: a path such as /dev/ttyUSB0, COM1 .. COM16, or auto "
                           "(the one programming cable present)."),
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
    const QString port = parser.value(QStringLiteral("port"));
    if (port == QLatin1String("auto")) {
        const std::optional<QString> cable = automaticPort(exitStatus);
        return cable ? std::optional<CliLink>(CliLink{*cable, retries}) : std::nullopt;
    }
    return CliLink{programPortMap().deviceFor(port), retries};
}

void runCliTransfer(const CliLink& link,
                    const std::function<void(CloneTransfer&, const QString& device)>& run)
{
    const InterruptRequests cancelOnInterrupt;
    int retried = 0;
    CloneTransfer::Hooks hooks;
    hooks.poll = [] { return InterruptRequests::count() > 0; };
    hooks.retry = [&] {
        if (retried >= link.retries || InterruptRequests::count() > 0)
            return false;
        ++retried;
        printErr(stringTableText(MessageId::CommunicationError) +
                 QStringLiteral(" (retry %1 of %2)\n").arg(retried).arg(link.retries));
        return true;
    };
    SerialPortLine line;
    CloneTransfer transfer(line, hooks);
    run(transfer, link.device);
}

int reportTransferEnd(const CloneTransfer::Result& result, const CliLink& link)
{
    if (result.outcome == CloneTransfer::Outcome::Cancelled) {
        printErr(QStringLiteral("Cancelled.\n"));
    } else if (!result.completed()) {
        const std::unique_ptr<SerialDevices> devices = makeSerialDevices();
        const TransferMessages messages(*devices, Language::English);
        printErr(messages.paragraphs(result, link.device).join(QLatin1Char('\n')) + QLatin1Char('\n'));
    }
    return exitStatusOf(result.outcome);
}
