#pragma once

#include "sim/RadioProtocol.h"

#include <chrono>
#include <vector>

// The radios that take turns on one line, as on a dealer's bench: each answers until the
// PC is done with it (RadioProtocol::doneWith), then the line stays silent for a moment,
// as while one radio is taken off the cable and the next put on, and the next answers.
// After the last the line stays silent. Each radio has its own memory and may have its
// own variant byte; all show the same faults.
class RadioLineup {
public:
    using TransferArea = CloneFrames::TransferArea;
    using Clock = std::chrono::steady_clock;

    struct Turns {
        // 0: one radio that stays on the line for good.
        int radios = 0;
        // Byte 8 of each radio's identification in turn; radios beyond the list keep the
        // identity's.
        std::vector<std::uint8_t> variantBytes;
        std::chrono::milliseconds removedFor{1500};
    };

    // The first radio holds memory, radio n (from 0) a pattern of its own.
    RadioLineup(const TransferArea& memory, const RadioIdentity& identity, const RadioFaults& faults,
                const Turns& turns);

    // The radio on the line at that time, or null between two radios and after the last.
    RadioProtocol* current(Clock::time_point now);
    // After the current radio heard a byte at that time: the radio leaves when the PC is
    // done with it.
    void heard(Clock::time_point now);

    int count() const { return static_cast<int>(radios_.size()); }
    const RadioProtocol& radio(int index) const { return radios_[static_cast<std::size_t>(index)]; }
    // What radio n (n > 0) holds before the PC writes it.
    static TransferArea memoryOf(int index);

private:
    std::vector<RadioProtocol> radios_;
    std::chrono::milliseconds removedFor_;
    bool takeTurns_;
    std::size_t current_ = 0;
    Clock::time_point nextArrives_{};
};
