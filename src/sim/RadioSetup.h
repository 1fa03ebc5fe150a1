#pragma once

#include "link/CloneFrames.h"

#include <QString>
#include <cstdint>

// Who the virtual radio says it is: bytes 2 and 8 of its identification reply.
struct RadioIdentity {
    std::uint8_t modelByte = CloneFrames::IdByte2A; // byte 2: 0x33 or 0x32
    std::uint8_t variantByte = 0xFF;                // byte 8: 0xFF receive-only, 0xF5 transmit-only
};

// Misbehaviour the virtual radio can be told to show. Blocks count from 0 to 101.
struct RadioFaults {
    bool noWakeUpAnswer = false;
    bool wrongIdentification = false;                           // byte 2 names another model (0x34)
    int identificationLength = CloneFrames::IdentificationSize; // fewer: a short reply
    int refusedConfirmations = 0; // the first n confirmations are answered with 0x15
    int shortReplyAtBlock = -1;   // that read reply lacks its last byte
    // That block's acknowledgement answer (read) or acknowledgement (write) never comes.
    int missingAckAtBlock = -1;
    int silentFromBlock = -1; // from that block on the radio says nothing more
    int stuckByte = -1;       // that byte of memory (0..815) keeps its value whatever is written
    int vanishAtBlock = -1;   // the pseudo-terminal closes when that block is asked for
};

// Adds one fault named as on the command line: no-wakeup, wrong-id, short-id[=N],
// refuse-confirm[=N], short-reply=K, no-ack=K, silent-from=K, vanish-at=K, stuck-byte=A.
// False (with the reason) for anything else.
bool addFault(const QString& faultText, RadioFaults& faults, QString* error);
QString faultHelp();
