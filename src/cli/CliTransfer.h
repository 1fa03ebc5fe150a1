#pragma once

#include "link/CloneTransfer.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <functional>
#include <optional>

// What read, compare and write share: --port and --retries, Ctrl+C as Cancel, and the
// report of how a transfer ended.
QCommandLineOption portOption();
QCommandLineOption retriesOption();

// Ctrl+C (and, when asked, a termination request) counted while the object lives, instead
// of killing the program with the line half-way through: a transfer cancels at its next
// poll point; the bench stops at the first and cancels at the second.
class InterruptRequests {
public:
    explicit InterruptRequests(bool alsoTermination = false);
    ~InterruptRequests();
    InterruptRequests(const InterruptRequests&) = delete;
    InterruptRequests& operator=(const InterruptRequests&) = delete;

    static int count();

private:
    void (*previousInterrupt_)(int) = nullptr;
    void (*previousTermination_)(int) = nullptr;
};

struct CliLink {
    QString device;
    int retries = 0;
};

// The device and retry count of the command line, or the exit status of a usage error.
std::optional<CliLink> cliLinkFrom(const QCommandLineParser& parser, int& exitStatus);

// Runs one session with the radio (a workflow's step, given the transfer and the device)
// with Ctrl+C as Cancel and up to link.retries retries after a Communication Error.
void runCliTransfer(const CliLink& link,
                    const std::function<void(CloneTransfer&, const QString& device)>& run);

// Prints the message of a failed end on stderr (TransferMessages, a line each); returns
// the exit status for the result.
int reportTransferEnd(const CloneTransfer::Result& result, const CliLink& link);
