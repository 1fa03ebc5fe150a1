#include "model/ChannelCodec.h"
#include "model/ToneTables.h"

#include <QRandomGenerator>
#include <QtTest>

namespace {

using Row = QStringList; // columns 1..8

Row rowOf(const ChannelTexts& cells, int n)
{
    Row row;
    for (int c = 1; c < GridColumn::Count; ++c)
        row << cells[n][c];
    return row;
}

void setRow(ChannelTexts& cells, int n, const Row& row)
{
    for (int c = 1; c < GridColumn::Count; ++c)
        cells[n][c] = row[c - 1];
}

void putRecord(RadioImage& image, int n, const QByteArray& record)
{
    std::memcpy(image.channel(n), record.constData(), 16);
}

QByteArray recordOf(const RadioImage& image, int n)
{
    return QByteArray(reinterpret_cast<const char*>(image.channel(n)), 16);
}

// Bits of a channel record the codec owns: frequencies, tones, busy lock, width, power.
bool isOwnedBit(int recordOffset, int bit)
{
    if (recordOffset < 12)
        return true;
    if (recordOffset == 12)
        return bit == 3 || bit == 4;
    if (recordOffset == 13)
        return bit == 4 || bit == 5;
    return false;
}

} // namespace

class TestCodec : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void decodeRows_data();
    void decodeRows();
    void encodeRows_data();
    void encodeRows();
    void allFFDecodesEmpty();
    void hiddenColumnsStoredAbsent();
    void roundTripKeepsUnownedBytes();
    void roundTripValidChannels();
    void frequencyTexts_data();
    void frequencyTexts();
};

void TestCodec::decodeRows_data()
{
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<bool>("scan");
    QTest::addColumn<int>("variant");
    QTest::addColumn<bool>("chinese");
    QTest::addColumn<Row>("expected");
    const QByteArray sample("\x25\x06\x60\x44\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\x08\x30\xFF\xFF", 16);
    QTest::newRow("sample, Other") << sample << true << int(RadioVariant::Other) << false
                                   << Row{"446.00625", "", "None", "None", "Wide", "Yes", "Carrier", "High"};
    QTest::newRow("sample, Chinese") << sample << true << int(RadioVariant::Other) << true
                                     << Row{"446.00625", "", "无", "无", "宽", "是", "载波", "高"};
    QTest::newRow("sample, ReceiveOnly") << sample << false << int(RadioVariant::ReceiveOnly) << false
                                         << Row{"446.00625", "", "None", "", "Wide", "No", "Carrier", "High"};
    QTest::newRow("sample is empty for TransmitOnly")
        << sample << true << int(RadioVariant::TransmitOnly) << false << Row{"", "", "", "", "", "", "", ""};
    const QByteArray txOnly("\xFF\xFF\xFF\xFF\x00\x00\x00\x05\x13\x28\x9E\x02\x10\x00\xFF\xFF", 16);
    QTest::newRow("tx only, TransmitOnly")
        << txOnly << false << int(RadioVariant::TransmitOnly) << false
        << Row{"", "50.00000", "", "67.0", "Narrow", "No", "QT/DQT", "Low"};
    QTest::newRow("tones shown on empty channel") << txOnly << false << int(RadioVariant::ReceiveOnly)
                                                  << false << Row{"", "", "D023N", "", "", "", "", ""};
    const QByteArray zeros(16, '\0');
    QTest::newRow("zeros are empty for Other")
        << zeros << true << int(RadioVariant::Other) << false << Row{"", "", "", "", "", "", "", ""};
    const QByteArray busy11("\x00\x25\x45\x14\xFF\xFF\xFF\xFF\x00\x00\x00\x00\x18\x00\x00\x00", 16);
    QTest::newRow("busy lock 11") << busy11 << false << int(RadioVariant::Other) << false
                                  << Row{"144.52500", "", "None", "None", "Narrow", "No", "QT/DQT", "Low"};
}

void TestCodec::decodeRows()
{
    QFETCH(QByteArray, record);
    QFETCH(bool, scan);
    QFETCH(int, variant);
    QFETCH(bool, chinese);
    QFETCH(Row, expected);
    RadioImage image = RadioImage::makeNew();
    putRecord(image, 5, record);
    image.setScanBit(5, scan);
    ChannelTexts cells;
    decodeChannels(image, RadioVariant(variant), chinese ? Language::Chinese : Language::English, cells);
    QCOMPARE(rowOf(cells, 5), expected);
    QCOMPARE(rowOf(cells, 4), (Row{"", "", "", "", "", "", "", ""}));
}

void TestCodec::encodeRows_data()
{
    QTest::addColumn<Row>("row");
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<bool>("scan");
    const QByteArray ones(16, '\xFF');
    QTest::newRow("sample row") << Row{"446.00625", "", "None", "None", "Narrow", "No", "Off", "Low"} << ones
                                << QByteArray(
                                       "\x25\x06\x60\x44\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xE7\xCF\xFF\xFF", 16)
                                << false;
    QTest::newRow("empty row") << Row{"", "", "", "", "", "", "", ""} << QByteArray(16, '\0')
                               << QByteArray(
                                      "\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\x10\x30\x00\x00", 16)
                               << false;
    QTest::newRow("Chinese texts")
        << Row{"130.2", "136.0125", "D023N", "67.0", "窄", "是", "载波", "高"} << QByteArray(16, '\0')
        << QByteArray("\x00\x00\x02\x13\x50\x12\x60\x13\x13\x28\x9E\x02\x08\x20\x00\x00", 16) << true;
    QTest::newRow("case matters")
        << Row{"150", "150", "none", "None", "wide", "yes", "off", "low"} << QByteArray(16, '\0')
        << QByteArray("\x00\x00\x00\x15\x00\x00\x00\x15\xFF\xFF\xFF\xFF\x10\x30\x00\x00", 16) << false;
    QTest::newRow("nonsense frequency")
        << Row{"abc", "-145", "", "", "Wide", "No", "QT/DQT", "High"} << ones
        << QByteArray("\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xF7\xFF\xFF\xFF", 16) << false;
}

void TestCodec::encodeRows()
{
    QFETCH(Row, row);
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    QFETCH(bool, scan);
    RadioImage image = RadioImage::makeNew();
    putRecord(image, 3, before);
    image.setScanBit(3, !scan);
    ChannelTexts cells;
    decodeChannels(image, RadioVariant::Other, Language::English, cells);
    setRow(cells, 3, row);
    encodeChannels(cells, RadioVariant::Other, image);
    QCOMPARE(recordOf(image, 3).toHex(' '), after.toHex(' '));
    QCOMPARE(image.scanBit(3), scan);
    // An empty row stores absent fields, busy lock 10, Wide and High.
    QCOMPARE(recordOf(image, 2), QByteArray(12, '\xFF') + QByteArray("\xF7\xFF\xFF\xFF", 4));
}

void TestCodec::allFFDecodesEmpty()
{
    RadioImage image;
    ChannelTexts cells;
    decodeChannels(image, RadioVariant::ReceiveOnly, Language::English, cells);
    for (int n = 1; n <= 16; ++n)
        QCOMPARE(rowOf(cells, n), (Row{"", "", "", "", "", "", "", ""}));
}

void TestCodec::hiddenColumnsStoredAbsent()
{
    RadioImage image = RadioImage::makeNew();
    ChannelTexts cells;
    setRow(cells, 1, Row{"146.5", "147.5", "67.0", "D023N", "Wide", "Yes", "Off", "High"});
    encodeChannels(cells, RadioVariant::ReceiveOnly, image);
    QCOMPARE(cells[1][GridColumn::TxFrequency], QString());
    QCOMPARE(cells[1][GridColumn::EncodeTone], QString());
    QVERIFY(RadioImage::isFrequencyAbsent(image.channel(1) + 4));
    QCOMPARE(int(image.channel(1)[11]), 0xFF);
    QCOMPARE(RadioImage::frequencyFromBytes(image.channel(1)), 14650000u);

    setRow(cells, 1, Row{"146.5", "147.5", "67.0", "D023N", "Wide", "Yes", "Off", "High"});
    encodeChannels(cells, RadioVariant::TransmitOnly, image);
    QVERIFY(RadioImage::isFrequencyAbsent(image.channel(1)));
    QCOMPARE(int(image.channel(1)[9]), 0xFF);
    QCOMPARE(RadioImage::frequencyFromBytes(image.channel(1) + 4), 14750000u);
}

void TestCodec::roundTripKeepsUnownedBytes()
{
    QRandomGenerator random(970);
    for (int trial = 0; trial < 200; ++trial) {
        RadioImage image;
        for (int i = 0; i < RadioImage::Size; ++i)
            image[i] = static_cast<std::uint8_t>(random.bounded(256));
        const RadioImage before = image;
        ChannelTexts cells;
        decodeChannels(image, RadioVariant::Other, trial % 2 == 1 ? Language::Chinese : Language::English,
                       cells);
        encodeChannels(cells, RadioVariant::Other, image);
        for (int offset = 0; offset < RadioImage::Size; ++offset) {
            const bool inRecords = offset >= 16 && offset < 272;
            const bool inScan = offset == 382 || offset == 383;
            if (inScan)
                continue;
            for (int bit = 0; bit < 8; ++bit) {
                if (inRecords && isOwnedBit(offset % 16, bit))
                    continue;
                if (((image[offset] ^ before[offset]) >> bit) & 1)
                    QFAIL(qPrintable(QStringLiteral("byte %1 bit %2 changed").arg(offset).arg(bit)));
            }
        }
    }
}

void TestCodec::roundTripValidChannels()
{
    QRandomGenerator random(446);
    const QStringList tones = toneChoices(Language::English);
    const int* dcs = dcsCodeTable();
    for (int trial = 0; trial < 100; ++trial) {
        RadioImage image = RadioImage::makeNew();
        for (int n = 1; n <= 16; ++n) {
            std::uint8_t* record = image.channel(n);
            RadioImage::frequencyToBytes(random.bounded(1000000u, 99999999u), record);
            if (random.bounded(3) == 0)
                RadioImage::frequencyToBytes(0, record + 4);
            else
                RadioImage::frequencyToBytes(random.bounded(1000000u, 99999999u), record + 4);
            for (int offset : {8, 10}) {
                const int pick = random.bounded(3);
                ToneField field; // none
                if (pick == 1)
                    field = toneFieldFromText(tones[1 + random.bounded(50)]);
                else if (pick == 2) {
                    const int code = dcs[random.bounded(DcsCodeCount)];
                    field =
                        toneFieldFromText(QString::asprintf(random.bounded(2) ? "D%03dN" : "D%03dI", code));
                }
                record[offset] = field.low;
                record[offset + 1] = field.high;
            }
            record[12] = static_cast<std::uint8_t>((random.bounded(256) & ~0x18) | (random.bounded(3) << 3));
            record[13] = static_cast<std::uint8_t>(random.bounded(256));
            image.setScanBit(n, random.bounded(2) == 1);
        }
        const RadioImage before = image;
        ChannelTexts cells;
        decodeChannels(image, RadioVariant::Other, trial % 2 == 0 ? Language::Chinese : Language::English,
                       cells);
        encodeChannels(cells, RadioVariant::Other, image);
        QVERIFY2(image == before, qPrintable(QStringLiteral("trial %1").arg(trial)));
    }
}

void TestCodec::frequencyTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<quint32>("count");
    QTest::newRow("130.2") << "130.2" << 13020000u;
    QTest::newRow("136.0125") << "136.0125" << 13601250u;
    QTest::newRow("truncated") << "145.1250001" << 14512500u;
    QTest::newRow("empty") << "" << 0u;
    QTest::newRow("text") << "abc" << 0u;
    QTest::newRow("negative") << "-145" << 0u;
    QTest::newRow("only 8 digits fit") << "1500" << 50000000u;
}

void TestCodec::frequencyTexts()
{
    QFETCH(QString, text);
    QFETCH(quint32, count);
    QCOMPARE(frequencyCountFromText(text), count);
}

QTEST_APPLESS_MAIN(TestCodec)
#include "test_codec.moc"
