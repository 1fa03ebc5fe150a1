#pragma once

#include "link/CloneTransfer.h"
#include "link/SerialDeviceInfo.h"
#include "model/RadioImage.h"
#include "session/RadioWriteVerify.h"

#include <QObject>
#include <functional>
#include <memory>

class AppContext;
class ChannelView;
class CompareDialog;
class ProgressDialog;
struct ViewState;

// The Read, Write and Compare with Radio commands of a channel view: the progress window,
// then, once the user presses its OK, the radio workflow (session: RadioRead,
// RadioCompare, RadioWriteVerify) on the current port (or, when that port is absent, on
// the programming cable present), and what came of it: the messages, after a completed
// read the refreshed grid, after a compare the window of what differs, after a write the
// status bar. With Verify after Write on, a write is read back in the same window.
class ViewTransfer : public QObject {
    Q_OBJECT
public:
    enum class Direction { Read, Write, Compare };

    explicit ViewTransfer(ChannelView& view);
    ~ViewTransfer() override;

    // The command: opens the progress window. Does nothing while the window of an
    // earlier command is still open.
    void open(Direction direction);
    // Built when the first command opens it.
    ProgressDialog& progress();
    // The window of the last compare's result; null until a compare completed.
    CompareDialog* comparison() const { return comparison_; }
    bool isRunning() const { return running_; }

Q_SIGNALS:
    // True from OK until the end: commands that could pull the view away are refused.
    void runningChanged(bool running);
    // A completed transfer: the window that holds the view is shown again if hidden.
    void completed();

private:
    using Attempt = std::function<CloneTransfer::Result(const QString& device)>;

    AppContext& context() const;
    void start();
    void run();
    CloneTransfer::Hooks hooks();
    CloneTransfer::Result withPortChoice(const Attempt& attempt);
    CloneTransfer::Result attemptOn(const Attempt& attempt, const QString& device);
    void announceStandIn(const SerialDeviceInfo& cable);
    bool read(CloneTransfer& transfer, const RadioImage& base, const ViewState& before);
    bool compare(CloneTransfer& transfer, const RadioImage& shown);
    bool write(CloneTransfer& transfer, const RadioImage& image);
    void verify(CloneTransfer& transfer, const RadioWriteVerify& writer);
    void reportCopy(const RadioHistory::Stored& copy);
    void showStatus(const QString& text);
    void showWarning(const QString& text);
    void report(const CloneTransfer::Result& result, const QString& lead = {});

    ChannelView& view_;
    std::unique_ptr<ProgressDialog> progress_;
    CompareDialog* comparison_ = nullptr; // a child of the view
    Direction direction_ = Direction::Read;
    bool verify_ = false; // this write is read back
    QString device_;      // what the transfer opened, or tried to
    bool running_ = false;
};
