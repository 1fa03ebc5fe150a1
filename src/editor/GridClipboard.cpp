#include "editor/GridClipboard.h"

#include "channels/CellInput.h"
#include "channels/ChannelTableModel.h"
#include "csv/CsvText.h"
#include "editor/ChannelGrid.h"
#include "editor/ChannelView.h"
#include "editor/RefusedCells.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace {

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
        enterCellValue(view.model(), r, GridColumn::RxFrequency, QString()); // an empty Rx clears the row
    view.recordChange(Texts::tr("Cut"), before);
    return copied;
}

bool pasteCells(ChannelView& view, const QString& text)
{
    view.leaveCommit();
    if (!view.isEditable())
        return false;
    if (text.size() > MaxPasteLength) {
        showCautionMessage(view, Texts::tr("Nothing was pasted: the clipboard holds %1 characters, far more "
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
    std::vector<CellRefusal> refused;
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
            if (const std::optional<QString> reason = enterCellValue(view.model(), row, col, value))
                refused.push_back({row, col, value, *reason});
        }
    }
    const bool changed = view.recordChange(Texts::tr("Paste"), before);
    reportRefusedCells(view, Texts::tr("These cells were not pasted and keep their values:"), refused,
                       outside > 0
                           ? Texts::tr("Left out, beyond the last channel or column: %1 values.").arg(outside)
                           : QString());
    return changed;
}
