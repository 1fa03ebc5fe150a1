#include "cli/CliCommands.h"
#include "cli/CliSupport.h"

#include "model/ChoiceTexts.h"
#include "model/ImageDiff.h"

namespace {

QString shown(const QString& text, Language language)
{
    if (!text.isEmpty())
        return text;
    return language == Language::Chinese ? QStringLiteral("(空)") : QStringLiteral("(blank)");
}

QString changeText(const QString& before, const QString& after, Language language)
{
    return shown(before, language) + QStringLiteral(" -> ") + shown(after, language);
}

QStringList diffLines(const ImageDiff& diff, Language language)
{
    QStringList lines;
    for (const CellChange& cell : diff.cells)
        lines << QStringLiteral("%1 %2, %3: %4")
                     .arg(columnTitle(0, language))
                     .arg(cell.channel)
                     .arg(columnTitle(cell.column, language), changeText(cell.before, cell.after, language));
    for (const OptionChange& option : diff.options)
        lines << option.label + QStringLiteral(": ") + changeText(option.before, option.after, language);
    const QString byteLabel = language == Language::Chinese ? QStringLiteral("字节") : QStringLiteral("Byte");
    for (const ByteChange& byte : diff.bytes)
        lines << byteLabel + QString::asprintf(" 0x%03X: %02X -> %02X", byte.offset, byte.before, byte.after);
    return lines;
}

} // namespace

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
    printOut(diffLines(diff, choice->language).join(QLatin1Char('\n')) + QLatin1Char('\n'));
    return CliExit::Different;
}
