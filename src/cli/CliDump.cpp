#include "cli/CliCommands.h"
#include "cli/CliSupport.h"

#include "document/ChannelFile.h"
#include "model/ChannelCodec.h"
#include "model/ChoiceTexts.h"

int runDump(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Print the channel grid of a channel-data file, one TAB-separated line per channel."));
    parser.addPositionalArgument(QStringLiteral("FILE.dat"), QStringLiteral("Channel-data file."));
    addDecodeOptions(parser);
    if (const auto stop = parseCommandLine(parser, arguments, 1))
        return *stop;
    const auto choice = decodeChoiceFrom(parser);
    if (!choice)
        return usageError(parser, QStringLiteral("unknown --variant or --lang value"));

    RadioImage image;
    if (!loadChannelFileOrReport(parser.positionalArguments().front(), image))
        return CliExit::BadFile;

    ChannelTexts cells;
    decodeChannels(image, choice->variant, choice->language, cells);
    QStringList lines;
    QStringList titles;
    for (int c = 0; c < GridColumn::Count; ++c)
        titles << columnTitle(c, choice->language);
    lines << titles.join(QLatin1Char('\t'));
    for (int n = 1; n <= RadioImage::ChannelCount; ++n) {
        QStringList row{QString::asprintf("%2d", n)};
        for (int c = 1; c < GridColumn::Count; ++c)
            row << cells[n][c];
        lines << row.join(QLatin1Char('\t'));
    }
    printOut(lines.join(QLatin1Char('\n')) + QLatin1Char('\n'));
    return CliExit::Ok;
}
