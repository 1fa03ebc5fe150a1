#include "cli/CliCommands.h"
#include "cli/CliSupport.h"
#include "cli/CliTransfer.h"

#include "session/RadioWriteVerify.h"
#include "session/TransferMessages.h"

namespace {

// Reads the radio back in a second session and compares it with what was written.
int verifyWritten(const RadioWriteVerify& writer, const CliLink& link)
{
    RadioWriteVerify::Verification verification;
    runCliTransfer(link, [&](CloneTransfer& transfer, const QString& device) {
        verification = writer.verify(transfer, device);
    });
    if (!verification.completed()) {
        printErr(TransferMessages::readBackFailedLead() + QLatin1Char('\n'));
        return reportTransferEnd(verification.readBack, link);
    }
    keptCopyPath(verification.copy);
    if (verification.verified) {
        printOut(QStringLiteral("verified: %1 bytes\n").arg(RadioImage::TransferSize));
        return CliExit::Ok;
    }
    printErr(verification.failureText + QLatin1Char('\n'));
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
    const RadioWriteVerify writer(image, cliHistory(), Language::English);
    CloneTransfer::Result written;
    runCliTransfer(*link, [&](CloneTransfer& transfer, const QString& device) {
        written = writer.write(transfer, device);
    });
    if (!written.completed() || !parser.isSet(verify))
        return reportTransferEnd(written, *link);
    return verifyWritten(writer, *link);
}
