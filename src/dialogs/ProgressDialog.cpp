#include "dialogs/ProgressDialog.h"

#include "uikit/DialogButtons.h"
#include "uikit/DialogHelp.h"
#include "uikit/DialogUnits.h"
#include "uikit/HelpRequest.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

ProgressDialog::ProgressDialog(const UiHooks& hooks, std::function<void()> start, QWidget* parent)
    : QDialog(parent), start_(std::move(start))
{
    setObjectName(QStringLiteral("ProgressDialog")); // its help topics
    installControlHelp(this, hooks);
    setFont(templateFont(9));
    const DialogUnits units(font());
    setFixedSize(units.toPixelsX(206), units.toPixelsY(73));

    bar_ = new QProgressBar(this);
    setControlId(bar_, BarId);
    bar_->setTextVisible(false);
    bar_->setGeometry(units.toPixels(23, 21, 159, 9));

    ok_ = makeOkButton(this);
    ok_->setGeometry(units.toPixels(23, 40, 42, 14));
    disconnect(ok_, nullptr, this, nullptr);
    connect(ok_, &QPushButton::clicked, this, &ProgressDialog::onOk);

    counter_ = new QLabel(this);
    setControlId(counter_, CounterId);
    counter_->setAlignment(Qt::AlignCenter);
    counter_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    counter_->setGeometry(units.toPixels(83, 40, 40, 14));

    cancel_ = makeCancelButton(this);
    cancel_->setGeometry(units.toPixels(140, 40, 42, 14));
}

void ProgressDialog::open(const QString& caption, int rows)
{
    bar_->setRange(0, rows);
    bar_->setValue(0);
    counter_->setText(QStringLiteral("0"));
    ok_->setEnabled(true);
    ok_->setFocus();
    cancelled_ = false;
    setWindowTitle(caption);
    show();
    raise();
    activateWindow();
}

bool ProgressDialog::started() const
{
    return !ok_->isEnabled();
}

void ProgressDialog::onOk()
{
    ok_->setEnabled(false);
    // Posted, so the click returns first and the transfer runs from the event loop.
    QTimer::singleShot(0, this, [this] { start_(); });
}

void ProgressDialog::step()
{
    bar_->setValue(bar_->value() + 1);
    counter_->setText(QString::number(bar_->value()));
}

void ProgressDialog::finish()
{
    hide();
}

void ProgressDialog::reject()
{
    cancelled_ = true;
    // Before OK nothing runs and the window just goes; a running transfer sees the flag
    // at its next poll point and ends the window itself.
    if (!started())
        hide();
}
