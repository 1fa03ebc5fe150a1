#include "editor/ViewTransfer.h"

#include "channels/ChannelTableModel.h"

#include "config/CommandIds.h"
#include "config/StringTable.h"
#include "dialogs/CompareDialog.h"
#include "dialogs/ProgressDialog.h"
#include "document/ChannelDocument.h"
#include "editor/ChannelView.h"
#include "link/ProgrammingCables.h"
#include "link/SerialPortLine.h"
#include "session/AppContext.h"
#include "session/RadioCompare.h"
#include "session/RadioRead.h"
#include "session/TransferMessages.h"
#include "uikit/UiHooks.h"

#include <QCoreApplication>
#include <QDir>
#include <QStatusTipEvent>
#include <QTime>

namespace {

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

ViewTransfer::~ViewTransfer() = default;

AppContext& ViewTransfer::context() const
{
    return view_.context();
}

ProgressDialog& ViewTransfer::progress()
{
    if (!progress_)
        progress_ = std::make_unique<ProgressDialog>(context().uiHooks(), [this] { start(); });
    return *progress_;
}

void ViewTransfer::open(Direction direction)
{
    if (progress().isOpen())
        return;
    direction_ = direction;
    verify_ = direction == Direction::Write && context().verifyAfterWrite();
    // A write that is read back runs the bar over both transfers.
    progress().open(captionOf(direction, context().language()),
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
        return context().uiHooks().showMessageBox(
                   {&view_, stringTableText(MessageId::CommunicationError), context().company(),
                    QMessageBox::Retry | QMessageBox::Cancel, QMessageBox::Warning}) == QMessageBox::Retry;
    };
    return hooks;
}

void ViewTransfer::run()
{
    // What the workflow needs of the view, taken at the start: the open editor committed,
    // and the document's image.
    view_.leaveCommit();
    const ViewState before = view_.state();
    const RadioImage image = view_.document()->image();

    SerialPortLine line;
    CloneTransfer transfer(line, hooks());
    bool done = false;
    switch (direction_) {
    case Direction::Read:
        done = read(transfer, image, before);
        break;
    case Direction::Compare:
        done = compare(transfer, image);
        break;
    case Direction::Write:
        done = write(transfer, image);
        break;
    }
    if (!done)
        return;
    // After a read or a write the grid holds what the radio holds: no cell differs.
    if (direction_ != Direction::Compare)
        view_.model().clearReference(ChannelTableModel::Mark::Radio);
    Q_EMIT completed();
}

// The stored port is gone (a cable unplugged, or plugged into another socket): the one
// programming cable present stands in, or the user picks among several.
CloneTransfer::Result ViewTransfer::withPortChoice(const Attempt& attempt)
{
    const AppContext& session = context();
    const CurrentPort& port = session.port();
    const CloneTransfer::Result result = attemptOn(attempt, port.device());
    if (result.outcome != CloneTransfer::Outcome::PortError || port.hasDeviceOverride() ||
        session.serialDevices().status(port.device()).state != PortStatus::State::Absent)
        return result;
    const QList<SerialDeviceInfo> cables = ProgrammingCables::among(session.serialDevices().present());
    if (cables.size() == 1) {
        announceStandIn(cables.front());
        return attemptOn(attempt, cables.front().openName());
    }
    if (cables.size() > 1) {
        if (!view_.openPortSetting(tr("%1 is not present, and several programming cables are connected. "
                                      "Choose the one the radio is on.")
                                       .arg(port.name())))
            return {}; // cancelled
        return attemptOn(attempt, port.device());
    }
    return result;
}

CloneTransfer::Result ViewTransfer::attemptOn(const Attempt& attempt, const QString& device)
{
    device_ = device;
    return attempt(device);
}

void ViewTransfer::announceStandIn(const SerialDeviceInfo& cable)
{
    const ProgrammingCables::Chip* chip = ProgrammingCables::chipOf(cable);
    showStatus(tr("%1 is not present; using the programming cable on %2 (%3).")
                   .arg(context().port().name(), cable.path, QString::fromLatin1(chip->name)));
}

void ViewTransfer::showStatus(const QString& text)
{
    // The main window shows status tips in its status bar.
    QStatusTipEvent tip(text);
    QCoreApplication::sendEvent(&view_, &tip);
}

void ViewTransfer::showWarning(const QString& text)
{
    context().uiHooks().showMessageBox(
        {&view_, text, context().company(), QMessageBox::Ok, QMessageBox::Warning});
}

// The view's part at the end of a read: the image refilled, the read undone as one step.
bool ViewTransfer::read(CloneTransfer& transfer, const RadioImage& base, const ViewState& before)
{
    const RadioRead reader(context().historyKeeper());
    RadioRead::Result read;
    const CloneTransfer::Result ended = withPortChoice([&](const QString& device) {
        read = reader.run(transfer, device, base);
        return read.transfer;
    });
    if (!ended.completed()) {
        report(ended);
        return false;
    }
    view_.document()->image() = read.image;
    context().setRadioVariant(read.variant());
    context().setNewDocument(false);
    view_.loadFromImage();
    view_.recordChange(tr("Read"), before, true); // modified, and undone as one step
    reportCopy(read.copy);
    return true;
}

// The radio's memory goes into a scratch image; the document stays as it is.
bool ViewTransfer::compare(CloneTransfer& transfer, const RadioImage& shown)
{
    const RadioCompare comparer(context().historyKeeper(), context().language());
    RadioCompare::Result compared;
    const CloneTransfer::Result ended = withPortChoice([&](const QString& device) {
        compared = comparer.run(transfer, device, shown);
        return compared.read.transfer;
    });
    if (!ended.completed()) {
        report(ended);
        return false;
    }
    reportCopy(compared.read.copy);
    // The grid marks what differs until a read or a write.
    view_.model().setReference(ChannelTableModel::Mark::Radio, compared.read.image, {}, true);
    if (!comparison_)
        comparison_ = new CompareDialog(context(), &view_);
    comparison_->showComparison(view_.document()->title(),
                                QTime::currentTime().toString(QStringLiteral("HH:mm:ss")), compared.lines);
    return true;
}

bool ViewTransfer::write(CloneTransfer& transfer, const RadioImage& image)
{
    const RadioWriteVerify writer(image, context().historyKeeper(), context().language());
    const CloneTransfer::Result written =
        withPortChoice([&](const QString& device) { return writer.write(transfer, device); });
    if (!written.completed()) {
        report(written);
        return false;
    }
    if (verify_)
        verify(transfer, writer);
    else
        showStatus(tr("Written"));
    return true;
}

// A second session on the same device reads back what the radio now holds.
void ViewTransfer::verify(CloneTransfer& transfer, const RadioWriteVerify& writer)
{
    progress_->setWindowTitle(byLanguage(context().language(), "Verify Data", "校验数据"));
    const RadioWriteVerify::Verification verification = writer.verify(transfer, device_);
    if (!verification.completed()) {
        showStatus(tr("Written, not verified"));
        report(verification.readBack, TransferMessages::readBackFailedLead());
        return;
    }
    reportCopy(verification.copy);
    if (verification.verified) {
        showStatus(tr("Verified"));
        return;
    }
    showStatus(tr("Written, but the radio does not hold it"));
    showWarning(verification.failureText);
}

// A copy that cannot be kept is reported; the read itself stands.
void ViewTransfer::reportCopy(const RadioHistory::Stored& copy)
{
    if (!copy.ok())
        showWarning(tr("The read completed, but its copy could not be kept in the radio history:") +
                    QLatin1Char('\n') + QDir::toNativeSeparators(copy.path) + QLatin1Char('\n') +
                    copy.result.errorText);
}

void ViewTransfer::report(const CloneTransfer::Result& result, const QString& lead)
{
    // Cancelled silently, or the user already answered Cancel to 61451.
    if (result.outcome == CloneTransfer::Outcome::CommunicationError)
        return;
    const TransferMessages messages(context().serialDevices(), context().language());
    QStringList paragraphs = messages.paragraphs(result, device_);
    if (paragraphs.isEmpty())
        return;
    if (!lead.isEmpty())
        paragraphs.prepend(lead);
    const bool otherRadio = result.outcome == CloneTransfer::Outcome::RadioTypeMismatch;
    context().uiHooks().showMessageBox({&view_, paragraphs.join(QStringLiteral("\n\n")),
                                        messages.caption(result.outcome, context().company()),
                                        QMessageBox::Ok,
                                        otherRadio ? QMessageBox::NoIcon : QMessageBox::Warning});
}
