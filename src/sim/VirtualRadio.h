#pragma once

#include "sim/RadioLineup.h"

#include <QString>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <mutex>
#include <thread>

// A radio on a pseudo-terminal: the PC side opens devicePath() like any serial device,
// and a thread of this object answers as the radio would. Optionally every byte takes
// the time it needs at 9600 baud (10 bits) in both directions; without pacing the radio
// answers as fast as the pseudo-terminal allows. Optionally several radios take turns on
// the line (RadioLineup), and each answer is held back as a USB adapter's latency timer
// holds it.
class VirtualRadio {
public:
    using TransferArea = CloneFrames::TransferArea;
    using Clock = std::chrono::steady_clock;

    struct Options {
        RadioIdentity identity;
        RadioFaults faults;
        bool paced = false;
        RadioLineup::Turns turns;
        // Each answer reaches the PC no sooner than this after its first byte was due.
        std::chrono::milliseconds latency{0};
    };

    static constexpr std::chrono::nanoseconds ByteTime{1041667}; // 10 bits at 9600 baud
    // The least time the radio takes before an answer marked afterTurnaround. The PC
    // clears its input right after sending the confirmation; an answer quicker than that
    // clear on a loaded machine would be lost and read as a refusal (61451).
    static constexpr std::chrono::microseconds Turnaround{5000};

    VirtualRadio(const TransferArea& memory, const Options& options);
    ~VirtualRadio();
    VirtualRadio(const VirtualRadio&) = delete;
    VirtualRadio& operator=(const VirtualRadio&) = delete;

    // Opens the pseudo-terminal and starts answering. False (with the reason) when the
    // system has no pseudo-terminal to give.
    bool start(QString* error = nullptr);
    void stop();

    QString devicePath() const { return devicePath_; }
    // What radio n of the lineup (the first, for a single radio) holds now.
    TransferArea memory(int radio = 0) const;
    // Bytes that crossed the line so far, from the PC and to the PC.
    std::int64_t bytesReceived() const { return bytesReceived_; }
    std::int64_t bytesSent() const { return bytesSent_; }

private:
    void serve();
    RadioProtocol::Answer hear(std::uint8_t byte, Clock::time_point due);
    void hangUp();

    RadioLineup lineup_;
    bool paced_;
    std::chrono::milliseconds latency_;
    mutable std::mutex memoryLock_;
    int master_ = -1;
    int slave_ = -1; // kept open so the terminal stays up between the PC's sessions
    int stopPipe_[2] = {-1, -1};
    QString devicePath_;
    std::thread thread_;
    std::atomic<std::int64_t> bytesReceived_{0};
    std::atomic<std::int64_t> bytesSent_{0};
};
