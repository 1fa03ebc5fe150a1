#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QUndoGroup>
#include <functional>

class ChannelView;
class QAction;

// Edit > Undo, Redo, Cut, Copy and Paste on the active channel view, with the platform's
// standard keys. Every view's undo stack joins one group, whose active stack is the
// active view's; the actions follow what that view can do.
class EditCommands : public QObject {
    Q_OBJECT
public:
    // lookup gives the window's action of a command id; the five are looked up once.
    EditCommands(const std::function<QAction*(int)>& lookup, QObject* parent);

    static bool handles(int commandId);
    void addView(ChannelView& view);
    void setActiveView(ChannelView* view);
    // While a transfer runs the cells take no edits; Copy still works.
    void setTransferRunning(bool running);
    void run(int commandId, ChannelView& view);

private:
    void updateActions();
    void undo(ChannelView& view);

    QAction* action(int commandId) const { return actions_.value(commandId); }

    QHash<int, QAction*> actions_;
    QUndoGroup group_;
    QPointer<ChannelView> view_;
    bool transferRunning_ = false;
};
