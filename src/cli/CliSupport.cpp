#include "cli/CliSupport.h"

#include "fileio/FileWriter.h"

#include <QCoreApplication>
#include <QHash>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

// Why standard output failed, the first time it did; empty while it works. As
// process-wide as the stream itself.
QString& standardOutputFailure()
{
    static QString reason;
    return reason;
}

} // namespace

bool writeStandardOutput(const QByteArray& bytes)
{
    QString& failure = standardOutputFailure();
    if (failure.isEmpty()) {
        const WriteResult written = FileWriter().writeStandardOutput(bytes);
        if (!written.ok)
            failure = written.errorText;
    }
    return failure.isEmpty();
}

void printOut(const QString& text)
{
    writeStandardOutput(text.toUtf8());
}

void holdClosedStandardStreams()
{
    // open() takes the lowest free descriptor, which is the closed one.
    for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd)
        if (::fcntl(fd, F_GETFD) < 0 && errno == EBADF && ::open("/dev/null", O_RDONLY) != fd)
            return;
}

int finishStandardOutput(int status)
{
    const QString& failure = standardOutputFailure();
    if (failure.isEmpty())
        return status;
    printErr(QStringLiteral("xr970-cli: standard output: ") + failure + QLatin1Char('\n'));
    return CliExit::StdoutFailed;
}

void printErr(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stderr);
}

QString escapedField(const QString& text)
{
    // The backslash first, so the escapes' own are not doubled.
    static const char* const escapes[][2] = {{"\\", "\\\\"}, {"\t", "\\t"}, {"\n", "\\n"}, {"\r", "\\r"}};
    QString escaped = text;
    for (const auto& [plain, escape] : escapes)
        escaped.replace(QLatin1String(plain), QLatin1String(escape));
    return escaped;
}

namespace {

// Qt names the executable as it was started ("./xr970-cli"); the usage line names the
// command as the user typed it, the program's first argument.
QString helpText(const QCommandLineParser& parser)
{
    QString text = parser.helpText();
    const qsizetype options = text.indexOf(QStringLiteral(" [options]"));
    if (text.startsWith(QStringLiteral("Usage: ")) && options > 0)
        text.replace(7, options - 7, QStringLiteral("xr970-cli ") + QCoreApplication::arguments().value(1));
    return text;
}

} // namespace

int usageError(const QCommandLineParser& parser, const QString& message)
{
    printErr(QStringLiteral("xr970-cli: ") + message + QStringLiteral("\n\n") + helpText(parser));
    return CliExit::Usage;
}

std::optional<int> parseCommandLine(QCommandLineParser& parser, const QStringList& arguments,
                                    int positionalCount)
{
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help."));
    parser.addOption(help);
    if (!parser.parse(arguments))
        return usageError(parser, parser.errorText());
    if (parser.isSet(help)) {
        printOut(helpText(parser));
        return CliExit::Ok;
    }
    if (parser.positionalArguments().size() != positionalCount)
        return usageError(parser, QStringLiteral("wrong number of arguments"));
    return std::nullopt;
}

void addVariantOption(QCommandLineParser& parser)
{
    parser.addOption({QStringLiteral("variant"),
                      QStringLiteral("Radio variant: receive (default), transmit or other."),
                      QStringLiteral("receive|transmit|other"), QStringLiteral("receive")});
}

std::optional<RadioVariant> variantFrom(const QCommandLineParser& parser)
{
    static const QHash<QString, RadioVariant> variants = {
        {QStringLiteral("receive"), RadioVariant::ReceiveOnly},
        {QStringLiteral("transmit"), RadioVariant::TransmitOnly},
        {QStringLiteral("other"), RadioVariant::Other}};
    const auto found = variants.constFind(parser.value(QStringLiteral("variant")));
    return found == variants.cend() ? std::nullopt : std::optional<RadioVariant>(*found);
}

void addLanguageOption(QCommandLineParser& parser)
{
    parser.addOption({QStringLiteral("lang"), QStringLiteral("Language of the texts: en (default) or zh."),
                      QStringLiteral("en|zh"), QStringLiteral("en")});
}

std::optional<Language> languageFrom(const QCommandLineParser& parser)
{
    const QString lang = parser.value(QStringLiteral("lang"));
    if (lang == QLatin1String("en"))
        return Language::English;
    if (lang == QLatin1String("zh"))
        return Language::Chinese;
    return std::nullopt;
}

void addDecodeOptions(QCommandLineParser& parser)
{
    addVariantOption(parser);
    addLanguageOption(parser);
}

std::optional<DecodeChoice> decodeChoiceFrom(const QCommandLineParser& parser)
{
    const auto variant = variantFrom(parser);
    const auto language = languageFrom(parser);
    if (!variant || !language)
        return std::nullopt;
    return DecodeChoice{*variant, *language};
}

const CliCommand* guiCommandOf(int argc, char* argv[])
{
    if (argc < 2)
        return nullptr;
    for (const CliCommand& command : cliCommands()) {
        if (command.needsGui && qstrcmp(argv[1], command.name) == 0)
            return &command;
    }
    return nullptr;
}
