#pragma once

#include "csv/CsvLayout.h"
#include "csv/CsvRefusal.h"
#include "model/ToneTables.h"

#include <optional>

// The tone columns of one row (Tone, rToneFreq, cToneFreq, DtcsCode, DtcsPolarity,
// RxDtcsCode, CrossMode) against the two tone fields of a channel record. The decode
// tone is the receive side of a cross mode, the encode tone the transmit side.

struct ToneColumns {
    QString tone, rToneFreq, cToneFreq, dtcsCode, dtcsPolarity, rxDtcsCode, crossMode;
};

// Only the columns the row needs are filled: "Tone" with rToneFreq, "TSQL" with
// cToneFreq, "DTCS" with DtcsCode and DtcsPolarity, "Cross" with what its mode uses.
ToneColumns toneColumnsOf(ToneField decode, ToneField encode);

// Whether the columns can carry the tone so that the import takes it back: none, one of
// the 50 CTCSS tones, or a code of the DCS table.
bool isCsvTone(ToneField field);

// Which column feeds one tone field, before its value is checked.
struct ToneSource {
    enum class Kind { None, Ctcss, Dcs };
    Kind kind = Kind::None;
    CsvColumn::Id column = CsvColumn::RToneFreq;
    int polarityLetter = 0; // 0 transmit, 1 receive (DCS only)
};

struct ToneRoute {
    ToneSource decode;
    ToneSource encode;
};

// Reads the Tone and CrossMode columns; a mode this layout does not define is refused.
std::optional<Refusal> routeTones(const CsvHeader& header, const CsvRecord& row, ToneRoute& route);

// The field one source gives: a CTCSS tone must be one of the 50 offered, a DCS code one
// of the radio's table, a polarity letter N or R.
std::optional<Refusal> toneFieldFrom(const ToneSource& source, const CsvHeader& header, const CsvRecord& row,
                                     ToneField& field);
