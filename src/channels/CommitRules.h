#pragma once

#include "model/FrequencyCheck.h"
#include "model/Language.h"
#include "model/ProductBand.h"

#include <QString>
#include <vector>

// What a commit of a cell editor does to the grid: the checks of typed frequencies
// (band limits, 5 kHz / 6.25 kHz raster) and the cells each outcome writes.
enum class CommitKind { Enter, Leave };

struct CellWrite {
    int col;
    QString text;
};

struct CommitPlan {
    bool accepted = true;
    int messageId = 0;             // message to show first, 0 for none
    std::vector<CellWrite> writes; // cells of the current row, in order
};

struct CommitInput {
    int col = 1;        // 1..8
    QString editorText; // for a list, the text of its selected entry
    QString rxText;     // cell 1 of the row before the commit
    QString txText;     // cell 2 of the row before the commit
    BandLimits band;
    Language language = Language::English;
};

CommitPlan planCommit(const CommitInput& input, CommitKind kind);
