#include "channels/ChannelOperations.h"
#include "channels/ChannelTableModel.h"
#include "config/CommandIds.h"
#include "support/SampleImage.h"

#include <QtTest>
#include <functional>

namespace {

using Offsets = QList<int>; // bytes of channel record 5 that changed

// Channel 5 in use with a busy lock of 11 (which the grid shows as QT/DQT and would store
// as 10); channel 6 with a transmit frequency only, channel 7 with a receive frequency only.
RadioImage usedAndEmpty()
{
    return SampleImage()
        .record(5, {0x00, 0x25, 0x51, 0x14, 0x00, 0x00, 0x60, 0x14, 0x9E, 0x02, 0x13, 0x28, 0x18, 0x30, 0xAB, 0xCD})
        .record(6, {0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x60, 0x14, 0xFF, 0xFF, 0x13, 0x28, 0xFF, 0xFF, 0xFF, 0xFF})
        .record(7, {0x00, 0x25, 0x51, 0x14, 0xFF, 0xFF, 0xFF, 0xFF, 0x9E, 0x02, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
}

// Six channels in use, each with hidden bytes of its own (Tx falling as Rx does not, byte 14
// its number) and channels 1, 3 and 6 scanned; channel 3 is the priority channel. When
// full, channel 16 is in use too.
RadioImage sixChannels(bool full)
{
    SampleImage sample;
    const std::uint32_t rx[] = {15050000, 14512500, 14700000, 14001250, 14652000, 13825000};
    for (int n = 1; n <= 6; ++n)
        sample.channel(n, rx[n - 1], 14600000 - 100000 * n)
            .byte(RadioImage::channelOffset(n) + 14, std::uint8_t(n));
    sample.byte(RadioImage::ScanBitmap, 0x25).byte(RadioImage::OptPriorityChannel, 3);
    if (full)
        sample.channel(16, 15500000);
    return sample;
}

// "1 4-16 0 0": the channel each position holds, 0 for an empty one.
QList<int> positions(const QString& text)
{
    QList<int> channels;
    for (const QString& part : text.split(QLatin1Char(' '))) {
        const QStringList range = part.split(QLatin1Char('-'));
        for (int n = range[0].toInt(); n <= range.value(1, range[0]).toInt(); ++n)
            channels << n;
    }
    return channels;
}

Offsets changedOffsets(const RadioImage& before, const RadioImage& after, int channel)
{
    Offsets changed;
    for (int i = 0; i < RadioImage::RowSize; ++i)
        if (before.channel(channel)[i] != after.channel(channel)[i])
            changed << i;
    return changed;
}

} // namespace

class TestChannelModel : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void commitWritesOnlyItsFields_data();
    void commitWritesOnlyItsFields();
    void readingNeverWrites();
    void setDataFollowsTheFlags();
    void operationsMoveWholeChannels_data();
    void operationsMoveWholeChannels();
    void operationsEnterValuesAsTyped_data();
    void operationsEnterValuesAsTyped();
};

using Operation = std::function<bool(ChannelTableModel&)>;
using CellOperation = std::function<std::vector<CellRefusal>(ChannelTableModel&)>;
Q_DECLARE_METATYPE(Operation)
Q_DECLARE_METATYPE(CellOperation)

void TestChannelModel::commitWritesOnlyItsFields_data()
{
    QTest::addColumn<int>("variant");
    QTest::addColumn<int>("channel");
    QTest::addColumn<int>("col");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("enter");
    QTest::addColumn<int>("messageId");
    QTest::addColumn<Offsets>("changed");
    QTest::addColumn<bool>("scanChanged");
    const int rx = int(RadioVariant::ReceiveOnly);
    const int tx = int(RadioVariant::TransmitOnly);
    QTest::newRow("W/N keeps busy lock 11") << rx << 5 << 5 << "Narrow" << true << 0 << Offsets{13} << false;
    QTest::newRow("Rx replaced") << rx << 5 << 1 << "145.5" << true << 0 << Offsets{1, 2} << false;
    QTest::newRow("first Rx keeps the hidden Tx and Enc")
        << rx << 6 << 1 << "145.5" << true << 0 << Offsets{0, 1, 2, 3, 12} << true;
    QTest::newRow("deleting keeps the hidden Tx and Enc")
        << rx << 5 << 1 << "" << false << 0 << Offsets{0, 1, 2, 3, 8, 9, 12} << true;
    QTest::newRow("refused Rx clears the shown fields")
        << rx << 5 << 1 << "abc" << false << int(MessageId::OutOfRange) << Offsets{0, 1, 2, 3, 8, 9, 12}
        << true;
    QTest::newRow("Tx replaced") << tx << 5 << 2 << "146.5" << true << 0 << Offsets{6} << false;
    QTest::newRow("first Tx keeps the hidden Rx, Dec and Scan")
        << tx << 7 << 2 << "146.5" << true << 0 << Offsets{4, 5, 6, 7, 12} << false;
    QTest::newRow("Scan of a used channel") << rx << 5 << 6 << "No" << true << 0 << Offsets{} << true;
}

void TestChannelModel::commitWritesOnlyItsFields()
{
    QFETCH(int, variant);
    QFETCH(int, channel);
    QFETCH(int, col);
    QFETCH(QString, text);
    QFETCH(bool, enter);
    QFETCH(int, messageId);
    QFETCH(Offsets, changed);
    QFETCH(bool, scanChanged);
    RadioImage image = usedAndEmpty();
    const RadioImage before = image;
    ChannelTableModel model(image);
    model.setVariant(RadioVariant(variant));
    model.setBand({13600000, 17400000});
    const auto result = model.commit(channel, col, text, enter ? CommitKind::Enter : CommitKind::Leave);
    QCOMPARE(result.messageId, messageId);
    QCOMPARE(result.accepted, messageId == 0);
    QCOMPARE(changedOffsets(before, image, channel), changed);
    QCOMPARE(image.scanBit(channel) != before.scanBit(channel), scanChanged);
    QCOMPARE(result.changed, !changed.isEmpty() || scanChanged);
    for (int n = 1; n <= RadioImage::ChannelCount; ++n)
        if (n != channel)
            QCOMPARE(changedOffsets(before, image, n), Offsets{});
}

// Any image shows as the decoder shows it, and showing it in every variant and language
// writes nothing: an untouched image is saved and written byte for byte.
void TestChannelModel::readingNeverWrites()
{
    QRandomGenerator random(970);
    for (int trial = 0; trial < 50; ++trial) {
        RadioImage image;
        for (int i = 0; i < RadioImage::Size; ++i)
            image[i] = static_cast<std::uint8_t>(random.bounded(256));
        const RadioImage before = image;
        ChannelTableModel model(image);
        for (const RadioVariant variant : {RadioVariant::Other, RadioVariant::TransmitOnly, RadioVariant::ReceiveOnly}) {
            model.setVariant(variant);
            model.setLanguage(trial % 2 == 1 ? Language::Chinese : Language::English);
            ChannelTexts decoded;
            decodeChannels(image, variant, model.language(), decoded);
            for (int n = 1; n <= RadioImage::ChannelCount; ++n)
                for (int c = 1; c < GridColumn::Count; ++c)
                    QCOMPARE(model.data(model.cellIndex(n, c)).toString(), decoded[n][c]);
        }
        QVERIFY(image == before);
    }
}

void TestChannelModel::setDataFollowsTheFlags()
{
    RadioImage image = usedAndEmpty();
    ChannelTableModel model(image);
    QVERIFY(!model.setData(model.cellIndex(5, GridColumn::BusyLock), QStringLiteral("Off")));
    QVERIFY(!model.setData(model.cellIndex(5, GridColumn::TxFrequency), QStringLiteral("150")));
    QVERIFY(!model.writeCells(5, {{GridColumn::TxFrequency, QStringLiteral("148.5")}})); // hidden: kept
    QVERIFY(model.setData(model.cellIndex(5, GridColumn::Bandwidth), QStringLiteral("Narrow"),
                          ChannelTableModel::LeaveCommitRole));
    QCOMPARE(model.text(5, GridColumn::Bandwidth), QStringLiteral("Narrow"));
    model.setVariant(RadioVariant::Other);
    QVERIFY(!model.setData(model.cellIndex(5, GridColumn::Bandwidth), QStringLiteral("Wide")));
    QCOMPARE(model.shownColumns(), (QList<int>{1, 2, 3, 4, 5, 6}));
}

void TestChannelModel::operationsMoveWholeChannels_data()
{
    using namespace ChannelOperations;
    QTest::addColumn<int>("variant");
    QTest::addColumn<bool>("full");
    QTest::addColumn<Operation>("operation");
    QTest::addColumn<bool>("done");
    QTest::addColumn<QString>("order");
    QTest::addColumn<int>("priority");
    const int rx = int(RadioVariant::ReceiveOnly);
    QTest::newRow("up") << rx << false << Operation([](auto& m) {
        return moveTo(m, {3, 4}, 2);
    }) << true << "1 3 4 2 5-16"
                        << 2;
    QTest::newRow("down") << rx << false << Operation([](auto& m) {
        return moveTo(m, {1, 1}, 3);
    }) << true << "2 1 3-16"
                          << 3;
    QTest::newRow("dragged further down") << rx << false << Operation([](auto& m) {
        return moveTo(m, {2, 3}, 6);
    }) << true << "1 4 5 2 3 6-16" << 5;
    QTest::newRow("dropped on itself") << rx << false << Operation([](auto& m) {
        return moveTo(m, {2, 3}, 4);
    }) << false << "1-16" << 3;
    QTest::newRow("insert") << rx << false << Operation([](auto& m) { return insertEmpty(m, 2); }) << true
                            << "1 0 2-15" << 4;
    QTest::newRow("insert refused, 16 in use")
        << rx << true << Operation([](auto& m) { return insertEmpty(m, 2); }) << false << "1-16" << 3;
    QTest::newRow("delete the priority channel") << rx << false << Operation([](auto& m) {
        return remove(m, {2, 3}), true;
    }) << true << "1 4-16 0 0" << 0;
    QTest::newRow("sort all, empty ones last") << rx << true << Operation([](auto& m) {
        return sortByFrequency(m, {5, 5}), true;
    }) << true << "6 4 2 5 3 1 16 7-15" << 5;
    QTest::newRow("sort the selected") << rx << false << Operation([](auto& m) {
        return sortByFrequency(m, {1, 3}), true;
    }) << true << "2 3 1 4-16" << 2;
    QTest::newRow("transmit-only sorts by Tx")
        << int(RadioVariant::TransmitOnly) << false << Operation([](auto& m) {
               return sortByFrequency(m, {1, 1}), true;
           })
        << true << "6 5 4 3 2 1 7-16" << 4;
}

// A channel moves as its whole record with its scan bit, the priority channel with it;
// where none is left, a new document's channel. Nothing else changes.
void TestChannelModel::operationsMoveWholeChannels()
{
    QFETCH(int, variant);
    QFETCH(bool, full);
    QFETCH(Operation, operation);
    QFETCH(bool, done);
    QFETCH(QString, order);
    QFETCH(int, priority);
    RadioImage image = sixChannels(full);
    const RadioImage before = image;
    ChannelTableModel model(image);
    model.setVariant(RadioVariant(variant));
    QCOMPARE(operation(model), done);
    RadioImage expected = before;
    const RadioImage blank = RadioImage::makeNew();
    const QList<int> from = positions(order);
    for (int n = 1; n <= RadioImage::ChannelCount; ++n) {
        const int source = from[n - 1];
        const RadioImage& record = source == 0 ? blank : before;
        std::copy_n(record.channel(source == 0 ? n : source), RadioImage::RowSize, expected.channel(n));
        expected.setScanBit(n, record.scanBit(source == 0 ? n : source));
    }
    expected[RadioImage::OptPriorityChannel] = std::uint8_t(priority);
    QVERIFY(image == expected);
    QCOMPARE(model.text(1, GridColumn::TxFrequency),
             decodeChannelCell(image, 1, GridColumn::TxFrequency, model.variant(), Language::English));
}

void TestChannelModel::operationsEnterValuesAsTyped_data()
{
    using namespace ChannelOperations;
    QTest::addColumn<CellOperation>("operation");
    QTest::addColumn<int>("col");
    QTest::addColumn<QString>("texts");       // channels 1..8 of the column afterwards
    QTest::addColumn<QStringList>("refused"); // channel:column and the reason's start
    QTest::newRow("fill Rx into used and empty") << CellOperation([](auto& m) {
        return fillDown(m, {5, 8}, {1});
    }) << 1 << "150.50000|145.12500|147.00000|140.01250|146.52000|146.52000|146.52000|146.52000"
                                                 << QStringList();
    QTest::newRow("fill outside the band") << CellOperation([](auto& m) {
        return fillDown(m, {1, 2}, {1});
    }) << 1 << "150.50000|145.12500|147.00000|140.01250|146.52000|138.25000||"
                                           << QStringList{"2:1 Out of range"};
    QTest::newRow("fill into a channel not in use") << CellOperation([](auto& m) {
        return fillDown(m, {5, 7}, {6});
    }) << 6 << "Yes|No|Yes|No|No|No||" << QStringList{"7:6 the channel "};
    QTest::newRow("fill from the cell above") << CellOperation([](auto& m) {
        return fillDown(m, {4, 4}, {6});
    }) << 6 << "Yes|No|Yes|Yes|No|Yes||" << QStringList();
    QTest::newRow("fill a channel, then its attributes") << CellOperation([](auto& m) {
        return fillDown(m, {6, 7}, {1, 6});
    }) << 6 << "Yes|No|Yes|No|No|Yes|Yes|" << QStringList();
    QTest::newRow("set for used and empty") << CellOperation([](auto& m) {
        return setColumn(m, {5, 8}, 5, QStringLiteral("Narrow"));
    }) << 5 << "Wide|Wide|Wide|Wide|Narrow|Narrow||"
                                            << QStringList{"7:5 the channel ", "8:5 the channel "};
    QTest::newRow("set a tone") << CellOperation([](auto& m) {
        return setColumn(m, {1, 2}, 3, QStringLiteral("D023N"));
    }) << 3 << "D023N|D023N|None|None|None|None||"
                                << QStringList();
    QTest::newRow("set what the column does not offer") << CellOperation([](auto& m) {
        return setColumn(m, {1, 1}, 5, QStringLiteral("Medium"));
    }) << 5 << "Wide|Wide|Wide|Wide|Wide|Wide||" << QStringList{"1:5 not one of t"};
}

// Fill Down and Set go through the commit rules of a typed value; each refused cell is
// named with its reason and keeps its value.
void TestChannelModel::operationsEnterValuesAsTyped()
{
    QFETCH(CellOperation, operation);
    QFETCH(int, col);
    QFETCH(QString, texts);
    QFETCH(QStringList, refused);
    RadioImage image = sixChannels(false);
    ChannelTableModel model(image);
    model.setBand({13600000, 14900000});
    QStringList named;
    for (const CellRefusal& cell : operation(model))
        named << QStringLiteral("%1:%2 %3").arg(cell.channel).arg(cell.col).arg(cell.reason.left(12));
    QCOMPARE(named, refused);
    QStringList shown;
    for (int n = 1; n <= 8; ++n)
        shown << model.text(n, col);
    QCOMPARE(shown.join(QLatin1Char('|')), texts);
}

QTEST_APPLESS_MAIN(TestChannelModel)
#include "test_channelmodel.moc"
