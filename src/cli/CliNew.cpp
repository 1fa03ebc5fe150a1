#include "cli/CliCommands.h"
#include "cli/CliSupport.h"

#include "document/ChannelFile.h"

int runNew(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Write the channel-data file of a new document."));
    const QCommandLineOption output(QStringList{QStringLiteral("o"), QStringLiteral("output")},
                                    QStringLiteral("File to write, - for stdout."),
                                    QStringLiteral("FILE.dat"));
    parser.addOption(output);
    if (const auto stop = parseCommandLine(parser, arguments, 0))
        return *stop;
    if (!parser.isSet(output))
        return usageError(parser, QStringLiteral("-o FILE.dat is required"));
    return saveChannelFileOrReport(parser.value(output), RadioImage::makeNew()) ? CliExit::Ok
                                                                                : CliExit::Failure;
}
