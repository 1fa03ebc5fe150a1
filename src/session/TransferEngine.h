#pragma once

#include "link/CloneTransfer.h"
#include "link/SerialLine.h"

#include <QObject>
#include <QThread>
#include <atomic>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>

// Runs work with the radio on a thread of its own, with a serial line of its own made on
// that thread (a QSerialPort is used where it was made), so that transfers on several
// cables run at once without slowing each other, and no window waits for one. The work (a
// job) gets a Session: the line, clone transfers on it whose poll point reads the engine's
// cancel flag (at the points a transfer polls, so CloneTransfer's bytes and timing stay
// as they are), and pauses that a cancel or wake() cut short. A job reports through
// signals of its own: emitted on the engine's thread, they reach the objects of other
// threads (the window's) queued, with their arguments registered as metatypes.
class TransferEngine : public QObject {
    Q_OBJECT

public:
    class Session {
    public:
        SerialLine& line() { return *line_; }
        bool cancelled() const { return engine_.cancelled_; }
        // A clone transfer on the line. Its poll point reports a cancel, or also stop()
        // when given and true; each row done goes to progress when given.
        CloneTransfer transfer(std::function<bool()> stop = {}, std::function<void(int rows)> progress = {});
        // Keeps the thread idle for ms milliseconds, less when cancelled or woken.
        void pause(int ms);

    private:
        friend class TransferEngine;
        Session(TransferEngine& engine, std::unique_ptr<SerialLine> line);

        TransferEngine& engine_;
        std::unique_ptr<SerialLine> line_;
    };
    using Job = std::function<void(Session& session)>;

    explicit TransferEngine(QObject* parent = nullptr);
    // Cancels a job still running and waits for its end.
    ~TransferEngine() override;

    // Starts the job on the engine's thread; false while another runs.
    bool start(Job job);
    // The job's transfer ends at its next poll point, its pause at once.
    void cancel();
    // Ends the job's pause early, for a change it should look at.
    void wake();
    // From start() until the job has returned.
    bool isRunning() const;
    // Blocks until the job has ended (for tests and shutdown).
    void wait();

Q_SIGNALS:
    // On the engine's thread, after the job returned.
    void finished();

private:
    void run(const Job& job);

    std::unique_ptr<QThread> thread_;
    std::atomic<bool> busy_{false};
    std::atomic<bool> cancelled_{false};
    std::mutex pauseLock_;
    std::condition_variable pauseEnds_;
    bool woken_ = false;
};
