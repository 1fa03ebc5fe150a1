#pragma once

#include "link/RadioPresence.h"
#include "link/SerialDeviceInfo.h"
#include "session/FleetPlan.h"
#include "session/FleetRecord.h"
#include "session/FleetState.h"
#include "session/HistoryKeeper.h"
#include "session/TransferEngine.h"
#include "session/TransferMessages.h"

#include <QObject>
#include <QString>
#include <atomic>
#include <optional>

class SerialDevices;

// A programming cable of the bench: the device it is opened by (its stable name where it
// has one, so that it is found again when plugged in again) and that stable name.
struct FleetCable {
    QString device;
    QString stableName;
};

// The cable a device names, opened by that device: the stable name comes from the devices
// present, or is the device itself when it is a /dev/serial/by-id/ name.
FleetCable namedCable(const QString& device, const QList<SerialDeviceInfo>& present);

// One cable of the bench, on a thread of its own (TransferEngine): it waits for a radio,
// backs it up, writes and verifies it, logs it, waits until it is taken off and goes
// round again, until the bench stops or has handled its count. A radio of another
// variant than the plan's, or of another type, is refused before anything is read or
// written. A failure ends that radio only. Its signals come from the station's thread, so
// the bench and the window receive them queued.
class FleetStation : public QObject {
    Q_OBJECT

public:
    FleetStation(int number, FleetCable cable, FleetPlan& plan, HistoryKeeper history,
                 const SerialDevices& devices, QObject* parent = nullptr);

    int number() const { return number_; }
    const FleetCable& cable() const { return cable_; }

    void start();
    // Finishes the radio being written (its write and verify), ends anything else at once
    // (a backup, a wait), then the station stops.
    void stop();
    // Ends at once: a transfer at its next poll point. A write cut short is logged as such.
    void cancel();
    // From start() until its ended() has arrived (on the thread that made the station).
    bool isActive() const { return active_; }
    // Between the start of a write and the end of its verify.
    bool isWriting() const { return writing_; }
    void wait() { engine_.wait(); }

Q_SIGNALS:
    void stateChanged(int cable, FleetState state, const QString& detail);
    // The radio's bar: steps done of FleetPlan::stepsPerRadio().
    void progressed(int cable, int steps);
    void radioEnded(const FleetRecord& record);
    void ended(int cable);

private:
    enum class Step { GoOn, Ended, Stopped };

    void work(TransferEngine::Session& session);
    bool goesOn(const TransferEngine::Session& session) const;
    std::optional<RadioPresence::Result> awaitRadio(TransferEngine::Session& session);
    void awaitRemoval(TransferEngine::Session& session);
    void pauseAfter(TransferEngine::Session& session, qint64 startedMs);
    std::optional<FleetRecord> program(TransferEngine::Session& session, const RadioPresence::Result& found);
    bool refuses(const RadioPresence::Result& found, FleetRecord& record);
    Step backUp(TransferEngine::Session& session, FleetRecord& record);
    Step write(TransferEngine::Session& session, FleetRecord& record);
    void verify(TransferEngine::Session& session, FleetRecord& record);
    CloneTransfer transfer(TransferEngine::Session& session, int phase);
    QString failureText(const CloneTransfer::Result& result) const;
    QString unavailableText(const RadioPresence::Result& probe) const;
    void setState(FleetState state, const QString& detail = {});

    const int number_;
    const FleetCable cable_;
    FleetPlan& plan_;
    const HistoryKeeper history_;
    const SerialDevices& devices_;
    const TransferMessages messages_;
    TransferEngine engine_;
    std::atomic<bool> stopping_{false};
    std::atomic<bool> writing_{false};
    bool active_ = false; // the thread that made the station
    // The station's thread only:
    int radios_ = 0;
    int rows_ = 0;
    std::optional<FleetState> state_;
    QString detail_;
};
