#include "cli/CliCommands.h"
#include "cli/CliSupport.h"
#include "cli/CliTransfer.h"

#include "model/ImageDiff.h"
#include "model/ImageDiffText.h"

int runCompare(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Read the radio and show what differs between the file and the radio, as diff does: "
                       "the file's texts before the arrow, the radio's after, in the texts of the radio's "
                       "variant. The read goes into the radio history; the file does not change. Exit status "
                       "0 when the radio holds bytes 0 to 815 of the file, 1 when they differ."));
    parser.addPositionalArgument(QStringLiteral("FILE.dat"), QStringLiteral("Channel-data file."));
    parser.addOptions({portOption(), retriesOption()});
    addLanguageOption(parser);
    if (const auto stop = parseCommandLine(parser, arguments, 1))
        return *stop;
    const std::optional<Language> language = languageFrom(parser);
    if (!language)
        return usageError(parser, QStringLiteral("--lang takes en or zh"));
    int status = CliExit::Ok;
    const std::optional<CliLink> link = cliLinkFrom(parser, status);
    if (!link)
        return status;

    RadioImage file;
    if (!loadChannelFileOrReport(parser.positionalArguments().front(), file))
        return CliExit::BadFile;
    const CloneTransfer::Result result = runCliTransfer(
        *link, [](CloneTransfer& transfer, const QString& device) { return transfer.read(device); });
    if (!result.completed())
        return reportTransferEnd(result, *link);
    // Bytes 816 to 1023 never cross the line: the radio's image takes them from the file.
    RadioImage radio = file;
    CloneFrames::applyTransferArea(radio, *result.received);
    storeInHistory(radio, result.variant());
    const ImageDiff diff = diffImages(file, radio, result.variant(), *language);
    if (diff.isEmpty())
        return CliExit::Ok;
    printOut(imageDiffLines(diff, *language).join(QLatin1Char('\n')) + QLatin1Char('\n'));
    return CliExit::Different;
}
