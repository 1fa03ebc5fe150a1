#include "dialogs/PortSettingDialog.h"

#include "config/AppContext.h"
#include "link/PortNames.h"
#include "uikit/DialogButtons.h"
#include "uikit/DialogHelp.h"
#include "uikit/DialogUnits.h"
#include "uikit/HelpRequest.h"

#include <QButtonGroup>
#include <QFileInfo>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

namespace {

// "COM1", or "COM1 (ttyUSB0)" where the port is a device of this system.
QString buttonText(const PortMap& map, int number)
{
    const QString name = QStringLiteral("COM%1").arg(number);
    const QString device = map.devicePath(number);
    if (device == PortNames::portName(number))
        return name;
    return name + QStringLiteral(" (") + QFileInfo(device).fileName() + QLatin1Char(')');
}

} // namespace

PortSettingDialog::PortSettingDialog(PortProbe canOpen, AppContext& context, QWidget* parent)
    : QDialog(parent), canOpen_(std::move(canOpen)), context_(context), group_(new QButtonGroup(this))
{
    setObjectName(QStringLiteral("PortSettingDialog")); // its help topics
    installControlHelp(this);
    setWindowTitle(tr("Port Setting"));
    setFont(templateFont(9));
    DialogUnits units(font());
    const PortMap& map = context_.port().map();
    units.fitText(buttonText(map, 16), 52);

    auto* box = new QGroupBox(tr("Port"), this);
    box->setGeometry(units.toPixels(7, 7, 4 * 56 + 10, 4 * 16 + 16));
    group_->setExclusive(true);
    for (int n = PortNames::FirstPort; n <= PortNames::LastPort; ++n) {
        auto* radio = new QRadioButton(buttonText(map, n), box);
        setControlId(radio, FirstButtonId + n - 1);
        const int row = (n - 1) / 4;
        const int col = (n - 1) % 4;
        radio->setGeometry(units.toPixels(6 + col * 56, 12 + row * 16, 54, 12));
        group_->addButton(radio, n);
    }
    const int buttonsTop = 7 + 4 * 16 + 16 + 8;
    QPushButton* ok = makeOkButton(this);
    ok->setGeometry(units.toPixels(4 * 56 + 17 - 2 * 50 - 6, buttonsTop, 50, 14));
    QPushButton* cancel = makeCancelButton(this);
    cancel->setGeometry(units.toPixels(4 * 56 + 17 - 50, buttonsTop, 50, 14));
    setFixedSize(units.toPixelsX(4 * 56 + 24), units.toPixelsY(buttonsTop + 14 + 7));
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

void PortSettingDialog::testPorts()
{
    for (int n = PortNames::FirstPort; n <= PortNames::LastPort; ++n)
        button(n)->setEnabled(canOpen_(context_.port().map().devicePath(n)));
    // The current port is selected only when it can be opened now.
    group_->setExclusive(false);
    for (QAbstractButton* b : group_->buttons())
        b->setChecked(false);
    group_->setExclusive(true);
    const CurrentPort& port = context_.port();
    const int current = PortNames::numberAfterM(port.name());
    if (PortNames::isPortNumber(current) && canOpen_(port.device()))
        button(current)->setChecked(true);
}

int PortSettingDialog::exec()
{
    testPorts();
    return QDialog::exec();
}

void PortSettingDialog::accept()
{
    if (const int n = selectedNumber())
        context_.storePort(n);
    QDialog::accept();
}
