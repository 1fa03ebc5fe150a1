// The Chinese language module as the translators left it: every text of the sources
// translated, shaped like its English source, and the messages worded as the help pages
// quote them.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

#include <algorithm>

namespace {

struct TsMessage {
    QString file;
    QString context;
    QString source;
    QString translation;
    bool finished = false;
};

QDir resourceDir(const QString& sub)
{
    return QDir(qEnvironmentVariable("XR_SOURCE_DIR") + QStringLiteral("/resources/") + sub);
}

void readMessage(QXmlStreamReader& xml, TsMessage& message)
{
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            message.finished = xml.attributes().value(QLatin1String("type")).isEmpty();
            message.translation = xml.readElementText();
        } else {
            xml.skipCurrentElement();
        }
    }
}

QList<TsMessage> readTsFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<TsMessage> messages;
    QString context;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            TsMessage message{QFileInfo(path).fileName(), context, {}, {}, false};
            readMessage(xml, message);
            messages << message;
        }
    }
    return messages;
}

QString chineseTsPath()
{
    return resourceDir(QStringLiteral("translations")).filePath(QStringLiteral("xr970_zh.ts"));
}

QList<TsMessage> chineseMessages()
{
    return readTsFile(chineseTsPath());
}

QString rowName(const TsMessage& m)
{
    return m.file + QLatin1Char('/') + m.context + QLatin1Char('/') +
           m.source.section(QLatin1Char('\n'), 0, 0);
}

// The access-key letter marked by a single "&" ("&&" is a literal ampersand), or a null char.
QChar accessKey(const QString& text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&'))
            continue;
        if (text[i + 1] != QLatin1Char('&'))
            return text[i + 1];
        ++i;
    }
    return {};
}

QStringList placeholders(const QString& text)
{
    static const QRegularExpression marker(QStringLiteral("%\\d+"));
    QStringList found;
    for (auto it = marker.globalMatch(text); it.hasNext();)
        found << it.next().captured();
    found.sort();
    return found;
}

bool hasChinese(const QString& text)
{
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c.unicode() >= 0x4E00 && c.unicode() <= 0x9FFF; });
}

QString chineseHelpText()
{
    QString all;
    const QDir dir = resourceDir(QStringLiteral("help/zh"));
    for (const QString& name : dir.entryList({QStringLiteral("*.html")}, QDir::Files)) {
        QFile page(dir.filePath(name));
        if (page.open(QIODevice::ReadOnly))
            all += QString::fromUtf8(page.readAll());
    }
    return all;
}

// The string-table messages (not the command prompts) and the idle status-bar text.
bool quotedInHelp(const TsMessage& m)
{
    return (m.context == QLatin1String("StringTable") && !m.source.contains(QLatin1Char('\n'))) ||
           (m.context == QLatin1String("MainWindow") && m.source == QLatin1String("Ready"));
}

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void modules_data();
    void modules();
    void sourceTextsTranslated();
    void messages_data();
    void messages();
    void messagesAsInHelp_data();
    void messagesAsInHelp();
};

void TestTranslations::modules_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("hasMessages");
    QTest::newRow("Chinese") << "xr970_zh.ts" << true;
    QTest::newRow("English") << "xr970_en.ts" << false; // English is compiled in
}

// One file per language, so lupdate can refresh it from the sources.
void TestTranslations::modules()
{
    QFETCH(QString, name);
    QFETCH(bool, hasMessages);
    const QDir dir = resourceDir(QStringLiteral("translations"));
    QCOMPARE(dir.entryList({QStringLiteral("*.ts")}, QDir::Files, QDir::Name),
             QStringList({QStringLiteral("xr970_en.ts"), QStringLiteral("xr970_zh.ts")}));
    QCOMPARE(!readTsFile(dir.filePath(name)).isEmpty(), hasMessages);
}

// lupdate over the sources into a copy of the Chinese file: a text of a tr() or
// QT_TRANSLATE_NOOP that the file lacks comes in unfinished, as does one left unfinished.
void TestTranslations::sourceTextsTranslated()
{
    QTemporaryDir dir;
    const QString copy = dir.filePath(QStringLiteral("xr970_zh.ts"));
    QVERIFY(QFile::copy(chineseTsPath(), copy)); // writable even from a read-only checkout:
    QVERIFY(QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner));
    QProcess lupdate;
    lupdate.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    lupdate.start(QStringLiteral(XR_LUPDATE), {QStringLiteral("-silent"), QStringLiteral("-no-obsolete"),
                                               qEnvironmentVariable("XR_SOURCE_DIR") + QStringLiteral("/src"),
                                               QStringLiteral("-ts"), copy});
    QVERIFY(lupdate.waitForFinished(60000));
    QCOMPARE(lupdate.exitCode(), 0);
    const QList<TsMessage> messages = readTsFile(copy);
    QVERIFY(!messages.isEmpty());
    QStringList untranslated;
    for (const TsMessage& m : messages)
        if (!m.finished || m.translation.isEmpty())
            untranslated << m.context + QLatin1Char('/') + m.source;
    QVERIFY2(untranslated.isEmpty(), qPrintable(QStringLiteral("no finished Chinese translation: ") +
                                                untranslated.join(QStringLiteral(" | "))));
}

void TestTranslations::messages_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("translation");
    QTest::addColumn<bool>("finished");
    for (const TsMessage& m : chineseMessages())
        QTest::newRow(qPrintable(rowName(m))) << m.source << m.translation << m.finished;
}

void TestTranslations::messages()
{
    QFETCH(QString, source);
    QFETCH(QString, translation);
    QFETCH(bool, finished);
    QVERIFY(finished);
    QVERIFY(hasChinese(translation));
    // A prompt keeps its two parts: status-bar text, then tool tip.
    QCOMPARE(translation.count(QLatin1Char('\n')), source.count(QLatin1Char('\n')));
    QCOMPARE(placeholders(translation), placeholders(source));
    // Access keys are written the Chinese way, after the text: "文件(&F)".
    const QChar key = accessKey(source);
    if (key.isNull())
        QVERIFY(accessKey(translation).isNull());
    else
        QVERIFY2(translation.contains(QStringLiteral("(&") + key.toUpper() + QLatin1Char(')')),
                 qPrintable(translation));
}

void TestTranslations::messagesAsInHelp_data()
{
    QTest::addColumn<QString>("translation");
    for (const TsMessage& m : chineseMessages())
        if (quotedInHelp(m))
            QTest::newRow(qPrintable(rowName(m))) << m.translation;
}

void TestTranslations::messagesAsInHelp()
{
    QFETCH(QString, translation);
    static const QString help = chineseHelpText();
    QVERIFY2(help.contains(translation), qPrintable(translation));
}

QTEST_GUILESS_MAIN(TestTranslations)
#include "test_translations.moc"
