#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QtTest>

#include "support/CliRun.h"

// The manual pages name exactly the commands and options the programs accept. A page is
// read as troff: the commands are the .SS headings under COMMANDS, the options the .TP
// items of OPTIONS and of each command. The programs answer with their --help.
namespace {

using OptionSets = QMap<QString, QSet<QString>>; // command -> options; "" before any command

const QString general; // the key of the options given before a command

QString builtFile(const QString& name)
{
    return QDir(QStringLiteral(XR_BUILD_DIR)).filePath(name);
}

QString readText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// ".BR \-o \", \" \-\-output" -> "-o , --output"
QString plainTroff(QString line)
{
    static const QRegularExpression fonts(QStringLiteral(R"(\\f[BIRP])"));
    line.remove(fonts);
    line.replace(QLatin1String("\\-"), QLatin1String("-"));
    line.remove(QLatin1Char('"'));
    return line.startsWith(QLatin1Char('.')) ? line.section(QLatin1Char(' '), 1) : line;
}

QSet<QString> optionWords(const QString& text)
{
    static const QRegularExpression separators(QStringLiteral("[\\s,]+"));
    QSet<QString> words;
    for (const QString& word : text.split(separators, Qt::SkipEmptyParts))
        if (word.size() > 1 && word.startsWith(QLatin1Char('-')))
            words.insert(word);
    return words;
}

OptionSets pageOptions(const QString& page)
{
    OptionSets sets;
    std::optional<QString> current; // where .TP items go; none outside OPTIONS and COMMANDS
    bool inCommands = false;
    const QStringList lines = page.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const QString& line = lines[i];
        if (line.startsWith(QLatin1String(".SH "))) {
            const QString title = line.mid(4).trimmed();
            inCommands = title == QLatin1String("COMMANDS");
            current = title == QLatin1String("OPTIONS") ? std::optional<QString>(general) : std::nullopt;
            if (current)
                sets[*current];
        } else if (inCommands && line.startsWith(QLatin1String(".SS "))) {
            current = plainTroff(line).section(QLatin1Char(' '), 0, 0);
            sets[*current];
        } else if (current && line == QLatin1String(".TP") && i + 1 < lines.size()) {
            sets[*current] += optionWords(plainTroff(lines[i + 1]));
        }
    }
    return sets;
}

// The first column of the lines under an "...options:" heading of a --help text.
QSet<QString> helpOptions(const QString& help)
{
    static const QRegularExpression columnGap(QStringLiteral("\\s{2,}"));
    QSet<QString> words;
    bool inOptions = false;
    for (const QString& line : help.split(QLatin1Char('\n'))) {
        if (!line.startsWith(QLatin1Char(' ')))
            inOptions = line.endsWith(QLatin1String("options:"), Qt::CaseInsensitive);
        else if (inOptions)
            words += optionWords(line.trimmed().section(columnGap, 0, 0));
    }
    return words;
}

QStringList helpCommands(const QString& help)
{
    QStringList commands;
    bool inCommands = false;
    for (const QString& line : help.split(QLatin1Char('\n'))) {
        if (!line.startsWith(QLatin1Char(' ')))
            inCommands = line == QLatin1String("Commands:");
        else if (inCommands)
            commands << line.trimmed().section(QLatin1Char(' '), 0, 0);
    }
    return commands;
}

OptionSets cliOptions()
{
    const QString help = runCli({QStringLiteral("--help")}).out;
    OptionSets sets;
    sets[general] = helpOptions(help);
    const QSet<QString> helpOption{QStringLiteral("-h"), QStringLiteral("--help")};
    for (const QString& command : helpCommands(help)) // each command's --help is named once
        sets[command] = helpOptions(runCli({command, QStringLiteral("--help")}).out) - helpOption;
    return sets;
}

QStringList sorted(const QSet<QString>& set)
{
    QStringList list(set.cbegin(), set.cend());
    list.sort();
    return list;
}

// Neither a display nor a platform: --help and --version must not need one.
QProcessEnvironment withoutDisplay()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    return environment;
}

struct Answer {
    int exitCode;
    QString out;
};

Answer runProgram(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.setProcessEnvironment(withoutDisplay());
    process.start(program, arguments);
    if (!process.waitForFinished(20000))
        return {-1, {}};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput())};
}

} // namespace

class TestManPages : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cliPageNamesWhatTheProgramAccepts_data();
    void cliPageNamesWhatTheProgramAccepts();
    void programPageNamesWhatTheProgramAccepts();
    void infoOptionsNeedNoDisplay_data();
    void infoOptionsNeedNoDisplay();
    void pagesFormatWithoutWarnings_data();
    void pagesFormatWithoutWarnings();
};

void TestManPages::cliPageNamesWhatTheProgramAccepts_data()
{
    QTest::addColumn<QStringList>("onPage");
    QTest::addColumn<QStringList>("accepted");
    const OptionSets page = pageOptions(readText(builtFile(QStringLiteral("man/xr970-cli.1"))));
    const OptionSets program = cliOptions();
    QVERIFY(program.size() > 5);
    QTest::newRow("commands") << page.keys() << program.keys();
    for (const QString& command : program.keys())
        QTest::newRow(qPrintable(command.isEmpty() ? QStringLiteral("(before a command)") : command))
            << sorted(page.value(command)) << sorted(program.value(command));
}

void TestManPages::cliPageNamesWhatTheProgramAccepts()
{
    QFETCH(QStringList, onPage);
    QFETCH(QStringList, accepted);
    QCOMPARE(onPage, accepted);
}

void TestManPages::programPageNamesWhatTheProgramAccepts()
{
    const Answer help = runProgram(builtFile(QStringLiteral("xr970")), {QStringLiteral("--help")});
    QCOMPARE(help.exitCode, 0);
    const QSet<QString> accepted = helpOptions(help.out);
    QVERIFY(accepted.contains(QStringLiteral("--demo")));
    const OptionSets page = pageOptions(readText(builtFile(QStringLiteral("man/xr970.1"))));
    QCOMPARE(page.keys(), QStringList{general});
    QCOMPARE(sorted(page.value(general)), sorted(accepted));
}

void TestManPages::infoOptionsNeedNoDisplay_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("expected"); // a pattern for the whole output
    const QString xr970 = builtFile(QStringLiteral("xr970"));
    const QString cli = QStringLiteral(XR_CLI_PATH);
    const QString version = QRegularExpression::escape(QStringLiteral(XR_VERSION));
    QTest::newRow("xr970 --version") << xr970 << QStringList{QStringLiteral("--version")}
                                     << QStringLiteral("xr970 %1\n").arg(version);
    QTest::newRow("xr970 --help") << xr970 << QStringList{QStringLiteral("--help")}
                                  << QStringLiteral(
                                         "Usage: xr970 \\[OPTIONS\\] \\[FILE.dat\\]\n.*--version.*");
    QTest::newRow("xr970 -h with a file")
        << xr970 << QStringList{QStringLiteral("x.dat"), QStringLiteral("-h")}
        << QStringLiteral("Usage: xr970 .*");
    QTest::newRow("xr970-cli --version")
        << cli << QStringList{QStringLiteral("--version")} << QStringLiteral("xr970-cli %1\n").arg(version);
}

void TestManPages::infoOptionsNeedNoDisplay()
{
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    QFETCH(QString, expected);
    const Answer answer = runProgram(program, arguments);
    QCOMPARE(answer.exitCode, 0);
    const QRegularExpression pattern(QRegularExpression::anchoredPattern(expected),
                                     QRegularExpression::DotMatchesEverythingOption);
    QVERIFY2(pattern.match(answer.out).hasMatch(), qPrintable(answer.out));
}

void TestManPages::pagesFormatWithoutWarnings_data()
{
    QTest::addColumn<QString>("page");
    QTest::newRow("xr970.1") << builtFile(QStringLiteral("man/xr970.1"));
    QTest::newRow("xr970-cli.1") << builtFile(QStringLiteral("man/xr970-cli.1"));
}

// man reports troff mistakes (unknown macros, bad escapes) as warnings on stderr.
void TestManPages::pagesFormatWithoutWarnings()
{
    QFETCH(QString, page);
    if (QStandardPaths::findExecutable(QStringLiteral("man")).isEmpty())
        QSKIP("man is not installed");
    QProcess man;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("MANWIDTH"), QStringLiteral("80"));
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    man.setProcessEnvironment(environment);
    man.start(QStringLiteral("man"), {QStringLiteral("--warnings"), QStringLiteral("-E"),
                                      QStringLiteral("UTF-8"), QStringLiteral("-l"), page});
    QVERIFY(man.waitForFinished(20000));
    QCOMPARE(man.exitCode(), 0);
    QCOMPARE(QString::fromUtf8(man.readAllStandardError()), QString());
    QVERIFY(man.readAllStandardOutput().contains("EXIT STATUS"));
}

QTEST_GUILESS_MAIN(TestManPages)
#include "test_manpages.moc"
