#include "dialogs/OptionalFeaturesDialog.h"

#include "channels/CellMarks.h"
#include "dialogs/ControlIds.h"
#include "model/OptionRules.h"
#include "model/OptionTexts.h"
#include "uikit/DialogButtons.h"
#include "uikit/DialogHelp.h"
#include "uikit/EditNormalizer.h"
#include "uikit/HelpRequest.h"
#include "uikit/MarkColours.h"
#include "uikit/ScaledNumber.h"
#include "uikit/SpinStepper.h"
#include "uikit/UpDownControl.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <cstdint>
#include <initializer_list>

namespace {

// The Transmit Delay field: tenths of a second shown as seconds, 0 (Off) .. 180.0 s.
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

void selectStored(QComboBox* list, const RadioImage& image, OptionRules::ListOption option)
{
    selectIndex(list, OptionRules::listIndex(image[static_cast<std::size_t>(option.offset)], option));
}

void storeSelection(const QComboBox* list, RadioImage& image, OptionRules::ListOption option)
{
    image[static_cast<std::size_t>(option.offset)] = OptionRules::listByte(list->currentIndex(), option);
}

} // namespace

OptionalFeaturesDialog::OptionalFeaturesDialog(RadioImage& image, RadioVariant variant, Language language,
                                               const UiHooks& hooks, QWidget* parent)
    : QDialog(parent), image_(image), language_(language), units_(font())
{
    setObjectName(QStringLiteral("OptionalFeaturesDialog")); // its help topics
    setWindowTitle(tr("Optional Features"));
    setControlId(this, DialogId::OptionalFeatures);
    installControlHelp(this, hooks);
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
    using namespace OptionRules;
    const QString off = OptionItems::off(language_);
    transmitDelay_->setMaxLength(TransmitDelayMaxLength);
    transmitDelaySpin_->setRange(0, TransmitDelayMax);

    auto* normalizer = new EditNormalizer(transmitDelay_);
    normalizer->setRange(0, TransmitDelayMax);
    normalizer->setScale(TransmitDelayScale);
    normalizer->setFormat(QLatin1String(TransmitDelayFormat));
    normalizer->setSpecialText(TransmitDelayOff, off);

    auto* stepper = new SpinStepper(transmitDelaySpin_, QLatin1String(TransmitDelayFormat));
    stepper->setScale(TransmitDelayScale);
    stepper->setSpecialText(TransmitDelayOff, off);
}

void OptionalFeaturesDialog::fillLists()
{
    using namespace OptionItems;
    timeOut_->addItems(timeOut());
    squelch_->addItems(squelch());
    priorityChannel_->addItems(priorityChannel(language_));
    voice_->addItems(voice(language_));
    voxGain_->addItems(voxGain());
    voxDelay_->addItems(voxDelay());
    sideKey_->addItems(sideKey(language_));
    vox_->addItems(vox(language_));
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
    using namespace OptionRules;
    const RadioImage& image = image_;
    selectIndex(sideKey_, sideKeyIndex(image[RadioImage::OptSideKey], sideKey_->count()));
    selectStored(squelch_, image, Squelch);
    selectStored(timeOut_, image, TimeOut);
    selectStored(voice_, image, Voice);
    selectStored(voxGain_, image, VoxGain);
    selectStored(voxDelay_, image, VoxDelay);
    selectIndex(vox_, voxIndex(image[RadioImage::OptVox]));
    selectStored(priorityChannel_, image, PriorityChannel);
    batterySaver_->setChecked(image[RadioImage::OptBatterySaver] & 1);
    beep_->setChecked(image[RadioImage::OptBeep] & 1);
    transmitDelay_->setText(OptionItems::transmitDelayText(image.transmitDelay(), language_));
}

void OptionalFeaturesDialog::storeTo(RadioImage& image) const
{
    using namespace OptionRules;
    image[RadioImage::OptSideKey] = sideKeyByte(sideKey_->currentIndex());
    storeSelection(voice_, image, Voice);
    storeSelection(timeOut_, image, TimeOut);
    storeSelection(squelch_, image, Squelch);
    image[RadioImage::OptBatterySaver] = batterySaver_->isChecked() ? 1 : 0;
    image[RadioImage::OptBeep] = beep_->isChecked() ? 1 : 0;
    image[RadioImage::OptVox] = voxByte(vox_->currentIndex());
    storeSelection(voxGain_, image, VoxGain);
    storeSelection(voxDelay_, image, VoxDelay);
    storeSelection(priorityChannel_, image, PriorityChannel);
    // Enter stores the text as typed, without the tidying of a focus change.
    image.setTransmitDelay(transmitDelayToStore(scaledCount(transmitDelay_->text(), TransmitDelayScale)));
}

void OptionalFeaturesDialog::markDifferences(const RadioImage& radio)
{
    radio_ = radio;
    for (QComboBox* list : {timeOut_, squelch_})
        connect(list, &QComboBox::currentIndexChanged, this, &OptionalFeaturesDialog::updateMarks);
    connect(transmitDelay_, &QLineEdit::textChanged, this, &OptionalFeaturesDialog::updateMarks);
    updateMarks();
}

void OptionalFeaturesDialog::updateMarks()
{
    RadioImage shown = image_;
    storeTo(shown);
    const std::vector<OptionSetting> ours = optionSettings(shown, language_);
    const std::vector<OptionSetting> theirs = optionSettings(*radio_, language_);
    const std::pair<QLabel*, int> labels[] = {{timeOutLabel_, RadioImage::OptTimeOut},
                                              {squelchLabel_, RadioImage::OptSquelch},
                                              {transmitDelayLabel_, RadioImage::OptTransmitDelay}};
    for (const auto& [label, offset] : labels) {
        const auto at = std::find_if(theirs.begin(), theirs.end(), [offset = offset](const OptionSetting& s) {
            return s.bits.offset == offset;
        });
        const OptionSetting& own = ours[static_cast<std::size_t>(at - theirs.begin())];
        const bool differs = own.value != at->value;
        QPalette marked = palette();
        marked.setColor(QPalette::Window, markFillColour(marked, QPalette::WindowText));
        label->setPalette(differs ? marked : QPalette()); // unmarked, it follows the dialog's again
        label->setAutoFillBackground(differs);
        const QString text =
            differs ? CellMarks::describe(CellMarks::Radio, {}, at->value, language_) : QString();
        label->setToolTip(text);
        label->setAccessibleDescription(text);
    }
}

void OptionalFeaturesDialog::accept()
{
    const RadioImage before = image_;
    storeTo(image_);
    imageChanged_ = image_ != before;
    QDialog::accept();
}
