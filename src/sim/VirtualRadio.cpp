#include "sim/VirtualRadio.h"

#include <QByteArray>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <deque>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#ifdef __linux__
#include <sys/prctl.h>
#endif

namespace {

using Clock = VirtualRadio::Clock;

struct TimedByte {
    std::uint8_t byte;
    Clock::time_point due;
};

void closeFd(int& fd)
{
    if (fd >= 0)
        ::close(fd);
    fd = -1;
}

void setFlags(int fd, int statusFlags)
{
    ::fcntl(fd, F_SETFD, FD_CLOEXEC);
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | statusFlags);
}

// The bytes in each direction of the line, each with the time it is due at the other
// end. With pacing a byte leaves only when the one before it has gone.
class LineSchedule {
public:
    LineSchedule(bool paced, std::chrono::milliseconds latency) : paced_(paced), latency_(latency) {}

    void arrive(std::uint8_t byte, Clock::time_point now) { inbound_.push_back({byte, next(inFree_, now)}); }

    void answer(const RadioProtocol::Answer& answer, Clock::time_point heard)
    {
        const Clock::time_point earliest = answer.afterTurnaround ? heard + VirtualRadio::Turnaround : heard;
        Clock::time_point held{};
        for (const char byte : answer.bytes) {
            const Clock::time_point due = next(outFree_, earliest);
            if (held == Clock::time_point{})
                held = due + latency_;
            outbound_.push_back({static_cast<std::uint8_t>(byte), std::max(due, held)});
        }
    }

    std::deque<TimedByte>& inbound() { return inbound_; }

    QByteArray takeDueOutbound(Clock::time_point now)
    {
        QByteArray due;
        while (!outbound_.empty() && outbound_.front().due <= now) {
            due.append(static_cast<char>(outbound_.front().byte));
            outbound_.pop_front();
        }
        return due;
    }

    // Nanoseconds until the next byte is due, or -1 when nothing waits.
    std::int64_t nanosecondsToNext(Clock::time_point now) const
    {
        Clock::time_point next = Clock::time_point::max();
        if (!inbound_.empty())
            next = inbound_.front().due;
        if (!outbound_.empty())
            next = std::min(next, outbound_.front().due);
        if (next == Clock::time_point::max())
            return -1;
        return std::max<std::int64_t>(
            0, std::chrono::duration_cast<std::chrono::nanoseconds>(next - now).count());
    }

private:
    Clock::time_point next(Clock::time_point& lineFree, Clock::time_point earliest) const
    {
        if (!paced_)
            return earliest;
        lineFree = std::max(lineFree, earliest) + VirtualRadio::ByteTime;
        return lineFree;
    }

    bool paced_;
    std::chrono::milliseconds latency_;
    Clock::time_point inFree_{};
    Clock::time_point outFree_{};
    std::deque<TimedByte> inbound_;
    std::deque<TimedByte> outbound_;
};

} // namespace

VirtualRadio::VirtualRadio(const TransferArea& memory, const Options& options)
    : lineup_(memory, options.identity, options.faults, options.turns), paced_(options.paced),
      latency_(options.latency)
{
}

VirtualRadio::~VirtualRadio()
{
    stop();
}

bool VirtualRadio::start(QString* error)
{
    if (thread_.joinable())
        return true;
    termios raw{};
    ::cfmakeraw(&raw);
    char name[256] = {};
    if (::openpty(&master_, &slave_, name, &raw, nullptr) != 0 || ::pipe(stopPipe_) != 0) {
        if (error)
            *error = QString::fromLocal8Bit(std::strerror(errno));
        stop();
        return false;
    }
    setFlags(master_, O_NONBLOCK);
    setFlags(slave_, 0);
    setFlags(stopPipe_[0], O_NONBLOCK);
    setFlags(stopPipe_[1], 0);
    devicePath_ = QString::fromLocal8Bit(name);
    thread_ = std::thread([this] { serve(); });
    return true;
}

void VirtualRadio::stop()
{
    if (thread_.joinable()) {
        const char stopByte = 0;
        [[maybe_unused]] const ssize_t written = ::write(stopPipe_[1], &stopByte, 1);
        thread_.join();
    }
    closeFd(master_);
    closeFd(slave_);
    closeFd(stopPipe_[0]);
    closeFd(stopPipe_[1]);
}

VirtualRadio::TransferArea VirtualRadio::memory(int radio) const
{
    const std::lock_guard<std::mutex> lock(memoryLock_);
    return lineup_.radio(radio).memory();
}

RadioProtocol::Answer VirtualRadio::hear(std::uint8_t byte, Clock::time_point due)
{
    const std::lock_guard<std::mutex> lock(memoryLock_);
    RadioProtocol* radio = lineup_.current(due);
    if (!radio)
        return {}; // nobody on the line
    const RadioProtocol::Answer answer = radio->receive(byte);
    lineup_.heard(due);
    return answer;
}

// The cable pulled out: the terminal goes away, and the PC's reads and opens fail.
void VirtualRadio::hangUp()
{
    closeFd(master_);
    closeFd(slave_);
}

void VirtualRadio::serve()
{
#ifdef __linux__
    // Pacing works in steps of a millisecond; the default timer slack would blur them.
    ::prctl(PR_SET_TIMERSLACK, 1UL);
#endif
    LineSchedule line(paced_, latency_);
    for (;;) {
        Clock::time_point now = Clock::now();
        while (!line.inbound().empty() && line.inbound().front().due <= now) {
            const TimedByte heard = line.inbound().front();
            line.inbound().pop_front();
            const RadioProtocol::Answer answer = hear(heard.byte, heard.due);
            if (answer.hangUp) {
                hangUp();
                return;
            }
            line.answer(answer, heard.due);
        }
        const QByteArray due = line.takeDueOutbound(now);
        if (!due.isEmpty() && ::write(master_, due.constData(), static_cast<std::size_t>(due.size())) > 0)
            bytesSent_ += due.size();

        const std::int64_t waitNs = line.nanosecondsToNext(Clock::now());
        if (waitNs == 0)
            continue;
        const timespec timeout{static_cast<time_t>(waitNs / 1000000000),
                               static_cast<long>(waitNs % 1000000000)};
        pollfd fds[2] = {{master_, POLLIN, 0}, {stopPipe_[0], POLLIN, 0}};
        if (::ppoll(fds, 2, waitNs < 0 ? nullptr : &timeout, nullptr) < 0 && errno != EINTR)
            return;
        if (fds[1].revents != 0)
            return;
        if ((fds[0].revents & POLLIN) == 0)
            continue;
        std::uint8_t buffer[256];
        const ssize_t count = ::read(master_, buffer, sizeof buffer);
        now = Clock::now();
        for (ssize_t i = 0; i < count; ++i)
            line.arrive(buffer[i], now);
        if (count > 0)
            bytesReceived_ += count;
    }
}
