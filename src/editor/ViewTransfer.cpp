#include "editor/ViewTransfer.h"

#include "config/AppContext.h"
#include "config/CommandIds.h"
#include "config/StringTable.h"
#include "dialogs/ProgressDialog.h"
#include "document/ChannelDocument.h"
#include "editor/ChannelView.h"
#include "link/SerialPortLine.h"
#include "uikit/MessageBox.h"

#include <QCoreApplication>

namespace {

QString portFailureText(const QString& reason)
{
    QString text = stringTableText(MessageId::CannotOpenPort);
    if (reason.isEmpty())
        return text;
    text += QStringLiteral("\n\n") + reason;
#ifdef Q_OS_LINUX
    if (reason.contains(QStringLiteral("ermission")))
        text += QLatin1Char('\n') +
                ViewTransfer::tr("On Linux the user must belong to the group that owns the device, "
                                 "usually \"dialout\" (sudo adduser $USER dialout, then log in again).");
#endif
    return text;
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
    CloneTransfer::Result result;
    if (direction_ == Direction::Read)
        result = transfer.read(context.port().device());
    else
        result = transfer.write(context.port().device(), CloneFrames::transferAreaOf(image));
    if (result.completed() && result.received) {
        CloneFrames::applyTransferArea(image, *result.received);
        context.setRadioVariant(result.variant());
        context.setNewDocument(false);
        view_.loadFromImage();
        view_.recordChange(tr("Read"), before, true); // modified, and undone as one step
    }
    report(result);
}

void ViewTransfer::report(const CloneTransfer::Result& result)
{
    const AppContext& context = view_.context();
    switch (result.outcome) {
    case CloneTransfer::Outcome::PortError:
        showMessageBox({&view_, portFailureText(result.portError), context.company(), QMessageBox::Ok,
                        QMessageBox::Warning});
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
