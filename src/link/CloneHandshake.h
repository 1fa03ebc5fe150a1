#pragma once

#include "link/SerialLine.h"

#include <cstdint>

// The opening of every session with the radio, shared by the clone transfer and by the
// look for a radio on the cable (RadioPresence): the wake-up string a byte at a time, then
// the identification. The pacing is the radio's: 2 ms before each wake-up byte, 1 ms
// around the identification request.
namespace CloneHandshake {

// Sends the wake-up string. The radio may already answer after the seventh byte; that
// answer counts, and the read after the last byte is skipped. True when it answered.
bool wakeUp(SerialLine& line);

struct Identification {
    bool answered = false;        // any byte came
    bool matches = false;         // bytes 1 to 5 name this radio
    std::uint8_t variantByte = 0; // byte 8; 0x00 when the reply was shorter
};

// Asks a woken radio who it is.
Identification identify(SerialLine& line);

} // namespace CloneHandshake
