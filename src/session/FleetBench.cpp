#include "session/FleetBench.h"

#include "link/ProgrammingCables.h"
#include "link/SerialDevices.h"

#include <algorithm>

FleetBench::FleetBench(const RadioImage& plan, const FleetOptions& options, FleetServices services,
                       QObject* parent)
    : QObject(parent), plan_(plan, options), services_(std::move(services))
{
    qRegisterMetaType<FleetRecord>();
    qRegisterMetaType<FleetState>();
    qRegisterMetaType<FleetTotals>();
    cableWatch_.setInterval(CableWatchIntervalMs);
    connect(&cableWatch_, &QTimer::timeout, this, &FleetBench::addPresentCables);
}

FleetBench::~FleetBench()
{
    for (const auto& station : stations_)
        station->cancel();
    for (const auto& station : stations_)
        station->wait();
}

int FleetBench::addCable(const FleetCable& cable)
{
    const auto named = [&cable](const QString& name) {
        return !name.isEmpty() && (name == cable.device || name == cable.stableName);
    };
    const auto found = std::find_if(stations_.cbegin(), stations_.cend(), [&named](const auto& station) {
        return named(station->cable().device) || named(station->cable().stableName);
    });
    if (found != stations_.cend())
        return static_cast<int>(found - stations_.cbegin());

    const int number = cableCount();
    stations_.push_back(
        std::make_unique<FleetStation>(number, cable, plan_, services_.history, services_.devices));
    FleetStation* station = stations_.back().get();
    connect(station, &FleetStation::stateChanged, this, &FleetBench::stateChanged);
    connect(station, &FleetStation::progressed, this, &FleetBench::progressed);
    connect(station, &FleetStation::radioEnded, this, &FleetBench::onRadioEnded);
    connect(station, &FleetStation::ended, this, &FleetBench::onStationEnded);
    Q_EMIT cableAdded(number);
    if (running_ && !isStopping() && plan_.radiosLeft())
        station->start();
    return number;
}

void FleetBench::addPresentCables()
{
    for (const SerialDeviceInfo& device : ProgrammingCables::among(services_.devices.present()))
        addCable({device.openName(), device.stableName});
}

void FleetBench::start()
{
    if (running_)
        return;
    running_ = true;
    stopRequests_ = 0;
    finishedAfterMs_ = -1;
    clock_.start();
    if (!keptLog_)
        keptLog_.emplace(services_.logFolder, QDateTime::currentDateTime(), services_.writer);
    if (watchForCables_)
        cableWatch_.start();
    for (const auto& station : stations_)
        station->start();
    finishIfDone();
}

void FleetBench::stop()
{
    if (!running_)
        return;
    if (++stopRequests_ > 1) {
        cancel();
        return;
    }
    cableWatch_.stop();
    for (const auto& station : stations_)
        station->stop();
    finishIfDone();
}

void FleetBench::cancel()
{
    ++stopRequests_;
    cableWatch_.stop();
    for (const auto& station : stations_)
        station->cancel();
    finishIfDone();
}

bool FleetBench::isWriting() const
{
    return std::any_of(stations_.cbegin(), stations_.cend(),
                       [](const auto& station) { return station->isWriting(); });
}

qint64 FleetBench::elapsedMs() const
{
    if (finishedAfterMs_ >= 0)
        return finishedAfterMs_;
    return clock_.isValid() ? clock_.elapsed() : 0;
}

void FleetBench::onRadioEnded(const FleetRecord& record)
{
    log_.add(record);
    switch (record.result) {
    case FleetResult::Verified:
    case FleetResult::Written:
        ++totals_.programmed;
        break;
    case FleetResult::Failed:
        ++totals_.failed;
        break;
    case FleetResult::Refused:
        ++totals_.refused;
        break;
    }
    const WriteResult kept = keptLog_->save(log_);
    Q_EMIT radioEnded(record);
    Q_EMIT totalsChanged(totals_);
    if (!kept.ok)
        Q_EMIT logFailed(keptLog_->path(), kept.errorText);
}

void FleetBench::onStationEnded()
{
    finishIfDone();
}

// Once every station has ended, which they do only when stopped or once the count was
// handled; a bench that watches for cables waits for its first.
void FleetBench::finishIfDone()
{
    const bool active = std::any_of(stations_.cbegin(), stations_.cend(),
                                    [](const auto& station) { return station->isActive(); });
    const bool ending = isStopping() || !plan_.radiosLeft() || (stations_.empty() && !watchForCables_);
    if (!running_ || active || !ending)
        return;
    running_ = false;
    finishedAfterMs_ = clock_.elapsed();
    cableWatch_.stop();
    Q_EMIT finished();
}
