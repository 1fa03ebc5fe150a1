#include "cli/CliCommands.h"
#include "cli/CliSupport.h"

#include "sim/VirtualRadio.h"

#include <csignal>
#include <pthread.h>

namespace {

std::optional<std::uint8_t> byteValue(const QString& text)
{
    bool ok = false;
    const int value = text.toInt(&ok, 0);
    if (!ok || value < 0 || value > 0xFF)
        return std::nullopt;
    return static_cast<std::uint8_t>(value);
}

// Waits for Ctrl+C or a termination request. The signals are blocked first, so the
// radio's thread (started later) inherits the mask and only this wait receives them.
class StopSignals {
public:
    StopSignals()
    {
        sigemptyset(&set_);
        sigaddset(&set_, SIGINT);
        sigaddset(&set_, SIGTERM);
        sigaddset(&set_, SIGHUP);
        pthread_sigmask(SIG_BLOCK, &set_, nullptr);
    }
    void wait() const
    {
        int signal = 0;
        sigwait(&set_, &signal);
    }

private:
    sigset_t set_;
};

} // namespace

int runSimulate(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Serve a virtual radio on a pseudo-terminal until interrupted. The first line of "
                       "output is the device to pass to read or write with --port."));
    const QCommandLineOption variant(QStringLiteral("variant-byte"),
                                     QStringLiteral("Byte 8 of the identification (default 0xFF)."),
                                     QStringLiteral("BYTE"), QStringLiteral("0xFF"));
    const QCommandLineOption model(QStringLiteral("id-byte2"),
                                   QStringLiteral("Byte 2 of the identification (default 0x33)."),
                                   QStringLiteral("BYTE"), QStringLiteral("0x33"));
    const QCommandLineOption image(QStringLiteral("image"),
                                   QStringLiteral("Channel-data file the radio's memory starts from "
                                                  "(default: a new document)."),
                                   QStringLiteral("FILE.dat"));
    const QCommandLineOption fault(QStringLiteral("fault"),
                                   QStringLiteral("Misbehave; may be repeated: ") + faultHelp() +
                                       QLatin1Char('.'),
                                   QStringLiteral("FAULT"));
    const QCommandLineOption paced(QStringLiteral("paced"),
                                   QStringLiteral("Take the 9600-baud time of every byte."));
    parser.addOptions({variant, model, image, fault, paced});
    if (const auto stop = parseCommandLine(parser, arguments, 0))
        return *stop;

    VirtualRadio::Options options;
    const auto variantByte = byteValue(parser.value(variant));
    const auto modelByte = byteValue(parser.value(model));
    if (!variantByte || !modelByte)
        return usageError(parser, QStringLiteral("a byte is a number from 0 to 255, such as 0xF5"));
    options.identity = {*modelByte, *variantByte};
    options.paced = parser.isSet(paced);
    for (const QString& faultText : parser.values(fault)) {
        QString error;
        if (!addFault(faultText, options.faults, &error))
            return usageError(parser, error);
    }
    RadioImage memory = RadioImage::makeNew();
    if (parser.isSet(image) && !loadChannelFileOrReport(parser.value(image), memory))
        return CliExit::BadFile;

    const StopSignals stopSignals;
    VirtualRadio radio(CloneFrames::transferAreaOf(memory), options);
    QString error;
    if (!radio.start(&error)) {
        printErr(QStringLiteral("xr970-cli: no pseudo-terminal: ") + error + QLatin1Char('\n'));
        return CliExit::Failure;
    }
    // Without its device line nobody can reach the radio: no use waiting.
    if (!writeStandardOutput((radio.devicePath() + QLatin1Char('\n')).toUtf8()))
        return CliExit::StdoutFailed;
    printErr(QStringLiteral("Virtual radio ready; Ctrl+C ends it.\n"));
    stopSignals.wait();
    return CliExit::Ok;
}
