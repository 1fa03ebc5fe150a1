#pragma once

#include "link/SerialLine.h"
#include "model/RadioVariant.h"

#include <QString>
#include <cstdint>

// Whether a radio is on the cable, without changing anything in it: one handshake
// attempt up to the radio's identification, never confirmed. Unconfirmed, the radio takes
// no read or write command; the next session starts with the wake-up string, which the
// radio answers whatever came before (as after a refused confirmation or the end of any
// transfer). The identification also tells the radio's variant before anything is read
// or written. Silence is an answer here, not an error: no radio is on the cable.
namespace RadioPresence {

enum class Answer {
    Radio,      // woke and named this radio; variantByte says which kind
    OtherRadio, // something woke but did not name this radio
    Silence,    // nothing answered the wake-up string
    PortError   // the device did not open; portError says why
};

struct Result {
    Answer answer = Answer::Silence;
    std::uint8_t variantByte = 0;
    QString portError;

    RadioVariant variant() const { return radioVariantFromIdByte(variantByte); }
    // Anything on the cable that answers: a radio waiting to be taken away counts.
    bool answered() const { return answer == Answer::Radio || answer == Answer::OtherRadio; }
};

// Opens the device, tries the handshake once and closes it again.
Result check(SerialLine& line, const QString& device);

} // namespace RadioPresence
