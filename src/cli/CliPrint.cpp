#include "cli/CliCommands.h"
#include "cli/CliSupport.h"

#include "config/IniFile.h"
#include "model/ChannelCodec.h"
#include "model/DisplayText.h"
#include "print/ReportPdf.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPageLayout>

namespace {

// The report's branding comes from the program's Program.ini, when there is one.
QString copyrightsOwner(Language language)
{
    IniFile ini;
    if (!loadProgramIni(ini))
        return {};
    return ini.value(byLanguage(language, "English", "Chinese"), QStringLiteral("Copyrights Owner"),
                     QString());
}

bool writePdf(const QString& path, const ReportInput& input, const QString& title)
{
    // A4 with the quarter inch a printer usually cannot reach.
    const QPageLayout a4(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(6.35, 6.35, 6.35, 6.35),
                         QPageLayout::Millimeter);
    ReportPagination pagination;
    const std::optional<QByteArray> pdf = reportPdf(input, a4, title, pagination);
    if (!pdf) {
        printErr(displayedPath(path) + QStringLiteral(": the report could not be drawn\n"));
        return false;
    }
    return writeOutputOrReport(path, *pdf);
}

} // namespace

int runPrint(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Write the printed report (options page and channel pages) as a PDF file."));
    parser.addPositionalArgument(QStringLiteral("FILE.dat"), QStringLiteral("Channel-data file."));
    const QCommandLineOption pdf(QStringLiteral("pdf"), QStringLiteral("PDF file to write, - for stdout."),
                                 QStringLiteral("OUT.pdf"));
    parser.addOption(pdf);
    addDecodeOptions(parser);
    if (const auto stop = parseCommandLine(parser, arguments, 1))
        return *stop;
    const auto choice = decodeChoiceFrom(parser);
    if (!choice)
        return usageError(parser, QStringLiteral("unknown --variant or --lang value"));
    if (!parser.isSet(pdf))
        return usageError(parser, QStringLiteral("--pdf OUT.pdf is required"));

    const QString datPath = parser.positionalArguments().front();
    ReportInput input;
    if (!loadChannelFileOrReport(datPath, input.image))
        return CliExit::BadFile;
    decodeChannels(input.image, choice->variant, choice->language, input.cells);
    input.variant = choice->variant;
    input.language = choice->language;
    input.copyrightsOwner = copyrightsOwner(choice->language);
    return writePdf(parser.value(pdf), input, QFileInfo(datPath).fileName()) ? CliExit::Ok : CliExit::Failure;
}
