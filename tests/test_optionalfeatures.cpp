#include "dialogs/ControlIds.h"
#include "dialogs/OptionalFeaturesDialog.h"
#include "support/DialogTestSupport.h"
#include "uikit/EditNormalizer.h"
#include "uikit/HelpRequest.h"
#include "uikit/UiHooks.h"
#include "uikit/UpDownControl.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QTranslator>
#include <QtTest>
#include <memory>

namespace {

// The option bytes a dialog shows and stores, in one comparable list.
QList<int> optionBytes(const RadioImage& image)
{
    QList<int> bytes;
    for (int offset :
         {RadioImage::OptSideKey, RadioImage::OptVoice, RadioImage::OptTimeOut, RadioImage::OptSquelch,
          RadioImage::OptBatterySaver, RadioImage::OptBeep, RadioImage::OptVox, RadioImage::OptVoxGain,
          RadioImage::OptVoxDelay, RadioImage::OptTransmitDelay, RadioImage::OptTransmitDelay + 1,
          RadioImage::OptPriorityChannel})
        bytes << image[offset];
    return bytes;
}

QComboBox* list(const QWidget* dialog, int id)
{
    return findControl<QComboBox>(dialog, id);
}

QLineEdit* delayEdit(const QWidget* dialog)
{
    return findControl<QLineEdit>(dialog, ControlId::TransmitDelayEdit);
}

UpDownControl* delaySpin(const QWidget* dialog)
{
    return findControl<UpDownControl>(dialog, ControlId::TransmitDelaySpin);
}

} // namespace

class TestOptionalFeatures : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void newImageOpensAndStoresUnchanged_data();
    void newImageOpensAndStoresUnchanged();
    void allFFBlockOpensAndStores();
    void changedOptionIsStored();
    void cancelStoresNothing();
    void transmitDelayShown_data();
    void transmitDelayShown();
    void focusLossNormalizes_data();
    void focusLossNormalizes();
    void normalizerDefaults_data();
    void normalizerDefaults();
    void stepping_data();
    void stepping();
    void arrowButtonAndKeysStep();
    void enterStoresTypedText_data();
    void enterStoresTypedText();
    void variantVisibility_data();
    void variantVisibility();
    void f1AsksForFocusedControl();
    void marksWhatDiffersFromTheRadio();

private:
    void useLanguage(bool chinese);
    // Shows the dialog and waits until it is the active window.
    static bool activate(QDialog& dialog);

    std::unique_ptr<QTranslator> chinese_;
    Language language_ = Language::English;
    UiHooks hooks_;
};

void TestOptionalFeatures::initTestCase()
{
    chinese_ = std::make_unique<QTranslator>();
    QVERIFY(chinese_->load(QCoreApplication::applicationDirPath() + QStringLiteral("/Chinese.qm")));
}

void TestOptionalFeatures::init()
{
    useLanguage(false);
}

void TestOptionalFeatures::useLanguage(bool chinese)
{
    language_ = chinese ? Language::Chinese : Language::English;
    if (chinese)
        QCoreApplication::installTranslator(chinese_.get());
    else
        QCoreApplication::removeTranslator(chinese_.get());
}

bool TestOptionalFeatures::activate(QDialog& dialog)
{
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    return QTest::qWaitForWindowActive(&dialog);
}

void TestOptionalFeatures::newImageOpensAndStoresUnchanged_data()
{
    QTest::addColumn<bool>("chinese");
    QTest::addColumn<QString>("title");
    // Time Out Time, Squelch, Transmit Delay, Side Key, VOX, Vox Gain, Vox Delay, Voice, Priority
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("English") << false << "Optional Features"
                             << QStringList{"600s", "4", "Off", "None", "Off", "5", "0.3s", "Off", "Off"};
    QTest::newRow("Chinese") << true << "可选功能"
                             << QStringList{"600s", "4", "关", "无", "关", "5", "0.3s", "关", "关"};
}

void TestOptionalFeatures::newImageOpensAndStoresUnchanged()
{
    QFETCH(bool, chinese);
    QFETCH(QString, title);
    QFETCH(QStringList, texts);
    useLanguage(chinese);
    const RadioImage fresh = RadioImage::makeNew();
    RadioImage image = fresh;
    OptionalFeaturesDialog dialog(image, RadioVariant::Other, language_, hooks_);
    QCOMPARE(dialog.windowTitle(), title);

    const QStringList shown{list(&dialog, ControlId::TimeOutList)->currentText(),
                            list(&dialog, ControlId::SquelchList)->currentText(),
                            delayEdit(&dialog)->text(),
                            list(&dialog, ControlId::SideKeyList)->currentText(),
                            list(&dialog, ControlId::VoxList)->currentText(),
                            list(&dialog, ControlId::VoxGainList)->currentText(),
                            list(&dialog, ControlId::VoxDelayList)->currentText(),
                            list(&dialog, ControlId::VoiceList)->currentText(),
                            list(&dialog, ControlId::PriorityChannelList)->currentText()};
    QCOMPARE(shown, texts);
    QVERIFY(!findControl<QCheckBox>(&dialog, ControlId::BeepCheck)->isChecked());
    QVERIFY(!findControl<QCheckBox>(&dialog, ControlId::BatterySaverCheck)->isChecked());

    dialog.accept();
    QVERIFY(image == fresh);
    QVERIFY(!dialog.imageChanged());
}

void TestOptionalFeatures::allFFBlockOpensAndStores()
{
    RadioImage image; // every byte 0xFF
    OptionalFeaturesDialog dialog(image, RadioVariant::Other, language_, hooks_);

    QCOMPARE(list(&dialog, ControlId::SideKeyList)->currentText(), QStringLiteral("Monitor Momentary"));
    QVERIFY(findControl<QCheckBox>(&dialog, ControlId::BeepCheck)->isChecked());
    QVERIFY(findControl<QCheckBox>(&dialog, ControlId::BatterySaverCheck)->isChecked());
    QCOMPARE(delayEdit(&dialog)->text(), QStringLiteral("Off"));
    for (int id :
         {ControlId::TimeOutList, ControlId::SquelchList, ControlId::VoiceList, ControlId::VoxGainList,
          ControlId::VoxDelayList, ControlId::VoxList, ControlId::PriorityChannelList})
        QCOMPARE(list(&dialog, id)->currentIndex(), -1);

    dialog.accept();
    // side key, voice, TOT, squelch, saver, beep, VOX, gain, VOX delay, delay lo/hi, priority
    const QList<int> expected{2, 0xFF, 0, 0xFF, 1, 1, 0, 0, 0xFF, 0, 0, 0xFF};
    QCOMPARE(optionBytes(image), expected);
    QCOMPARE(int(image[RadioImage::OptSideKey + 1]), 0xFF); // neighbours untouched
    QVERIFY(dialog.imageChanged());
}

void TestOptionalFeatures::changedOptionIsStored()
{
    RadioImage image = RadioImage::makeNew();
    OptionalFeaturesDialog dialog(image, RadioVariant::Other, language_, hooks_);
    list(&dialog, ControlId::TimeOutList)->setCurrentIndex(0); // 15s
    list(&dialog, ControlId::SquelchList)->setCurrentIndex(9);
    dialog.accept();
    QCOMPARE(int(image[RadioImage::OptTimeOut]), 1);
    QCOMPARE(int(image[RadioImage::OptSquelch]), 9);
    QVERIFY(dialog.imageChanged());
}

void TestOptionalFeatures::cancelStoresNothing()
{
    const RadioImage fresh = RadioImage::makeNew();
    RadioImage image = fresh;
    OptionalFeaturesDialog dialog(image, RadioVariant::Other, language_, hooks_);
    list(&dialog, ControlId::SquelchList)->setCurrentIndex(0);
    delayEdit(&dialog)->setText(QStringLiteral("5"));
    dialog.reject();
    QVERIFY(image == fresh);
    QVERIFY(!dialog.imageChanged());
}

void TestOptionalFeatures::transmitDelayShown_data()
{
    QTest::addColumn<int>("tenths");
    QTest::addColumn<QString>("text");
    QTest::newRow("off") << 0 << "Off";
    QTest::newRow("shortest") << 1 << "0.1";
    QTest::newRow("longest") << 1800 << "180.0";
    QTest::newRow("above range") << 1801 << "Off";
    QTest::newRow("all bits") << 65535 << "Off";
}

void TestOptionalFeatures::transmitDelayShown()
{
    QFETCH(int, tenths);
    QFETCH(QString, text);
    RadioImage image = RadioImage::makeNew();
    image.setTransmitDelay(static_cast<std::uint16_t>(tenths));
    OptionalFeaturesDialog dialog(image, RadioVariant::Other, language_, hooks_);
    QCOMPARE(delayEdit(&dialog)->text(), text);
}

void TestOptionalFeatures::focusLossNormalizes_data()
{
    QTest::addColumn<bool>("chinese");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("cut to tenths") << false << "12.34"
                                   << "12.3";
    QTest::newRow("above range") << false << "200"
                                 << "Off";
    QTest::newRow("below a tenth") << false << "0.05"
                                   << "Off";
    QTest::newRow("whole seconds") << false << "180"
                                   << "180.0";
    QTest::newRow("empty") << false << ""
                           << "Off";
    QTest::newRow("not a number") << false << "abc"
                                  << "Off";
    QTest::newRow("negative") << false << "-3"
                              << "Off";
    QTest::newRow("huge exponent") << false << "9e99"
                                   << "Off";
    QTest::newRow("trailing junk") << false << "2.5s"
                                   << "2.5";
    QTest::newRow("Chinese off") << true << "0"
                                 << "关";
}

void TestOptionalFeatures::focusLossNormalizes()
{
    QFETCH(bool, chinese);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    useLanguage(chinese);
    RadioImage image = RadioImage::makeNew();
    OptionalFeaturesDialog dialog(image, RadioVariant::TransmitOnly, language_, hooks_);
    QVERIFY(activate(dialog));
    QLineEdit* edit = delayEdit(&dialog);
    edit->setFocus();
    QTRY_VERIFY(edit->hasFocus());
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, typed);
    QCOMPARE(edit->text(), typed); // nothing tidied while typing
    list(&dialog, ControlId::TimeOutList)->setFocus();
    QTRY_COMPARE(edit->text(), shown);
}

void TestOptionalFeatures::normalizerDefaults_data()
{
    QTest::addColumn<int>("step");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("hex") << 1 << "255"
                         << "FF";
    QTest::newRow("above 255") << 1 << "256"
                               << "0";
    QTest::newRow("step cuts") << 5 << "12"
                               << "A";
    QTest::newRow("empty is minimum") << 1 << ""
                                      << "0";
}

void TestOptionalFeatures::normalizerDefaults()
{
    QFETCH(int, step);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QLineEdit edit;
    EditNormalizer normalizer(&edit);
    normalizer.setStep(step);
    QCOMPARE(normalizer.normalized(typed), shown);
}

void TestOptionalFeatures::stepping_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("delta");
    QTest::addColumn<QString>("shown");
    QTest::newRow("Off up") << "Off" << 1 << "0.1";
    QTest::newRow("Off down wraps") << "Off" << -1 << "180.0";
    QTest::newRow("top up wraps") << "180.0" << 1 << "Off";
    QTest::newRow("off any case") << "oFF" << 1 << "0.1";
    QTest::newRow("down to Off") << "0.1" << -1 << "Off";
    QTest::newRow("typed tenths") << "12.34" << 1 << "12.4";
    QTest::newRow("fast up snaps") << "2.2" << 5 << "2.5";
    QTest::newRow("fast down snaps") << "2.2" << -5 << "2.0";
    QTest::newRow("fast down below 0") << "0.2" << -5 << "Off";
    QTest::newRow("fast up to top") << "179.9" << 20 << "180.0";
    QTest::newRow("fast up past top") << "180.0" << 20 << "Off";
    QTest::newRow("huge text") << "9e99" << 1 << "Off";
}

void TestOptionalFeatures::stepping()
{
    QFETCH(QString, text);
    QFETCH(int, delta);
    QFETCH(QString, shown);
    RadioImage image = RadioImage::makeNew();
    OptionalFeaturesDialog dialog(image, RadioVariant::TransmitOnly, language_, hooks_);
    delayEdit(&dialog)->setText(text);
    Q_EMIT delaySpin(&dialog)->deltaPos(delta);
    QCOMPARE(delayEdit(&dialog)->text(), shown);
}

void TestOptionalFeatures::arrowButtonAndKeysStep()
{
    RadioImage image = RadioImage::makeNew();
    OptionalFeaturesDialog dialog(image, RadioVariant::TransmitOnly, language_, hooks_);
    QVERIFY(activate(dialog));
    QLineEdit* edit = delayEdit(&dialog);
    const QList<QToolButton*> arrows = delaySpin(&dialog)->findChildren<QToolButton*>();
    QCOMPARE(arrows.size(), 2);
    QTest::mouseClick(arrows.at(0), Qt::LeftButton); // up
    QCOMPARE(edit->text(), QStringLiteral("0.1"));
    QTest::mouseClick(arrows.at(1), Qt::LeftButton); // down
    QCOMPARE(edit->text(), QStringLiteral("Off"));

    edit->setFocus();
    QTRY_VERIFY(edit->hasFocus());
    QTest::keyClick(edit, Qt::Key_Down);
    QCOMPARE(edit->text(), QStringLiteral("180.0"));
    QTest::keyClick(edit, Qt::Key_Up);
    QCOMPARE(edit->text(), QStringLiteral("Off"));

    QCOMPARE(UpDownControl::acceleratedStep(0), 1);
    QCOMPARE(UpDownControl::acceleratedStep(2500), 5);
    QCOMPARE(UpDownControl::acceleratedStep(6000), 20);
}

void TestOptionalFeatures::enterStoresTypedText_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("low");
    QTest::addColumn<int>("high");
    QTest::newRow("1.5") << "1.5" << 0x0F << 0x00;
    QTest::newRow("tenths cut") << "12.34" << 0x7B << 0x00;
    QTest::newRow("above range as typed") << "200" << 0xD0 << 0x07;
    QTest::newRow("Off") << "Off" << 0x00 << 0x00;
    QTest::newRow("beyond two bytes") << "6554" << 0x00 << 0x00;
    QTest::newRow("negative") << "-1" << 0x00 << 0x00;
}

void TestOptionalFeatures::enterStoresTypedText()
{
    QFETCH(QString, typed);
    QFETCH(int, low);
    QFETCH(int, high);
    RadioImage image = RadioImage::makeNew();
    OptionalFeaturesDialog dialog(image, RadioVariant::TransmitOnly, language_, hooks_);
    QVERIFY(activate(dialog));
    QLineEdit* edit = delayEdit(&dialog);
    edit->setFocus();
    QTRY_VERIFY(edit->hasFocus());
    edit->clear();
    QTest::keyClicks(edit, typed);
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(int(image[RadioImage::OptTransmitDelay]), low);
    QCOMPARE(int(image[RadioImage::OptTransmitDelay + 1]), high);
}

void TestOptionalFeatures::variantVisibility_data()
{
    QTest::addColumn<RadioVariant>("variant");
    QTest::addColumn<bool>("squelch");
    QTest::addColumn<bool>("transmit");
    QTest::newRow("ReceiveOnly") << RadioVariant::ReceiveOnly << true << false;
    QTest::newRow("TransmitOnly") << RadioVariant::TransmitOnly << false << true;
    QTest::newRow("Other") << RadioVariant::Other << true << true;
}

void TestOptionalFeatures::variantVisibility()
{
    QFETCH(RadioVariant, variant);
    QFETCH(bool, squelch);
    QFETCH(bool, transmit);
    RadioImage image = RadioImage::makeNew();
    image[RadioImage::OptSquelch] = 7;
    OptionalFeaturesDialog dialog(image, variant, language_, hooks_);
    dialog.show();

    for (int id : {ControlId::SquelchLabel, ControlId::SquelchList})
        QCOMPARE(findControl<QWidget>(&dialog, id)->isVisible(), squelch);
    for (int id : {ControlId::TimeOutLabel, ControlId::TimeOutList, ControlId::TransmitDelayLabel,
                   ControlId::TransmitDelayEdit, ControlId::TransmitDelaySpin})
        QCOMPARE(findControl<QWidget>(&dialog, id)->isVisible(), transmit);
    for (int id : {ControlId::Ok, ControlId::Cancel}) {
        const QWidget* button = findControl<QWidget>(&dialog, id);
        QVERIFY(button->isVisible());
        QVERIFY(dialog.rect().contains(button->geometry()));
    }
    // The part below the buttons is never shown, whatever the variant.
    for (int id : {ControlId::SideKeyList, ControlId::BeepCheck, ControlId::BatterySaverCheck,
                   ControlId::PriorityChannelList, ControlId::VoxList, ControlId::VoxGainList,
                   ControlId::VoiceList, ControlId::VoxDelayList})
        QVERIFY(!findControl<QWidget>(&dialog, id)->isVisible());
    const QList<QLabel*> labels = dialog.findChildren<QLabel*>();
    for (const QLabel* label : labels) {
        if (label->isVisible()) // a visible label is never cut short
            QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(label->text()));
    }

    dialog.accept();
    QCOMPARE(int(image[RadioImage::OptSquelch]), 7); // stored even while hidden
}

void TestOptionalFeatures::f1AsksForFocusedControl()
{
    int asked = -1;
    hooks_.setHelpHandler([&asked](int id) { asked = id; });
    RadioImage image = RadioImage::makeNew();
    OptionalFeaturesDialog dialog(image, RadioVariant::Other, language_, hooks_);
    QVERIFY(activate(dialog));
    QLineEdit* edit = delayEdit(&dialog);
    edit->setFocus();
    QTRY_VERIFY(edit->hasFocus());
    QTest::keyClick(edit, Qt::Key_F1);
    QCOMPARE(asked, ControlId::TransmitDelayEdit);
    list(&dialog, ControlId::SquelchList)->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    QCOMPARE(asked, ControlId::SquelchList);
}

// After a compare, the labels of the options that differ from the radio are marked with
// its value, as the controls change.
void TestOptionalFeatures::marksWhatDiffersFromTheRadio()
{
    for (const bool chinese : {false, true}) {
        useLanguage(chinese);
        RadioImage image = RadioImage::makeNew();
        RadioImage radio = image;
        radio[RadioImage::OptSquelch] = 9;
        OptionalFeaturesDialog dialog(image, RadioVariant::Other, language_, hooks_);
        dialog.markDifferences(radio);
        auto* squelch = findControl<QLabel>(&dialog, ControlId::SquelchLabel);
        QCOMPARE(squelch->toolTip(), chinese ? QStringLiteral("对讲机：9") : QStringLiteral("Radio: 9"));
        QCOMPARE(squelch->accessibleDescription(), squelch->toolTip());
        QVERIFY(squelch->autoFillBackground());
        QCOMPARE(findControl<QLabel>(&dialog, ControlId::TimeOutLabel)->toolTip(), QString());
        list(&dialog, ControlId::SquelchList)->setCurrentIndex(9);
        QCOMPARE(squelch->toolTip(), QString());
        QVERIFY(!squelch->autoFillBackground());
    }
}

QTEST_MAIN(TestOptionalFeatures)
#include "test_optionalfeatures.moc"
