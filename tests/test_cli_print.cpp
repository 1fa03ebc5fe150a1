#include "config/IniFile.h"
#include "document/ChannelFile.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "support/CliRun.h"

namespace {

struct Word {
    QString text;
    double x;
    double y;
};
using Page = QList<Word>;

// Line by line, left to right. Words of one line may come from faces whose boxes start a
// little higher or lower, so a line takes every word starting within a few points of it.
Page inReadingOrder(Page words)
{
    std::sort(words.begin(), words.end(), [](const Word& a, const Word& b) { return a.y < b.y; });
    Page ordered;
    for (qsizetype first = 0; first < words.size();) {
        qsizetype end = first;
        while (end < words.size() && words[end].y - words[first].y < 4)
            ++end;
        Page line = words.mid(first, end - first);
        std::sort(line.begin(), line.end(), [](const Word& a, const Word& b) { return a.x < b.x; });
        ordered += line;
        first = end;
    }
    return ordered;
}

// The words of every page in reading order, with their top left corners in points, y down.
QList<Page> pdfWords(const QString& pdftotext, const QString& pdf)
{
    QProcess process;
    process.start(pdftotext, {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    process.waitForFinished(30000);
    const QString xhtml = QString::fromUtf8(process.readAllStandardOutput());
    static const QRegularExpression word(
        QStringLiteral("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"[^>]*>([^<]*)</word>"));
    QList<Page> pages;
    for (const QString& page : xhtml.split(QStringLiteral("<page "), Qt::SkipEmptyParts).mid(1)) {
        Page words;
        for (auto it = word.globalMatch(page); it.hasNext();) {
            const auto m = it.next();
            words.push_back({m.captured(3), m.captured(1).toDouble(), m.captured(2).toDouble()});
        }
        pages.push_back(inReadingOrder(words));
    }
    return pages;
}

const Word* wordAt(const Page& page, const QString& text, int occurrence = 0)
{
    for (const Word& w : page) {
        if (w.text == text && occurrence-- == 0)
            return &w;
    }
    return nullptr;
}

QString pageText(const Page& page)
{
    QStringList texts;
    for (const Word& w : page)
        texts << w.text;
    return texts.join(QLatin1Char(' '));
}

QString iniOwner(const QString& section)
{
    IniFile ini;
    ini.load(QFileInfo(QStringLiteral(XR_CLI_PATH)).dir().filePath(QStringLiteral("Program.ini")));
    return ini.value(section, QStringLiteral("Copyrights Owner"), QString());
}

} // namespace

class TestCliPrint : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void pagesAndFooter_data();
    void pagesAndFooter();
    void positions();
    void errors_data();
    void errors();

private:
    QString writeFile(const QString& name, const QList<int>& used);

    QTemporaryDir dir_;
    QString pdftotext_;
};

void TestCliPrint::initTestCase()
{
    pdftotext_ = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext_.isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
}

QString TestCliPrint::writeFile(const QString& name, const QList<int>& used)
{
    RadioImage image = RadioImage::makeNew();
    image[RadioImage::OptTimeOut] = 4;
    image[RadioImage::OptVoice] = 2;
    for (int channel : used) {
        RadioImage::frequencyToBytes(14500000 + 2500 * channel, image.channel(channel));
        RadioImage::frequencyToBytes(15000000 + 2500 * channel, image.channel(channel) + 4);
    }
    const QString path = dir_.filePath(name);
    ChannelFile::save(path, image);
    return path;
}

void TestCliPrint::pagesAndFooter_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("pages");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QStringList>("firstPageHas");
    QTest::addColumn<QStringList>("lastPageHas");
    // The default receive-only grid leaves the Tx Frequency column empty.
    QTest::newRow("English") << QStringList{} << 3 << "English"
                             << QStringList{"Option", "Function", "Time Out Time: 60s",
                                            "Voice Annunication: English"}
                             << QStringList{
                                    "Channel Channel 9:", "Channel 16:", "Receive Frequency: 145.40000",
                                    "Transceive Frequency: QT/DQT Decode:"};
    QTest::newRow("Chinese, all columns")
        << QStringList{"--lang", "zh", "--variant", "other"} << 3 << "Chinese"
        << QStringList{"可选功能", "功能", "超时定时器: 60s", "语音报号: 英文"}
        << QStringList{"信道 信道9:", "信道16:", "接收频率: 145.40000", "发射频率: 150.40000", "宽/窄: 宽"};
    // A transmit-only radio's grid has no receive frequencies; its channels are the ones
    // with a transmit frequency, printed with the same layout.
    QTest::newRow("transmit variant")
        << QStringList{"--variant", "transmit"} << 3 << "English" << QStringList{"Option"}
        << QStringList{"Channel 16:", "Receive Frequency: Transceive Frequency: 150.40000"};
}

void TestCliPrint::pagesAndFooter()
{
    QFETCH(QStringList, options);
    QFETCH(int, pages);
    QFETCH(QString, section);
    QFETCH(QStringList, firstPageHas);
    QFETCH(QStringList, lastPageHas);
    const QString dat =
        writeFile(QStringLiteral("sixteen.dat"), {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16});
    const QString pdf = dir_.filePath(QStringLiteral("report.pdf"));
    const CliRun run =
        runCli(QStringList{QStringLiteral("print"), dat, QStringLiteral("--pdf"), pdf} + options,
               headlessEnvironment());
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));

    const QList<Page> words = pdfWords(pdftotext_, pdf);
    QCOMPARE(words.size(), pages);
    const QString owner = iniOwner(section);
    QVERIFY(!owner.isEmpty());
    for (int p = 0; p < pages; ++p) {
        const QString text = pageText(words[p]);
        QVERIFY2(text.contains(QStringLiteral("Page %1 of %2").arg(p + 1).arg(pages)), qPrintable(text));
        QVERIFY2(text.contains(owner), qPrintable(text));
    }
    for (const QString& expected : firstPageHas)
        QVERIFY2(pageText(words.front()).contains(expected), qPrintable(expected));
    for (const QString& expected : lastPageHas)
        QVERIFY2(pageText(words.back()).contains(expected), qPrintable(expected));
}

// Channel 16, the ninth used channel, opens page 3 where channel 1 opens page 2; values sit
// on their label's line, right of it.
void TestCliPrint::positions()
{
    const QString dat = writeFile(QStringLiteral("nine.dat"), {1, 2, 3, 4, 5, 6, 7, 8, 16});
    const QString pdf = dir_.filePath(QStringLiteral("nine.pdf"));
    const CliRun run =
        runCli({QStringLiteral("print"), dat, QStringLiteral("--pdf"), pdf}, headlessEnvironment());
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    const QList<Page> pages = pdfWords(pdftotext_, pdf);
    QCOMPARE(pages.size(), 3);

    const Word* one = wordAt(pages[1], QStringLiteral("1:"));
    const Word* sixteen = wordAt(pages[2], QStringLiteral("16:"));
    QVERIFY(one && sixteen);
    QCOMPARE(sixteen->y, one->y);
    QVERIFY(!wordAt(pages[2], QStringLiteral("1:")));

    const Word* receive = wordAt(pages[2], QStringLiteral("Receive"));
    const Word* frequency = wordAt(pages[2], QStringLiteral("145.40000"));
    QVERIFY(receive && frequency);
    QCOMPARE(frequency->y, receive->y);
    QVERIFY(frequency->x > receive->x && receive->y > sixteen->y);

    const Word* owner = wordAt(pages[0], iniOwner(QStringLiteral("English")).section(QLatin1Char(' '), 0, 0));
    const Word* beep = wordAt(pages[0], QStringLiteral("Beep:"));
    const Word* pageWord = wordAt(pages[0], QStringLiteral("Page"));
    QVERIFY(owner && beep && pageWord);
    QCOMPARE(pageWord->y, owner->y);
    QVERIFY(owner->y > beep->y && pageWord->x > owner->x);
}

void TestCliPrint::errors_data()
{
    const QString good = writeFile(QStringLiteral("good.dat"), {1});
    const QString bad = ::writeFile(dir_.filePath(QStringLiteral("bad.dat")), QByteArray(1040, 'x'));
    const QString pdf = dir_.filePath(QStringLiteral("out.pdf"));

    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("stderrHas");
    QTest::newRow("not a channel file")
        << QStringList{"print", bad, "--pdf", pdf} << 3 << "Data Format Error";
    QTest::newRow("unwritable output")
        << QStringList{"print", good, "--pdf", dir_.filePath("none/out.pdf")} << 1 << "out.pdf";
    QTest::newRow("help") << QStringList{"print", "--help"} << 0 << "";
}

void TestCliPrint::errors()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, stderrHas);
    const CliRun run = runCli(arguments, headlessEnvironment());
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(run.err.contains(stderrHas), qPrintable(run.err));
    if (exitCode != 0)
        QVERIFY(!QFile::exists(dir_.filePath(QStringLiteral("out.pdf"))));
}

QTEST_GUILESS_MAIN(TestCliPrint)
#include "test_cli_print.moc"
