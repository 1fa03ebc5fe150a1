#pragma once

#include "model/Language.h"

#include <QString>

// The string table of the language module: message texts by id, and the command prompts
// ("status-bar text\ntool tip"), which stand with their commands (marked with
// QT_TRANSLATE_NOOP("StringTable", ...)). English is compiled in; Chinese.qm translates them.
QString stringTableText(int id);

// The two lines of a command prompt, translated; empty for nullptr.
QString promptStatusText(const char* prompt); // first line
QString promptToolTip(const char* prompt);    // second line

// The message of a transfer that found another radio type, and its caption; compiled in,
// in both languages.
QString radioTypeMismatchText(Language language);
QString radioTypeMismatchCaption(Language language);
