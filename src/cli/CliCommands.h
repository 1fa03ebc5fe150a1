#pragma once

#include "document/RadioHistory.h"
#include "model/RadioImage.h"
#include "session/HistoryKeeper.h"

#include <QStringList>

class IniFile;

// One function per xr970-cli command; each parses its own arguments.
int runDump(const QStringList& arguments);
int runDiff(const QStringList& arguments);
int runNew(const QStringList& arguments);
int runPrint(const QStringList& arguments);
int runRead(const QStringList& arguments);
int runWrite(const QStringList& arguments);
int runSimulate(const QStringList& arguments);
int runExportCsv(const QStringList& arguments);
int runImportCsv(const QStringList& arguments);
int runPorts(const QStringList& arguments);
int runHistory(const QStringList& arguments);
int runCompare(const QStringList& arguments);
int runFleet(const QStringList& arguments);

// Loads a channel-data file, printing "Data Format Error" or the system's reason on
// stderr when it cannot.
bool loadChannelFileOrReport(const QString& path, RadioImage& image);
// Loads the Program.ini the program uses (beside it, the per-user copy or the installed
// default) into ini, without creating one. False when there is none.
bool loadProgramIni(IniFile& ini);
// Writes a command's output file through the program's file writer; "-" is standard
// output. On failure the system's reason goes to stderr (for standard output at the
// command's end) and the old file stays whole.
bool writeOutputOrReport(const QString& path, const QByteArray& bytes);
bool saveChannelFileOrReport(const QString& path, const RadioImage& image);
// Where read, compare and write keep the copy of each image read: the radio history's
// folder, through the system's file writer.
HistoryKeeper cliHistory();
// The path of a copy kept in the radio history. When the copy could not be written, a
// warning goes to stderr and the path is empty: the read itself stands.
QString keptCopyPath(const RadioHistory::Stored& copy);
