#include "editor/ViewTransfer.h"

#include "config/AppContext.h"
#include "config/CommandIds.h"
#include "config/StringTable.h"
#include "dialogs/CompareDialog.h"
#include "dialogs/ProgressDialog.h"
#include "document/ChannelDocument.h"
#include "document/RadioHistory.h"
#include "editor/ChannelView.h"
#include "link/ProgrammingCables.h"
#include "link/SerialPortLine.h"
#include "link/WriteVerification.h"
#include "model/ImageDiff.h"
#include "model/ImageDiffText.h"
#include "uikit/MessageBox.h"

#include <QCoreApplication>
#include <QDir>
#include <QStatusTipEvent>
#include <QTime>

namespace {

// The message of a port that did not open: what the string table says, then why.
QString portFailureText(const PortStatus& status, const QString& device, Language language)
{
    return stringTableText(MessageId::CannotOpenPort) + QStringLiteral("\n\n") +
           portStatusText(status, device, language);
}

QString captionOf(ViewTransfer::Direction direction, Language language)
{
    switch (direction) {
    case ViewTransfer::Direction::Read:
        return byLanguage(language, "Read Data", "读数据");
    case ViewTransfer::Direction::Write:
        break;
    case ViewTransfer::Direction::Compare:
        return byLanguage(language, "Compare with Radio", "与对讲机比较");
    }
    return byLanguage(language, "Write Data", "写数据");
}

} // namespace

ViewTransfer::ViewTransfer(ChannelView& view) : QObject(&view), view_(view) {}

ProgressDialog& ViewTransfer::progress()
{
    if (!progress_)
        progress_ = std::make_unique<ProgressDialog>([this] { start(); });
    return *progress_;
}

ViewTransfer::~ViewTransfer() = default;

void ViewTransfer::open(Direction direction)
{
    if (progress().isOpen())
        return;
    direction_ = direction;
    verify_ = direction == Direction::Write && view_.context().verifyAfterWrite();
    // A write that is read back runs the bar over both transfers.
    progress().open(captionOf(direction, view_.context().language()),
                    verify_ ? 2 * ProgressDialog::Rows : ProgressDialog::Rows);
}

void ViewTransfer::start()
{
    running_ = true;
    Q_EMIT runningChanged(true);
    run();
    progress_->finish();
    running_ = false;
    Q_EMIT runningChanged(false);
}

CloneTransfer::Hooks ViewTransfer::hooks()
{
    CloneTransfer::Hooks hooks;
    hooks.poll = [this] {
        QCoreApplication::processEvents();
        return progress_->cancelled();
    };
    hooks.progress = [this](int) { progress_->step(); };
    hooks.retry = [this] {
        return showMessageBox({&view_, stringTableText(MessageId::CommunicationError),
                               view_.context().company(), QMessageBox::Retry | QMessageBox::Cancel,
                               QMessageBox::Warning}) == QMessageBox::Retry;
    };
    return hooks;
}

void ViewTransfer::run()
{
    view_.leaveCommit();
    const ViewState before = view_.state();

    SerialPortLine line;
    CloneTransfer transfer(line, hooks());
    const CloneTransfer::Result result = transferWithPortChoice(transfer);
    if (!result.completed()) {
        report(result);
        return;
    }
    switch (direction_) {
    case Direction::Read:
        finishRead(result, before);
        break;
    case Direction::Compare:
        finishCompare(result);
        break;
    case Direction::Write:
        if (verify_)
            verifyWrite(transfer);
        else
            showStatus(tr("Written"));
        break;
    }
    Q_EMIT completed();
}

CloneTransfer::Result ViewTransfer::transferOn(CloneTransfer& transfer, const QString& device)
{
    device_ = device;
    if (direction_ != Direction::Write)
        return transfer.read(device);
    return transfer.write(device, CloneFrames::transferAreaOf(view_.document()->image()));
}

CloneTransfer::Result ViewTransfer::transferWithPortChoice(CloneTransfer& transfer)
{
    const AppContext& context = view_.context();
    const CurrentPort& port = context.port();
    CloneTransfer::Result result = transferOn(transfer, port.device());
    // The stored port is gone (a cable unplugged, or plugged into another socket): the
    // one programming cable present stands in, or the user picks among several.
    if (result.outcome != CloneTransfer::Outcome::PortError || port.hasDeviceOverride() ||
        context.serialDevices().status(port.device()).state != PortStatus::State::Absent)
        return result;
    const QList<SerialDeviceInfo> cables = ProgrammingCables::among(context.serialDevices().present());
    if (cables.size() == 1) {
        announceStandIn(cables.front());
        return transferOn(transfer, cables.front().openName());
    }
    if (cables.size() > 1) {
        if (!view_.openPortSetting(tr("%1 is not present, and several programming cables are connected. "
                                      "Choose the one the radio is on.")
                                       .arg(port.name())))
            return {}; // cancelled
        return transferOn(transfer, port.device());
    }
    return result;
}

void ViewTransfer::announceStandIn(const SerialDeviceInfo& cable)
{
    const ProgrammingCables::Chip* chip = ProgrammingCables::chipOf(cable);
    showStatus(tr("%1 is not present; using the programming cable on %2 (%3).")
                   .arg(view_.context().port().name(), cable.path, QString::fromLatin1(chip->name)));
}

void ViewTransfer::showStatus(const QString& text)
{
    // The main window shows status tips in its status bar.
    QStatusTipEvent tip(text);
    QCoreApplication::sendEvent(&view_, &tip);
}

void ViewTransfer::finishRead(const CloneTransfer::Result& result, const ViewState& before)
{
    AppContext& context = view_.context();
    RadioImage& image = view_.document()->image();
    CloneFrames::applyTransferArea(image, *result.received);
    context.setRadioVariant(result.variant());
    context.setNewDocument(false);
    view_.loadFromImage();
    view_.recordChange(tr("Read"), before, true); // modified, and undone as one step
    keepInHistory(image, result.variant());
}

// The radio's memory goes into a scratch image; the document stays as it is.
void ViewTransfer::finishCompare(const CloneTransfer::Result& result)
{
    const RadioImage shown = view_.document()->image();
    RadioImage radio = shown; // bytes 816 to 1023 never cross the line
    CloneFrames::applyTransferArea(radio, *result.received);
    keepInHistory(radio, result.variant());
    const Language language = view_.context().language();
    if (!comparison_)
        comparison_ = new CompareDialog(view_.context(), &view_);
    comparison_->showComparison(
        view_.document()->title(), QTime::currentTime().toString(QStringLiteral("HH:mm:ss")),
        imageDiffLines(diffImages(shown, radio, result.variant(), language), language));
}

// A second session on the same device reads back what the radio now holds.
void ViewTransfer::verifyWrite(CloneTransfer& transfer)
{
    const AppContext& context = view_.context();
    progress_->setWindowTitle(byLanguage(context.language(), "Verify Data", "校验数据"));
    WriteVerification verification(view_.document()->image());
    const CloneTransfer::Result readBack = verification.readBack(transfer, device_);
    if (!readBack.completed()) {
        showStatus(tr("Written, not verified"));
        report(readBack, tr("The write completed, but reading it back to verify failed:"));
        return;
    }
    keepInHistory(verification.readBackImage(), verification.variant());
    if (verification.verified()) {
        showStatus(tr("Verified"));
        return;
    }
    showStatus(tr("Written, but the radio does not hold it"));
    showMessageBox({&view_, verification.failureText(context.language()), context.company(), QMessageBox::Ok,
                    QMessageBox::Warning});
}

// A copy that cannot be kept is reported; the read itself stands.
void ViewTransfer::keepInHistory(const RadioImage& image, RadioVariant variant)
{
    const RadioHistory history(view_.context().historyFolder());
    const RadioHistory::Stored stored = history.store(image, variant, view_.context().fileWriter());
    if (stored.ok())
        return;
    showMessageBox({&view_,
                    tr("The read completed, but its copy could not be kept in the radio history:") +
                        QLatin1Char('\n') + QDir::toNativeSeparators(stored.path) + QLatin1Char('\n') +
                        stored.result.errorText,
                    view_.context().company(), QMessageBox::Ok, QMessageBox::Warning});
}

void ViewTransfer::report(const CloneTransfer::Result& result, const QString& lead)
{
    const AppContext& context = view_.context();
    MessageBoxRequest box{&view_, {}, context.company(), QMessageBox::Ok, QMessageBox::Warning};
    switch (result.outcome) {
    case CloneTransfer::Outcome::PortError:
        box.text = portFailureText(context.serialDevices().whyNotOpened(device_, result.portError), device_,
                                   context.language());
        break;
    case CloneTransfer::Outcome::Interrupted:
        box.text = stringTableText(MessageId::ProgramInterrupt);
        break;
    case CloneTransfer::Outcome::RadioTypeMismatch:
        box.text = radioTypeMismatchText(context.language());
        box.caption = radioTypeMismatchCaption(context.language());
        box.icon = QMessageBox::NoIcon;
        break;
    case CloneTransfer::Outcome::Completed:
    case CloneTransfer::Outcome::Cancelled:
    case CloneTransfer::Outcome::CommunicationError:
        return; // cancelled silently, or the user already answered Cancel to 61451
    }
    if (!lead.isEmpty())
        box.text = lead + QStringLiteral("\n\n") + box.text;
    showMessageBox(box);
}
