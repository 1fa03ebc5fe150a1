#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

#include "support/ScratchFiles.h"

// Runs xr970-cli of this build and collects what it printed.
struct CliRun {
    int exitCode = -1;
    QString out; // stdout as UTF-8 text
    QString err;
    QByteArray rawOut; // stdout byte for byte
};

// This process's environment without a display, for a command that must not need one.
QProcessEnvironment headlessEnvironment();

// launcher, when given, starts the program: {"setpriv", "--reuid=65534", ...}.
CliRun runCli(const QStringList& arguments,
              const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment(),
              const QStringList& launcher = {});

// xr970-cli simulate in the background, for as long as the object lives.
class CliSimulator {
public:
    explicit CliSimulator(const QStringList& options);
    ~CliSimulator();
    CliSimulator(const CliSimulator&) = delete;
    CliSimulator& operator=(const CliSimulator&) = delete;

    QString device() const { return device_; }
    // Ends the simulator with a termination request; its exit status.
    int interrupt();

private:
    QProcess process_;
    QString device_;
};
