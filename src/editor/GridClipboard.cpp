#include "editor/GridClipboard.h"

#include "config/CommandIds.h"
#include "config/StringTable.h"
#include "csv/CsvText.h"
#include "channels/ChannelTableModel.h"
#include "editor/ChannelGrid.h"
#include "editor/ChannelView.h"
#include "model/DisplayText.h"
#include "session/AppContext.h"
#include "uikit/UiHooks.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <optional>

namespace {

// Refused cells listed by name in the message; the rest are counted.
constexpr int ListedRefusals = 10;

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(GridClipboard)
};

// Whether every row starts with a channel number 1..16 followed by cells.
bool startsWithChannelNumbers(const QList<QStringList>& block)
{
    static const QRegularExpression number(QStringLiteral("^\\s*(\\d{1,2})\\s*$"));
    for (const QStringList& fields : block) {
        const QRegularExpressionMatch match = number.match(fields.value(0));
        const int channel = match.hasMatch() ? match.captured(1).toInt() : 0;
        if (fields.size() < 2 || channel < 1 || channel >= GridRowCount)
            return false;
    }
    return true;
}

// A frequency written with a decimal comma ("145,125" from a spreadsheet set up that
// way) would otherwise be read as its whole megahertz.
QString withDecimalPoint(const QString& value)
{
    static const QRegularExpression decimalComma(QStringLiteral("^\\s*\\d+,\\d+\\s*$"));
    return decimalComma.match(value).hasMatch() ? QString(value).replace(QLatin1Char(','), QLatin1Char('.'))
                                                : value;
}

// Runs one pasted value through the commit rules of a typed value confirmed with Enter;
// the reason when it is refused, and then the cell keeps its value.
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

void showPasteMessage(ChannelView& view, const QString& text)
{
    view.context().uiHooks().showMessageBox(
        {&view, text, stringTableText(MessageId::Caution), QMessageBox::Ok, QMessageBox::Warning});
}

void reportRefusals(ChannelView& view, const QStringList& refused, int outside)
{
    if (refused.isEmpty() && outside == 0)
        return;
    QStringList lines;
    if (!refused.isEmpty()) {
        lines << Texts::tr("These cells were not pasted and keep their values:");
        lines << refused.mid(0, ListedRefusals);
        if (refused.size() > ListedRefusals)
            lines << Texts::tr("... and %1 more.").arg(refused.size() - ListedRefusals);
    }
    if (outside > 0)
        lines << Texts::tr("Left out, beyond the last channel or column: %1 values.").arg(outside);
    showPasteMessage(view, lines.join(QLatin1Char('\n')));
}

} // namespace

bool isCellBlock(const QString& text)
{
    return text.contains(QLatin1Char('\t')) || text.contains(QLatin1Char(',')) ||
           text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'));
}

QList<QStringList> parseCellBlock(const QString& text)
{
    QList<QStringList> block;
    if (!text.contains(QLatin1Char('\t'))) {
        for (CsvRecord& record : parseCsv(text.toUtf8()).records)
            block << std::move(record.fields);
        return block;
    }
    QStringList lines = QString(text).remove(QLatin1Char('\r')).split(QLatin1Char('\n'));
    if (lines.size() > 1 && lines.last().isEmpty())
        lines.removeLast(); // the line break after the last row
    for (const QString& line : lines)
        block << line.split(QLatin1Char('\t'));
    return block;
}

QString copyCells(const ChannelView& view)
{
    const ChannelGrid& grid = *view.grid();
    const CellRange range = grid.selection();
    const QList<int> columns = view.visibleColumns();
    QString text;
    for (int r = range.top; r <= range.bottom; ++r) {
        QStringList fields;
        if (range.wholeRows)
            fields << grid.text(r, GridColumn::Number).trimmed();
        for (int c : columns)
            if (c >= range.left && c <= range.right)
                fields << grid.text(r, c);
        text += fields.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return text;
}

QString cutCells(ChannelView& view)
{
    view.leaveCommit();
    const QString copied = copyCells(view);
    if (!view.isEditable())
        return copied;
    const CellRange range = view.grid()->selection();
    bool frequencyCut = false;
    for (int c : view.visibleColumns())
        frequencyCut = frequencyCut || ((c == GridColumn::RxFrequency || c == GridColumn::TxFrequency) &&
                                        c >= range.left && c <= range.right);
    if (!frequencyCut)
        return copied; // a channel in use keeps a value in every list column
    const ViewState before = view.state();
    for (int r = range.top; r <= range.bottom; ++r)
        pasteCell(view.model(), r, GridColumn::RxFrequency, QString()); // an empty Rx clears the row
    view.recordChange(Texts::tr("Cut"), before);
    return copied;
}

bool pasteCells(ChannelView& view, const QString& text)
{
    view.leaveCommit();
    if (!view.isEditable())
        return false;
    if (text.size() > MaxPasteLength) {
        showPasteMessage(view, Texts::tr("Nothing was pasted: the clipboard holds %1 characters, far more "
                                         "than 16 channels can take.")
                                   .arg(text.size()));
        return false;
    }
    const QList<QStringList> block = parseCellBlock(text);
    if (block.isEmpty())
        return false;
    const ChannelGrid& grid = *view.grid();
    const QList<int> columns = view.visibleColumns();
    // Rows copied whole, with their channel numbers, land on the selected rows from the
    // first column shown, their numbers dropped; any other block at the current cell.
    const bool numbered = startsWithChannelNumbers(block);
    const int top = numbered ? grid.selection().top : grid.currentRow();
    int first = 0; // index in columns of the first pasted column
    while (!numbered && first < columns.size() && columns[first] < grid.currentColumn())
        ++first;
    const ViewState before = view.state();
    QStringList refused;
    int outside = 0;
    for (int i = 0; i < block.size(); ++i) {
        const int row = top + i;
        const QStringList values = numbered ? block[i].mid(1) : block[i];
        for (int j = 0; j < values.size(); ++j) {
            if (row >= GridRowCount || first + j >= columns.size()) {
                ++outside;
                continue;
            }
            const int col = columns[first + j];
            const QString value = values[j].trimmed();
            if (const std::optional<QString> reason = pasteCell(view.model(), row, col, value))
                refused << Texts::tr("Channel %1, %2: \"%3\" - %4")
                               .arg(row)
                               .arg(grid.text(0, col), displayedValue(value), *reason);
        }
    }
    const bool changed = view.recordChange(Texts::tr("Paste"), before);
    reportRefusals(view, refused, outside);
    return changed;
}
