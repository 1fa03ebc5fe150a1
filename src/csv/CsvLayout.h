#pragma once

#include "csv/CsvText.h"

#include <QString>
#include <QStringList>
#include <array>

// The channel-list layout radio programmers exchange: one row per memory, its columns
// found by their names in the header row (older files have fewer of them).
namespace CsvColumn {
enum Id {
    Location,
    Name,
    Frequency,
    Duplex,
    Offset,
    Tone,
    RToneFreq,
    CToneFreq,
    DtcsCode,
    DtcsPolarity,
    RxDtcsCode,
    CrossMode,
    Mode,
    TStep,
    Skip,
    Power,
    Comment,
    UrCall,
    Rpt1Call,
    Rpt2Call,
    DvCode,
    Count
};
} // namespace CsvColumn

// The header of a written file: all 21 names in their usual order.
QStringList csvColumnNames();
QString csvColumnName(CsvColumn::Id column);

// Where each named column sits in the rows of one file; names match without regard to
// case or surrounding blanks.
class CsvHeader {
public:
    explicit CsvHeader(const QStringList& names);

    bool has(CsvColumn::Id column) const { return index_[column] >= 0; }
    // The trimmed text of a column in a row; empty when the file or the row lacks it.
    QString value(const CsvRecord& row, CsvColumn::Id column) const;

private:
    std::array<int, CsvColumn::Count> index_;
};
