#pragma once

#include <QByteArray>
#include <QStringList>
#include <vector>

// Comma-separated text: fields separated by commas, records by CR LF or LF; a field in
// double quotes may hold commas, line breaks and doubled quotes ("" for one ").

struct CsvRecord {
    int line = 0; // line of the text where the record starts, from 1
    QStringList fields;
};

struct CsvParse {
    std::vector<CsvRecord> records;
    int unclosedQuoteLine = 0; // line of a quoted field that never ends, 0 when none
};

// UTF-8 text; a leading byte-order mark is skipped. A lone CR also ends a record.
CsvParse parseCsv(const QByteArray& bytes);

// A record with CR LF at its end; fields with a comma, quote, line break or an outer
// blank are quoted.
QByteArray csvRecordLine(const QStringList& fields);
