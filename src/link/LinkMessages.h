#pragma once

#include <QString>

// The messages a clone transfer ends with. The numbered ones are string-table texts
// (translated through Qt Linguist, context "LinkMessages"); the radio-type message is
// compiled in both languages and chosen by g_bChinese.
namespace LinkMessages {

constexpr int CommunicationError = 61451; // asked with Retry and Cancel
constexpr int CouldNotOpenPort = 61453;
constexpr int ProgramInterrupt = 61454;

// The text of 61451, 61453 or 61454 in the current language; empty for other ids.
QString text(int id);

QString radioTypeText();
QString radioTypeCaption();

} // namespace LinkMessages
