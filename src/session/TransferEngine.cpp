#include "session/TransferEngine.h"

#include "link/SerialPortLine.h"

#include <chrono>
#include <utility>

TransferEngine::Session::Session(TransferEngine& engine, std::unique_ptr<SerialLine> line)
    : engine_(engine), line_(std::move(line))
{
}

CloneTransfer TransferEngine::Session::transfer(std::function<bool()> stop, std::function<void(int rows)> progress)
{
    CloneTransfer::Hooks hooks;
    hooks.poll = [this, stop = std::move(stop)] { return cancelled() || (stop && stop()); };
    hooks.progress = std::move(progress);
    return CloneTransfer(*line_, std::move(hooks));
}

void TransferEngine::Session::pause(int ms)
{
    if (ms <= 0)
        return;
    std::unique_lock<std::mutex> lock(engine_.pauseLock_);
    engine_.pauseEnds_.wait_for(lock, std::chrono::milliseconds(ms),
                                [this] { return engine_.woken_ || cancelled(); });
    engine_.woken_ = false;
}

TransferEngine::TransferEngine(QObject* parent) : QObject(parent) {}

TransferEngine::~TransferEngine()
{
    cancel();
    wait();
}

bool TransferEngine::start(Job job)
{
    if (busy_)
        return false;
    wait(); // the thread of the job before, which has returned
    busy_ = true;
    cancelled_ = false;
    woken_ = false;
    thread_.reset(QThread::create([this, job = std::move(job)] { run(job); }));
    thread_->start();
    return true;
}

void TransferEngine::run(const Job& job)
{
    // Made here: the line belongs to this thread.
    Session session(*this, std::make_unique<SerialPortLine>());
    job(session);
    session.line_.reset();
    busy_ = false;
    Q_EMIT finished();
}

void TransferEngine::cancel()
{
    cancelled_ = true;
    wake();
}

void TransferEngine::wake()
{
    {
        const std::lock_guard<std::mutex> lock(pauseLock_);
        woken_ = true;
    }
    pauseEnds_.notify_all();
}

bool TransferEngine::isRunning() const
{
    return busy_;
}

void TransferEngine::wait()
{
    if (thread_)
        thread_->wait();
}
