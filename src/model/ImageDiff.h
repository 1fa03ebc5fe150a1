#pragma once

#include "model/Language.h"
#include "model/RadioImage.h"
#include "model/RadioVariant.h"

#include <QString>
#include <cstdint>
#include <vector>

// What differs between two radio images as the user sees it: channel cells in the grid's
// texts, options in the Optional Features texts, and by offset every byte that differs
// in bits no listed text difference stands for (bytes the program does not interpret,
// columns the variant hides, two ways of writing the same value).
// Each change keeps the first offset of the bits it stands for, which orders the
// changes as they lie in the image.
struct CellChange {
    int channel = 0; // 1..16
    int column = 0;  // GridColumn
    QString before;
    QString after;
    int offset = 0;
};

struct OptionChange {
    QString label;
    QString before;
    QString after;
    int offset = 0;
};

struct ByteChange {
    int offset = 0;
    std::uint8_t before = 0;
    std::uint8_t after = 0;
};

struct ImageDiff {
    std::vector<CellChange> cells;     // by channel, then column
    std::vector<OptionChange> options; // in the dialog's order
    std::vector<ByteChange> bytes;     // by offset

    bool isEmpty() const { return cells.empty() && options.empty() && bytes.empty(); }
};

ImageDiff diffImages(const RadioImage& before, const RadioImage& after, RadioVariant variant,
                     Language language);
