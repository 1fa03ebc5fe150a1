#include "config/SettingsKey.h"
#include "dialogs/ControlIds.h"
#include "dialogs/ProductInfoDialog.h"
#include "session/AppContext.h"
#include "support/DialogTestSupport.h"
#include "uikit/UiHooks.h"

#include <QComboBox>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

namespace {

const QString AppName = QStringLiteral("ProductInfoTest");

QStringList items(const QComboBox* list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->itemText(i);
    return texts;
}

QComboBox* typeList(const QWidget* dialog)
{
    return findControl<QComboBox>(dialog, ControlId::TypeList);
}

QComboBox* bandList(const QWidget* dialog)
{
    return findControl<QComboBox>(dialog, ControlId::FrequencyList);
}

} // namespace

class TestProductInfo : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void typesStopAtFirstEmpty_data();
    void typesStopAtFirstEmpty();
    void bandsSplitAtBars_data();
    void bandsSplitAtBars();
    void opensOnStoredPositions_data();
    void opensOnStoredPositions();
    void typeChangeResetsBand();
    void bandTheTypeDoesNotHave();
    void bandChoiceGivesLimits_data();
    void bandChoiceGivesLimits();
    void caption_data();
    void caption();
    void cancelChangesNothing();

private:
    // Program.ini with the common sections and the given [Setup] entries.
    void loadIni(const QString& setupLines);
    void storePositions(int type, int band);

    QTemporaryDir dir_;
    UiHooks hooks_;
    std::unique_ptr<AppContext> context_;
};

void TestProductInfo::initTestCase()
{
    QVERIFY(dir_.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir_.path());
}

void TestProductInfo::init()
{
    context_ = std::make_unique<AppContext>();
    context_->setUiHooks(hooks_);
    context_->setLanguageName(QStringLiteral("English"));
    openSettingsKey(AppName)->clear();
    loadIni(QStringLiteral("Type1=VHF\nField1=136 - 174MHz|400 - "
                           "470MHz\nType2=UHF\nField2=400-420|420-450|450-470\n"));
}

void TestProductInfo::loadIni(const QString& setupLines)
{
    const QString path = dir_.filePath(QStringLiteral("Program.ini"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    const QString text = QStringLiteral("[Setup]\nAppName=") + AppName + QLatin1Char('\n') + setupLines +
                         QStringLiteral("[English]\nAppName=XR-970 Programmer\n"
                                        "[Chinese]\nAppName=XR-970 写频软件\n");
    file.write(text.toUtf8());
    file.close();
    QVERIFY(context_->config().load(path));
}

void TestProductInfo::storePositions(int type, int band)
{
    const auto key = openSettingsKey(AppName);
    writeSettingsDword(*key, QStringLiteral("Type"), static_cast<std::uint32_t>(type));
    writeSettingsDword(*key, QStringLiteral("Field"), static_cast<std::uint32_t>(band));
}

void TestProductInfo::typesStopAtFirstEmpty_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QStringList>("types");
    QTest::newRow("stops at a gap") << "Type1=A\nType2=B\nType4=D\n" << QStringList{"A", "B"};
    QTest::newRow("stops at an empty value") << "Type1=A\nType2=\nType3=C\n" << QStringList{"A"};
    QTest::newRow("no Type1") << "Type2=B\n" << QStringList{};
    QStringList nineteen;
    QString lines;
    for (int n = 1; n <= 20; ++n) {
        lines += QStringLiteral("Type%1=T%1\n").arg(n);
        if (n <= 19)
            nineteen << QStringLiteral("T%1").arg(n);
    }
    QTest::newRow("at most 19") << lines << nineteen;
}

void TestProductInfo::typesStopAtFirstEmpty()
{
    QFETCH(QString, setup);
    QFETCH(QStringList, types);
    loadIni(setup);
    RadioImage image = RadioImage::makeNew();
    ProductInfoDialog dialog(image, *context_);
    QCOMPARE(items(typeList(&dialog)), types);
}

void TestProductInfo::bandsSplitAtBars_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QStringList>("bands");
    QTest::newRow("two bands") << "Field1=136 - 174MHz|400 - 470MHz\n"
                               << QStringList{"136 - 174MHz", "400 - 470MHz"};
    QTest::newRow("untrimmed, empty last") << "Field1=a | b|\n" << QStringList{"a ", " b", ""};
    QTest::newRow("one band") << "Field1=446MHz\n" << QStringList{"446MHz"};
    QTest::newRow("missing") << "" << QStringList{""};
}

void TestProductInfo::bandsSplitAtBars()
{
    QFETCH(QString, field);
    QFETCH(QStringList, bands);
    loadIni(QStringLiteral("Type1=A\n") + field);
    RadioImage image = RadioImage::makeNew();
    ProductInfoDialog dialog(image, *context_);
    QCOMPARE(items(bandList(&dialog)), bands);
}

void TestProductInfo::opensOnStoredPositions_data()
{
    QTest::addColumn<int>("storedType"); // -1: nothing stored
    QTest::addColumn<int>("storedBand");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("band");
    QTest::newRow("nothing stored") << -1 << -1 << 0 << 0;
    QTest::newRow("second type, third band") << 1 << 2 << 1 << 2;
    QTest::newRow("band past the list: the last band") << 0 << 5 << 0 << 1;
}

void TestProductInfo::opensOnStoredPositions()
{
    QFETCH(int, storedType);
    QFETCH(int, storedBand);
    QFETCH(int, type);
    QFETCH(int, band);
    if (storedType >= 0)
        storePositions(storedType, storedBand);
    RadioImage image = RadioImage::makeNew();
    ProductInfoDialog dialog(image, *context_);
    QCOMPARE(typeList(&dialog)->currentIndex(), type);
    QCOMPARE(bandList(&dialog)->currentIndex(), band);
}

void TestProductInfo::typeChangeResetsBand()
{
    storePositions(0, 1);
    RadioImage image = RadioImage::makeNew();
    ProductInfoDialog dialog(image, *context_);
    QCOMPARE(bandList(&dialog)->currentIndex(), 1);
    typeList(&dialog)->setCurrentIndex(1);
    QCOMPARE(items(bandList(&dialog)), (QStringList{"400-420", "420-450", "450-470"}));
    QCOMPARE(bandList(&dialog)->currentIndex(), 0);
    bandList(&dialog)->setCurrentIndex(2);
    typeList(&dialog)->setCurrentIndex(0);
    QCOMPARE(bandList(&dialog)->currentIndex(), 0);
}

// A new image holds band 2, which the two-band VHF type does not have: the dialog offers
// the last band, as the caption shows it, and only OK stores its position.
void TestProductInfo::bandTheTypeDoesNotHave()
{
    storePositions(0, 2);
    const RadioImage fresh = RadioImage::makeNew();
    RadioImage image = fresh;
    {
        ProductInfoDialog dialog(image, *context_);
        QCOMPARE(bandList(&dialog)->currentIndex(), 1);
        QCOMPARE(bandList(&dialog)->currentText(), QStringLiteral("400 - 470MHz"));
        dialog.reject();
        QVERIFY(image == fresh);
    }
    ProductInfoDialog dialog(image, *context_);
    dialog.accept();
    QCOMPARE(int(image[RadioImage::ProductBand]), 1);
    QVERIFY(dialog.imageChanged());
    QCOMPARE(dialog.caption(), QStringLiteral("XR-970 Programmer  [ Type:VHF  Fre:400 - 470MHz ]"));
    QCOMPARE(dialog.bandLimits().low, 40000000);
    QCOMPARE(dialog.bandLimits().high, 47000000);
    QCOMPARE(openSettingsKey(AppName)->value(QStringLiteral("Field")).toInt(), 1);
}

void TestProductInfo::bandChoiceGivesLimits_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("band");
    QTest::addColumn<int>("low");
    QTest::addColumn<int>("high");
    QTest::newRow("VHF second band") << 0 << 1 << 40000000 << 47000000;
    QTest::newRow("VHF first band") << 0 << 0 << 13600000 << 17400000;
    QTest::newRow("UHF middle band") << 1 << 1 << 42000000 << 45000000;
}

void TestProductInfo::bandChoiceGivesLimits()
{
    QFETCH(int, type);
    QFETCH(int, band);
    QFETCH(int, low);
    QFETCH(int, high);
    RadioImage image = RadioImage::makeNew(); // holds 0 and 2
    ProductInfoDialog dialog(image, *context_);
    typeList(&dialog)->setCurrentIndex(type);
    bandList(&dialog)->setCurrentIndex(band);
    dialog.accept();

    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.bandLimits().low, low);
    QCOMPARE(dialog.bandLimits().high, high);
    QCOMPARE(int(image[RadioImage::ProductType]), type);
    QCOMPARE(int(image[RadioImage::ProductBand]), band);
    QVERIFY(dialog.imageChanged());
    const auto key = openSettingsKey(AppName);
    QCOMPARE(key->value(QStringLiteral("Type")).toInt(), type);
    QCOMPARE(key->value(QStringLiteral("Field")).toInt(), band);
}

void TestProductInfo::caption_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("caption");
    QTest::newRow("English") << "English"
                             << "XR-970 Programmer  [ Type:T1  Fre:130 - 160MHz ]";
    QTest::newRow("Chinese") << "Chinese"
                             << "XR-970 写频软件  [ 类型:T1  频率:130 - 160MHz ]";
}

void TestProductInfo::caption()
{
    QFETCH(QString, language);
    QFETCH(QString, caption);
    loadIni(QStringLiteral("Type1=T1\nField1=130 - 160MHz\n"));
    context_->setLanguageName(language);
    RadioImage image = RadioImage::makeNew();
    image[RadioImage::ProductBand] = 0;
    ProductInfoDialog dialog(image, *context_);
    dialog.accept();
    QCOMPARE(dialog.caption(), caption);
    QCOMPARE(dialog.bandLimits().low, 13000000);
    QCOMPARE(dialog.bandLimits().high, 16000000);
    QVERIFY(!dialog.imageChanged()); // the choice was already in the image
}

void TestProductInfo::cancelChangesNothing()
{
    const RadioImage fresh = RadioImage::makeNew();
    RadioImage image = fresh;
    ProductInfoDialog dialog(image, *context_);
    typeList(&dialog)->setCurrentIndex(1);
    dialog.reject();
    QVERIFY(image == fresh);
    QVERIFY(dialog.caption().isEmpty());
    QVERIFY(!openSettingsKey(AppName)->contains(QStringLiteral("Type")));
}

QTEST_MAIN(TestProductInfo)
#include "test_productinfo.moc"
