#pragma once

#include "model/Language.h"
#include "model/RadioImage.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

// The radio-wide options as the Optional Features dialog shows them, in one language.
namespace OptionItems {
// The items of the dialog's lists; OptionRules maps their positions to the image's bytes.
QStringList timeOut();                          // 15s, 30s, ... 600s
QStringList squelch();                          // 0 .. 9
QStringList priorityChannel(Language language); // Off, 1 .. 16
QStringList voice(Language language);           // Off, Chinese, English
QStringList voxGain();                          // 1 .. 8
QStringList voxDelay();                         // 0.3s .. 3.0s
QStringList sideKey(Language language);         // None, Monitor, Monitor Momentary, Power select
QStringList vox(Language language);             // On, Off
// "Off": the first Priority Channel and Voice Annunciation item, and the Transmit Delay
// text for a delay of 0 (or above 180.0 s).
QString off(Language language);
QString on(Language language);
// The Transmit Delay field's text for a count of tenths of a second: "12.3", or "Off".
QString transmitDelayText(int tenths, Language language);
} // namespace OptionItems

// The bits of the image a setting lives in: mask applies to each of size bytes.
struct ImageBits {
    int offset = 0;
    int size = 1;
    std::uint8_t mask = 0xFF;
};

// One setting of the option block (or the product bytes) with the dialog's label and
// the value as the dialog shows it; a byte no list item stands for shows as "0x..".
struct OptionSetting {
    QString label;
    QString value;
    ImageBits bits;
};

// The options in the order of the dialog, then the product type and band indexes.
std::vector<OptionSetting> optionSettings(const RadioImage& image, Language language);
