#include "csv/CsvNumber.h"

#include "model/NumberParse.h"

#include <QRegularExpression>

std::optional<double> csvNumber(const QString& cell)
{
    static const QRegularExpression plain(QStringLiteral("^[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)$"));
    if (!plain.match(cell).hasMatch())
        return std::nullopt;
    return parseLeadingDouble(cell);
}
