#include "cli/CliCommands.h"
#include "cli/CliSupport.h"

#include "sim/VirtualRadio.h"

#include <csignal>
#include <memory>
#include <pthread.h>
#include <vector>

namespace {

std::optional<std::uint8_t> byteValue(const QString& text)
{
    bool ok = false;
    const int value = text.toInt(&ok, 0);
    if (!ok || value < 0 || value > 0xFF)
        return std::nullopt;
    return static_cast<std::uint8_t>(value);
}

// "0xFF,0xF5": one byte per radio in turn.
std::optional<std::vector<std::uint8_t>> byteList(const QString& text)
{
    std::vector<std::uint8_t> bytes;
    for (const QString& item : text.split(QLatin1Char(','))) {
        const auto value = byteValue(item.trimmed());
        if (!value)
            return std::nullopt;
        bytes.push_back(*value);
    }
    return bytes;
}

// A whole number from low to high, or nullopt.
std::optional<int> numberIn(const QString& text, int low, int high)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok && value >= low && value <= high ? std::optional<int>(value) : std::nullopt;
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

// The options of simulate, made once so that parsing and reading them agree.
struct SimulateOptions {
    QCommandLineOption variant{QStringLiteral("variant-byte"),
                               QStringLiteral("Byte 8 of the identification (default 0xFF)."),
                               QStringLiteral("BYTE"), QStringLiteral("0xFF")};
    QCommandLineOption model{QStringLiteral("id-byte2"),
                             QStringLiteral("Byte 2 of the identification (default 0x33)."), QStringLiteral("BYTE"),
                             QStringLiteral("0x33")};
    QCommandLineOption image{QStringLiteral("image"),
                             QStringLiteral("Channel-data file the radio's memory starts from "
                                            "(default: a new document)."),
                             QStringLiteral("FILE.dat")};
    QCommandLineOption fault{QStringLiteral("fault"),
                             QStringLiteral("Misbehave; may be repeated: ") + faultHelp() + QLatin1Char('.'),
                             QStringLiteral("FAULT")};
    QCommandLineOption paced{QStringLiteral("paced"), QStringLiteral("Take the 9600-baud time of every byte.")};
    QCommandLineOption radios{
        QStringLiteral("radios"),
        QStringLiteral("Serve N radios in turn, as on a bench: each leaves the line for a moment once it was "
                       "read back after a write (or asked for three times without a transfer), then the "
                       "next answers with a memory of its own."),
        QStringLiteral("N")};
    QCommandLineOption variantBytes{
        QStringLiteral("variant-bytes"),
        QStringLiteral("Byte 8 of the identification of each radio in turn, such as 0xFF,0xF5."),
        QStringLiteral("LIST")};
    QCommandLineOption ports{QStringLiteral("ports"),
                             QStringLiteral("Serve K pseudo-terminals at once, each with radios of its own; one "
                                            "device line each (default 1)."),
                             QStringLiteral("K"), QStringLiteral("1")};
    QCommandLineOption latency{
        QStringLiteral("latency"),
        QStringLiteral("Hold each answer until MS ms after its first byte, as a USB adapter's latency timer."),
        QStringLiteral("MS"), QStringLiteral("0")};

    QList<QCommandLineOption> all() const
    {
        return {variant, model, image, fault, paced, radios, variantBytes, ports, latency};
    }
};

constexpr int MostRadios = 10000;
constexpr int MostPorts = 64;
constexpr int MostLatencyMs = 1000;

// Who the radios are and how they answer; the reason when an option is wrong.
std::optional<VirtualRadio::Options> radioOptions(const QCommandLineParser& parser, const SimulateOptions& o,
                                                  QString& error)
{
    VirtualRadio::Options options;
    const auto variantByte = byteValue(parser.value(o.variant));
    const auto modelByte = byteValue(parser.value(o.model));
    const auto radioCount = parser.isSet(o.radios) ? numberIn(parser.value(o.radios), 1, MostRadios) : 0;
    const auto latencyMs = numberIn(parser.value(o.latency), 0, MostLatencyMs);
    const auto bytes = parser.isSet(o.variantBytes) ? byteList(parser.value(o.variantBytes))
                                                    : std::optional<std::vector<std::uint8_t>>(std::in_place);
    if (!variantByte || !modelByte || !bytes) {
        error = QStringLiteral("a byte is a number from 0 to 255, such as 0xF5; a list of them 0xFF,0xF5");
        return std::nullopt;
    }
    if (!radioCount || !latencyMs) {
        error = QStringLiteral("--radios takes 1 to %1, --latency 0 to %2").arg(MostRadios).arg(MostLatencyMs);
        return std::nullopt;
    }
    options.identity = {*modelByte, *variantByte};
    options.paced = parser.isSet(o.paced);
    options.turns.radios = *radioCount;
    options.turns.variantBytes = *bytes;
    options.latency = std::chrono::milliseconds(*latencyMs);
    for (const QString& faultText : parser.values(o.fault)) {
        if (!addFault(faultText, options.faults, &error))
            return std::nullopt;
    }
    return options;
}

// Starts the radios, one pseudo-terminal each, and prints each device; an exit status when
// one cannot start.
std::optional<int> startRadios(std::vector<std::unique_ptr<VirtualRadio>>& radios, int count,
                               const RadioImage& memory, const VirtualRadio::Options& options)
{
    for (int port = 0; port < count; ++port) {
        radios.push_back(std::make_unique<VirtualRadio>(CloneFrames::transferAreaOf(memory), options));
        QString error;
        if (!radios.back()->start(&error)) {
            printErr(QStringLiteral("xr970-cli: no pseudo-terminal: ") + error + QLatin1Char('\n'));
            return CliExit::Failure;
        }
        // Without its device line nobody can reach the radio: no use waiting.
        if (!writeStandardOutput((radios.back()->devicePath() + QLatin1Char('\n')).toUtf8()))
            return CliExit::StdoutFailed;
    }
    return std::nullopt;
}

} // namespace

int runSimulate(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Serve a virtual radio on a pseudo-terminal until interrupted. The first line of "
                       "output is the device to pass to read or write with --port (one line per "
                       "pseudo-terminal with --ports)."));
    const SimulateOptions o;
    parser.addOptions(o.all());
    if (const auto stop = parseCommandLine(parser, arguments, 0))
        return *stop;
    QString error;
    const std::optional<VirtualRadio::Options> options = radioOptions(parser, o, error);
    if (!options)
        return usageError(parser, error);
    const auto portCount = numberIn(parser.value(o.ports), 1, MostPorts);
    if (!portCount)
        return usageError(parser, QStringLiteral("--ports takes 1 to %1").arg(MostPorts));
    RadioImage memory = RadioImage::makeNew();
    if (parser.isSet(o.image) && !loadChannelFileOrReport(parser.value(o.image), memory))
        return CliExit::BadFile;

    const StopSignals stopSignals;
    std::vector<std::unique_ptr<VirtualRadio>> radios;
    if (const auto failed = startRadios(radios, *portCount, memory, *options))
        return *failed;
    printErr(radios.size() == 1 ? QStringLiteral("Virtual radio ready; Ctrl+C ends it.\n")
                                : QStringLiteral("Virtual radios ready; Ctrl+C ends them.\n"));
    stopSignals.wait();
    return CliExit::Ok;
}
