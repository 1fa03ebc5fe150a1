#include "CliCommands.h"
#include "CliSupport.h"
#include "CliTransfer.h"

int runWrite(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Write bytes 0 to 815 of a channel-data file into the radio."));
    parser.addPositionalArgument(QStringLiteral("IN.dat"), QStringLiteral("Channel-data file."));
    parser.addOptions({portOption(), retriesOption()});
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
    return reportTransferEnd(result, *link);
}
