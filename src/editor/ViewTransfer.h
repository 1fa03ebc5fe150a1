#pragma once

#include "link/CloneTransfer.h"
#include "link/SerialDeviceInfo.h"

#include <QObject>
#include <memory>

class ChannelView;
class ProgressDialog;

// The Read and Write commands of a channel view: the progress window, then, once the
// user presses its OK, the clone transfer with the radio on the current port (or, when
// that port is absent, on the programming cable present), its messages, and after a
// completed read the refreshed grid.
class ViewTransfer : public QObject {
    Q_OBJECT
public:
    enum class Direction { Read, Write };

    explicit ViewTransfer(ChannelView& view);
    ~ViewTransfer() override;

    // The Read or Write command: opens the progress window. Does nothing while the
    // window of an earlier command is still open.
    void open(Direction direction);
    // Built when the first Read or Write opens it.
    ProgressDialog& progress();
    bool isRunning() const { return running_; }

Q_SIGNALS:
    // True from OK until the end: commands that could pull the view away are refused.
    void runningChanged(bool running);
    // A completed transfer: the window that holds the view is shown again if hidden.
    void completed();

private:
    void start();
    void run();
    CloneTransfer::Result transferOn(CloneTransfer& transfer, const QString& device);
    CloneTransfer::Result transferWithPortChoice(CloneTransfer& transfer);
    void announceStandIn(const SerialDeviceInfo& cable);
    void report(const CloneTransfer::Result& result);

    ChannelView& view_;
    std::unique_ptr<ProgressDialog> progress_;
    Direction direction_ = Direction::Read;
    QString device_; // what the transfer opened, or tried to
    bool running_ = false;
};
