#pragma once

#include <QStringList>

// The items of the Optional Features lists in the current language. An item's position
// is what the image stores (plus one for Time Out Time and Vox Gain Level).
QStringList timeOutItems();         // 15s, 30s, ... 600s
QStringList squelchItems();         // 0 .. 9
QStringList priorityChannelItems(); // Off, 1 .. 16
QStringList voiceItems();           // Off, Chinese, English
QStringList voxGainItems();         // 1 .. 8
QStringList voxDelayItems();        // 0.3s .. 3.0s
QStringList sideKeyItems();         // None, Monitor, Monitor Momentary, Power select

// "Off": the first Priority Channel and Voice Annunciation item, and the Transmit Delay
// field's text for a delay of 0 (or above 180.0 s).
QString offText();
