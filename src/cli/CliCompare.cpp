#include "cli/CliCommands.h"
#include "cli/CliSupport.h"
#include "cli/CliTransfer.h"

#include "session/RadioCompare.h"

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
    RadioCompare::Result compared;
    runCliTransfer(*link, [&](CloneTransfer& transfer, const QString& device) {
        compared = RadioCompare(cliHistory(), *language).run(transfer, device, file);
    });
    if (!compared.completed())
        return reportTransferEnd(compared.read.transfer, *link);
    keptCopyPath(compared.read.copy);
    if (compared.diff.isEmpty())
        return CliExit::Ok;
    printOut(compared.lines.join(QLatin1Char('\n')) + QLatin1Char('\n'));
    return CliExit::Different;
}
