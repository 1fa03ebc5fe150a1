#include "CliSupport.h"

#include <cstdio>

void printOut(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout);
}

void printErr(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stderr);
}

int usageError(const QCommandLineParser& parser, const QString& message)
{
    printErr(QStringLiteral("xr970-cli: ") + message + QStringLiteral("\n\n") + parser.helpText());
    return CliExit::Usage;
}

std::optional<int> parseCommandLine(QCommandLineParser& parser, const QStringList& arguments,
                                    int positionalCount)
{
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help."));
    parser.addOption(help);
    QStringList withProgram = arguments;
    withProgram.front() = QStringLiteral("xr970-cli ") + arguments.front();
    if (!parser.parse(withProgram))
        return usageError(parser, parser.errorText());
    if (parser.isSet(help)) {
        printOut(parser.helpText());
        return CliExit::Ok;
    }
    if (parser.positionalArguments().size() != positionalCount)
        return usageError(parser, QStringLiteral("wrong number of arguments"));
    return std::nullopt;
}

QCommandLineOption variantOption()
{
    return {QStringLiteral("variant"),
            QStringLiteral("Radio variant: receive (default), transmit or other."),
            QStringLiteral("receive|transmit|other"), QStringLiteral("receive")};
}

QCommandLineOption languageOption()
{
    return {QStringLiteral("lang"), QStringLiteral("Language of the texts: en (default) or zh."),
            QStringLiteral("en|zh"), QStringLiteral("en")};
}

std::optional<RadioVariant> variantFrom(const QCommandLineParser& parser)
{
    const QString value = parser.value(QStringLiteral("variant"));
    if (value == QLatin1String("receive"))
        return RadioVariant::ReceiveOnly;
    if (value == QLatin1String("transmit"))
        return RadioVariant::TransmitOnly;
    if (value == QLatin1String("other"))
        return RadioVariant::Other;
    return std::nullopt;
}

std::optional<bool> chineseFrom(const QCommandLineParser& parser)
{
    const QString value = parser.value(QStringLiteral("lang"));
    if (value == QLatin1String("en"))
        return false;
    if (value == QLatin1String("zh"))
        return true;
    return std::nullopt;
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
