#include "model/RadioImage.h"

#include <QtTest>

class TestRadioImage : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void newImageDefaults();
    void frequencyRoundTrip_data();
    void frequencyRoundTrip();
    void frequencyDecodeHasNoDigitCheck();
    void scanBits();
    void transmitDelay();
};

void TestRadioImage::newImageDefaults()
{
    const RadioImage image = RadioImage::makeNew();
    for (int n = 1; n <= 16; ++n)
        for (int i = 0; i < 16; ++i)
            QCOMPARE(image.channel(n)[i], 0xFF);
    QCOMPARE(image[382], 0xFF);
    QCOMPARE(image[383], 0xFF);
    const QList<QPair<int, int>> defaults = {{285, 0}, {303, 0}, {304, 40}, {308, 4}, {309, 0},
                                             {310, 0}, {313, 0}, {314, 5},  {315, 0}, {316, 0},
                                             {317, 0}, {353, 0}, {814, 0},  {815, 2}, {1009, 3}};
    for (const auto& [offset, value] : defaults)
        QCOMPARE(int(image[offset]), value);
    QCOMPARE(image[0], 0xFF);
    QCOMPARE(image[1008], 0xFF);
    QCOMPARE(image[1010], 0xFF);
}

void TestRadioImage::frequencyRoundTrip_data()
{
    QTest::addColumn<quint32>("count");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<quint32>("readBack");
    QTest::newRow("446.00625") << 44600625u << QByteArray("\x25\x06\x60\x44", 4) << 44600625u;
    QTest::newRow("1 MHz has a zero top byte") << 100000u << QByteArray("\x00\x00\x10\x00", 4) << 0u;
    QTest::newRow("absent") << 0u << QByteArray("\xFF\xFF\xFF\xFF", 4) << 0u;
    QTest::newRow("136.0125") << 13601250u << QByteArray("\x50\x12\x60\x13", 4) << 13601250u;
    QTest::newRow("999.99999") << 99999999u << QByteArray("\x99\x99\x99\x99", 4) << 99999999u;
}

void TestRadioImage::frequencyRoundTrip()
{
    QFETCH(quint32, count);
    QFETCH(QByteArray, bytes);
    QFETCH(quint32, readBack);
    std::uint8_t field[4] = {};
    RadioImage::frequencyToBytes(count, field);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(field), 4), bytes);
    QCOMPARE(RadioImage::frequencyFromBytes(field), readBack);
}

void TestRadioImage::frequencyDecodeHasNoDigitCheck()
{
    const std::uint8_t field[4] = {0x0A, 0x00, 0x00, 0x01}; // low nibble 10
    QCOMPARE(RadioImage::frequencyFromBytes(field), 1000010u);
    const std::uint8_t zeroTop[4] = {0x00, 0x00, 0x00, 0x00};
    QVERIFY(RadioImage::isFrequencyAbsent(zeroTop));
}

void TestRadioImage::scanBits()
{
    RadioImage image;
    image[382] = 0;
    image[383] = 0;
    image.setScanBit(9, true);
    QCOMPARE(image[383], 0x01);
    QVERIFY(image.scanBit(9));
    QVERIFY(!image.scanBit(8));
    image.setScanBit(8, true);
    QCOMPARE(image[382], 0x80);
    image.setScanBit(16, true);
    QCOMPARE(image[383], 0x81);
    image.setScanBit(9, false);
    QCOMPARE(image[383], 0x80);
}

void TestRadioImage::transmitDelay()
{
    RadioImage image;
    image[316] = 0x08;
    image[317] = 0x07;
    QCOMPARE(image.transmitDelay(), 1800);
    image.setTransmitDelay(1801);
    QCOMPARE(image[316], 0x09);
    QCOMPARE(image[317], 0x07);
}

QTEST_APPLESS_MAIN(TestRadioImage)
#include "test_radioimage.moc"
