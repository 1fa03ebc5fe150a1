#pragma once

#include "session/FleetLog.h"
#include "session/FleetPlan.h"
#include "session/FleetStation.h"
#include "session/HistoryKeeper.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <memory>
#include <vector>

class FileWriter;
class SerialDevices;

// What the bench has done so far.
struct FleetTotals {
    int programmed = 0; // verified, or written with verify off
    int failed = 0;
    int refused = 0;
};

// What a bench uses of the program: the radio history (each backup and read-back is kept
// there), the serial devices (the cables present, why one does not open), the file writer
// and the folder of the logs it keeps, one CSV per run (fleetLogFolder beside the history).
struct FleetServices {
    HistoryKeeper history;
    const SerialDevices& devices;
    const FileWriter& writer;
    QString logFolder;
};

// The dealer's bench: one plan (the image as Write sends it) programmed into radio after
// radio on every cable at once, each cable a FleetStation on a thread of its own. Each
// radio is backed up, written, verified and logged; the log is kept in a CSV file after
// each radio. Widgets-free and without process-wide state, so that a window (which shows
// a row per cable, the totals and the elapsed time from these signals) and the command
// line both run it; all of it is used from the thread that made it.
//
// Cables can be added before and while it runs; addPresentCables() adds every likely
// programming cable present, and watchForCables() adds those plugged in later. Stop
// finishes the radios being written and then ends; a second stop, or cancel(), ends at
// once, and a write cut short is logged as half-written.
class FleetBench : public QObject {
    Q_OBJECT

public:
    static constexpr int CableWatchIntervalMs = 2000;

    FleetBench(const RadioImage& plan, const FleetOptions& options, FleetServices services,
               QObject* parent = nullptr);
    // Cancels what still runs and waits for every cable's thread.
    ~FleetBench() override;

    // The cable's number, from 0; the number it already has when a cable of that device or
    // stable name is on the bench. Starts it at once while the bench runs.
    int addCable(const FleetCable& cable);
    // Every likely programming cable present now (by USB id).
    void addPresentCables();
    // From now on, every few seconds while the bench runs.
    void watchForCables() { watchForCables_ = true; }

    void start();
    void stop();
    void cancel();

    bool isRunning() const { return running_; }
    bool isStopping() const { return stopRequests_ > 0; }
    // Whether a radio is being written: closing a window should ask first.
    bool isWriting() const;
    int cableCount() const { return static_cast<int>(stations_.size()); }
    const FleetCable& cable(int number) const { return stations_[static_cast<std::size_t>(number)]->cable(); }
    int stepsPerRadio() const { return plan_.stepsPerRadio(); }
    std::optional<RadioVariant> planVariant() const { return plan_.variant(); }
    FleetTotals totals() const { return totals_; }
    // Since start(), until the bench finished.
    qint64 elapsedMs() const;
    const FleetLog& log() const { return log_; }
    // The CSV file the log is kept in (empty before the first radio).
    QString keptLogPath() const { return keptLog_ ? keptLog_->path() : QString(); }

Q_SIGNALS:
    void cableAdded(int cable);
    void stateChanged(int cable, FleetState state, const QString& detail);
    void progressed(int cable, int steps); // of stepsPerRadio()
    void radioEnded(const FleetRecord& record);
    void totalsChanged(const FleetTotals& totals);
    // The kept log could not be written; the bench goes on.
    void logFailed(const QString& path, const QString& reason);
    // Every cable has stopped: after stop() or cancel(), or once the count was handled.
    void finished();

private:
    void onRadioEnded(const FleetRecord& record);
    void onStationEnded();
    void finishIfDone();

    FleetPlan plan_;
    FleetServices services_;
    std::vector<std::unique_ptr<FleetStation>> stations_;
    FleetLog log_;
    std::optional<FleetLogFile> keptLog_; // from the first start
    FleetTotals totals_;
    QElapsedTimer clock_;
    qint64 finishedAfterMs_ = -1;
    QTimer cableWatch_;
    bool watchForCables_ = false;
    bool running_ = false;
    int stopRequests_ = 0;
};

Q_DECLARE_METATYPE(FleetTotals)
