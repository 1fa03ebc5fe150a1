#pragma once

#include <QObject>
#include <QPointer>
#include <QUndoGroup>

class ChannelView;
class QAction;

// Edit > Undo, Redo, Cut, Copy and Paste on the active channel view. The active view's
// undo stack is the active stack of one group; Undo and Redo name the step they take
// back or do again. When each command is enabled is the command table's rule, with what
// this says the view can do.
class EditCommands : public QObject {
    Q_OBJECT
public:
    // undo and redo are the window's actions, whose texts name the step.
    EditCommands(QAction* undo, QAction* redo, QObject* parent);

    void setActiveView(ChannelView* view);
    bool canUndo() const { return group_.canUndo(); }
    bool canRedo() const { return group_.canRedo(); }
    // The active view takes cut and paste: its cells can be edited now.
    bool canChangeCells() const;

    void undo(ChannelView& view);
    void redo(ChannelView& view);
    void cut(ChannelView& view);
    void copy(ChannelView& view);
    void paste(ChannelView& view);

Q_SIGNALS:
    // What the commands can do may have changed: a step done or undone, another view.
    void stateChanged();

private:
    QUndoGroup group_;
    QPointer<ChannelView> view_;
};
