#include "sim/RadioLineup.h"

#include <algorithm>

RadioLineup::RadioLineup(const TransferArea& memory, const RadioIdentity& identity, const RadioFaults& faults,
                         const Turns& turns)
    : removedFor_(turns.removedFor), takeTurns_(turns.radios > 0)
{
    const int radios = std::max(1, turns.radios);
    for (int n = 0; n < radios; ++n) {
        RadioIdentity own = identity;
        if (static_cast<std::size_t>(n) < turns.variantBytes.size())
            own.variantByte = turns.variantBytes[static_cast<std::size_t>(n)];
        radios_.emplace_back(n == 0 ? memory : memoryOf(n), own, faults);
    }
}

RadioLineup::TransferArea RadioLineup::memoryOf(int index)
{
    TransferArea memory{};
    for (std::size_t i = 0; i < memory.size(); ++i)
        memory[i] = static_cast<std::uint8_t>(i * 7 + static_cast<std::size_t>(index) * 29 + 1);
    return memory;
}

RadioProtocol* RadioLineup::current(Clock::time_point now)
{
    if (current_ >= radios_.size() || now < nextArrives_)
        return nullptr;
    return &radios_[current_];
}

void RadioLineup::heard(Clock::time_point now)
{
    if (!takeTurns_ || current_ >= radios_.size() || !radios_[current_].doneWith())
        return;
    ++current_;
    nextArrives_ = now + removedFor_;
}
