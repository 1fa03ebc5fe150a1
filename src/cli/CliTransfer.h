#pragma once

#include "link/CloneTransfer.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <functional>
#include <optional>

// What read and write share: --port and --retries, Ctrl+C as Cancel, and the report of
// how a transfer ended.
QCommandLineOption portOption();
QCommandLineOption retriesOption();

struct CliLink {
    QString device;
    int retries = 0;
};

// The device and retry count of the command line, or the exit status of a usage error.
std::optional<CliLink> cliLinkFrom(const QCommandLineParser& parser, int& exitStatus);

// Runs one transfer with Ctrl+C as Cancel and up to link.retries retries after a
// Communication Error.
CloneTransfer::Result
runCliTransfer(const CliLink& link,
               const std::function<CloneTransfer::Result(CloneTransfer&, const QString&)>& run);

// Prints the message of a failed end on stderr; returns the exit status for the result.
int reportTransferEnd(const CloneTransfer::Result& result, const CliLink& link);
