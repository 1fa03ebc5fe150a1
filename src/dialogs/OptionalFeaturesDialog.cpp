#include "dialogs/OptionalFeaturesDialog.h"

#include "dialogs/ControlIds.h"
#include "uikit/DialogButtons.h"
#include "uikit/DialogHelp.h"
#include "uikit/EditNormalizer.h"
#include "uikit/HelpRequest.h"
#include "dialogs/OptionLists.h"
#include "uikit/ScaledNumber.h"
#include "uikit/SpinStepper.h"
#include "uikit/UpDownControl.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cstdint>
#include <initializer_list>

namespace {

// The Transmit Delay field: tenths of a second shown as seconds, 0 (Off) .. 180.0 s.
const char* const TransmitDelayFormat = "%.1f";
constexpr int TransmitDelayScale = 10;
constexpr int TransmitDelayMax = 1800;
constexpr int TransmitDelayMaxLength = 5;
constexpr int TransmitDelayOff = 0;

// Template size, the row height every control is centred on and the label width, in
// dialog units.
constexpr int DialogWidth = 311;
constexpr int RowHeight = 12;
constexpr int LabelWidth = 60;

// The labels of the visible rows.
const char* const TimeOutText = QT_TRANSLATE_NOOP("OptionalFeaturesDialog", "Time Out Time (s)");
const char* const SquelchText = QT_TRANSLATE_NOOP("OptionalFeaturesDialog", "Squelch Level");
const char* const TransmitDelayText = QT_TRANSLATE_NOOP("OptionalFeaturesDialog", "Transmit Delay (s)");

void selectIndex(QComboBox* list, int index)
{
    list->setCurrentIndex(index >= 0 && index < list->count() ? index : -1);
}

// A list's selection plus offset as a byte: no selection (-1) stores 0xFF, or 0 when 1
// is added.
std::uint8_t selectionByte(const QComboBox* list, int offset = 0)
{
    return static_cast<std::uint8_t>(list->currentIndex() + offset);
}

} // namespace

OptionalFeaturesDialog::OptionalFeaturesDialog(RadioImage& image, RadioVariant variant, QWidget* parent)
    : QDialog(parent), image_(image), units_(font())
{
    setObjectName(QStringLiteral("OptionalFeaturesDialog")); // its help topics
    setWindowTitle(tr("Optional Features"));
    setControlId(this, DialogId::OptionalFeatures);
    installControlHelp(this);
    for (const char* label : {TimeOutText, SquelchText, TransmitDelayText})
        units_.fitText(tr(label), LabelWidth);
    createUpperPart();
    createLowerPart();

    shrinkToUpperPart();
    setUpTransmitDelay();
    fillLists();
    applyVariant(variant);
    loadFromImage();
}

QLabel* OptionalFeaturesDialog::addLabel(const QString& text, int id, const QRect& place)
{
    auto* label = new QLabel(text, this);
    if (id != 0)
        setControlId(label, id);
    label->setGeometry(place);
    return label;
}

QComboBox* OptionalFeaturesDialog::addList(int id, const QRect& place)
{
    auto* list = new QComboBox(this);
    setControlId(list, id);
    // The list keeps its natural height, centred on its row like the label beside it.
    const int height = list->sizeHint().height();
    const int top = place.top() + (units_.toPixelsY(RowHeight) - height) / 2;
    list->setGeometry(place.left(), top, place.width(), height);
    return list;
}

QCheckBox* OptionalFeaturesDialog::addCheck(const QString& text, int id, const QRect& place)
{
    auto* check = new QCheckBox(text, this);
    setControlId(check, id);
    check->setGeometry(place);
    return check;
}

void OptionalFeaturesDialog::createUpperPart()
{
    const DialogUnits& u = units_;
    timeOutLabel_ =
        addLabel(tr(TimeOutText), ControlId::TimeOutLabel, u.toPixels(24, 24, LabelWidth, RowHeight));
    timeOut_ = addList(ControlId::TimeOutList, u.toPixels(90, 24, 48, RowHeight));
    squelchLabel_ =
        addLabel(tr(SquelchText), ControlId::SquelchLabel, u.toPixels(162, 25, LabelWidth, RowHeight));
    squelch_ = addList(ControlId::SquelchList, u.toPixels(229, 25, 48, RowHeight));
    transmitDelayLabel_ = addLabel(tr(TransmitDelayText), ControlId::TransmitDelayLabel,
                                   u.toPixels(24, 42, LabelWidth, RowHeight));

    transmitDelay_ = new QLineEdit(this);
    setControlId(transmitDelay_, ControlId::TransmitDelayEdit);
    transmitDelay_->setGeometry(u.toPixels(90, 42, 48, RowHeight));
    transmitDelaySpin_ = new UpDownControl(this);
    setControlId(transmitDelaySpin_, ControlId::TransmitDelaySpin);
    transmitDelaySpin_->setGeometry(u.toPixels(142, 43, 10, RowHeight));
    transmitDelaySpin_->attachTo(transmitDelay_);

    makeOkButton(this)->setGeometry(u.toPixels(99, 67, 42, 14));
    makeCancelButton(this)->setGeometry(u.toPixels(169, 67, 42, 14));
}

void OptionalFeaturesDialog::createLowerPart()
{
    const DialogUnits& u = units_;
    lowerPart_ = {
        addLabel(tr("Side Key"), 0, u.toPixels(24, 100, LabelWidth, RowHeight)),
        sideKey_ = addList(ControlId::SideKeyList, u.toPixels(90, 100, 72, RowHeight)),
        beep_ = addCheck(tr("Beep"), ControlId::BeepCheck, u.toPixels(184, 100, 27, RowHeight)),
        batterySaver_ =
            addCheck(tr("Battery Saver"), ControlId::BatterySaverCheck, u.toPixels(224, 100, 50, RowHeight)),
        addLabel(tr("Priority Channel"), 0, u.toPixels(24, 116, LabelWidth, RowHeight)),
        priorityChannel_ = addList(ControlId::PriorityChannelList, u.toPixels(90, 116, 48, RowHeight)),
        addLabel(tr("VOX"), 0, u.toPixels(162, 116, LabelWidth, RowHeight)),
        vox_ = addList(ControlId::VoxList, u.toPixels(228, 116, 48, RowHeight)),
        addLabel(tr("Vox Gain Level"), 0, u.toPixels(24, 133, LabelWidth, RowHeight)),
        voxGain_ = addList(ControlId::VoxGainList, u.toPixels(90, 133, 48, RowHeight)),
        addLabel(tr("Voice Annunciation"), 0, u.toPixels(162, 133, LabelWidth, RowHeight)),
        voice_ = addList(ControlId::VoiceList, u.toPixels(228, 133, 48, RowHeight)),
        addLabel(tr("Vox Delay Time (s)"), 0, u.toPixels(24, 151, LabelWidth, RowHeight)),
        voxDelay_ = addList(ControlId::VoxDelayList, u.toPixels(90, 151, 48, RowHeight)),
    };
}

// Only the rows above Side Key stay in the window. The rows below keep their values but
// are hidden, so that neither the mouse nor the Tab key reaches a setting nobody sees.
void OptionalFeaturesDialog::shrinkToUpperPart()
{
    setFixedSize(units_.toPixelsX(DialogWidth), sideKey_->geometry().top() - 1);
    for (QWidget* control : lowerPart_)
        control->hide();
}

void OptionalFeaturesDialog::setUpTransmitDelay()
{
    transmitDelay_->setMaxLength(TransmitDelayMaxLength);
    transmitDelaySpin_->setRange(0, TransmitDelayMax);

    auto* normalizer = new EditNormalizer(transmitDelay_);
    normalizer->setRange(0, TransmitDelayMax);
    normalizer->setScale(TransmitDelayScale);
    normalizer->setFormat(QLatin1String(TransmitDelayFormat));
    normalizer->setSpecialText(TransmitDelayOff, offText());

    auto* stepper = new SpinStepper(transmitDelaySpin_, QLatin1String(TransmitDelayFormat));
    stepper->setScale(TransmitDelayScale);
    stepper->setSpecialText(TransmitDelayOff, offText());
}

void OptionalFeaturesDialog::fillLists()
{
    timeOut_->addItems(timeOutItems());
    squelch_->addItems(squelchItems());
    priorityChannel_->addItems(priorityChannelItems());
    voice_->addItems(voiceItems());
    voxGain_->addItems(voxGainItems());
    voxDelay_->addItems(voxDelayItems());
    sideKey_->addItems(sideKeyItems());
    vox_->addItems({tr("On"), tr("Off")});
}

void OptionalFeaturesDialog::applyVariant(RadioVariant variant)
{
    const bool receiver = variant != RadioVariant::TransmitOnly;
    const bool transmitter = variant != RadioVariant::ReceiveOnly;
    const std::initializer_list<QWidget*> squelchControls{squelchLabel_, squelch_};
    const std::initializer_list<QWidget*> transmitControls{timeOutLabel_, timeOut_, transmitDelayLabel_,
                                                           transmitDelay_, transmitDelaySpin_};
    for (QWidget* control : squelchControls)
        control->setVisible(receiver);
    for (QWidget* control : transmitControls)
        control->setVisible(transmitter);
}

void OptionalFeaturesDialog::loadFromImage()
{
    const RadioImage& image = image_;
    const int sideKey = image[RadioImage::OptSideKey];
    selectIndex(sideKey_, sideKey < sideKey_->count() ? sideKey : 2);
    selectIndex(squelch_, image[RadioImage::OptSquelch]);
    selectIndex(timeOut_, image[RadioImage::OptTimeOut] - 1);
    selectIndex(voice_, image[RadioImage::OptVoice]);
    selectIndex(voxGain_, image[RadioImage::OptVoxGain] - 1);
    selectIndex(voxDelay_, image[RadioImage::OptVoxDelay]);
    selectIndex(vox_, 1 - image[RadioImage::OptVox]);
    selectIndex(priorityChannel_, image[RadioImage::OptPriorityChannel]);
    batterySaver_->setChecked(image[RadioImage::OptBatterySaver] & 1);
    beep_->setChecked(image[RadioImage::OptBeep] & 1);

    const int delay = image.transmitDelay();
    transmitDelay_->setText(delay >= 1 && delay <= TransmitDelayMax
                                ? formatScaled(QLatin1String(TransmitDelayFormat), delay, TransmitDelayScale)
                                : offText());
}

void OptionalFeaturesDialog::storeToImage()
{
    RadioImage& image = image_;
    image[RadioImage::OptSideKey] = sideKey_->currentIndex() < 0 ? 2 : selectionByte(sideKey_);
    image[RadioImage::OptVoice] = selectionByte(voice_);
    image[RadioImage::OptTimeOut] = selectionByte(timeOut_, 1);
    image[RadioImage::OptSquelch] = selectionByte(squelch_);
    image[RadioImage::OptBatterySaver] = batterySaver_->isChecked() ? 1 : 0;
    image[RadioImage::OptBeep] = beep_->isChecked() ? 1 : 0;
    image[RadioImage::OptVox] = vox_->currentIndex() == 0 ? 1 : 0;
    image[RadioImage::OptVoxGain] = selectionByte(voxGain_, 1);
    image[RadioImage::OptVoxDelay] = selectionByte(voxDelay_);
    image[RadioImage::OptPriorityChannel] = selectionByte(priorityChannel_);

    // Enter stores the text as typed, without the tidying of a focus change. A count
    // that does not fit the two bytes is stored as Off rather than cut to some delay.
    const int delay = scaledCount(transmitDelay_->text(), TransmitDelayScale);
    image.setTransmitDelay(delay >= 0 && delay <= 0xFFFF ? static_cast<std::uint16_t>(delay) : 0);
}

void OptionalFeaturesDialog::accept()
{
    const RadioImage before = image_;
    storeToImage();
    imageChanged_ = image_ != before;
    QDialog::accept();
}
