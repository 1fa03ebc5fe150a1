#include "support/CliRun.h"

QProcessEnvironment headlessEnvironment()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        environment.remove(QString::fromLatin1(name));
    return environment;
}

CliRun runCli(const QStringList& arguments, const QProcessEnvironment& environment,
              const QStringList& launcher)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    if (launcher.isEmpty())
        process.start(QStringLiteral(XR_CLI_PATH), arguments);
    else
        process.start(launcher.front(),
                      launcher.mid(1) + QStringList{QStringLiteral(XR_CLI_PATH)} + arguments);
    process.waitForFinished(30000);
    const QByteArray out = process.readAllStandardOutput();
    return {process.exitCode(), QString::fromUtf8(out), QString::fromUtf8(process.readAllStandardError()),
            out};
}

CliSimulator::CliSimulator(const QStringList& options)
{
    process_.start(QStringLiteral(XR_CLI_PATH), QStringList{QStringLiteral("simulate")} + options);
    if (process_.waitForReadyRead(10000))
        device_ = QString::fromUtf8(process_.readLine()).trimmed();
}

CliSimulator::~CliSimulator()
{
    process_.terminate();
    process_.waitForFinished(5000);
}

int CliSimulator::interrupt()
{
    process_.terminate();
    process_.waitForFinished(5000);
    return process_.exitStatus() == QProcess::NormalExit ? process_.exitCode() : -1;
}
