#pragma once

#include "link/CloneFrames.h"
#include "sim/RadioSetup.h"

#include <QByteArray>
#include <cstdint>

// The radio's side of the clone protocol as a plain byte machine: each byte the PC
// sends goes in, the radio's answer (if any) comes out. It holds the radio's 816 bytes
// of memory and shows the faults it was given. No timing and no line here.
class RadioProtocol {
public:
    using TransferArea = CloneFrames::TransferArea;

    struct Answer {
        QByteArray bytes;
        // The radio takes a moment before this answer (it switches into clone mode):
        // at least the time a byte needs on the line.
        bool afterTurnaround = false;
        // The line goes away before this answer, as when the cable is pulled out.
        bool hangUp = false;
    };

    static constexpr std::uint8_t Refusal = 0x15;

    RadioProtocol(const TransferArea& memory, const RadioIdentity& identity, const RadioFaults& faults);

    Answer receive(std::uint8_t byte);
    const TransferArea& memory() const { return memory_; }
    // Whether the PC is done with this radio, as a bench of radios sees it: it read the
    // radio back after a whole write (the verify), or asked who it is three times in a row
    // without going on (it waits for the radio to be taken away).
    bool doneWith() const;

private:
    enum class State {
        Idle,
        AwaitIdRequest,
        AwaitConfirmation,
        Ready,
        CommandFrame,
        WriteData,
        AwaitReadAck
    };

    bool wakeUpComplete(std::uint8_t byte);
    Answer receiveInState(std::uint8_t byte);
    Answer identification();
    Answer confirmation();
    Answer command();
    Answer readReply() const;
    Answer storeBlock();
    Answer ackUnlessMissing() const;
    bool silent() const;

    TransferArea memory_;
    RadioIdentity identity_;
    RadioFaults faults_;
    State state_ = State::Idle;
    std::size_t wakeUpMatched_ = 0;
    int confirmationsRefused_ = 0;
    QByteArray frame_;
    int block_ = 0;
    int unconfirmedIdentifications_ = 0;
    bool wholeWrite_ = false;       // the last block was written
    bool readBackAfterWrite_ = false; // and then the last block read
};
