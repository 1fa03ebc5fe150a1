#pragma once

#include "model/RadioVariant.h"

#include <QString>

// Process-wide values, set once at start-up unless noted.
extern bool g_bChinese;             // [Setup] Language is exactly "Chinese"
extern QString g_strLanguage;       // [Setup] Language as read; names the .qm and the ini section
extern QString g_strHelpFile;       // "chHelp.chm" or "enHelp.chm"; selects the help language
extern QString g_strExeDir;         // the executable's folder, with a trailing separator
extern RadioVariant g_radioVariant; // ReceiveOnly at start; set by a completed read
extern bool g_bNewDocument;         // set by New, cleared by Open and by a completed read
extern QString g_strCaption;        // main window title: AppName, type and band
extern QString g_strCompany;        // the language section's Company: caption of the program's boxes

// Sets the language values from a [Setup] Language value.
void setLanguageGlobals(const QString& language);

// Chooses between a compiled-in English and Chinese text by g_bChinese.
inline QString byLanguage(const QString& english, const QString& chinese)
{
    return g_bChinese ? chinese : english;
}
