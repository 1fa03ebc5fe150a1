#include "cli/CliCommands.h"
#include "cli/CliSupport.h"

#include "config/DataLocation.h"
#include "document/RadioHistory.h"
#include "model/DisplayText.h"

#include <QDir>

HistoryKeeper cliHistory()
{
    return HistoryKeeper(radioHistoryFolder());
}

QString keptCopyPath(const RadioHistory::Stored& copy)
{
    if (copy.ok())
        return copy.path;
    // The read itself succeeded; only its copy is missing.
    printErr(QStringLiteral("warning: the copy of this read could not be stored in the radio history:\n") +
             displayedPath(copy.path) + QStringLiteral(": ") + copy.result.errorText + QLatin1Char('\n'));
    return {};
}

int runHistory(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral(
            "List the copies of the images read from the radio, newest first, one a line, "
            "TAB-separated: the file (a backslash, TAB, newline or carriage return in it written "
            "\\\\, \\t, \\n, \\r), the date and time of the read (the file's name when it gives no "
            "possible time), the radio's variant and the number of channels in use. The program "
            "and xr970-cli keep the %1 written last.")
            .arg(RadioHistory::DefaultKeep));
    if (const auto stop = parseCommandLine(parser, arguments, 0))
        return *stop;
    const RadioHistory history(radioHistoryFolder());
    const QString folderError = history.folderError();
    if (!folderError.isEmpty()) {
        printErr(QStringLiteral("xr970-cli: the radio history cannot be read: %1: %2\n")
                     .arg(QDir::toNativeSeparators(history.folder()), folderError));
        return CliExit::Failure;
    }
    const QList<HistoryEntry> entries = history.entries();
    if (entries.isEmpty())
        printErr(
            QStringLiteral("No reads are stored in %1.\n").arg(QDir::toNativeSeparators(history.folder())));
    for (const HistoryEntry& entry : entries) {
        const HistorySummary summary = RadioHistory::summarize(entry.path, entry.variant);
        const QString channels =
            summary.readable ? QString::number(summary.channelsInUse) : QStringLiteral("?");
        printOut(QStringList{escapedField(QDir::toNativeSeparators(entry.path)),
                             RadioHistory::readAtText(entry), QLatin1String(radioVariantName(entry.variant)),
                             channels}
                     .join(QLatin1Char('\t')) +
                 QLatin1Char('\n'));
    }
    return CliExit::Ok;
}
