#include "cli/CliCommands.h"
#include "cli/CliSupport.h"

#include "config/IniFile.h"
#include "csv/CsvExport.h"
#include "csv/CsvImport.h"
#include "fileio/FileReader.h"
#include "model/DisplayText.h"
#include "model/ProductBand.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

// The band text of the document's type and band (bytes 814 and 815) from the Program.ini
// beside this executable; empty when there is none.
QString bandTextOfImage(const RadioImage& image)
{
    IniFile ini;
    if (!loadProgramIni(ini))
        return {};
    const int type = image[RadioImage::ProductType];
    return bandTextAt(ini.value(QStringLiteral("Setup"), fieldKey(type), QString()),
                      image[RadioImage::ProductBand]);
}

bool readInput(const QString& path, QByteArray& bytes)
{
    // One byte more than a channel list may have tells a file that is too large.
    ReadResult read = readRegularFile(path, MaxCsvFileSize + 1);
    if (!read.ok)
        printErr(displayedPath(path) + QStringLiteral(": ") + read.errorText + QLatin1Char('\n'));
    bytes = std::move(read.bytes);
    return read.ok;
}

void printImportReport(const QString& csvPath, const CsvImportReport& report, Language language)
{
    const QString shownPath = displayedPath(csvPath);
    for (const ImportedRow& row : report.rows) {
        if (row.refusal)
            printErr(shownPath + QLatin1Char(':') + QString::number(row.line) + QStringLiteral(": ") +
                     refusalText(*row.refusal, report.band, language) + QLatin1Char('\n'));
    }
    printErr(shownPath + QStringLiteral(": ") + importSummaryText(report, language) + QLatin1Char('\n'));
}

} // namespace

int runExportCsv(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Write the channels in use of a channel-data file as a CSV channel list (to "
                       "stdout without -o or with -o -). What the list cannot hold (a channel that only "
                       "transmits, a tone that is none of the radio's) is left out with a warning on "
                       "stderr."));
    parser.addPositionalArgument(QStringLiteral("FILE.dat"), QStringLiteral("Channel-data file."));
    const QCommandLineOption output(QStringList{QStringLiteral("o"), QStringLiteral("output")},
                                    QStringLiteral("CSV file to write, - for stdout."),
                                    QStringLiteral("OUT.csv"));
    parser.addOption(output);
    addVariantOption(parser);
    if (const auto stop = parseCommandLine(parser, arguments, 1))
        return *stop;
    const auto variant = variantFrom(parser);
    if (!variant)
        return usageError(parser, QStringLiteral("unknown --variant value"));

    RadioImage image;
    if (!loadChannelFileOrReport(parser.positionalArguments().front(), image))
        return CliExit::BadFile;
    const CsvExportResult exported = exportChannelsCsv(image, *variant);
    for (const CsvExportWarning& warning : exported.warnings)
        printErr(QStringLiteral("warning: ") + exportWarningText(warning, Language::English) +
                 QLatin1Char('\n'));
    const QString path = parser.isSet(output) ? parser.value(output) : QStringLiteral("-");
    return writeOutputOrReport(path, exported.text) ? CliExit::Ok : CliExit::Failure;
}

int runImportCsv(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Apply a CSV channel list to a channel-data file and write the result. Every row is "
        "checked "
        "against the band and the 5 / 6.25 kHz raster; the report goes to stderr. When a row is "
        "refused, nothing is written (exit 9) unless --skip-bad is given."));
    parser.addPositionalArgument(QStringLiteral("IN.csv"), QStringLiteral("Channel list."));
    parser.addPositionalArgument(QStringLiteral("FILE.dat"),
                                 QStringLiteral("Channel-data file to start from."));
    const QCommandLineOption output(QStringList{QStringLiteral("o"), QStringLiteral("output")},
                                    QStringLiteral("Channel-data file to write, - for stdout."),
                                    QStringLiteral("OUT.dat"));
    const QCommandLineOption skipBad(
        QStringLiteral("skip-bad"),
        QStringLiteral("Write the rows that were taken even when others were refused."));
    const QCommandLineOption band(
        QStringLiteral("band"),
        QStringLiteral("Frequency band, e.g. \"136 - 174MHz\" (default: the file's band "
                       "from the Program.ini of the program)."),
        QStringLiteral("TEXT"));
    parser.addOptions({output, skipBad, band});
    addDecodeOptions(parser);
    if (const auto stop = parseCommandLine(parser, arguments, 2))
        return *stop;
    const auto choice = decodeChoiceFrom(parser);
    if (!choice)
        return usageError(parser, QStringLiteral("unknown --variant or --lang value"));
    if (!parser.isSet(output))
        return usageError(parser, QStringLiteral("-o OUT.dat is required"));

    const QString csvPath = parser.positionalArguments().at(0);
    RadioImage image;
    QByteArray csv;
    if (!loadChannelFileOrReport(parser.positionalArguments().at(1), image) || !readInput(csvPath, csv))
        return CliExit::BadFile;
    const QString bandText = parser.isSet(band) ? parser.value(band) : bandTextOfImage(image);
    if (bandText.trimmed().isEmpty())
        return usageError(parser, QStringLiteral("the file's band is unknown (no Program.ini, or "
                                                 "no band there); give --band"));

    const CsvImportResult result =
        importChannelsCsv(csv, image, choice->variant, bandLimitsFromText(bandText));
    if (result.problem != CsvFileProblem::None) {
        printErr(displayedPath(csvPath) + QStringLiteral(": ") +
                 csvFileProblemText(result, choice->language) + QLatin1Char('\n'));
        return CliExit::BadFile;
    }
    printImportReport(csvPath, result.report, choice->language);
    if (result.report.refused() > 0 && !parser.isSet(skipBad))
        return CliExit::RowsRefused;
    return saveChannelFileOrReport(parser.value(output), result.image) ? CliExit::Ok : CliExit::Failure;
}
