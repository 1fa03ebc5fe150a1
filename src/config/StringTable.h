#pragma once

#include "model/Language.h"

#include <QString>

// The string table of the language module: message texts by id and the command prompts
// ("status-bar text\ntool tip"). English is compiled in; Chinese.qm translates them.
QString stringTableText(int id);

// The prompt of a command id; empty for commands without one.
QString commandPrompt(int commandId);
QString promptStatusText(int commandId); // first line
QString promptToolTip(int commandId);    // second line

// The message of a transfer that found another radio type, and its caption; compiled in,
// in both languages.
QString radioTypeMismatchText(Language language);
QString radioTypeMismatchCaption(Language language);
