#include "channels/CellPaste.h"

#include "channels/ChannelTableModel.h"
#include "config/StringTable.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace {

// The reasons keep the translations of the paste that first gave them.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(GridClipboard)
};

// A frequency written with a decimal comma ("145,125" from a spreadsheet set up that
// way) would otherwise be read as its whole megahertz.
QString withDecimalPoint(const QString& value)
{
    static const QRegularExpression decimalComma(QStringLiteral("^\\s*\\d+,\\d+\\s*$"));
    return decimalComma.match(value).hasMatch() ? QString(value).replace(QLatin1Char(','), QLatin1Char('.'))
                                                : value;
}

} // namespace

std::optional<QString> pasteCell(ChannelTableModel& model, int row, int col, const QString& value)
{
    if (value.size() > MaxCellTextLength)
        return Texts::tr("longer than any cell can hold");
    QString text = withDecimalPoint(value);
    if (model.choices().isList(col)) {
        if (value.isEmpty())
            return std::nullopt; // a list cell is never emptied: it keeps its value
        text = model.choices().offeredEntry(col, value);
        if (text.isEmpty() && value == model.text(row, col))
            text = value; // a value the list does not offer, pasted where it already is
        if (text.isEmpty())
            return Texts::tr("not one of the values of this column");
    }
    const CommitPlan plan = model.plan(row, col, text, CommitKind::Enter);
    if (!plan.accepted)
        return stringTableText(plan.messageId);
    model.writeCells(row, plan.writes);
    return std::nullopt;
}
