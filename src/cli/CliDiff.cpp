#include "cli/CliCommands.h"
#include "cli/CliSupport.h"

#include "model/ImageDiff.h"
#include "model/ImageDiffText.h"

int runDiff(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Show what differs between two channel-data files: channel cells in the grid's texts, "
                       "options in the Optional Features texts, and any other differing byte by its offset. "
                       "Exit status 0 when the files hold the same image, 1 when they differ."));
    parser.addPositionalArgument(QStringLiteral("A.dat"), QStringLiteral("First channel-data file."));
    parser.addPositionalArgument(QStringLiteral("B.dat"), QStringLiteral("Second channel-data file."));
    addDecodeOptions(parser);
    if (const auto stop = parseCommandLine(parser, arguments, 2))
        return *stop;
    const auto choice = decodeChoiceFrom(parser);
    if (!choice)
        return usageError(parser, QStringLiteral("unknown --variant or --lang value"));

    RadioImage first;
    RadioImage second;
    const QStringList files = parser.positionalArguments();
    if (!loadChannelFileOrReport(files[0], first) || !loadChannelFileOrReport(files[1], second))
        return CliExit::BadFile;
    const ImageDiff diff = diffImages(first, second, choice->variant, choice->language);
    if (diff.isEmpty())
        return CliExit::Ok;
    printOut(imageDiffLines(diff, choice->language).join(QLatin1Char('\n')) + QLatin1Char('\n'));
    return CliExit::Different;
}
