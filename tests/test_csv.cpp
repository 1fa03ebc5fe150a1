#include "csv/CsvExport.h"
#include "csv/CsvImport.h"
#include "csv/CsvLayout.h"
#include "csv/CsvText.h"
#include "model/ChannelCodec.h"
#include "model/ToneTables.h"
#include "support/RadioToneTables.h"

#include <QRandomGenerator>
#include <QtTest>

namespace {

using Row = QStringList; // grid columns 1..8 as the English grid shows them

const BandLimits TestBand{13600000, 17400000}; // "136 - 174MHz"
const QByteArray Header21 =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
    "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE";

Row gridRow(const RadioImage& image, int n)
{
    ChannelTexts cells;
    decodeChannels(image, RadioVariant::Other, Language::English, cells);
    Row row;
    for (int c = 1; c < GridColumn::Count; ++c)
        row << cells[n][c];
    return row;
}

CsvImportResult importText(const QByteArray& csv, RadioVariant variant = RadioVariant::Other,
                           const RadioImage& base = RadioImage::makeNew())
{
    return importChannelsCsv(csv, base, variant, TestBand);
}

// A 21-column row from the columns that matter here.
QByteArray row21(const QByteArray& location, const QByteArray& frequency, const QByteArray& duplex,
                 const QByteArray& offset, const QByteArray& tones, const QByteArray& mode = "FM",
                 const QByteArray& skip = "", const QByteArray& power = "High")
{
    // tones: Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,RxDtcsCode,CrossMode
    return location + ",name," + frequency + "," + duplex + "," + offset + "," + tones + "," + mode +
           ",5.00," + skip + "," + power + ",,,,,\r\n";
}

QByteArray dump(const CsvImportResult& result)
{
    QByteArray text;
    for (const ImportedRow& row : result.report.rows)
        text += QByteArray::number(row.line) + ": " +
                (row.refusal ? refusalText(*row.refusal, result.report.band, Language::English).toUtf8()
                             : "taken") +
                "\n";
    return text;
}

ToneField randomTone(QRandomGenerator& random)
{
    const QStringList choices = toneChoices(Language::English);
    const int pick = random.bounded(3);
    if (pick == 0)
        return {};
    if (pick == 1)
        return toneFieldFromText(choices[1 + random.bounded(50)]);
    // Any code of the 107, offered in the grid's list or not.
    const int code = dcsCodeTable()[random.bounded(DcsCodeCount)];
    return toneFieldFromText(QString::asprintf("D%03d%c", code, random.bounded(2) ? 'N' : 'I'));
}

std::uint32_t randomFrequency(QRandomGenerator& random)
{
    const int step = random.bounded(2) ? 500 : 625;
    return static_cast<std::uint32_t>((13600000 + step - 1) / step * step +
                                      step * random.bounded((17400000 - 13600000) / step));
}

void putTone(std::uint8_t* record, int offset, ToneField tone)
{
    record[offset] = tone.low;
    record[offset + 1] = tone.high;
}

// A channel as the grid of the variant stores it; Tx-only channels only on transmit-only
// radios, where the layout can express them.
void randomChannel(RadioImage& image, int n, RadioVariant variant, QRandomGenerator& random)
{
    std::uint8_t* record = image.channel(n);
    const std::uint32_t rx = randomFrequency(random);
    const int txKind = random.bounded(3); // same, other, none
    const std::uint32_t tx = txKind == 0 ? rx : (txKind == 1 ? randomFrequency(random) : 0);
    const bool hasRx = variant != RadioVariant::TransmitOnly;
    const bool hasTx = variant == RadioVariant::TransmitOnly || (variant == RadioVariant::Other && tx != 0);
    RadioImage::frequencyToBytes(hasRx ? rx : 0, record + RadioImage::RecRxFreq);
    RadioImage::frequencyToBytes(hasTx ? (tx != 0 ? tx : rx) : 0, record + RadioImage::RecTxFreq);
    putTone(record, RadioImage::RecDecodeTone, hasRx ? randomTone(random) : ToneField{});
    putTone(record, RadioImage::RecEncodeTone, hasTx ? randomTone(random) : ToneField{});
    record[RadioImage::RecBusyLock] &= static_cast<std::uint8_t>(~RadioImage::BusyLockMask);
    record[RadioImage::RecWidthPower] =
        static_cast<std::uint8_t>(0xCF | (random.bounded(2) ? RadioImage::WideBit : 0) |
                                  (random.bounded(2) ? RadioImage::HighPowerBit : 0));
    image.setScanBit(n, random.bounded(2) == 1);
}

} // namespace

class TestCsv : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void parsing_data();
    void parsing();
    void writerQuotes_data();
    void writerQuotes();
    void roundTrip_data();
    void roundTrip();
    void otherTools_data();
    void otherTools();
    void zeroBasedLocations_data();
    void zeroBasedLocations();
    void duplex_data();
    void duplex();
    void typedFrequenciesAreCut_data();
    void typedFrequenciesAreCut();
    void toneModes_data();
    void toneModes();
    void everyListedToneImports_data();
    void everyListedToneImports();
    void refusals_data();
    void refusals();
    void refusedRowsLeaveChannel();
    void keptAndDefaultBits();
    void power_data();
    void power();
    void fileProblems_data();
    void fileProblems();
    void exportedRow();
    void exportLeavesOutWhatTheListCannotHold_data();
    void exportLeavesOutWhatTheListCannotHold();
    void refusalTextTakesValuesLiterally();
};

void TestCsv::parsing_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QList<QStringList>>("records");
    QTest::addColumn<QList<int>>("lines");
    QTest::addColumn<int>("unclosedLine");
    using Records = QList<QStringList>;
    QTest::newRow("CR LF") << QByteArray("a,b\r\nc,d\r\n") << Records{{"a", "b"}, {"c", "d"}}
                           << QList<int>{1, 2} << 0;
    QTest::newRow("LF, no final break")
        << QByteArray("a,b\nc,d") << Records{{"a", "b"}, {"c", "d"}} << QList<int>{1, 2} << 0;
    QTest::newRow("lone CR") << QByteArray("a\rb") << Records{{"a"}, {"b"}} << QList<int>{1, 2} << 0;
    QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBFLocation,x\n") << Records{{"Location", "x"}}
                                     << QList<int>{1} << 0;
    QTest::newRow("empty fields") << QByteArray(",,\n") << Records{{"", "", ""}} << QList<int>{1} << 0;
    QTest::newRow("quoted comma and quote") << QByteArray("\"a,b\",\"say \"\"hi\"\"\",\"\"\n")
                                            << Records{{"a,b", "say \"hi\"", ""}} << QList<int>{1} << 0;
    QTest::newRow("line break inside quotes")
        << QByteArray("1,\"two\r\nlines\",x\r\n2,y,z\n")
        << Records{{"1", "two\r\nlines", "x"}, {"2", "y", "z"}} << QList<int>{1, 3} << 0;
    QTest::newRow("text after closing quote")
        << QByteArray("\"ab\"c,d\n") << Records{{"abc", "d"}} << QList<int>{1} << 0;
    QTest::newRow("UTF-8") << QByteArray("名称,\"频道 1\"\n") << Records{{"名称", "频道 1"}} << QList<int>{1}
                           << 0;
    QTest::newRow("unclosed quote") << QByteArray("a\nb,\"open\nstill\n")
                                    << Records{{"a"}, {"b", "open\nstill\n"}} << QList<int>{1, 2} << 2;
}

void TestCsv::parsing()
{
    QFETCH(QByteArray, text);
    QFETCH(QList<QStringList>, records);
    QFETCH(QList<int>, lines);
    QFETCH(int, unclosedLine);
    const CsvParse parsed = parseCsv(text);
    QList<QStringList> fields;
    QList<int> starts;
    for (const CsvRecord& record : parsed.records) {
        fields << record.fields;
        starts << record.line;
    }
    QCOMPARE(fields, records);
    QCOMPARE(starts, lines);
    QCOMPARE(parsed.unclosedQuoteLine, unclosedLine);
}

void TestCsv::writerQuotes_data()
{
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QByteArray>("line");
    QTest::newRow("plain") << QStringList{"1", "146.520000", ""} << QByteArray("1,146.520000,\r\n");
    QTest::newRow("comma") << QStringList{"a,b", "c"} << QByteArray("\"a,b\",c\r\n");
    QTest::newRow("quote") << QStringList{"say \"hi\""} << QByteArray("\"say \"\"hi\"\"\"\r\n");
    QTest::newRow("line break") << QStringList{"two\nlines", "x"} << QByteArray("\"two\nlines\",x\r\n");
    QTest::newRow("outer blank") << QStringList{" pad"} << QByteArray("\" pad\"\r\n");
    QTest::newRow("Chinese") << QStringList{"频道"} << QByteArray("频道\r\n");
}

void TestCsv::writerQuotes()
{
    QFETCH(QStringList, fields);
    QFETCH(QByteArray, line);
    QCOMPARE(csvRecordLine(fields), line);
    const CsvParse back = parseCsv(line);
    QCOMPARE(back.records.size(), size_t(1));
    QCOMPARE(back.records[0].fields, fields);
}

void TestCsv::roundTrip_data()
{
    QTest::addColumn<int>("variant");
    QTest::addColumn<quint32>("seed");
    for (quint32 seed : {1u, 2u, 3u, 4u, 5u, 6u}) {
        QTest::addRow("receive-only %u", seed) << int(RadioVariant::ReceiveOnly) << seed;
        QTest::addRow("transmit-only %u", seed) << int(RadioVariant::TransmitOnly) << seed;
        QTest::addRow("other %u", seed) << int(RadioVariant::Other) << seed;
    }
}

void TestCsv::roundTrip()
{
    QFETCH(int, variant);
    QFETCH(quint32, seed);
    const auto v = RadioVariant(variant);
    QRandomGenerator random(seed);
    const RadioImage empty = RadioImage::makeNew();
    RadioImage image = empty;
    int used = 0;
    for (int n = 1; n <= RadioImage::ChannelCount; ++n) {
        if (random.bounded(4) != 0) {
            randomChannel(image, n, v, random);
            ++used;
        }
    }
    const QByteArray csv = exportChannelsCsv(image, v).text;
    QCOMPARE(csv.count("\r\n"), used + 1);

    // Back into a new document: the channels come from the file alone.
    const CsvImportResult fresh = importText(csv, v, empty);
    QVERIFY2(fresh.report.refused() == 0, dump(fresh).constData());
    QCOMPARE(fresh.report.taken(), used);
    for (int n = 1; n <= RadioImage::ChannelCount; ++n)
        QCOMPARE(gridRow(fresh.image, n), gridRow(image, n));
    QVERIFY(fresh.image == image);

    // Back into the document it came from, whose channels carry other bits too.
    RadioImage busy = image;
    for (int n = 1; n <= RadioImage::ChannelCount; ++n) {
        busy.channel(n)[RadioImage::RecBusyLock] = static_cast<std::uint8_t>(random.bounded(256));
        busy.channel(n)[14] = static_cast<std::uint8_t>(random.bounded(256));
    }
    QVERIFY(importText(csv, v, busy).image == busy);
}

void TestCsv::otherTools_data()
{
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<QList<Row>>("channels"); // channels 1..3

    const Row ch1{"146.52000", "146.52000", "None", "None", "Wide", "Yes", "Off", "High"};
    const Row ch2{"145.25000", "144.65000", "None", "88.5", "Narrow", "No", "Off", "High"};
    const Row ch3{"147.00000", "147.60000", "D023I", "D023N", "Wide", "Yes", "Off", "High"};
    // Older files: no RxDtcsCode, CrossMode, Power and no D-STAR columns.
    QTest::newRow("13 columns") << QByteArray(
                                       "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,"
                                       "DtcsCode,DtcsPolarity,Mode,TStep,Skip\r\n"
                                       "1,CALL,146.520000,,0.000000,,88.5,88.5,023,NN,FM,5.00,\r\n"
                                       "2,RPT,145.250000,-,0.600000,Tone,88.5,88.5,023,NN,NFM,12.50,S\r\n"
                                       "3,DCS,147.000000,+,0.600000,DTCS,88.5,88.5,023,NR,FM,5.00,\r\n")
                                << QList<Row>{ch1, ch2, ch3};
    QTest::newRow("18 columns, LF")
        << QByteArray("Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,"
                      "DtcsCode,DtcsPolarity,Mode,TStep,Skip,Comment,URCALL,RPT1CALL,"
                      "RPT2CALL,DVCODE\n"
                      "1,CALL,146.52,,0,,88.5,88.5,023,NN,FM,5.00,,\"calling, simplex\",,,,\n"
                      "2,RPT,145.25,-,0.6,Tone,88.5,88.5,023,NN,NFM,5.00,S,,,,,\n"
                      "3,DCS,147,+,0.6,DTCS,88.5,88.5,023,NR,FM,5.00,,,,,,\n")
        << QList<Row>{ch1, ch2, ch3};
    QTest::newRow("21 columns, wattage")
        << QByteArray(Header21 + "\r\n" +
                      "1,CALL,146.520000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,5.0W,,"
                      ",,,\r\n" +
                      "2,RPT,145.250000,-,0.600000,Tone,88.5,88.5,023,NN,023,Tone->Tone,NFM,5.00,S,"
                      "1.0W,,,,,\r\n" +
                      "3,DCS,147.000000,+,0.600000,DTCS,88.5,88.5,023,NR,023,Tone->Tone,FM,5.00,,5."
                      "0W,,,,,\r\n")
        << QList<Row>{ch1, Row{"145.25000", "144.65000", "None", "88.5", "Narrow", "No", "Off", "Low"}, ch3};
    QTest::newRow("columns in another order, byte-order mark")
        << QByteArray("\xEF\xBB\xBF"
                      "Frequency,Skip,Location,Mode,Tone,DtcsCode,DtcsPolarity,Duplex,Offset\r\n"
                      "147.000000,,3,FM,DTCS,023,NR,+,0.600000\r\n"
                      "146.520000,,1,FM,,,,,\r\n")
        << QList<Row>{ch1, Row{"", "", "", "", "", "", "", ""}, ch3};
}

void TestCsv::otherTools()
{
    QFETCH(QByteArray, csv);
    QFETCH(QList<Row>, channels);
    const CsvImportResult result = importText(csv);
    QCOMPARE(result.problem, CsvFileProblem::None);
    QVERIFY2(result.report.refused() == 0, dump(result).constData());
    for (int n = 1; n <= channels.size(); ++n)
        QCOMPARE(gridRow(result.image, n), channels[n - 1]);
}

void TestCsv::zeroBasedLocations_data()
{
    QTest::addColumn<QByteArray>("locations");
    QTest::addColumn<QList<int>>("channels"); // per row, 0 = refused
    QTest::addColumn<bool>("zeroBased");
    QTest::newRow("from 1") << QByteArray("1 2 16") << QList<int>{1, 2, 16} << false;
    QTest::newRow("from 0") << QByteArray("0 1 15") << QList<int>{1, 2, 16} << true;
    QTest::newRow("0-based past the end") << QByteArray("0 16") << QList<int>{1, 0} << true;
    QTest::newRow("0 anywhere makes it 0-based") << QByteArray("5 0") << QList<int>{6, 1} << true;
    QTest::newRow("17 and text refused") << QByteArray("17 x 3.0 -1 1") << QList<int>{0, 0, 0, 0, 1} << false;
    QTest::newRow("0 to 16: the last is the 17th")
        << QByteArray("0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16")
        << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 0} << true;
}

void TestCsv::zeroBasedLocations()
{
    QFETCH(QByteArray, locations);
    QFETCH(QList<int>, channels);
    QFETCH(bool, zeroBased);
    QByteArray csv = "Location,Frequency\n";
    for (const QByteArray& location : locations.split(' '))
        csv += location + ",146.52\n";
    const CsvImportResult result = importText(csv);
    QCOMPARE(result.report.zeroBased, zeroBased);
    QList<int> got;
    for (const ImportedRow& row : result.report.rows) {
        got << row.channel;
        if (row.refusal && zeroBased)
            QVERIFY(refusalText(*row.refusal, {}, Language::English).contains(QStringLiteral("counts from 0")));
        else if (row.refusal)
            QCOMPARE(row.refusal->reason, RefusalReason::BadLocation);
    }
    QCOMPARE(got, channels);
    for (int channel : channels)
        if (channel != 0)
            QCOMPARE(gridRow(result.image, channel).at(0), QStringLiteral("146.52000"));
}

void TestCsv::duplex_data()
{
    QTest::addColumn<int>("variant");
    QTest::addColumn<QByteArray>("duplex");
    QTest::addColumn<QByteArray>("offset");
    QTest::addColumn<QString>("rx");
    QTest::addColumn<QString>("tx");
    const int other = int(RadioVariant::Other);
    QTest::newRow("none") << other << QByteArray("") << QByteArray("0.600000") << "146.52000"
                          << "146.52000";
    QTest::newRow("plus") << other << QByteArray("+") << QByteArray("0.600000") << "146.52000"
                          << "147.12000";
    QTest::newRow("minus") << other << QByteArray("-") << QByteArray("0.6") << "146.52000"
                           << "145.92000";
    QTest::newRow("plus, no offset") << other << QByteArray("+") << QByteArray("") << "146.52000"
                                     << "146.52000";
    QTest::newRow("split") << other << QByteArray("split") << QByteArray("150.006250") << "146.52000"
                           << "150.00625";
    QTest::newRow("Split") << other << QByteArray("Split") << QByteArray("150") << "146.52000"
                           << "150.00000";
    QTest::newRow("off") << other << QByteArray("off") << QByteArray("0.6") << "146.52000"
                         << "";
    QTest::newRow("receive-only drops Tx")
        << int(RadioVariant::ReceiveOnly) << QByteArray("+") << QByteArray("0.6") << "146.52000"
        << "";
    QTest::newRow("receive-only ignores a bad Duplex")
        << int(RadioVariant::ReceiveOnly) << QByteArray("sideways") << QByteArray("x") << "146.52000"
        << "";
    QTest::newRow("transmit-only keeps Tx")
        << int(RadioVariant::TransmitOnly) << QByteArray("-") << QByteArray("0.6") << ""
        << "145.92000";
    QTest::newRow("split, cut-off part over a half")
        << other << QByteArray("split") << QByteArray("150.0062599") << "146.52000"
        << "150.00625";
    QTest::newRow("transmit-only, split")
        << int(RadioVariant::TransmitOnly) << QByteArray("split") << QByteArray("151.0") << ""
        << "151.00000";
}

void TestCsv::duplex()
{
    QFETCH(int, variant);
    QFETCH(QByteArray, duplex);
    QFETCH(QByteArray, offset);
    QFETCH(QString, rx);
    QFETCH(QString, tx);
    const CsvImportResult result =
        importText("Location,Frequency,Duplex,Offset\r\n4,146.520000," + duplex + "," + offset + "\r\n",
                   RadioVariant(variant));
    QVERIFY2(result.report.refused() == 0, dump(result).constData());
    const Row row = gridRow(result.image, 4);
    QCOMPARE(row.at(0), rx);
    QCOMPARE(row.at(1), tx);
}

// Digits past 10 Hz are cut off, never rounded, whatever they are: 146.006249 is
// 146.00624 MHz (off the raster), not 146.00625.
void TestCsv::typedFrequenciesAreCut_data()
{
    QTest::addColumn<QByteArray>("frequency");
    QTest::addColumn<QString>("rx");      // as the grid shows the channel taken
    QTest::addColumn<QString>("refused"); // the value named by an off-raster refusal
    QTest::newRow("cut-off part below a half") << QByteArray("145.1250001") << "145.12500"
                                               << "";
    QTest::newRow("cut-off part over a half") << QByteArray("145.1250099") << "145.12500"
                                              << "";
    QTest::newRow("cut-off part exactly a half") << QByteArray("145.125005") << "145.12500"
                                                 << "";
    QTest::newRow("one step below a raster point") << QByteArray("146.006249") << ""
                                                   << "146.00624";
    QTest::newRow("just below a raster point") << QByteArray("146.0062499999") << ""
                                               << "146.00624";
    QTest::newRow("decimal scaling") << QByteArray("136.0125") << "136.01250"
                                     << "";
}

void TestCsv::typedFrequenciesAreCut()
{
    QFETCH(QByteArray, frequency);
    QFETCH(QString, rx);
    QFETCH(QString, refused);
    const CsvImportResult result = importText("Location,Frequency\r\n5," + frequency + "\r\n");
    QCOMPARE(result.report.rows.size(), size_t(1));
    const ImportedRow& row = result.report.rows[0];
    if (refused.isEmpty()) {
        QVERIFY2(!row.refusal, dump(result).constData());
        QCOMPARE(gridRow(result.image, 5).at(0), rx);
    } else {
        QVERIFY(row.refusal.has_value());
        QCOMPARE(int(row.refusal->reason), int(RefusalReason::RxOffRaster));
        QCOMPARE(row.refusal->value, refused);
    }
}

void TestCsv::toneModes_data()
{
    QTest::addColumn<QByteArray>(
        "tones"); // Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,RxDtcsCode,CrossMode
    QTest::addColumn<QString>("decode");
    QTest::addColumn<QString>("encode");
    QTest::addColumn<bool>("written"); // export writes exactly these columns back
    QTest::newRow("none") << QByteArray(",,,,,,") << "None"
                          << "None" << true;
    QTest::newRow("none ignores the tone columns") << QByteArray(",88.5,77.0,023,RR,031,Tone->DTCS") << "None"
                                                   << "None" << false;
    QTest::newRow("Tone") << QByteArray("Tone,88.5,,,,,") << "None"
                          << "88.5" << true;
    QTest::newRow("TSQL") << QByteArray("TSQL,,100.0,,,,") << "100.0"
                          << "100.0" << true;
    QTest::newRow("TSQL, tone in rToneFreq") << QByteArray("TSQL,254.1,,,,,") << "254.1"
                                             << "254.1" << false;
    QTest::newRow("DTCS NN") << QByteArray("DTCS,,,023,NN,,") << "D023N"
                             << "D023N" << true;
    QTest::newRow("DTCS NR") << QByteArray("DTCS,,,754,NR,,") << "D754I"
                             << "D754N" << true;
    QTest::newRow("DTCS RN") << QByteArray("DTCS,,,411,RN,,") << "D411N"
                             << "D411I" << true;
    QTest::newRow("DTCS RR, code not in the grid list") << QByteArray("DTCS,,,17,RR,,") << "D017I"
                                                        << "D017I" << false;
    QTest::newRow("DTCS, no polarity") << QByteArray("DTCS,,,023,,,") << "D023N"
                                       << "D023N" << false;
    QTest::newRow("Cross Tone->Tone") << QByteArray("Cross,88.5,100.0,,,,Tone->Tone") << "100.0"
                                      << "88.5" << true;
    QTest::newRow("Cross Tone->DTCS") << QByteArray("Cross,88.5,,,NR,031,Tone->DTCS") << "D031I"
                                      << "88.5" << true;
    QTest::newRow("Cross DTCS->Tone") << QByteArray("Cross,,67.0,025,RN,,DTCS->Tone") << "67.0"
                                      << "D025I" << true;
    QTest::newRow("Cross DTCS->DTCS") << QByteArray("Cross,,,023,RN,754,DTCS->DTCS") << "D754N"
                                      << "D023I" << true;
    QTest::newRow("Cross ->Tone") << QByteArray("Cross,,71.9,,,,->Tone") << "71.9"
                                  << "None" << true;
    QTest::newRow("Cross ->DTCS") << QByteArray("Cross,,,,NR,632,->DTCS") << "D632I"
                                  << "None" << true;
    QTest::newRow("Cross DTCS->") << QByteArray("Cross,,,703,RN,,DTCS->") << "None"
                                  << "D703I" << true;
    QTest::newRow("Cross Tone->") << QByteArray("Cross,123.0,,,,,Tone->") << "None"
                                  << "123.0" << false;
    QTest::newRow("cases and blanks") << QByteArray("cross,88.5,,,nr,031, tone -> dtcs ") << "D031I"
                                      << "88.5" << false;
}

void TestCsv::toneModes()
{
    QFETCH(QByteArray, tones);
    QFETCH(QString, decode);
    QFETCH(QString, encode);
    QFETCH(bool, written);
    const CsvImportResult result = importText(Header21 + "\r\n" + row21("7", "146.52", "", "0", tones));
    QVERIFY2(result.report.refused() == 0, dump(result).constData());
    const Row row = gridRow(result.image, 7);
    QCOMPARE(row.at(2), decode);
    QCOMPARE(row.at(3), encode);
    if (!written)
        return;
    const QByteArray exported = exportChannelsCsv(result.image, RadioVariant::Other).text;
    const QStringList fields = parseCsv(exported).records.at(1).fields;
    QCOMPARE(fields.mid(CsvColumn::Tone, 7).join(QLatin1Char(',')).toUtf8(), tones);
}

// The radio's tables as written out by hand: a wrong digit in the program's own must show.
void TestCsv::everyListedToneImports_data()
{
    using namespace RadioToneTables;
    QTest::addColumn<QByteArray>("tones");
    QTest::addColumn<QString>("shown");
    for (const char* tone : Ctcss)
        QTest::addRow("CTCSS %s", tone) << QByteArray("TSQL,,") + tone + ",,,," << QString::fromLatin1(tone);
    // The 107 codes of the radio's DCS table, offered in the grid or not.
    const auto addDcs = [](const char* code) {
        QTest::addRow("DCS %s", code)
            << QByteArray("DTCS,,,") + code + ",RR,," << QStringLiteral("D%1I").arg(QLatin1String(code));
    };
    std::for_each(std::begin(OfferedDcs), std::end(OfferedDcs), addDcs);
    std::for_each(std::begin(UnofferedDcs), std::end(UnofferedDcs), addDcs);
}

void TestCsv::everyListedToneImports()
{
    QFETCH(QByteArray, tones);
    QFETCH(QString, shown);
    const QByteArray csv = Header21 + "\r\n" + row21("2", "146.52", "", "0", tones);
    const CsvImportResult result = importText(csv);
    QVERIFY2(result.report.refused() == 0, dump(result).constData());
    QCOMPARE(gridRow(result.image, 2).mid(2, 2), (Row{shown, shown}));
    const CsvExportResult exported = exportChannelsCsv(result.image, RadioVariant::Other);
    QVERIFY(exported.warnings.empty());
    QCOMPARE(
        parseCsv(exported.text).records.at(1).fields.mid(CsvColumn::Tone, 7).join(QLatin1Char(',')).toUtf8(),
        tones);
}

void TestCsv::refusals_data()
{
    QTest::addColumn<int>("variant");
    QTest::addColumn<QByteArray>("row");
    QTest::addColumn<int>("reason");
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("english"); // part of the reason in words

    const int other = int(RadioVariant::Other);
    auto add = [](const char* name, int variant, const QByteArray& row, RefusalReason reason,
                  const char* column, const char* words) {
        QTest::newRow(name) << variant << row << int(reason) << QString::fromLatin1(column)
                            << QString::fromUtf8(words);
    };
    const QByteArray none = ",,,,,,";
    add("above the band", other, row21("1", "174.005", "", "0", none), RefusalReason::RxOutsideBand, "",
        "Receive frequency 174.005 MHz is outside the band 136 - 174 MHz");
    add("below the band", other, row21("1", "135.995", "", "0", none), RefusalReason::RxOutsideBand, "",
        "135.995");
    add("band edges are inside", other, row21("1", "136", "split", "174", none), RefusalReason(-1), "", "");
    add("Tx out of band by offset", other, row21("1", "173.5", "+", "0.6", none),
        RefusalReason::TxOutsideBand, "", "Transmit frequency 174.1 MHz");
    add("Tx out of band by split", other, row21("1", "146.52", "split", "446", none),
        RefusalReason::TxOutsideBand, "", "446");
    add("off raster", other, row21("1", "145.0123", "", "0", none), RefusalReason::RxOffRaster, "",
        "not a multiple of 5 kHz or 6.25 kHz");
    add("Tx off raster", other, row21("1", "145.0125", "+", "0.0001", none), RefusalReason::TxOffRaster, "",
        "145.0126");
    add("6.25 kHz raster is fine", other, row21("1", "145.00625", "-", "0.00625", none), RefusalReason(-1),
        "", "");
    add("Tx 0 by split", other, row21("1", "146.52", "split", "0", none), RefusalReason::TxNotAboveZero, "",
        "Duplex and Offset give the transmit frequency 0 MHz, which is not above 0");
    add("Tx 0 by minus", other, row21("1", "146.52", "-", "146.52", none), RefusalReason::TxNotAboveZero, "",
        "frequency 0 MHz");
    add("Tx below 0 by plus", other, row21("1", "146.52", "+", "-200", none), RefusalReason::TxNotAboveZero,
        "", "frequency -53.48 MHz");
    add("transmit-only, Tx 0 by split", int(RadioVariant::TransmitOnly),
        row21("1", "146.52", "split", "0", none), RefusalReason::TxNotAboveZero, "", "not above 0");
    add("Rx beyond 8 digits", other, row21("1", "1000", "", "0", none), RefusalReason::RxTooManyDigits, "",
        "Receive frequency 1000 MHz has more digits than the radio stores");
    add("Tx beyond 8 digits", other, row21("1", "146.52", "split", "1200.5", none),
        RefusalReason::TxTooManyDigits, "", "Transmit frequency 1200.5 MHz has more digits");
    add("transmit-only with Duplex off", int(RadioVariant::TransmitOnly),
        row21("1", "146.52", "off", "0", none), RefusalReason::NoTransmitFrequency, "", "only transmits");
    add("receive-only ignores Tx band", int(RadioVariant::ReceiveOnly),
        row21("1", "146.52", "+", "100", none), RefusalReason(-1), "", "");
    add("no frequency", other, row21("1", "", "", "0", none), RefusalReason::MissingValue, "Frequency",
        "Frequency is empty");
    add("frequency not a number", other, row21("1", "146.52MHz", "", "0", none), RefusalReason::NotANumber,
        "Frequency", "Frequency \"146.52MHz\" is not a number");
    add("offset not a number", other, row21("1", "146.52", "+", "\"0,6\"", none), RefusalReason::NotANumber,
        "Offset", "0,6");
    add("split without offset", other, row21("1", "146.52", "split", "", none), RefusalReason::MissingValue,
        "Offset", "Offset is empty");
    add("unknown duplex", other, row21("1", "146.52", "both", "0", none), RefusalReason::UnknownValue,
        "Duplex", "Duplex \"both\" is not supported");
    add("CTCSS not in the list", other, row21("1", "146.52", "", "0", "Tone,88.6,,,,,"),
        RefusalReason::UnlistedCtcss, "rToneFreq",
        "rToneFreq 88.6 Hz is not one of the radio's 50 CTCSS tones");
    add("CTCSS hundredths", other, row21("1", "146.52", "", "0", "TSQL,,88.55,,,,"),
        RefusalReason::UnlistedCtcss, "cToneFreq", "88.55");
    add("CTCSS text", other, row21("1", "146.52", "", "0", "Tone,88.5Hz,,,,,"), RefusalReason::NotANumber,
        "rToneFreq", "88.5Hz");
    add("CTCSS missing", other, row21("1", "146.52", "", "0", "Tone,,88.5,,,,"), RefusalReason::MissingValue,
        "rToneFreq", "rToneFreq is empty");
    add("DCS not in the table", other, row21("1", "146.52", "", "0", "DTCS,,,024,NN,,"),
        RefusalReason::UnknownDcs, "DtcsCode", "DtcsCode 024 is not a DCS code of the radio");
    add("DCS as text", other, row21("1", "146.52", "", "0", "DTCS,,,D023N,NN,,"), RefusalReason::UnknownDcs,
        "DtcsCode", "D023N");
    add("DCS receive code", other, row21("1", "146.52", "", "0", "Cross,,,023,NN,999,DTCS->DTCS"),
        RefusalReason::UnknownDcs, "RxDtcsCode", "999");
    add("bad polarity", other, row21("1", "146.52", "", "0", "DTCS,,,023,NX,,"), RefusalReason::UnknownValue,
        "DtcsPolarity", "NX");
    add("one-letter polarity", other, row21("1", "146.52", "", "0", "DTCS,,,023,N,,"),
        RefusalReason::UnknownValue, "DtcsPolarity", "");
    add("unknown tone mode", other, row21("1", "146.52", "", "0", "TSQL-R,,88.5,,,,"),
        RefusalReason::UnknownValue, "Tone", "TSQL-R");
    add("unknown cross mode", other, row21("1", "146.52", "", "0", "Cross,88.5,,,,,Tone=>Tone"),
        RefusalReason::UnknownValue, "CrossMode", "Tone=>Tone");
    add("empty cross mode", other, row21("1", "146.52", "", "0", "Cross,88.5,,,,,->"),
        RefusalReason::UnknownValue, "CrossMode", "");
    add("transmit tone of a receive-only radio is not checked", int(RadioVariant::ReceiveOnly),
        row21("1", "146.52", "", "0", "Tone,88.6,,,,,"), RefusalReason(-1), "", "");
    add("receive tone of a transmit-only radio is not checked", int(RadioVariant::TransmitOnly),
        row21("1", "146.52", "", "0", "Cross,,1.0,,,,->Tone"), RefusalReason(-1), "", "");
    add("mode AM", other, row21("1", "146.52", "", "0", none, "AM"), RefusalReason::UnknownValue, "Mode",
        "AM");
    add("skip X", other, row21("1", "146.52", "", "0", none, "FM", "X"), RefusalReason::UnknownValue, "Skip",
        "X");
    add("power Max", other, row21("1", "146.52", "", "0", none, "FM", "", "Max"), RefusalReason::UnknownValue,
        "Power", "Max");
    add("bad location", other, row21("A1", "146.52", "", "0", none), RefusalReason::BadLocation, "",
        "Location \"A1\" is not a channel number (1-16)");
}

void TestCsv::refusals()
{
    QFETCH(int, variant);
    QFETCH(QByteArray, row);
    QFETCH(int, reason);
    QFETCH(QString, column);
    QFETCH(QString, english);
    const CsvImportResult result = importText(Header21 + "\r\n" + row, RadioVariant(variant));
    QCOMPARE(result.report.rows.size(), size_t(1));
    const ImportedRow& imported = result.report.rows[0];
    QCOMPARE(imported.line, 2);
    if (reason < 0) {
        QVERIFY2(!imported.refusal, dump(result).constData());
        return;
    }
    QVERIFY(imported.refusal.has_value());
    QCOMPARE(int(imported.refusal->reason), reason);
    QCOMPARE(imported.refusal->column, column);
    QVERIFY2(refusalText(*imported.refusal, TestBand, Language::English).contains(english),
             qPrintable(refusalText(*imported.refusal, TestBand, Language::English)));
    const QString chinese = refusalText(*imported.refusal, TestBand, Language::Chinese);
    QVERIFY(std::any_of(chinese.begin(), chinese.end(), [](QChar c) { return c.unicode() >= 0x4E00; }));
    QVERIFY(result.image == RadioImage::makeNew());
}

void TestCsv::refusedRowsLeaveChannel()
{
    // Channel 2 holds data; a refused row for it changes no byte, a duplicate is refused
    // even after a good row, and the good rows around them are taken.
    RadioImage base = RadioImage::makeNew();
    const QByteArray record("\x00\x50\x12\x15\x00\x50\x12\x15\x9E\x02\x13\x28\x08\x30\x12\x34", 16);
    std::memcpy(base.channel(2), record.constData(), 16);
    const QByteArray csv =
        Header21 + "\r\n" + row21("1", "146.52", "", "0", ",,,,,,") +
        row21("2", "146.52", "", "0", "Tone,88.5,,,,,", "FM", "", "High").replace("88.5", "88.6") +
        row21("3", "147.0", "", "0", ",,,,,,") + row21("1", "148.0", "", "0", ",,,,,,");
    const CsvImportResult result = importText(csv, RadioVariant::Other, base);
    QCOMPARE(dump(result), QByteArray("2: taken\n"
                                      "3: rToneFreq 88.6 Hz is not one of the radio's 50 CTCSS tones\n"
                                      "4: taken\n"
                                      "5: Location 1 was already given on line 2\n"));
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(result.image.channel(2)), 16).toHex(' '),
             record.toHex(' '));
    QCOMPARE(gridRow(result.image, 1).at(0), QStringLiteral("146.52000"));
    QCOMPARE(gridRow(result.image, 3).at(0), QStringLiteral("147.00000"));
    QCOMPARE(result.report.taken(), 2);
    QCOMPARE(result.report.refused(), 2);
}

void TestCsv::keptAndDefaultBits()
{
    // Channel 1 in use: Narrow, Low, scanned, busy lock Carrier, odd other bits. Channel 2
    // empty with busy lock QT/DQT left over. The file names neither Mode, Skip nor Power.
    RadioImage base = RadioImage::makeNew();
    std::uint8_t* one = base.channel(1);
    RadioImage::frequencyToBytes(14000000, one);
    one[RadioImage::RecBusyLock] = 0x0D;   // busy 01, other bits 101
    one[RadioImage::RecWidthPower] = 0xC5; // Narrow, Low, other bits kept
    one[15] = 0x42;
    base.setScanBit(1, true);
    base.channel(2)[RadioImage::RecBusyLock] = 0x17; // busy 10, other bits 111
    const CsvImportResult result =
        importText("Location,Frequency\r\n1,146.52\r\n2,147.0\r\n", RadioVariant::Other, base);
    QCOMPARE(result.report.taken(), 2);
    const std::uint8_t* kept = result.image.channel(1);
    QCOMPARE(int(kept[RadioImage::RecBusyLock]), 0x0D);
    QCOMPARE(int(kept[RadioImage::RecWidthPower]), 0xC5);
    QCOMPARE(int(kept[15]), 0x42);
    QVERIFY(result.image.scanBit(1));
    // New rows take the grid's defaults: Wide, High, not scanned, busy lock Off.
    QCOMPARE(gridRow(result.image, 2),
             (Row{"147.00000", "147.00000", "None", "None", "Wide", "No", "Off", "High"}));
    QCOMPARE(int(result.image.channel(2)[RadioImage::RecBusyLock]), 0x07);
}

void TestCsv::power_data()
{
    QTest::addColumn<QByteArray>("powers"); // one per row, '|' between
    QTest::addColumn<QString>("expected");  // grid Power of channels 1..n
    QTest::newRow("words") << QByteArray("High|low|LOW") << "High Low Low";
    QTest::newRow("two wattages") << QByteArray("5.0W|1.0W|5.0W") << "High Low High";
    QTest::newRow("numbers and blanks") << QByteArray("0.5|4| 4 W") << "Low High High";
    QTest::newRow("one wattage is High") << QByteArray("2W|2W") << "High High";
    QTest::newRow("three wattages") << QByteArray("1W|2.5W|5W") << "Low Low High";
    QTest::newRow("empty is the default") << QByteArray("|Low") << "High Low";
}

void TestCsv::power()
{
    QFETCH(QByteArray, powers);
    QFETCH(QString, expected);
    QByteArray csv = "Location,Frequency,Power\n";
    int n = 0;
    for (const QByteArray& power : powers.split('|'))
        csv += QByteArray::number(++n) + ",146.52,\"" + power + "\"\n";
    const CsvImportResult result = importText(csv);
    QVERIFY2(result.report.refused() == 0, dump(result).constData());
    QStringList got;
    for (int c = 1; c <= n; ++c)
        got << gridRow(result.image, c).at(7);
    QCOMPARE(got.join(QLatin1Char(' ')), expected);
}

void TestCsv::fileProblems_data()
{
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<int>("problem");
    QTest::addColumn<int>("line");
    QTest::newRow("empty file") << QByteArray() << int(CsvFileProblem::NoHeader) << 0;
    QTest::newRow("blank lines only") << QByteArray("\r\n,,\r\n") << int(CsvFileProblem::NoHeader) << 0;
    QTest::newRow("no Frequency column")
        << QByteArray("Location,Name\n1,x\n") << int(CsvFileProblem::NoHeader) << 0;
    QTest::newRow("data without header") << QByteArray("1,,146.52\n") << int(CsvFileProblem::NoHeader) << 0;
    QTest::newRow("unclosed quote") << QByteArray("Location,Frequency\n1,146.52\n2,\"146.52\n")
                                    << int(CsvFileProblem::UnclosedQuote) << 3;
    QTest::newRow("too large") << QByteArray("Location,Frequency\n") + QByteArray(MaxCsvFileSize, '\n')
                               << int(CsvFileProblem::TooLarge) << 0;
    QTest::newRow("header only") << QByteArray("Location,Frequency\n") << int(CsvFileProblem::None) << 0;
    QTest::newRow("binary") << QByteArray("\x00\xFF\xFE,\"\x01", 6) << int(CsvFileProblem::UnclosedQuote)
                            << 1;
}

void TestCsv::fileProblems()
{
    QFETCH(QByteArray, csv);
    QFETCH(int, problem);
    QFETCH(int, line);
    const CsvImportResult result = importText(csv);
    QCOMPARE(int(result.problem), problem);
    QCOMPARE(result.problemLine, line);
    QVERIFY(result.image == RadioImage::makeNew());
    QVERIFY(result.report.rows.empty());
    QCOMPARE(csvFileProblemText(result, Language::English).isEmpty(), problem == int(CsvFileProblem::None));
    QCOMPARE(csvFileProblemText(result, Language::Chinese).isEmpty(), problem == int(CsvFileProblem::None));
}

void TestCsv::exportedRow()
{
    RadioImage image = RadioImage::makeNew();
    std::uint8_t* record = image.channel(9);
    RadioImage::frequencyToBytes(44600625, record);
    RadioImage::frequencyToBytes(44100625, record + 4);
    putTone(record, RadioImage::RecDecodeTone, toneFieldFromText(QStringLiteral("D023I")));
    putTone(record, RadioImage::RecEncodeTone, toneFieldFromText(QStringLiteral("67.0")));
    record[RadioImage::RecWidthPower] = 0xDF; // Wide, Low
    image.setScanBit(9, false);
    QCOMPARE(exportChannelsCsv(image, RadioVariant::Other).text,
             Header21 + "\r\n9,,446.006250,-,5.000000,Cross,67.0,,,NR,023,Tone->DTCS,FM,6.25,S,Low,,,,,\r\n");
    // A receive-only radio neither has nor writes the transmit side.
    QCOMPARE(exportChannelsCsv(image, RadioVariant::ReceiveOnly).text,
             Header21 + "\r\n9,,446.006250,off,0.000000,Cross,,,,NR,023,->DTCS,FM,6.25,S,Low,,,,,\r\n");
    // A transmit-only radio gives its Tx frequency as Frequency.
    QCOMPARE(exportChannelsCsv(image, RadioVariant::TransmitOnly).text,
             Header21 + "\r\n9,,441.006250,,0.000000,Tone,67.0,,,,,,FM,6.25,S,Low,,,,,\r\n");
    QCOMPARE(exportChannelsCsv(RadioImage::makeNew(), RadioVariant::Other).text, Header21 + "\r\n");
}

void TestCsv::exportLeavesOutWhatTheListCannotHold_data()
{
    using Kind = CsvExportWarning::Kind;
    QTest::addColumn<int>("variant");
    QTest::addColumn<quint32>("rx");
    QTest::addColumn<quint32>("tx");
    QTest::addColumn<QByteArray>("decode"); // the tone field's two bytes
    QTest::addColumn<QByteArray>("encode");
    QTest::addColumn<QByteArray>("row"); // the exported row, empty when left out
    QTest::addColumn<QStringList>("warnings");
    const int other = int(RadioVariant::Other);
    const QByteArray none("\xFF\xFF", 2);
    const QByteArray ctcss885("\x75\x03", 2);   // 88.5 Hz
    const QByteArray ctcss1001("\xE9\x03", 2);  // 100.1 Hz: none of the 50
    const QByteArray dcsUnknown("\x14\x28", 2); // value 20, no code of the table
    const QByteArray dcs017("\x0F\x28", 2);     // in the table, not in the grid's list
    auto warning = [](Kind kind, const char* value) {
        return exportWarningText({kind, 6, QString::fromLatin1(value)}, Language::English);
    };
    QTest::newRow("transmits only") << other << 0u << 14652000u << none << ctcss885 << QByteArray()
                                    << QStringList{warning(Kind::TransmitOnlyChannel, "146.52")};
    QTest::newRow("transmits only, on a transmit-only radio")
        << int(RadioVariant::TransmitOnly) << 0u << 14652000u << none << ctcss885
        << QByteArray("6,,146.520000,,0.000000,Tone,88.5,,,,,,") << QStringList{};
    QTest::newRow("CTCSS off the list") << other << 14652000u << 14652000u << ctcss1001 << ctcss885
                                        << QByteArray("6,,146.520000,,0.000000,Tone,88.5,,,,,,")
                                        << QStringList{warning(Kind::DecodeTone, "100.1")};
    QTest::newRow("DCS value off the table") << other << 14652000u << 14652000u << ctcss885 << dcsUnknown
                                             << QByteArray("6,,146.520000,,0.000000,Cross,,88.5,,,,->Tone")
                                             << QStringList{warning(Kind::EncodeTone, "D000N")};
    QTest::newRow("both tones") << int(RadioVariant::ReceiveOnly) << 14652000u << 0u << dcsUnknown
                                << ctcss1001 << QByteArray("6,,146.520000,off,0.000000,,,,,,,")
                                << QStringList{warning(Kind::DecodeTone, "D000N")};
    QTest::newRow("a table code not in the grid's list")
        << other << 14652000u << 14652000u << dcs017 << dcs017
        << QByteArray("6,,146.520000,,0.000000,DTCS,,,017,NN,,") << QStringList{};
}

// What the export writes, its own import takes back: what it cannot is left out and named.
void TestCsv::exportLeavesOutWhatTheListCannotHold()
{
    QFETCH(int, variant);
    QFETCH(quint32, rx);
    QFETCH(quint32, tx);
    QFETCH(QByteArray, decode);
    QFETCH(QByteArray, encode);
    QFETCH(QByteArray, row);
    QFETCH(QStringList, warnings);
    RadioImage image = RadioImage::makeNew();
    std::uint8_t* record = image.channel(6);
    RadioImage::frequencyToBytes(rx, record + RadioImage::RecRxFreq);
    RadioImage::frequencyToBytes(tx, record + RadioImage::RecTxFreq);
    putTone(record, RadioImage::RecDecodeTone, {std::uint8_t(decode[0]), std::uint8_t(decode[1])});
    putTone(record, RadioImage::RecEncodeTone, {std::uint8_t(encode[0]), std::uint8_t(encode[1])});
    const CsvExportResult exported = exportChannelsCsv(image, RadioVariant(variant));
    QStringList texts;
    for (const CsvExportWarning& w : exported.warnings) {
        texts << exportWarningText(w, Language::English);
        const QString chinese = exportWarningText(w, Language::Chinese);
        QVERIFY(chinese.contains(QString::number(w.channel)) && chinese.contains(w.value) &&
                chinese.contains(QString::fromUtf8("未导出")));
    }
    QCOMPARE(texts, warnings);
    const QList<QByteArray> lines = exported.text.split('\n');
    QCOMPARE(lines.size(), row.isEmpty() ? 2 : 3);
    if (!row.isEmpty())
        QVERIFY2(lines[1].startsWith(row), lines[1].constData());
    const CsvImportResult again = importText(exported.text, RadioVariant(variant));
    QVERIFY2(again.report.refused() == 0, dump(again).constData());
}

void TestCsv::refusalTextTakesValuesLiterally()
{
    const Refusal refusal{RefusalReason::NotANumber, QStringLiteral("Frequency"), QStringLiteral("%3 and %1"),
                          0};
    QCOMPARE(refusalText(refusal, TestBand, Language::English),
             QStringLiteral("Frequency \"%3 and %1\" is not a number"));
    const Refusal huge{RefusalReason::BadLocation, {}, QString(1000000, '7') + '\0', 0};
    const QString shown = QString(28, '7') + "..." + QString(26, '7') + "\\0";
    QCOMPARE(refusalText(huge, TestBand, Language::English),
             "Location \"" + shown + "\" is not a channel number (1-16)");
}

QTEST_GUILESS_MAIN(TestCsv)
#include "test_csv.moc"
