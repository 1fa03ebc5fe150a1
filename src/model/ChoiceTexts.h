#pragma once

#include "model/Language.h"
#include <QString>

// The attribute texts of the channel grid in one language. The decoder writes the
// current language's texts; the encoder accepts both languages.
struct ChoiceTexts {
    QString wide, narrow;
    QString scanYes, scanNo;
    QString busyOff, busyCarrier, busyTone;
    QString high, low;
    QString noTone;
};

const ChoiceTexts& choiceTexts(Language language);

// Grid column titles, "CH" first.
QString columnTitle(int column, Language language);
