#include "cli/CliCommands.h"
#include "cli/CliSupport.h"
#include "cli/CliTransfer.h"

#include <algorithm>
#include <functional>
#include <numeric>

namespace {

using TransferArea = CloneFrames::TransferArea;

// Reads the transfer area back in a second session and compares it with what was
// written: a radio that acknowledged every block may still not hold them.
int verifyWritten(const TransferArea& written, const CliLink& link)
{
    const CloneTransfer::Result readBack = runCliTransfer(
        link, [](CloneTransfer& transfer, const QString& device) { return transfer.read(device); });
    if (!readBack.completed()) {
        printErr(QStringLiteral("The write completed, but reading it back to verify failed:\n"));
        return reportTransferEnd(readBack, link);
    }
    const TransferArea& held = *readBack.received;
    const auto first = std::mismatch(written.cbegin(), written.cend(), held.cbegin());
    if (first.first == written.cend()) {
        printOut(QStringLiteral("verified: %1 bytes\n").arg(written.size()));
        return CliExit::Ok;
    }
    const auto offset = static_cast<int>(first.first - written.cbegin());
    const auto differing = std::inner_product(written.cbegin(), written.cend(), held.cbegin(), 0,
                                              std::plus<>(), std::not_equal_to<>());
    printErr(QString::asprintf("Verify failed: %d byte(s) differ; the first at offset 0x%03X (%d): "
                               "written %02X, read back %02X\n",
                               differing, offset, offset, *first.first, *first.second));
    return CliExit::VerifyFailed;
}

} // namespace

int runWrite(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Write bytes 0 to 815 of a channel-data file into the radio."));
    parser.addPositionalArgument(QStringLiteral("IN.dat"), QStringLiteral("Channel-data file."));
    const QCommandLineOption verify(
        QStringLiteral("verify"),
        QStringLiteral("Read the radio back after writing and compare byte for byte."));
    parser.addOptions({portOption(), retriesOption(), verify});
    if (const auto stop = parseCommandLine(parser, arguments, 1))
        return *stop;
    int status = CliExit::Ok;
    const std::optional<CliLink> link = cliLinkFrom(parser, status);
    if (!link)
        return status;

    RadioImage image;
    if (!loadChannelFileOrReport(parser.positionalArguments().front(), image))
        return CliExit::BadFile;
    const CloneFrames::TransferArea area = CloneFrames::transferAreaOf(image);
    const CloneTransfer::Result result =
        runCliTransfer(*link, [&area](CloneTransfer& transfer, const QString& device) {
            return transfer.write(device, area);
        });
    if (!result.completed() || !parser.isSet(verify))
        return reportTransferEnd(result, *link);
    return verifyWritten(area, *link);
}
