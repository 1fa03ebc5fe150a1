#pragma once

#include "model/Language.h"
#include <QString>
#include <QStringList>
#include <cstdint>

// Tone fields are two bytes, low first. The high byte tells the kind: 0xFF/0x00 none,
// 0x28/0x29 DCS normal, 0xA8/0xA9 DCS inverted, anything else a CTCSS tone in tenths
// of a hertz.
struct ToneField {
    std::uint8_t low = 0xFF;
    std::uint8_t high = 0xFF;
    bool operator==(const ToneField& o) const { return low == o.low && high == o.high; }
};

constexpr int DcsCodeCount = 107;
constexpr int ToneChoiceCount = 219;

// The 107 DCS codes the radio knows, written as their octal digits read in decimal.
const int* dcsCodeTable();

// Whether a code number (23, 754) is one of the 107 the radio knows.
bool isDcsTableCode(int code);
// Whether a CTCSS tone in tenths of a hertz (885 for 88.5 Hz) is one of the 50 offered.
bool isListedCtcssTone(int tenths);

// Code digits (19 -> 23) for the 9-bit value low + 256 x (high bit 0); 0 when unknown.
int dcsCodeFromBits(std::uint8_t low, std::uint8_t high);
// Low 8 bits of the 9-bit value of a code number (754 -> 0xEC); 0 when unknown.
std::uint8_t dcsBitsFromCode(int code);

bool isNoTone(std::uint8_t high);
QString noneToneText(Language language);

// Text of a tone field that is not "none" (DCS or CTCSS); callers decide the none text.
QString toneTextFromField(ToneField field);
// Any text: "D..." is a DCS code, anything else a CTCSS number (0 = none).
ToneField toneFieldFromText(const QString& text);

// The 219 texts offered in the tone columns: none, 50 CTCSS, 84 DCS normal, 84 inverted.
QStringList toneChoices(Language language);
