#include "editor/GridOperations.h"

#include "channels/ChannelOperations.h"
#include "channels/ChannelTableModel.h"
#include "editor/ChannelGrid.h"
#include "editor/ChannelView.h"
#include "editor/RefusedCells.h"

#include <QCoreApplication>
#include <functional>

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(GridOperations)
};

ChannelSpan spanOf(const CellRange& range)
{
    return {range.top, range.bottom};
}

// Runs change on the view's channels as one undo step named text; false when the grid
// cannot be edited now or nothing changed.
bool asOneStep(ChannelView& view, const QString& text, const std::function<void(ChannelTableModel&)>& change)
{
    view.leaveCommit();
    if (!view.isEditable())
        return false;
    const ViewState before = view.state();
    change(view.model());
    return view.recordChange(text, before);
}

// The selection and the current cell, rows further down (up when negative).
void shiftSelection(ChannelView& view, CellRange range, int rows)
{
    ChannelGrid& grid = *view.grid();
    range.top += rows;
    range.bottom += rows;
    grid.select(range, grid.currentRow() + rows, grid.currentColumn());
}

bool moveSelection(ChannelView& view, const QString& text, int before)
{
    const CellRange range = view.grid()->selection();
    const int first = before > range.bottom ? before - (range.bottom - range.top + 1) : before;
    bool moved = false;
    const bool changed = asOneStep(view, text, [&](ChannelTableModel& model) {
        moved = ChannelOperations::moveTo(model, spanOf(range), before);
    });
    if (moved)
        shiftSelection(view, range, first - range.top);
    return changed;
}

bool enterValues(ChannelView& view, const QString& text, const QString& heading,
                 const std::function<std::vector<CellRefusal>(ChannelTableModel&)>& enter)
{
    std::vector<CellRefusal> refused;
    const bool changed = asOneStep(view, text, [&](ChannelTableModel& model) { refused = enter(model); });
    reportRefusedCells(view, heading, refused);
    return changed;
}

} // namespace

bool moveSelectedChannels(ChannelView& view, int step)
{
    const CellRange range = view.grid()->selection();
    if ((step < 0 && range.top == 1) || (step > 0 && range.bottom == RadioImage::ChannelCount))
        return false;
    return moveSelection(view, step < 0 ? Texts::tr("Move Up") : Texts::tr("Move Down"),
                         step < 0 ? range.top - 1 : range.bottom + 2);
}

bool dropSelectedChannels(ChannelView& view, int before)
{
    return moveSelection(view, Texts::tr("Move Channels"), before);
}

bool insertEmptyChannel(ChannelView& view)
{
    const int at = view.grid()->selection().top;
    bool refused = false;
    const bool changed = asOneStep(view, Texts::tr("Insert Empty Channel"), [&](ChannelTableModel& model) {
        refused = !ChannelOperations::insertEmpty(model, at);
    });
    if (refused)
        showCautionMessage(view,
                           Texts::tr("No channel was inserted: channel 16 is in use and would fall off the "
                                     "end. Delete or move a channel first."));
    return changed;
}

bool deleteSelectedChannels(ChannelView& view)
{
    const ChannelSpan span = spanOf(view.grid()->selection());
    return asOneStep(view, Texts::tr("Delete Channel"),
                     [span](ChannelTableModel& model) { ChannelOperations::remove(model, span); });
}

bool sortSelectedChannels(ChannelView& view)
{
    const ChannelSpan span = spanOf(view.grid()->selection());
    const QString column = view.grid()->text(0, ChannelOperations::sortColumn(view.model()));
    return asOneStep(view, Texts::tr("Sort by %1").arg(column),
                     [span](ChannelTableModel& model) { ChannelOperations::sortByFrequency(model, span); });
}

bool fillDown(ChannelView& view)
{
    const CellRange range = view.grid()->selection();
    QList<int> columns = view.visibleColumns();
    columns.removeIf([&range](int c) { return c < range.left || c > range.right; });
    return enterValues(
        view, Texts::tr("Fill Down"), Texts::tr("These cells were not filled and keep their values:"),
        [&](ChannelTableModel& model) { return ChannelOperations::fillDown(model, spanOf(range), columns); });
}

bool setColumnOfSelected(ChannelView& view, int col, const QString& value)
{
    const ChannelSpan span = spanOf(view.grid()->selection());
    return enterValues(
        view, Texts::tr("Set %1").arg(view.grid()->text(0, col)),
        Texts::tr("These cells were not set and keep their values:"),
        [&](ChannelTableModel& model) { return ChannelOperations::setColumn(model, span, col, value); });
}
