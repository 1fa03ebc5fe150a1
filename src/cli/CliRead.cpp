#include "cli/CliCommands.h"
#include "cli/CliSupport.h"
#include "cli/CliTransfer.h"

#include "session/RadioRead.h"

int runRead(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Read the radio into a channel-data file. Bytes 816 to 1023, which never cross "
                       "the line, come from --base (default: a new document). A copy goes into the radio "
                       "history (see history); its path is printed."));
    const QCommandLineOption output(QStringList{QStringLiteral("o"), QStringLiteral("output")},
                                    QStringLiteral("File to write, - for stdout."),
                                    QStringLiteral("OUT.dat"));
    const QCommandLineOption base(QStringLiteral("base"),
                                  QStringLiteral("File that supplies bytes 816 to 1023."),
                                  QStringLiteral("IN.dat"));
    parser.addOptions({portOption(), output, base, retriesOption()});
    if (const auto stop = parseCommandLine(parser, arguments, 0))
        return *stop;
    if (!parser.isSet(output))
        return usageError(parser, QStringLiteral("-o OUT.dat is required"));
    int status = CliExit::Ok;
    const std::optional<CliLink> link = cliLinkFrom(parser, status);
    if (!link)
        return status;

    RadioImage image = RadioImage::makeNew();
    if (parser.isSet(base) && !loadChannelFileOrReport(parser.value(base), image))
        return CliExit::BadFile;
    RadioRead::Result read;
    runCliTransfer(*link, [&](CloneTransfer& transfer, const QString& device) {
        read = RadioRead(cliHistory()).run(transfer, device, image);
    });
    if (!read.completed())
        return reportTransferEnd(read.transfer, *link);
    // The copy first: when OUT.dat cannot be written, what was read is still kept.
    const QString copy = keptCopyPath(read.copy);
    if (!saveChannelFileOrReport(parser.value(output), read.image)) {
        if (!copy.isEmpty())
            printErr(QStringLiteral("The image read is kept in the radio history: ") + copy +
                     QLatin1Char('\n'));
        return CliExit::Failure;
    }
    // With the file on stdout these lines go to stderr, so the file stays the file.
    QString lines =
        QStringLiteral("variant: ") + QLatin1String(radioVariantName(read.variant())) + QLatin1Char('\n');
    if (!copy.isEmpty())
        lines += QStringLiteral("history: ") + escapedField(copy) + QLatin1Char('\n');
    if (parser.value(output) == QLatin1String("-"))
        printErr(lines);
    else
        printOut(lines);
    return CliExit::Ok;
}
