#include "config/ProductSettings.h"
#include "config/SettingsKey.h"
#include "model/ProductBand.h"

#include <QTemporaryDir>
#include <QtTest>

class TestProductBand : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void bandText_data();
    void bandText();
    void limits_data();
    void limits();
    void caption();
    void settingsExchange();

private:
    QTemporaryDir settingsDir_;
};

void TestProductBand::initTestCase()
{
    QVERIFY(settingsDir_.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir_.path());
}

void TestProductBand::bandText_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("band");
    const QString uhf = QStringLiteral("400-420|420-450|450-470");
    QTest::newRow("first") << uhf << 0 << "400-420";
    QTest::newRow("middle") << uhf << 1 << "420-450";
    QTest::newRow("last") << uhf << 2 << "450-470";
    QTest::newRow("past the end: the last band") << uhf << 7 << "450-470";
    QTest::newRow("a new image's 2 on a two-band type") << "130 - 160MHz|136 - 174MHz" << 2 << "136 - 174MHz";
    QTest::newRow("stored 0xFF") << uhf << 0xFF << "450-470";
    QTest::newRow("single") << "136 - 174MHz" << 3 << "136 - 174MHz";
    QTest::newRow("empty last piece") << "136-150|" << 1 << "";
    QTest::newRow("untrimmed") << "a| b " << 1 << " b ";
    QTest::newRow("empty value") << "" << 0 << "";
}

void TestProductBand::bandText()
{
    QFETCH(QString, field);
    QFETCH(int, index);
    QFETCH(QString, band);
    QCOMPARE(bandTextAt(field, index), band);
}

void TestProductBand::limits_data()
{
    QTest::addColumn<QString>("band");
    QTest::addColumn<int>("low");
    QTest::addColumn<int>("high");
    QTest::newRow("spaced") << "130 - 160MHz" << 13000000 << 16000000;
    QTest::newRow("tight") << "420-450" << 42000000 << 45000000;
    QTest::newRow("no dash") << "446MHz" << 44600000 << 44600000;
    QTest::newRow("empty") << "" << 0 << 0;
    QTest::newRow("overflow clamps") << "99999999999-100" << 2147400000 << 10000000;
    QTest::newRow("negative clamps") << "-99999999999" << -2147400000 << 2147400000;
}

void TestProductBand::limits()
{
    QFETCH(QString, band);
    QFETCH(int, low);
    QFETCH(int, high);
    const BandLimits limits = bandLimitsFromText(band);
    QCOMPARE(limits.low, low);
    QCOMPARE(limits.high, high);
}

void TestProductBand::caption()
{
    QCOMPARE(captionString(QStringLiteral("XR-970"), QStringLiteral("VHF"), QStringLiteral("136-174"),
                           Language::English),
             QStringLiteral("XR-970  [ Type:VHF  Fre:136-174 ]"));
    QCOMPARE(captionString(QStringLiteral("XR-970"), QStringLiteral("VHF"), QStringLiteral("136-174"),
                           Language::Chinese),
             QString::fromUtf8("XR-970  [ 类型:VHF  频率:136-174 ]"));
}

void TestProductBand::settingsExchange()
{
    const QString appName = QStringLiteral("ProductBandTest");
    RadioImage image = RadioImage::makeNew();
    {
        auto key = openSettingsKey(appName);
        exchangeProductWithSettings(image, true, *key); // nothing stored yet
    }
    QCOMPARE(int(image[RadioImage::ProductType]), 0);
    QCOMPARE(int(image[RadioImage::ProductBand]), 0);

    image[RadioImage::ProductType] = 1;
    image[RadioImage::ProductBand] = 2;
    {
        auto key = openSettingsKey(appName);
        exchangeProductWithSettings(image, false, *key);
    }
    RadioImage fresh = RadioImage::makeNew();
    {
        auto key = openSettingsKey(appName);
        QCOMPARE(key->value(QStringLiteral("Type")).toUInt(), 1u);
        key->setValue(QStringLiteral("Field"), 0x1203); // only the low byte counts
        exchangeProductWithSettings(fresh, true, *key);
    }
    QCOMPARE(int(fresh[RadioImage::ProductType]), 1);
    QCOMPARE(int(fresh[RadioImage::ProductBand]), 3);
}

QTEST_GUILESS_MAIN(TestProductBand)
#include "test_productband.moc"
