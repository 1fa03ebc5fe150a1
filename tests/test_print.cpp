#include "support/RecordingPaintDevice.h"

#include "model/ChannelCodec.h"
#include "print/Report.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Device pixels are twips, so the grid units come out as whole numbers: W = 150, H = 300.
constexpr int W = 150;
constexpr int H = 300;
const QRect printableArea(120, 80, 66 * W + 50, 45 * H + 40);

// A text as the report placed it: twips from the printable area's top left, y up, by its
// top left corner.
struct Placed {
    QString text;
    QPoint topLeft;
    QFont font;
    bool upright;
};

// Texts that the engine received in pieces (one per font of a mixed-script text) are
// joined again when a piece starts where the previous one ended.
void appendJoined(std::vector<Placed>& placed, const RecordingPaintDevice::Text& item, const QPoint& at)
{
    if (!placed.empty()) {
        Placed& last = placed.back();
        const int lastEnd = last.topLeft.x() + qRound(QFontMetricsF(last.font).horizontalAdvance(last.text));
        if (last.topLeft.y() == at.y() && qAbs(lastEnd - at.x()) <= 2) {
            last.text += item.text;
            last.upright = last.upright && item.upright;
            return;
        }
    }
    placed.push_back({item.text, at, item.font, item.upright});
}

class PageRecorder {
public:
    std::vector<Placed> draw(int page, const ReportInput& input, ReportPagination& pagination)
    {
        device_.clear();
        QPainter painter(&device_);
        drawReportPage(painter, printableArea, page, input, pagination);
        painter.end();
        std::vector<Placed> placed;
        for (const RecordingPaintDevice::Text& item : device_.texts()) {
            const qreal ascent = QFontMetricsF(item.font).ascent();
            const QPoint at(qRound(item.baseline.x() - printableArea.left()),
                            qRound(printableArea.top() - item.baseline.y() + ascent));
            appendJoined(placed, item, at);
        }
        return placed;
    }
    // The lines of the last page, in twips with y up.
    std::vector<QLine> lines() const
    {
        std::vector<QLine> result;
        for (const QLineF& line : device_.lines())
            result.push_back(QLineF(line.x1() - printableArea.left(), printableArea.top() - line.y1(),
                                    line.x2() - printableArea.left(), printableArea.top() - line.y2())
                                 .toLine());
        return result;
    }

private:
    RecordingPaintDevice device_{printableArea.right() + 200, printableArea.bottom() + 200, 1440};
};

const Placed* find(const std::vector<Placed>& placed, const QString& text)
{
    for (const Placed& p : placed) {
        if (p.text == text)
            return &p;
    }
    return nullptr;
}

QString textAt(const std::vector<Placed>& placed, const QPoint& topLeft)
{
    for (const Placed& p : placed) {
        if (p.topLeft == topLeft)
            return p.text;
    }
    return QStringLiteral("<nothing>");
}

// Text height plus external leading.
int lineHeight(const QFont& font)
{
    return QFontMetrics(font).lineSpacing();
}

// The channel labels of a page, top to bottom.
QList<int> channelsOn(const std::vector<Placed>& placed)
{
    QList<int> channels;
    const QRegularExpression label(QStringLiteral("^(?:Channel |信道)(\\d+):$"));
    for (const Placed& p : placed) {
        const auto match = label.match(p.text);
        if (match.hasMatch())
            channels << match.captured(1).toInt();
    }
    return channels;
}

// An image whose listed channels have a receive frequency (and a transmit frequency),
// plus channels with a transmit frequency only, decoded as the grid of the variant shows
// them.
ReportInput inputWith(const QList<int>& used, const QList<int>& transmitOnly = {}, bool chinese = false,
                      RadioVariant variant = RadioVariant::Other)
{
    ReportInput input;
    input.image = RadioImage::makeNew();
    for (int channel : used) {
        RadioImage::frequencyToBytes(44600000 + 1250 * channel, input.image.channel(channel));
        RadioImage::frequencyToBytes(45100000 + 1250 * channel, input.image.channel(channel) + 4);
    }
    for (int channel : transmitOnly)
        RadioImage::frequencyToBytes(43900000 + 1250 * channel, input.image.channel(channel) + 4);
    input.language = chinese ? Language::Chinese : Language::English;
    decodeChannels(input.image, variant, input.language, input.cells);
    input.variant = variant;
    input.copyrightsOwner = QStringLiteral("Owner Co.");
    return input;
}

QList<int> range(int first, int last)
{
    QList<int> list;
    for (int n = first; n <= last; ++n)
        list << n;
    return list;
}

} // namespace

class TestPrint : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void pages_data();
    void pages();
    void fewerChannelsThanLastTime();
    void splitFollowsTheGridAtEveryPage();
    void optionValues_data();
    void optionValues();
    void optionsPageLayout();
    void channelPageLayout();
    void chineseChannelPage();
    void printerPageRange();
};

void TestPrint::pages_data()
{
    QTest::addColumn<int>("variant");
    QTest::addColumn<QList<int>>("used");
    QTest::addColumn<QList<int>>("transmitOnly");
    QTest::addColumn<QList<QList<int>>>("channelPages");
    const int receive = int(RadioVariant::ReceiveOnly);
    const int transmit = int(RadioVariant::TransmitOnly);
    const int other = int(RadioVariant::Other);
    QTest::newRow("none") << receive << QList<int>{} << QList<int>{} << QList<QList<int>>{};
    QTest::newRow("eight") << receive << range(1, 8) << QList<int>{} << QList<QList<int>>{range(1, 8)};
    QTest::newRow("nine, the ninth is 16")
        << receive << range(1, 8) + QList<int>{16} << QList<int>{} << QList<QList<int>>{range(1, 8), {16}};
    QTest::newRow("sixteen") << receive << range(1, 16) << QList<int>{}
                             << QList<QList<int>>{range(1, 8), range(9, 16)};
    QTest::newRow("sparse") << receive << QList<int>{3, 9, 14} << QList<int>{}
                            << QList<QList<int>>{{3, 9, 14}};
    // A receive-only radio does not use a channel without a receive frequency.
    QTest::newRow("transmit only") << receive << QList<int>{2} << QList<int>{5, 6} << QList<QList<int>>{{2}};
    QTest::newRow("eight and transmit only")
        << receive << range(1, 8) << QList<int>{12} << QList<QList<int>>{range(1, 8)};
    // A transmit-only radio uses every channel with a transmit frequency.
    QTest::newRow("transmit-only radio")
        << transmit << QList<int>{} << QList<int>{5, 6} << QList<QList<int>>{{5, 6}};
    QTest::newRow("transmit-only radio, nine")
        << transmit << range(1, 8) << QList<int>{12} << QList<QList<int>>{range(1, 8), {12}};
    // Any other radio uses a channel with either frequency.
    QTest::newRow("other radio") << other << QList<int>{2} << QList<int>{5, 6}
                                 << QList<QList<int>>{{2, 5, 6}};
}

void TestPrint::pages()
{
    QFETCH(int, variant);
    QFETCH(QList<int>, used);
    QFETCH(QList<int>, transmitOnly);
    QFETCH(QList<QList<int>>, channelPages);
    const ReportInput input = inputWith(used, transmitOnly, false, RadioVariant(variant));
    ReportPagination pagination;
    pagination.prepare(input.cells, input.variant);
    const int pageCount = 1 + int(channelPages.size());
    QCOMPARE(pagination.pageCount(), pageCount);
    QList<int> printed;
    for (const QList<int>& channels : channelPages)
        printed += channels;
    QCOMPARE(pagination.channelCount(), int(printed.size()));

    PageRecorder recorder;
    for (int page = 1; page <= pageCount; ++page) {
        const std::vector<Placed> placed = recorder.draw(page, input, pagination);
        QVERIFY(find(placed, QStringLiteral("Page %1 of %2").arg(page).arg(pageCount)));
        QCOMPARE(channelsOn(placed), page == 1 ? QList<int>{} : channelPages[page - 2]);
        for (int channel : transmitOnly) {
            const QString tx = input.cells[channel][GridColumn::TxFrequency];
            const bool onThisPage = page > 1 && channelPages[page - 2].contains(channel);
            QVERIFY(tx.isEmpty() || bool(find(placed, tx)) == onThisPage);
        }
    }
}

void TestPrint::fewerChannelsThanLastTime()
{
    ReportPagination pagination;
    PageRecorder recorder;
    const ReportInput all = inputWith(range(1, 16));
    pagination.prepare(all.cells, all.variant);
    recorder.draw(3, all, pagination);

    const ReportInput fewer = inputWith(range(10, 14));
    pagination.prepare(fewer.cells, fewer.variant);
    QCOMPARE(pagination.pageCount(), 2);
    QCOMPARE(channelsOn(recorder.draw(2, fewer, pagination)), range(10, 14));
}

// The page count stays as prepared, but each channel page takes the grid as it is now.
void TestPrint::splitFollowsTheGridAtEveryPage()
{
    ReportPagination pagination;
    pagination.prepare(inputWith(range(1, 16)).cells, RadioVariant::Other);
    const std::vector<Placed> placed = PageRecorder().draw(2, inputWith(range(10, 14)), pagination);
    QCOMPARE(channelsOn(placed), range(10, 14));
    QVERIFY(find(placed, QStringLiteral("Page 2 of 3")));
    QCOMPARE(pagination.pageCount(), 3);
}

void TestPrint::optionValues_data()
{
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("byte");
    QTest::addColumn<bool>("chinese");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("value");
    const int timeOut = RadioImage::OptTimeOut;
    const int voice = RadioImage::OptVoice;
    const int delay = RadioImage::OptVoxDelay;
    const int gain = RadioImage::OptVoxGain;
    const int saver = RadioImage::OptBatterySaver;
    const int beep = RadioImage::OptBeep;
    QTest::newRow("time-out 4") << timeOut << 4 << false << "Time Out Time:"
                                << "60s";
    QTest::newRow("time-out 40") << timeOut << 40 << false << "Time Out Time:"
                                 << "600s";
    QTest::newRow("time-out, Chinese") << timeOut << 1 << true << "超时定时器:"
                                       << "15s";
    QTest::newRow("squelch") << int(RadioImage::OptSquelch) << 9 << false << "Squelch Level:"
                             << "9";
    QTest::newRow("voice 0") << voice << 0 << false << "Voice Annunication:"
                             << "Off";
    QTest::newRow("voice 1") << voice << 1 << false << "Voice Annunication:"
                             << "Chinese";
    QTest::newRow("voice 2") << voice << 2 << false << "Voice Annunication:"
                             << "English";
    QTest::newRow("voice 9") << voice << 9 << false << "Voice Annunication:"
                             << "English";
    QTest::newRow("voice 1, Chinese") << voice << 1 << true << "语音报号:"
                                      << "中文";
    QTest::newRow("voice 2, Chinese") << voice << 2 << true << "语音报号:"
                                      << "英文";
    QTest::newRow("vox delay 0") << delay << 0 << false << "Vox Delay Time:"
                                 << "0.3s";
    QTest::newRow("vox delay 4") << delay << 4 << false << "Vox Delay Time:"
                                 << "2.0s";
    QTest::newRow("vox delay 5") << delay << 5 << false << "Vox Delay Time:"
                                 << "3.0s";
    QTest::newRow("vox delay 255") << delay << 255 << true << "声控延迟时间:"
                                   << "3.0s";
    QTest::newRow("vox gain 0") << gain << 0 << false << "Vox Gain Level:"
                                << "Off";
    QTest::newRow("vox gain 0, Chinese") << gain << 0 << true << "声控增益电平:"
                                         << "关";
    QTest::newRow("vox gain 8") << gain << 8 << false << "Vox Gain Level:"
                                << "8";
    QTest::newRow("saver 1") << saver << 1 << false << "Battery Saver:"
                             << "On";
    QTest::newRow("saver 0xFE") << saver << 0xFE << false << "Battery Saver:"
                                << "Off";
    QTest::newRow("saver, Chinese") << saver << 3 << true << "电池省电:"
                                    << "开";
    QTest::newRow("beep 3") << beep << 3 << false << "Beep:"
                            << "On";
    QTest::newRow("beep 2, Chinese") << beep << 2 << true << "哔音:"
                                     << "关";
}

void TestPrint::optionValues()
{
    QFETCH(int, offset);
    QFETCH(int, byte);
    QFETCH(bool, chinese);
    QFETCH(QString, label);
    QFETCH(QString, value);
    ReportInput input = inputWith({}, {}, chinese);
    input.image[std::size_t(offset)] = std::uint8_t(byte);
    ReportPagination pagination;
    pagination.prepare(input.cells, input.variant);
    const std::vector<Placed> placed = PageRecorder().draw(1, input, pagination);
    const Placed* drawnLabel = find(placed, label);
    QVERIFY(drawnLabel);
    QCOMPARE(drawnLabel->topLeft.x(), 9 * W);
    QCOMPARE(textAt(placed, QPoint(35 * W, drawnLabel->topLeft.y())), value);
}

void TestPrint::optionsPageLayout()
{
    const ReportInput input = inputWith({});
    ReportPagination pagination;
    pagination.prepare(input.cells, input.variant);
    PageRecorder recorder;
    const std::vector<Placed> placed = recorder.draw(1, input, pagination);
    for (const Placed& p : placed)
        QVERIFY2(p.upright, qPrintable(p.text));

    const Placed* title = find(placed, QStringLiteral("Option"));
    const Placed* function = find(placed, QStringLiteral("Function"));
    QVERIFY(title && function);
    QCOMPARE(title->font.pixelSize(), H);
    QCOMPARE(function->font.pixelSize(), H * 8 / 10);
    const int l1 = lineHeight(title->font);
    const int l2 = lineHeight(function->font);
    QVERIFY(l1 > H && l2 > H * 8 / 10 && l1 < 2 * H);
    QCOMPARE(title->topLeft, QPoint(6 * W, -l1));
    QCOMPARE(function->topLeft, QPoint(6 * W, -4 * l2));
    QCOMPARE(textAt(placed, QPoint(9 * W, -5 * l2)), QStringLiteral("Time Out Time:"));
    QCOMPARE(textAt(placed, QPoint(9 * W, -11 * l2)), QStringLiteral("Beep:"));
    QCOMPARE(textAt(placed, QPoint(10 * W, -36 * l1)), QStringLiteral("Owner Co."));
    QCOMPARE(textAt(placed, QPoint(45 * W, -36 * l1)), QStringLiteral("Page 1 of 1"));

    const std::vector<QLine> expected = {QLine(5 * W, -(2 * l1 + 50), 60 * W, -(2 * l1 + 50)),
                                         QLine(5 * W, -(2 * l1 + 120), 60 * W, -(2 * l1 + 120)),
                                         QLine(5 * W, -36 * l1 + l1 / 2, 60 * W, -36 * l1 + l1 / 2)};
    QCOMPARE(recorder.lines(), expected);
}

void TestPrint::channelPageLayout()
{
    const ReportInput input = inputWith(range(1, 8) + QList<int>{16});
    ReportPagination pagination;
    pagination.prepare(input.cells, input.variant);
    PageRecorder recorder;

    // Channel 16 alone opens page 3.
    std::vector<Placed> placed = recorder.draw(3, input, pagination);
    for (const Placed& p : placed)
        QVERIFY2(p.upright, qPrintable(p.text));
    const Placed* title = find(placed, QStringLiteral("Channel"));
    const Placed* label = find(placed, QStringLiteral("Channel 16:"));
    QVERIFY(title && label);
    const int l1 = lineHeight(title->font);
    const int l2 = lineHeight(label->font);
    QCOMPARE(title->topLeft, QPoint(6 * W, -l1));
    QCOMPARE(label->topLeft, QPoint(4 * W, -4 * l2));
    const auto& row = input.cells[16];
    const QList<std::pair<QPoint, QString>> block = {
        {{5 * W, -5 * l2}, "Receive Frequency:"},
        {{22 * W, -5 * l2}, row[GridColumn::RxFrequency]},
        {{36 * W, -5 * l2}, "Transceive Frequency:"},
        {{55 * W, -5 * l2}, row[GridColumn::TxFrequency]},
        {{5 * W, -6 * l2}, "QT/DQT Decode:"},
        {{22 * W, -6 * l2}, row[GridColumn::DecodeTone]},
        {{36 * W, -6 * l2}, "QT/DQT Encode:"},
        {{55 * W, -6 * l2}, row[GridColumn::EncodeTone]},
        {{5 * W, -7 * l2}, "W/N:"},
        {{22 * W, -7 * l2}, row[GridColumn::Bandwidth]},
        {{36 * W, -7 * l2}, "Scan:"},
        {{55 * W, -7 * l2}, row[GridColumn::Scan]},
    };
    for (const auto& [at, text] : block)
        QCOMPARE(textAt(placed, at), text);
    QCOMPARE(textAt(placed, QPoint(45 * W, -36 * l1)), QStringLiteral("Page 3 of 3"));
    QVERIFY(!find(placed, row[GridColumn::BusyLock]));

    // Blocks follow each other five small lines apart.
    placed = recorder.draw(2, input, pagination);
    QCOMPARE(find(placed, QStringLiteral("Channel 2:"))->topLeft, QPoint(4 * W, -9 * l2));
    QCOMPARE(find(placed, QStringLiteral("Channel 8:"))->topLeft, QPoint(4 * W, -39 * l2));
}

void TestPrint::chineseChannelPage()
{
    const ReportInput input = inputWith({7}, {}, true);
    ReportPagination pagination;
    pagination.prepare(input.cells, input.variant);
    const std::vector<Placed> placed = PageRecorder().draw(2, input, pagination);
    const Placed* title = find(placed, QStringLiteral("信道"));
    const Placed* label = find(placed, QStringLiteral("信道7:"));
    QVERIFY(title && label);
    const int l2 = lineHeight(label->font);
    QCOMPARE(label->topLeft, QPoint(4 * W, -4 * l2));
    QCOMPARE(textAt(placed, QPoint(5 * W, -5 * l2)), QStringLiteral("接收频率:"));
    QCOMPARE(textAt(placed, QPoint(36 * W, -5 * l2)), QStringLiteral("发射频率:"));
    QCOMPARE(textAt(placed, QPoint(5 * W, -6 * l2)), QStringLiteral("QT/DQT解码:"));
    QCOMPARE(textAt(placed, QPoint(22 * W, -6 * l2)), QStringLiteral("无"));
    QCOMPARE(textAt(placed, QPoint(36 * W, -6 * l2)), QStringLiteral("QT/DQT编码:"));
    QCOMPARE(textAt(placed, QPoint(5 * W, -7 * l2)), QStringLiteral("宽/窄:"));
    QCOMPARE(textAt(placed, QPoint(22 * W, -7 * l2)), QStringLiteral("宽"));
    QCOMPARE(textAt(placed, QPoint(36 * W, -7 * l2)), QStringLiteral("扫描:"));
    QCOMPARE(textAt(placed, QPoint(55 * W, -7 * l2)), QStringLiteral("是"));
    for (const Placed& p : placed)
        QVERIFY2(p.upright, qPrintable(p.text));
}

// The whole job on a printer: only the pages asked for, read back with pdftotext.
void TestPrint::printerPageRange()
{
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("report.pdf"));
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        printer.setFromTo(2, 3);
        ReportPagination pagination;
        QVERIFY(printReport(printer, inputWith(range(1, 16)), pagination));
        QCOMPARE(pagination.pageCount(), 3);
    }
    QProcess process;
    process.start(pdftotext, {QStringLiteral("-layout"), path, QStringLiteral("-")});
    QVERIFY(process.waitForFinished(30000));
    const QStringList pages =
        QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    QCOMPARE(pages.size(), 2);
    QVERIFY(pages[0].contains(QStringLiteral("Channel 1:")));
    QVERIFY(pages[0].contains(QStringLiteral("Page 2 of 3")));
    QVERIFY(pages[1].contains(QStringLiteral("Channel 16:")));
    QVERIFY(pages[1].contains(QStringLiteral("Page 3 of 3")));
    QVERIFY(!pages[0].contains(QStringLiteral("Time Out Time:")));
}

QTEST_MAIN(TestPrint)
#include "test_print.moc"
