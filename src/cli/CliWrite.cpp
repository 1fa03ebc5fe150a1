#include "cli/CliCommands.h"
#include "cli/CliSupport.h"
#include "cli/CliTransfer.h"

#include "link/WriteVerification.h"

namespace {

// Reads the radio back in a second session and compares it with what was written.
int verifyWritten(const RadioImage& written, const CliLink& link)
{
    WriteVerification verification(written);
    const CloneTransfer::Result readBack =
        runCliTransfer(link, [&verification](CloneTransfer& transfer, const QString& device) {
            return verification.readBack(transfer, device);
        });
    if (!readBack.completed()) {
        printErr(QStringLiteral("The write completed, but reading it back to verify failed:\n"));
        return reportTransferEnd(readBack, link);
    }
    storeInHistory(verification.readBackImage(), verification.variant());
    if (verification.verified()) {
        printOut(QStringLiteral("verified: %1 bytes\n").arg(RadioImage::TransferSize));
        return CliExit::Ok;
    }
    printErr(verification.failureText(Language::English) + QLatin1Char('\n'));
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
        QStringLiteral("Read the radio back after writing and compare byte for byte; the read goes into "
                       "the radio history."));
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
    return verifyWritten(image, *link);
}
