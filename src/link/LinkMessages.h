#pragma once

#include "config/CommandIds.h"

#include <QString>

// The messages a clone transfer ends with. The numbered ones are string-table texts
// (the string table, translated by the language module); the radio-type message is
// compiled in both languages and chosen by g_bChinese.
namespace LinkMessages {

constexpr int CommunicationError = MessageId::CommunicationError; // asked with Retry and Cancel
constexpr int CouldNotOpenPort = MessageId::CannotOpenPort;
constexpr int ProgramInterrupt = MessageId::ProgramInterrupt;

// The text of 61451, 61453 or 61454 in the current language; empty for other ids.
QString text(int id);

QString radioTypeText();
QString radioTypeCaption();

} // namespace LinkMessages
