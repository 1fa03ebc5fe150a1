#include "channels/CellInput.h"

#include "channels/ChannelTableModel.h"
#include "config/StringTable.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace {

// The reasons are a paste's words, which every other way of entering values shares.
QString reasonText(const char* text)
{
    return QCoreApplication::translate("GridClipboard", text);
}

// A frequency written with a decimal comma ("145,125" from a spreadsheet set up that
// way) would otherwise be read as its whole megahertz.
QString withDecimalPoint(const QString& value)
{
    static const QRegularExpression decimalComma(QStringLiteral("^\\s*\\d+,\\d+\\s*$"));
    return decimalComma.match(value).hasMatch() ? QString(value).replace(QLatin1Char(','), QLatin1Char('.'))
                                                : value;
}

} // namespace

std::optional<QString> enterCellValue(ChannelTableModel& model, int channel, int col, const QString& value)
{
    if (value.size() > MaxCellTextLength)
        return reasonText(QT_TRANSLATE_NOOP("GridClipboard", "longer than any cell can hold"));
    QString text = withDecimalPoint(value);
    if (model.choices().isList(col)) {
        if (value.isEmpty())
            return std::nullopt; // a list cell is never emptied: it keeps its value
        text = model.choices().offeredEntry(col, value);
        if (text.isEmpty() && value == model.text(channel, col))
            text = value; // a value the list does not offer, entered where it already is
        if (text.isEmpty())
            return reasonText(QT_TRANSLATE_NOOP("GridClipboard", "not one of the values of this column"));
    }
    const CommitPlan plan = model.plan(channel, col, text, CommitKind::Enter);
    if (!plan.accepted)
        return stringTableText(plan.messageId);
    model.writeCells(channel, plan.writes);
    return std::nullopt;
}
