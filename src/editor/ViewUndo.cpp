#include "editor/ViewUndo.h"

#include "editor/ChannelView.h"

ViewChange::ViewChange(ChannelView& view, const QString& text, ViewState before, ViewState after,
                       bool radioChanged)
    : QUndoCommand(text), view_(view), before_(std::move(before)), after_(std::move(after)),
      radioChanged_(radioChanged)
{
}

void ViewChange::undo()
{
    view_.restoreState(before_, radioChanged_);
}

void ViewChange::redo()
{
    if (!pushed_) {
        pushed_ = true; // QUndoStack::push redoes: the change is already there
        return;
    }
    view_.restoreState(after_, radioChanged_);
}
