#pragma once

#include "link/CloneTransfer.h"
#include "link/SerialDeviceInfo.h"
#include "model/RadioImage.h"

#include <QObject>
#include <memory>

class ChannelView;
class CompareDialog;
class ProgressDialog;
struct ViewState;

// The Read, Write and Compare with Radio commands of a channel view: the progress window,
// then, once the user presses its OK, the clone transfer with the radio on the current
// port (or, when that port is absent, on the programming cable present), its messages,
// and after a completed read the refreshed grid. Every completed read keeps a copy in the
// radio history. A compare reads the radio without touching the document and shows what
// differs; with Verify after Write on, a write is read back in the same window.
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
    void start();
    void run();
    CloneTransfer::Hooks hooks();
    CloneTransfer::Result transferOn(CloneTransfer& transfer, const QString& device);
    CloneTransfer::Result transferWithPortChoice(CloneTransfer& transfer);
    void announceStandIn(const SerialDeviceInfo& cable);
    void finishRead(const CloneTransfer::Result& result, const ViewState& before);
    void finishCompare(const CloneTransfer::Result& result);
    void verifyWrite(CloneTransfer& transfer);
    void keepInHistory(const RadioImage& image, RadioVariant variant);
    void showStatus(const QString& text);
    void report(const CloneTransfer::Result& result, const QString& lead = {});

    ChannelView& view_;
    std::unique_ptr<ProgressDialog> progress_;
    CompareDialog* comparison_ = nullptr; // a child of the view
    Direction direction_ = Direction::Read;
    bool verify_ = false; // this write is read back
    QString device_;      // what the transfer opened, or tried to
    bool running_ = false;
};
