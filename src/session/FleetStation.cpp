#include "session/FleetStation.h"

#include "config/StringTable.h"
#include "link/PortStatus.h"
#include "link/SerialDevices.h"
#include "model/DisplayText.h"
#include "session/RadioRead.h"
#include "session/RadioWriteVerify.h"

#include <QElapsedTimer>

namespace {

// The paragraphs of a message as one line of the log.
// The radio's messages as one line of sentences: a line of a message that ends without a
// full stop ("...please reset the radio and try again") gets one, so the next reads apart.
QString oneLine(const QStringList& paragraphs)
{
    QStringList sentences;
    for (const QString& paragraph : paragraphs) {
        for (QString line : paragraph.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            line = line.trimmed();
            if (!line.isEmpty() && line.back().isLetterOrNumber())
                line += line.back().unicode() < 0x80 ? QStringLiteral(".") : QStringLiteral("。");
            sentences << line;
        }
    }
    return sentences.join(QLatin1Char(' '));
}

QString variantName(RadioVariant variant)
{
    return QString::fromLatin1(radioVariantName(variant));
}

} // namespace

FleetCable namedCable(const QString& device, const QList<SerialDeviceInfo>& present)
{
    for (const SerialDeviceInfo& info : present) {
        if (info.isNamedBy(device))
            return {device, info.stableName};
    }
    return {device, device.startsWith(QLatin1String("/dev/serial/by-id/")) ? device : QString()};
}

FleetStation::FleetStation(int number, FleetCable cable, FleetPlan& plan, HistoryKeeper history,
                           const SerialDevices& devices, QObject* parent)
    : QObject(parent), number_(number), cable_(std::move(cable)), plan_(plan), history_(std::move(history)),
      devices_(devices), messages_(devices, plan.options().language)
{
    // Queued from the station's thread, ahead of what the bench connects.
    connect(this, &FleetStation::ended, this, [this] { active_ = false; });
}

void FleetStation::start()
{
    if (active_)
        return;
    active_ = true;
    stopping_ = false;
    engine_.start([this](TransferEngine::Session& session) { work(session); });
}

void FleetStation::stop()
{
    stopping_ = true;
    engine_.wake();
}

void FleetStation::cancel()
{
    stopping_ = true;
    engine_.cancel();
}

void FleetStation::work(TransferEngine::Session& session)
{
    while (const std::optional<RadioPresence::Result> found = awaitRadio(session)) {
        if (const std::optional<FleetRecord> record = program(session, *found))
            Q_EMIT radioEnded(*record);
        if (!goesOn(session))
            break;
        awaitRemoval(session);
    }
    setState(FleetState::Stopped);
    Q_EMIT ended(number_);
}

bool FleetStation::goesOn(const TransferEngine::Session& session) const
{
    return !stopping_ && !session.cancelled() && plan_.radiosLeft();
}

// A handshake about once a second until a radio answers; nullopt when the station is to
// stop first, or when the bench has taken all its radios.
std::optional<RadioPresence::Result> FleetStation::awaitRadio(TransferEngine::Session& session)
{
    QElapsedTimer clock;
    clock.start();
    while (goesOn(session)) {
        const qint64 started = clock.elapsed();
        const RadioPresence::Result found = RadioPresence::check(session.line(), cable_.device);
        if (found.answered())
            return plan_.takeRadio() ? std::optional(found) : std::nullopt;
        if (found.answer == RadioPresence::Answer::PortError)
            setState(FleetState::Unavailable, unavailableText(found));
        else
            setState(FleetState::Waiting);
        session.pause(plan_.options().probeIntervalMs - static_cast<int>(clock.elapsed() - started));
    }
    return std::nullopt;
}

// Until the radio stops answering (or the cable is gone), so that it is not taken for the
// next one; then the cable waits for the next.
void FleetStation::awaitRemoval(TransferEngine::Session& session)
{
    setState(FleetState::Remove);
    QElapsedTimer clock;
    clock.start();
    while (goesOn(session)) {
        const qint64 started = clock.elapsed();
        const RadioPresence::Result probe = RadioPresence::check(session.line(), cable_.device);
        if (!probe.answered()) {
            if (probe.answer == RadioPresence::Answer::Silence)
                setState(FleetState::Waiting);
            return;
        }
        session.pause(plan_.options().probeIntervalMs - static_cast<int>(clock.elapsed() - started));
    }
}

// Refused, backed up, written, verified: the radio's log row, or nullopt when the bench
// stopped before anything was written.
std::optional<FleetRecord> FleetStation::program(TransferEngine::Session& session,
                                                 const RadioPresence::Result& found)
{
    FleetRecord record;
    record.cable = number_;
    record.device = cable_.device;
    record.stableName = cable_.stableName;
    record.radio = ++radios_;
    if (found.answer == RadioPresence::Answer::Radio)
        record.variant = found.variant();
    Q_EMIT progressed(number_, 0);
    if (!refuses(found, record)) {
        const Step backedUp = plan_.options().backup ? backUp(session, record) : Step::GoOn;
        if (backedUp == Step::Stopped)
            return std::nullopt;
        if (backedUp == Step::GoOn) {
            writing_ = true;
            if (write(session, record) == Step::GoOn && plan_.options().verify)
                verify(session, record);
            writing_ = false;
        }
    }
    record.time = QDateTime::currentDateTime();
    return record;
}

bool FleetStation::refuses(const RadioPresence::Result& found, FleetRecord& record)
{
    const Language language = plan_.options().language;
    record.result = FleetResult::Refused;
    if (found.answer != RadioPresence::Answer::Radio) {
        record.detail = oneLine({radioTypeMismatchText(language)});
        return true;
    }
    const RadioVariant plan = plan_.variantFor(found.variant());
    if (found.variant() == plan)
        return false;
    record.detail = byLanguage(language, "A %1 radio; the plan is for %2 radios. Not written.",
                               "对讲机为 %1，计划适用于 %2 对讲机。未写入。")
                        .arg(variantName(found.variant()), variantName(plan));
    return true;
}

FleetStation::Step FleetStation::backUp(TransferEngine::Session& session, FleetRecord& record)
{
    const Language language = plan_.options().language;
    setState(FleetState::Backup);
    CloneTransfer reading = transfer(session, 0);
    const RadioRead::Result read = RadioRead(history_).run(reading, cable_.device, plan_.image());
    record.result = FleetResult::Failed;
    if (read.transfer.outcome == CloneTransfer::Outcome::Cancelled)
        return Step::Stopped;
    if (!read.completed()) {
        record.detail = byLanguage(language, "Backup failed: %1 Not written.", "备份失败：%1 未写入。")
                            .arg(failureText(read.transfer));
        return Step::Ended;
    }
    if (!read.copy.ok()) {
        record.detail = byLanguage(language, "The backup could not be kept (%1: %2). Not written.",
                                   "备份无法保存（%1：%2）。未写入。")
                            .arg(displayedPath(read.copy.path), read.copy.result.errorText);
        return Step::Ended;
    }
    record.backup = read.copy.path;
    return Step::GoOn;
}

FleetStation::Step FleetStation::write(TransferEngine::Session& session, FleetRecord& record)
{
    const Language language = plan_.options().language;
    setState(FleetState::Writing);
    CloneTransfer writing = transfer(session, plan_.options().backup ? 1 : 0);
    const CloneTransfer::Result written =
        RadioWriteVerify(plan_.image(), history_, language).write(writing, cable_.device);
    if (written.completed()) {
        record.result = FleetResult::Written;
        return Step::GoOn;
    }
    record.result = FleetResult::Failed;
    const QString half = byLanguage(language, "The radio is half-written (%1 of %2 rows): write it again.",
                                    "对讲机只写入了一部分（%1/%2 行）：请重新写入。")
                             .arg(rows_)
                             .arg(FleetPlan::StepsPerTransfer);
    switch (written.outcome) {
    case CloneTransfer::Outcome::Cancelled:
        record.detail = byLanguage(language, "Cancelled during the write.", "写入时被取消。") + QLatin1Char(' ') + half;
        break;
    case CloneTransfer::Outcome::Interrupted:
        record.detail = failureText(written) + QLatin1Char(' ') + half;
        break;
    default: // the handshake failed: no block was sent
        record.detail = failureText(written) + QLatin1Char(' ') +
                        byLanguage(language, "The radio was not changed.", "对讲机未被改动。");
        break;
    }
    return Step::Ended;
}

void FleetStation::verify(TransferEngine::Session& session, FleetRecord& record)
{
    const Language language = plan_.options().language;
    setState(FleetState::Verifying);
    CloneTransfer reading = transfer(session, plan_.options().backup ? 2 : 1);
    const RadioWriteVerify::Verification verification =
        RadioWriteVerify(plan_.image(), history_, language).verify(reading, cable_.device);
    if (verification.readBack.outcome == CloneTransfer::Outcome::Cancelled) {
        record.detail = byLanguage(language, "Written; the verify was cancelled.", "已写入；校验被取消。");
        return;
    }
    record.result = verification.verified ? FleetResult::Verified : FleetResult::Failed;
    if (!verification.completed())
        record.detail = TransferMessages::readBackFailedLead() + QLatin1Char(' ') +
                        failureText(verification.readBack);
    else if (!verification.verified)
        record.detail = oneLine({verification.failureText});
}

// A transfer of the radio's phase (0 to 2 of its bar). Stop ends it only before anything
// is written; a cancel ends any.
CloneTransfer FleetStation::transfer(TransferEngine::Session& session, int phase)
{
    rows_ = 0;
    const int before = phase * FleetPlan::StepsPerTransfer;
    return session.transfer([this] { return stopping_ && !writing_; },
                            [this, before](int rows) {
                                rows_ = rows;
                                Q_EMIT progressed(number_, before + rows);
                            });
}

QString FleetStation::failureText(const CloneTransfer::Result& result) const
{
    return oneLine(messages_.paragraphs(result, cable_.device));
}

QString FleetStation::unavailableText(const RadioPresence::Result& probe) const
{
    const PortStatus status = devices_.whyNotOpened(cable_.device, probe.portError);
    return portStatusText(status, cable_.device, plan_.options().language);
}

void FleetStation::setState(FleetState state, const QString& detail)
{
    if (state_ == state && detail_ == detail)
        return;
    state_ = state;
    detail_ = detail;
    Q_EMIT stateChanged(number_, state, detail);
}
