#pragma once

#include "model/Language.h"
#include "model/ProductBand.h"

#include <QString>

// Why a row of a channel list was not taken.
enum class RefusalReason {
    BadLocation,       // value: the location as written
    DuplicateLocation, // value: the location; earlierLine: where it came first
    MissingValue,      // column: the empty column
    NotANumber,        // column, value
    RxOutsideBand,     // value: MHz
    TxOutsideBand,
    RxOffRaster,
    TxOffRaster,
    RxTooManyDigits, // value: MHz; more than the radio's 8 digits hold
    TxTooManyDigits,
    TxNotAboveZero,      // value: MHz that Duplex and Offset give
    NoTransmitFrequency, // a transmit-only radio and Duplex "off"
    UnknownValue,        // column, value
    UnlistedCtcss,       // column, value
    UnknownDcs,          // column, value
    // value: the location as written, in a file whose locations start at 0
    BadZeroBasedLocation,
};

struct Refusal {
    RefusalReason reason = RefusalReason::BadLocation;
    QString column;
    QString value;
    int earlierLine = 0;
};

// The reason in words, English or Chinese; band names the limits of the band checks.
QString refusalText(const Refusal& refusal, BandLimits band, Language language);

// A frequency count as MHz without trailing zeros: 14500000 -> "145", 44600625 -> "446.00625".
QString shortMHzText(long long count);
