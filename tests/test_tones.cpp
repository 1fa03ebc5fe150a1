#include "model/ToneTables.h"
#include "support/RadioToneTables.h"

#include <QtTest>

#include <algorithm>

class TestTones : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void decode_data();
    void decode();
    void encode_data();
    void encode();
    void dcsTableBothWays();
    void dcsTableIsTheRadios();
    void choiceList();
    void choiceListIsTheRadios();
};

using namespace RadioToneTables;

void TestTones::decode_data()
{
    QTest::addColumn<int>("low");
    QTest::addColumn<int>("high");
    QTest::addColumn<QString>("text"); // empty = none
    QTest::newRow("67.0") << 0x9E << 0x02 << "67.0";
    QTest::newRow("254.1") << 0xED << 0x09 << "254.1";
    QTest::newRow("100.0") << 0xE8 << 0x03 << "100.0";
    QTest::newRow("D023N") << 0x13 << 0x28 << "D023N";
    QTest::newRow("D023I") << 0x13 << 0xA8 << "D023I";
    QTest::newRow("D411N") << 0x09 << 0x29 << "D411N";
    QTest::newRow("D754I") << 0xEC << 0xA9 << "D754I";
    QTest::newRow("D454N not offered") << 0x2C << 0x29 << "D454N";
    QTest::newRow("value 0") << 0x00 << 0x28 << "D000N";
    QTest::newRow("octal 024 unknown") << 0x14 << 0x28 << "D000N";
    QTest::newRow("FF FF") << 0xFF << 0xFF << "";
    QTest::newRow("00 00") << 0x00 << 0x00 << "";
    QTest::newRow("37 00") << 0x37 << 0x00 << "";
    QTest::newRow("37 FF") << 0x37 << 0xFF << "";
}

void TestTones::decode()
{
    QFETCH(int, low);
    QFETCH(int, high);
    QFETCH(QString, text);
    const ToneField field{std::uint8_t(low), std::uint8_t(high)};
    if (text.isEmpty()) {
        QVERIFY(isNoTone(field.high));
    } else {
        QVERIFY(!isNoTone(field.high));
        QCOMPARE(toneTextFromField(field), text);
    }
}

void TestTones::encode_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("low");
    QTest::addColumn<int>("high");
    QTest::newRow("D023N") << "D023N" << 0x13 << 0x28;
    QTest::newRow("D754I") << "D754I" << 0xEC << 0xA9;
    QTest::newRow("D411N") << "D411N" << 0x09 << 0x29;
    QTest::newRow("no N is inverted") << "D023" << 0x13 << 0xA8;
    QTest::newRow("D372N unknown") << "D372N" << 0x00 << 0x29;
    QTest::newRow("D017N not offered") << "D017N" << 0x0F << 0x28;
    QTest::newRow("67.0") << "67.0" << 0x9E << 0x02;
    QTest::newRow("100.0") << "100.0" << 0xE8 << 0x03;
    QTest::newRow("254.1") << "254.1" << 0xED << 0x09;
    QTest::newRow("None") << "None" << 0xFF << 0xFF;
    QTest::newRow("Chinese none") << QString::fromUtf8("无") << 0xFF << 0xFF;
    QTest::newRow("empty") << "" << 0xFF << 0xFF;
    QTest::newRow("0.05") << "0.05" << 0xFF << 0xFF;
    QTest::newRow("negative is none") << "-67.0" << 0xFF << 0xFF;
    QTest::newRow("too large is none") << "7000" << 0xFF << 0xFF;
    QTest::newRow("lower-case d is CTCSS") << "d023n" << 0xFF << 0xFF;
}

void TestTones::encode()
{
    QFETCH(QString, text);
    QFETCH(int, low);
    QFETCH(int, high);
    const ToneField field = toneFieldFromText(text);
    QCOMPARE(int(field.low), low);
    QCOMPARE(int(field.high), high);
}

void TestTones::dcsTableBothWays()
{
    const int* table = dcsCodeTable();
    for (int i = 0; i < DcsCodeCount; ++i) {
        const int code = table[i];
        const std::uint8_t low = dcsBitsFromCode(code);
        const std::uint8_t high = code >= 372 ? 0x29 : 0x28;
        QCOMPARE(dcsCodeFromBits(low, high), code);
        if (i > 0)
            QVERIFY(table[i - 1] < code);
    }
    QCOMPARE(dcsCodeFromBits(19, 0), 23);
    QCOMPARE(dcsCodeFromBits(9, 1), 411);
    QCOMPARE(int(dcsBitsFromCode(23)), 0x13);
    QCOMPARE(int(dcsBitsFromCode(754)), 0xEC);
    QCOMPARE(int(dcsBitsFromCode(24)), 0);
    QCOMPARE(table[65], 371);
    QCOMPARE(table[66], 411);
}

void TestTones::dcsTableIsTheRadios()
{
    QStringList expected;
    for (const char* code : OfferedDcs)
        expected << QString::fromLatin1(code);
    for (const char* code : UnofferedDcs)
        expected << QString::fromLatin1(code);
    std::sort(expected.begin(), expected.end());
    QCOMPARE(expected.size(), DcsCodeCount);
    QStringList table;
    for (int i = 0; i < DcsCodeCount; ++i)
        table << QString::asprintf("%03d", dcsCodeTable()[i]);
    QCOMPARE(table, expected);
    // Each code's 9-bit value is its digits read in base 8.
    for (const QString& code : expected) {
        const int value = code.toInt(nullptr, 8);
        const auto high = static_cast<std::uint8_t>(0x28 | (value >> 8));
        QCOMPARE(int(dcsBitsFromCode(code.toInt())), value & 0xFF);
        QCOMPARE(dcsCodeFromBits(static_cast<std::uint8_t>(value & 0xFF), high), code.toInt());
        QCOMPARE(toneTextFromField({static_cast<std::uint8_t>(value & 0xFF), high}),
                 QLatin1Char('D') + code + 'N');
    }
}

void TestTones::choiceListIsTheRadios()
{
    QStringList expected{QStringLiteral("None")};
    for (const char* tone : Ctcss)
        expected << QString::fromLatin1(tone);
    for (const char* polarity : {"N", "I"})
        for (const char* code : OfferedDcs)
            expected << QStringLiteral("D%1%2").arg(QLatin1String(code), QLatin1String(polarity));
    QCOMPARE(toneChoices(Language::English), expected);
    // Every listed CTCSS tone counts as one of the 50, and its tenths are its text.
    for (const char* tone : Ctcss) {
        const int tenths = QString::fromLatin1(tone).remove(QLatin1Char('.')).toInt();
        QVERIFY2(isListedCtcssTone(tenths), tone);
        QCOMPARE(toneTextFromField(toneFieldFromText(QString::fromLatin1(tone))), QString::fromLatin1(tone));
    }
    QVERIFY(!isListedCtcssTone(1001));
    QVERIFY(!isListedCtcssTone(1588));
}

void TestTones::choiceList()
{
    const QStringList english = toneChoices(Language::English);
    QCOMPARE(english.size(), 219);
    QCOMPARE(english[0], QStringLiteral("None"));
    QCOMPARE(english[1], QStringLiteral("67.0"));
    QCOMPARE(english[50], QStringLiteral("254.1"));
    QCOMPARE(english[51], QStringLiteral("D023N"));
    QCOMPARE(english[134], QStringLiteral("D754N"));
    QCOMPARE(english[135], QStringLiteral("D023I"));
    QCOMPARE(english[218], QStringLiteral("D754I"));
    QCOMPARE(toneChoices(Language::Chinese)[0], QString::fromUtf8("无"));
    // Every offered text survives an encode and decode unchanged.
    for (int i = 1; i < english.size(); ++i)
        QCOMPARE(toneTextFromField(toneFieldFromText(english[i])), english[i]);
}

QTEST_APPLESS_MAIN(TestTones)
#include "test_tones.moc"
