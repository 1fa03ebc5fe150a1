#include "editor/ViewUndo.h"

#include "editor/ChannelView.h"

ViewChange::ViewChange(ChannelView& view, const QString& text, ImageChange change, RadioState before,
                       RadioState after, bool radioChanged)
    : QUndoCommand(text), view_(view), change_(std::move(change)), before_(before), after_(after),
      radioChanged_(radioChanged)
{
}

void ViewChange::undo()
{
    view_.putBack(change_, false, radioChanged_ ? &before_ : nullptr);
}

void ViewChange::redo()
{
    if (!pushed_) {
        pushed_ = true; // QUndoStack::push redoes: the change is already there
        return;
    }
    view_.putBack(change_, true, radioChanged_ ? &after_ : nullptr);
}
