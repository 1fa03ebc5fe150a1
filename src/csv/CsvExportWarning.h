#pragma once

#include "model/Language.h"

#include <QString>

// Something of a channel that a channel list cannot hold, left out of an export.
struct CsvExportWarning {
    enum class Kind {
        TransmitOnlyChannel, // value: its Tx frequency in MHz
        DecodeTone,          // value: the tone as the grid shows it
        EncodeTone,
    };
    Kind kind = Kind::TransmitOnlyChannel;
    int channel = 0;
    QString value;
};

// The warning in words, English or Chinese.
QString exportWarningText(const CsvExportWarning& warning, Language language);
