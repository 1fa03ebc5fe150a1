#include "dialogs/PortSettingDialog.h"

#include "dialogs/SerialDeviceList.h"
#include "link/PortNames.h"
#include "session/AppContext.h"
#include "uikit/DialogButtons.h"
#include "uikit/DialogHelp.h"
#include "uikit/DialogUnits.h"
#include "uikit/HelpRequest.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace {

constexpr int ButtonPitchX = 56; // dialog units from one port button to the next
constexpr int ButtonPitchY = 16;

} // namespace

PortSettingDialog::PortSettingDialog(AppContext& context, QWidget* parent)
    : QDialog(parent), context_(context), group_(new QButtonGroup(this)),
      list_(new SerialDeviceList(context.language(), this)), note_(new QLabel(this)),
      refresh_(new QTimer(this))
{
    setObjectName(QStringLiteral("PortSettingDialog")); // its help topics
    installControlHelp(this, context.uiHooks());
    setWindowTitle(tr("Port Setting"));
    setFont(templateFont(9));
    DialogUnits units(font());
    units.fitText(QStringLiteral("COM16"), 40);

    buildLayout(units);

    // Choosing a port button or a device drops the other kind of choice.
    connect(group_, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked) {
            list_->clearCheck();
            listChoice_.clear();
        }
    });
    connect(list_, &SerialDeviceList::deviceChosen, this, [this] {
        clearButtons();
        listChoice_ = list_->checkedDevice();
    });
    refresh_->setInterval(RefreshIntervalMs);
    connect(refresh_, &QTimer::timeout, this, [this] { refreshDevices(false); });
}

// The port buttons, and beside them what to do and, when a transfer asks, why.
QLayout* PortSettingDialog::buildTop(const DialogUnits& units)
{
    auto* box = new QGroupBox(tr("Port"), this);
    box->setFixedSize(units.toPixelsX(4 * ButtonPitchX + 10), units.toPixelsY(4 * ButtonPitchY + 16));
    buildPorts(box, units);
    auto* hint = new QLabel(tr("Choose the port of the programming cable: a COM port, or a device from the "
                               "list below. A greyed port cannot be opened now; point at it to see why."),
                            this);
    hint->setWordWrap(true);
    note_->setWordWrap(true);
    QFont bold = note_->font();
    bold.setBold(true);
    note_->setFont(bold);
    note_->hide();
    auto* texts = new QVBoxLayout;
    texts->addWidget(hint);
    texts->addWidget(note_);
    texts->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(box);
    top->addLayout(texts, 1);
    return top;
}

void PortSettingDialog::buildLayout(const DialogUnits& units)
{
    auto* listLabel = new QLabel(tr("&Serial devices present:"), this);
    listLabel->setBuddy(list_);
    setControlId(list_, DeviceListId);
    list_->setMinimumSize(units.toPixelsX(4 * ButtonPitchX + 10), units.toPixelsY(70));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {makeOkButton(this), makeCancelButton(this)}) {
        button->setFixedSize(units.toPixelsX(50), units.toPixelsY(14));
        buttons->addWidget(button);
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(units.toPixelsX(7), units.toPixelsY(7), units.toPixelsX(7),
                               units.toPixelsY(7));
    layout->addLayout(buildTop(units));
    layout->addWidget(listLabel);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);
    resize(units.toPixelsX(4 * ButtonPitchX + 330), units.toPixelsY(4 * ButtonPitchY + 160));
}

void PortSettingDialog::buildPorts(QWidget* box, const DialogUnits& units)
{
    group_->setExclusive(true);
    for (int n = PortNames::FirstPort; n <= PortNames::LastPort; ++n) {
        auto* radio = new QRadioButton(QStringLiteral("COM%1").arg(n), box);
        setControlId(radio, FirstButtonId + n - 1);
        const int row = (n - 1) / 4;
        const int col = (n - 1) % 4;
        radio->setGeometry(units.toPixels(6 + col * ButtonPitchX, 12 + row * ButtonPitchY, 54, 12));
        group_->addButton(radio, n);
    }
}

QRadioButton* PortSettingDialog::button(int number) const
{
    return qobject_cast<QRadioButton*>(group_->button(number));
}

int PortSettingDialog::selectedNumber() const
{
    const int id = group_->checkedId();
    return id < 0 ? 0 : id;
}

QString PortSettingDialog::selectedDevice() const
{
    return list_->checkedDevice();
}

void PortSettingDialog::testPorts()
{
    const Language language = context_.language();
    for (int n = PortNames::FirstPort; n <= PortNames::LastPort; ++n) {
        const QString device = context_.port().map().devicePath(n);
        const PortStatus status = context_.serialDevices().status(device);
        QRadioButton* radio = button(n);
        radio->setEnabled(status.ok());
        radio->setToolTip(portStatusText(status, device, language));
        if (!status.ok() && radio->isChecked())
            clearButtons();
    }
}

void PortSettingDialog::clearButtons()
{
    group_->setExclusive(false);
    for (QAbstractButton* b : group_->buttons())
        b->setChecked(false);
    group_->setExclusive(true);
}

void PortSettingDialog::selectCurrentPort()
{
    // The current port is selected only when it can be opened now.
    clearButtons();
    const int current = context_.port().slotNumber();
    if (PortNames::isPortNumber(current) && button(current)->isEnabled())
        button(current)->setChecked(true);
}

void PortSettingDialog::refreshDevices(bool force)
{
    const QList<SerialDeviceInfo> present = context_.serialDevices().present();
    if (!force && present == shown_)
        return;
    if (!force)
        testPorts(); // a cable plugged in or out may be the device of a port button
    QList<SerialDeviceList::Entry> entries;
    for (const SerialDeviceInfo& device : present)
        entries << SerialDeviceList::Entry{device, context_.serialDevices().status(device.openName())};
    list_->showEntries(entries, listChoice_);
    shown_ = present;
}

int PortSettingDialog::exec()
{
    testPorts();
    selectCurrentPort();
    listChoice_ = context_.port().chosenDevice();
    refreshDevices(true);
    refresh_->start();
    const int result = QDialog::exec();
    refresh_->stop();
    return result;
}

int PortSettingDialog::execWithNote(const QString& note)
{
    note_->setText(note);
    note_->show();
    const int result = exec();
    note_->hide();
    return result;
}

void PortSettingDialog::accept()
{
    if (const int n = selectedNumber())
        context_.storePort(n);
    else if (const QString device = selectedDevice(); !device.isEmpty())
        context_.storeDevice(device);
    QDialog::accept();
}
