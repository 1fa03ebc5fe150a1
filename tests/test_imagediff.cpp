#include "model/ChannelCodec.h"
#include "model/ImageDiff.h"
#include "model/ImageDiffText.h"
#include "support/SampleImage.h"

#include <QtTest>
#include <algorithm>

namespace {

constexpr int Ch3 = 3 * RadioImage::RowSize;

// A new image with channel 3 in use: 446.00625 MHz, no tones, busy lock Off, Wide, High.
RadioImage baseImage()
{
    return SampleImage().record(
        3, {0x25, 0x06, 0x60, 0x44, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x30, 0xFF, 0xFF});
}

// The image with each (offset, value) pair of patches written into it.
RadioImage patched(RadioImage image, const QList<int>& patches)
{
    for (int i = 0; i + 1 < patches.size(); i += 2)
        image[static_cast<std::size_t>(patches[i])] = static_cast<std::uint8_t>(patches[i + 1]);
    return image;
}

// One line per change, so a table row can list what it expects.
QStringList describe(const ImageDiff& diff)
{
    QStringList lines;
    for (const CellChange& c : diff.cells)
        lines << QStringLiteral("ch%1 col%2 %3>%4").arg(c.channel).arg(c.column).arg(c.before, c.after);
    for (const OptionChange& o : diff.options)
        lines << QStringLiteral("%1 %2>%3").arg(o.label, o.before, o.after);
    for (const ByteChange& b : diff.bytes)
        lines << QString::asprintf("0x%03X %02X>%02X", b.offset, b.before, b.after);
    return lines;
}

} // namespace

class TestImageDiff : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void differences_data();
    void differences();
    void singleBitShowsOnce();
    void firstDifference_data();
    void firstDifference();
};

void TestImageDiff::differences_data()
{
    QTest::addColumn<QList<int>>("patches"); // offset, value, offset, value ...
    QTest::addColumn<int>("variant");
    QTest::addColumn<bool>("chinese");
    QTest::addColumn<QStringList>("expected");
    const int receive = static_cast<int>(RadioVariant::ReceiveOnly);
    const int other = static_cast<int>(RadioVariant::Other);

    QTest::newRow("same image") << QList<int>{} << receive << false << QStringList{};
    QTest::newRow("receive frequency")
        << QList<int>{Ch3, 0x50} << receive << false << QStringList{"ch3 col1 446.00625>446.00650"};
    QTest::newRow("hidden transmit frequency is a byte")
        << QList<int>{Ch3 + 7, 0x45} << receive << false << QStringList{"0x037 FF>45"};
    QTest::newRow("transmit frequency shown for other")
        << QList<int>{Ch3 + 4, 0x00, Ch3 + 5, 0x00, Ch3 + 6, 0x50, Ch3 + 7, 0x45} << other << false
        << QStringList{"ch3 col2 >455.00000"};
    QTest::newRow("absent written as 00 instead of FF")
        << QList<int>{Ch3 + 9, 0x00} << receive << false << QStringList{"0x039 FF>00"};
    QTest::newRow("bandwidth bit and a bit nobody reads")
        << QList<int>{Ch3 + 13, 0x21} << receive << false
        << QStringList{"ch3 col5 Wide>Narrow", "0x03D 30>21"};
    QTest::newRow("only a bit nobody reads")
        << QList<int>{Ch3 + 13, 0x31} << receive << false << QStringList{"0x03D 30>31"};
    QTest::newRow("busy lock and power") << QList<int>{Ch3 + 12, 0x08, Ch3 + 13, 0x10} << receive << false
                                         << QStringList{"ch3 col7 Off>Carrier", "ch3 col8 High>Low"};
    QTest::newRow("scan bit of channel 3")
        << QList<int>{RadioImage::ScanBitmap, 0xFB} << receive << false << QStringList{"ch3 col6 Yes>No"};
    QTest::newRow("scan bit of an empty channel")
        << QList<int>{RadioImage::ScanBitmap + 1, 0xFE} << receive << false << QStringList{"0x17F FF>FE"};
    QTest::newRow("channel becomes empty")
        << QList<int>{Ch3 + 3, 0x00} << receive << false
        << QStringList{"ch3 col1 446.00625>", "ch3 col3 None>", "ch3 col5 Wide>",
                       "ch3 col6 Yes>",       "ch3 col7 Off>",  "ch3 col8 High>"};
    QTest::newRow("squelch") << QList<int>{RadioImage::OptSquelch, 5} << receive << false
                             << QStringList{"Squelch Level 4>5"};
    QTest::newRow("squelch out of range") << QList<int>{RadioImage::OptSquelch, 0x0C} << receive << false
                                          << QStringList{"Squelch Level 4>0x0C"};
    QTest::newRow("transmit delay") << QList<int>{RadioImage::OptTransmitDelay, 123} << receive << false
                                    << QStringList{"Transmit Delay (s) Off>12.3"};
    QTest::newRow("two ways of Off") << QList<int>{RadioImage::OptTransmitDelay, 0x09,
                                                   RadioImage::OptTransmitDelay + 1, 0x07}
                                     << receive << false << QStringList{"0x13C 00>09", "0x13D 00>07"};
    QTest::newRow("battery saver and its spare bit")
        << QList<int>{RadioImage::OptBatterySaver, 3} << receive << false
        << QStringList{"Battery Saver Off>On", "0x135 00>03"};
    QTest::newRow("time out, side key, vox, priority")
        << QList<int>{RadioImage::OptTimeOut, 2, RadioImage::OptSideKey,         3,
                      RadioImage::OptVox,     1, RadioImage::OptPriorityChannel, 16}
        << receive << false
        << QStringList{"Time Out Time (s) 600s>30s", "Side Key None>Power select", "Priority Channel Off>16",
                       "VOX Off>On"};
    QTest::newRow("band index") << QList<int>{RadioImage::ProductBand, 1} << receive << false
                                << QStringList{"Frequency (index) 2>1"};
    QTest::newRow("outside the transfer area")
        << QList<int>{1000, 0x12, 0, 0x00} << receive << false << QStringList{"0x000 FF>00", "0x3E8 FF>12"};
    QTest::newRow("chinese") << QList<int>{RadioImage::OptVox, 1, Ch3 + 13, 0x10} << receive << true
                             << QStringList{"ch3 col8 高>低", "声控 关>开"};
}

void TestImageDiff::differences()
{
    QFETCH(QList<int>, patches);
    QFETCH(int, variant);
    QFETCH(bool, chinese);
    QFETCH(QStringList, expected);
    const RadioImage before = baseImage();
    const RadioImage after = patched(before, patches);
    const ImageDiff diff = diffImages(before, after, static_cast<RadioVariant>(variant),
                                      chinese ? Language::Chinese : Language::English);
    QCOMPARE(describe(diff), expected);
    QCOMPARE(diff.isEmpty(), expected.isEmpty());
}

// A single flipped bit shows either as a changed text and nothing else, or, when no text
// changes, as its byte alone: a text that changed never leaves its own bits listed again.
void TestImageDiff::singleBitShowsOnce()
{
    const RadioImage before = baseImage();
    for (RadioVariant variant :
         {RadioVariant::ReceiveOnly, RadioVariant::TransmitOnly, RadioVariant::Other}) {
        for (int offset = 0; offset < RadioImage::Size; ++offset) {
            for (int bit = 0; bit < 8; ++bit) {
                RadioImage after = before;
                after[static_cast<std::size_t>(offset)] ^= static_cast<std::uint8_t>(1u << bit);
                const ImageDiff diff = diffImages(before, after, variant, Language::English);
                const bool texts = !diff.cells.empty() || !diff.options.empty();
                const bool byteAlone = diff.bytes.size() == 1 && diff.bytes.front().offset == offset;
                // A text's offset is where its field starts: one of them lies at most 3
                // bytes before the bit (a channel that appears changes its other cells too).
                const auto nearBit = [offset](int start) { return start <= offset && offset - start < 4; };
                const bool placed = !texts ||
                                    std::any_of(diff.cells.begin(), diff.cells.end(),
                                                [&](const CellChange& c) { return nearBit(c.offset); }) ||
                                    std::any_of(diff.options.begin(), diff.options.end(),
                                                [&](const OptionChange& o) { return nearBit(o.offset); });
                if ((texts ? !diff.bytes.empty() : !byteAlone) || !placed)
                    QFAIL(qPrintable(QStringLiteral("bit %1 of byte %2, variant %3: %4")
                                         .arg(bit)
                                         .arg(offset)
                                         .arg(static_cast<int>(variant))
                                         .arg(describe(diff).join(QStringLiteral("; ")))));
            }
        }
    }
}

void TestImageDiff::firstDifference_data()
{
    QTest::addColumn<QList<int>>("patches");
    QTest::addColumn<bool>("chinese");
    QTest::addColumn<QString>("line");
    QTest::newRow("none") << QList<int>{} << false << QString();
    QTest::newRow("a channel before an option") << QList<int>{RadioImage::OptSquelch, 5, Ch3 + 1, 0x07}
                                                << false << "CH 3, Rx Frequency: 446.00625 -> 446.00725";
    QTest::newRow("an option before a scan bit")
        << QList<int>{RadioImage::ScanBitmap, 0xFB, RadioImage::OptSquelch, 5} << false
        << "Squelch Level: 4 -> 5";
    QTest::newRow("a byte before a channel")
        << QList<int>{Ch3 + 1, 0x07, 0x005, 0x00} << false << "Byte 0x005: FF -> 00";
    QTest::newRow("a cell and a byte at one offset")
        << QList<int>{Ch3 + 13, 0x21} << false << "CH 3, W/N: Wide -> Narrow";
    QTest::newRow("a channel emptied, in Chinese")
        << QList<int>{Ch3 + 3, 0x00} << true << "信道 3, 接收频率: 446.00625 -> (空)";
}

void TestImageDiff::firstDifference()
{
    QFETCH(QList<int>, patches);
    QFETCH(bool, chinese);
    QFETCH(QString, line);
    const RadioImage before = baseImage();
    const RadioImage after = patched(before, patches);
    const Language language = chinese ? Language::Chinese : Language::English;
    const ImageDiff diff = diffImages(before, after, RadioVariant::ReceiveOnly, language);
    QCOMPARE(firstDifferenceLine(diff, language), line);
    // It is one of the lines the whole diff shows.
    QCOMPARE(imageDiffLines(diff, language).contains(line), !line.isEmpty());
}

QTEST_GUILESS_MAIN(TestImageDiff)
#include "test_imagediff.moc"
