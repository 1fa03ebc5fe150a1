#include "app/EditCommands.h"

#include "config/CommandIds.h"
#include "editor/ChannelView.h"
#include "editor/GridClipboard.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QUndoStack>

EditCommands::EditCommands(const std::function<QAction*(int)>& lookup, QObject* parent) : QObject(parent)
{
    using namespace CommandId;
    const std::pair<int, QKeySequence::StandardKey> keys[] = {{EditUndo, QKeySequence::Undo},
                                                              {EditRedo, QKeySequence::Redo},
                                                              {EditCut, QKeySequence::Cut},
                                                              {EditCopy, QKeySequence::Copy},
                                                              {EditPaste, QKeySequence::Paste}};
    for (const auto& [id, key] : keys) {
        actions_.insert(id, lookup(id));
        action(id)->setShortcuts(key);
    }
    const QString undoText = action(EditUndo)->text();
    const QString redoText = action(EditRedo)->text();
    // "Undo Paste": the menu names the step.
    connect(&group_, &QUndoGroup::undoTextChanged, this, [this, undoText](const QString& step) {
        action(CommandId::EditUndo)->setText(step.isEmpty() ? undoText : tr("&Undo %1").arg(step));
    });
    connect(&group_, &QUndoGroup::redoTextChanged, this, [this, redoText](const QString& step) {
        action(CommandId::EditRedo)->setText(step.isEmpty() ? redoText : tr("&Redo %1").arg(step));
    });
    connect(&group_, &QUndoGroup::indexChanged, this, &EditCommands::updateActions);
    connect(&group_, &QUndoGroup::activeStackChanged, this, &EditCommands::updateActions);
    updateActions();
}

bool EditCommands::handles(int commandId)
{
    using namespace CommandId;
    return commandId == EditUndo || commandId == EditRedo || commandId == EditCut || commandId == EditCopy ||
           commandId == EditPaste;
}

void EditCommands::addView(ChannelView& view)
{
    group_.addStack(view.undoStack());
}

void EditCommands::setActiveView(ChannelView* view)
{
    view_ = view;
    group_.setActiveStack(view ? view->undoStack() : nullptr);
    updateActions();
}

void EditCommands::setTransferRunning(bool running)
{
    transferRunning_ = running;
    updateActions();
}

void EditCommands::updateActions()
{
    using namespace CommandId;
    const bool editable = view_ && !transferRunning_ && view_->isEditable();
    action(EditUndo)->setEnabled(!transferRunning_ && group_.canUndo());
    action(EditRedo)->setEnabled(!transferRunning_ && group_.canRedo());
    action(EditCut)->setEnabled(editable);
    action(EditPaste)->setEnabled(editable);
    action(EditCopy)->setEnabled(view_ != nullptr);
}

void EditCommands::run(int commandId, ChannelView& view)
{
    using namespace CommandId;
    if (transferRunning_ && commandId != EditCopy)
        return;
    QClipboard* clipboard = QGuiApplication::clipboard();
    switch (commandId) {
    case EditUndo:
        undo(view);
        break;
    case EditRedo:
        view.leaveCommit(); // a typed value is kept; it ends what there was to redo
        view.undoStack()->redo();
        break;
    case EditCopy:
        clipboard->setText(copyCells(view));
        break;
    case EditCut:
        clipboard->setText(cutCells(view));
        break;
    case EditPaste:
        pasteCells(view, clipboard->text());
        break;
    default:
        break;
    }
    updateActions(); // a read or undo may have locked or unlocked the grid
}

// Undo first takes back what is being typed in an open editor, then committed changes.
void EditCommands::undo(ChannelView& view)
{
    const bool typing = view.editorChanged();
    view.cancelEditor();
    if (!typing)
        view.undoStack()->undo();
}
