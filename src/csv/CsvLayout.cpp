#include "csv/CsvLayout.h"

namespace {

constexpr const char* Names[CsvColumn::Count] = {
    "Location",  "Name",     "Frequency",    "Duplex",     "Offset",    "Tone",     "rToneFreq",
    "cToneFreq", "DtcsCode", "DtcsPolarity", "RxDtcsCode", "CrossMode", "Mode",     "TStep",
    "Skip",      "Power",    "Comment",      "URCALL",     "RPT1CALL",  "RPT2CALL", "DVCODE"};

} // namespace

QString csvColumnName(CsvColumn::Id column)
{
    return QString::fromLatin1(Names[column]);
}

QStringList csvColumnNames()
{
    QStringList names;
    for (int c = 0; c < CsvColumn::Count; ++c)
        names << csvColumnName(static_cast<CsvColumn::Id>(c));
    return names;
}

CsvHeader::CsvHeader(const QStringList& names)
{
    index_.fill(-1);
    for (int c = 0; c < CsvColumn::Count; ++c) {
        const QString wanted = csvColumnName(static_cast<CsvColumn::Id>(c));
        for (int i = 0; i < names.size(); ++i) {
            if (names[i].trimmed().compare(wanted, Qt::CaseInsensitive) == 0) {
                index_[c] = i;
                break;
            }
        }
    }
}

QString CsvHeader::value(const CsvRecord& row, CsvColumn::Id column) const
{
    const int i = index_[column];
    return (i >= 0 && i < row.fields.size()) ? row.fields[i].trimmed() : QString();
}
