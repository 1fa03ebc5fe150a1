#include "channels/ChannelTableModel.h"
#include "config/CommandIds.h"
#include "support/SampleImage.h"

#include <QtTest>

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
};

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

QTEST_APPLESS_MAIN(TestChannelModel)
#include "test_channelmodel.moc"
