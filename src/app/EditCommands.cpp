#include "app/EditCommands.h"

#include "editor/ChannelView.h"
#include "editor/GridClipboard.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QUndoStack>

EditCommands::EditCommands(QAction* undo, QAction* redo, QObject* parent) : QObject(parent)
{
    // "Undo Paste": the menu names the step.
    connect(&group_, &QUndoGroup::undoTextChanged, undo, [undo, text = undo->text()](const QString& step) {
        undo->setText(step.isEmpty() ? text : tr("&Undo %1").arg(step));
    });
    connect(&group_, &QUndoGroup::redoTextChanged, redo, [redo, text = redo->text()](const QString& step) {
        redo->setText(step.isEmpty() ? text : tr("&Redo %1").arg(step));
    });
    connect(&group_, &QUndoGroup::indexChanged, this, &EditCommands::stateChanged);
    connect(&group_, &QUndoGroup::activeStackChanged, this, &EditCommands::stateChanged);
}

void EditCommands::setActiveView(ChannelView* view)
{
    view_ = view;
    group_.setActiveStack(view ? view->undoStack() : nullptr);
}

bool EditCommands::canChangeCells() const
{
    return view_ && view_->isEditable();
}

// Undo first takes back what is being typed in an open editor, then committed changes.
void EditCommands::undo(ChannelView& view)
{
    const bool typing = view.editorChanged();
    view.cancelEditor();
    if (!typing)
        view.undoStack()->undo();
}

void EditCommands::redo(ChannelView& view)
{
    view.leaveCommit(); // a typed value is kept; it ends what there was to redo
    view.undoStack()->redo();
}

void EditCommands::cut(ChannelView& view)
{
    QGuiApplication::clipboard()->setText(cutCells(view));
}

void EditCommands::copy(ChannelView& view)
{
    QGuiApplication::clipboard()->setText(copyCells(view));
}

void EditCommands::paste(ChannelView& view)
{
    pasteCells(view, QGuiApplication::clipboard()->text());
}
