#pragma once

#include "model/Language.h"
#include "model/RadioVariant.h"

#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// Exit statuses of xr970-cli.
namespace CliExit {
constexpr int Ok = 0;
constexpr int Failure = 1;
constexpr int Usage = 2;
constexpr int BadFile = 3;
constexpr int PortError = 4;
constexpr int CommunicationError = 5;
constexpr int Interrupted = 6;
constexpr int RadioType = 7;
constexpr int Cancelled = 8;
constexpr int RowsRefused = 9;
constexpr int Different = 1;     // diff: the two files differ
constexpr int VerifyFailed = 10; // write --verify: the radio does not hold what was written
constexpr int StdoutFailed = 11; // any command: standard output could not be written
} // namespace CliExit

struct CliCommand {
    const char* name;
    const char* summary;
    int (*run)(const QStringList& arguments); // arguments[0] is the command name
    bool needsGui = false; // runs under a QGuiApplication (fonts, painting), headless by default
};

// Every command of the program, in the order the help lists them.
const std::vector<CliCommand>& cliCommands();

// The command named by argv[1] when it needs a QGuiApplication, else null.
const CliCommand* guiCommandOf(int argc, char* argv[]);
// Runs such a command under a QGuiApplication, on the offscreen platform unless
// QT_QPA_PLATFORM says otherwise.
int runUnderGuiApplication(const CliCommand& command, int& argc, char* argv[]);

// Standard output: everything a command prints there goes through these two, each write
// checked. After the first failure nothing more is written, and finishStandardOutput
// reports it.
void printOut(const QString& text);                // UTF-8
bool writeStandardOutput(const QByteArray& bytes); // false once a write failed
// A standard stream closed at start would be taken by the first file the command opens,
// and what it prints would land there: each closed one is held by /dev/null opened for
// reading, so that a write to it fails (and is reported). First thing in main.
void holdClosedStandardStreams();
// The status a command ends with: its own, or StdoutFailed with
// "xr970-cli: standard output: <reason>" on stderr when its output did not all arrive.
int finishStandardOutput(int status);

void printErr(const QString& text); // UTF-8 to stderr
// A text (a path) as a field of a line of output that scripts read: a backslash, TAB,
// newline or carriage return as \\, \t, \n, \r, so the fields and lines stay apart.
QString escapedField(const QString& text);

// Parses a command's arguments. Returns an exit status when the command must stop here:
// Ok after --help, Usage (with the usage text on stderr) for a usage error.
std::optional<int> parseCommandLine(QCommandLineParser& parser, const QStringList& arguments,
                                    int positionalCount);

// How a command decodes the grid: --variant receive|transmit|other and --lang en|zh.
struct DecodeChoice {
    RadioVariant variant = RadioVariant::ReceiveOnly;
    Language language = Language::English;
};
void addDecodeOptions(QCommandLineParser& parser);
// --lang en|zh alone; nullopt for an unknown value.
void addLanguageOption(QCommandLineParser& parser);
std::optional<Language> languageFrom(const QCommandLineParser& parser);
// --variant receive|transmit|other alone; nullopt for an unknown value.
void addVariantOption(QCommandLineParser& parser);
std::optional<RadioVariant> variantFrom(const QCommandLineParser& parser);
// nullopt for an unknown value.
std::optional<DecodeChoice> decodeChoiceFrom(const QCommandLineParser& parser);
int usageError(const QCommandLineParser& parser, const QString& message);
