#include "editor/ViewTransfer.h"

#include "config/AppContext.h"
#include "config/CommandIds.h"
#include "config/StringTable.h"
#include "dialogs/ProgressDialog.h"
#include "document/ChannelDocument.h"
#include "editor/ChannelView.h"
#include "link/ProgrammingCables.h"
#include "link/SerialPortLine.h"
#include "uikit/MessageBox.h"

#include <QCoreApplication>
#include <QStatusTipEvent>

namespace {

// The message of a port that did not open: what the string table says, then why.
QString portFailureText(const PortStatus& status, const QString& device, Language language)
{
    return stringTableText(MessageId::CannotOpenPort) + QStringLiteral("\n\n") +
           portStatusText(status, device, language);
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
    const bool read = direction == Direction::Read;
    const Language language = view_.context().language();
    progress().open(read ? byLanguage(language, "Read Data", "读数据")
                         : byLanguage(language, "Write Data", "写数据"));
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

void ViewTransfer::run()
{
    AppContext& context = view_.context();
    view_.leaveCommit();
    const ViewState before = view_.state();
    if (direction_ == Direction::Write)
        view_.storeToImage();

    SerialPortLine line;
    CloneTransfer::Hooks hooks;
    hooks.poll = [this] {
        QCoreApplication::processEvents();
        return progress_->cancelled();
    };
    hooks.progress = [this](int) { progress_->step(); };
    hooks.retry = [this, &context] {
        return showMessageBox({&view_, stringTableText(MessageId::CommunicationError), context.company(),
                               QMessageBox::Retry | QMessageBox::Cancel, QMessageBox::Warning}) ==
               QMessageBox::Retry;
    };
    CloneTransfer transfer(line, hooks);
    RadioImage& image = view_.document()->image();
    const CloneTransfer::Result result = transferWithPortChoice(transfer);
    if (result.completed() && result.received) {
        CloneFrames::applyTransferArea(image, *result.received);
        context.setRadioVariant(result.variant());
        context.setNewDocument(false);
        view_.loadFromImage();
        view_.recordChange(tr("Read"), before, true); // modified, and undone as one step
    }
    report(result);
}

CloneTransfer::Result ViewTransfer::transferOn(CloneTransfer& transfer, const QString& device)
{
    device_ = device;
    if (direction_ == Direction::Read)
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
    const QString text = tr("%1 is not present; using the programming cable on %2 (%3).")
                             .arg(view_.context().port().name(), cable.path, QString::fromLatin1(chip->name));
    // The main window shows status tips in its status bar.
    QStatusTipEvent tip(text);
    QCoreApplication::sendEvent(&view_, &tip);
}

void ViewTransfer::report(const CloneTransfer::Result& result)
{
    const AppContext& context = view_.context();
    switch (result.outcome) {
    case CloneTransfer::Outcome::PortError:
        showMessageBox({&view_,
                        portFailureText(context.serialDevices().whyNotOpened(device_, result.portError),
                                        device_, context.language()),
                        context.company(), QMessageBox::Ok, QMessageBox::Warning});
        break;
    case CloneTransfer::Outcome::Interrupted:
        showMessageBox({&view_, stringTableText(MessageId::ProgramInterrupt), context.company(),
                        QMessageBox::Ok, QMessageBox::Warning});
        break;
    case CloneTransfer::Outcome::RadioTypeMismatch:
        showMessageBox({&view_, radioTypeMismatchText(context.language()),
                        radioTypeMismatchCaption(context.language()), QMessageBox::Ok, QMessageBox::NoIcon});
        break;
    case CloneTransfer::Outcome::Completed:
        Q_EMIT completed();
        break;
    case CloneTransfer::Outcome::Cancelled:
    case CloneTransfer::Outcome::CommunicationError:
        break; // cancelled silently, or the user already answered Cancel to 61451
    }
}
