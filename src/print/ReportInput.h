#pragma once

#include "model/ChannelCodec.h"
#include "model/Language.h"
#include "model/RadioImage.h"

#include <QString>

// Everything the printed report shows, gathered by its caller: the GUI view from its grid
// and document, the command line from a decoded file.
struct ReportInput {
    // The channel texts as the grid shows them; rows 1..16, columns 1..8 are read.
    ChannelTexts cells;
    // The radio variant the cells were decoded for: it says which channels are in use.
    RadioVariant variant = RadioVariant::ReceiveOnly;
    // The option page prints the option block of this image.
    RadioImage image;
    // Chinese labels instead of English ones.
    Language language = Language::English;
    // The "Copyrights Owner" text of the current language's Program.ini section; empty
    // when the key is absent.
    QString copyrightsOwner;
};
