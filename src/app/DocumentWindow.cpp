#include "app/DocumentWindow.h"

#include "app/ProgramIcon.h"
#include "document/ChannelDocument.h"
#include "editor/ChannelView.h"
#include "editor/ViewTransfer.h"
#include "session/AppContext.h"

#include <QAction>
#include <QCloseEvent>
#include <QMdiArea>
#include <QScrollArea>

DocumentWindow::DocumentWindow(ChannelDocument* document, AppContext& context, QWidget* parent)
    : QMdiSubWindow(parent), document_(document)
{
    document_->setParent(this);
    setAttribute(Qt::WA_DeleteOnClose, false);
    view_ = new ChannelView(document_, context, this);
    auto* scroller = new QScrollArea(this);
    scroller->setWidget(view_);
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setBackgroundRole(QPalette::Window);
    scroller->setFocusPolicy(Qt::NoFocus); // the grid and its editors take the keys
    setWidget(scroller);
    // "[*]": the title bar marks a modified document with "*".
    setWindowTitle(document_->title() + QStringLiteral("[*]"));
    connect(document_, &ChannelDocument::titleChanged, this,
            [this](const QString& title) { setWindowTitle(title + QStringLiteral("[*]")); });
    connect(document_, &ChannelDocument::modifiedChanged, this, &QWidget::setWindowModified);
    setWindowModified(document_->isModified());
    setWindowIcon(programIcon(context.programDir()));
    setGeometry(0, 0, InitialWidth, InitialHeight);
    connect(&view_->transfer(), &ViewTransfer::completed, this, [this] {
        if (isHidden())
            showNormalAgain();
    });
    keepCtrlWForWrite();
}

// Qt gives the window's own Close both Ctrl+F4 and Ctrl+W; Ctrl+W is the program's Write
// accelerator, and two owners of one key make it do nothing at all. Close keeps Ctrl+F4.
void DocumentWindow::keepCtrlWForWrite()
{
    const QKeySequence write(Qt::CTRL | Qt::Key_W);
    for (QAction* action : actions()) {
        if (action->shortcuts().contains(write))
            action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F4));
    }
}

void DocumentWindow::showNormalAgain()
{
    showNormal();
    if (mdiArea())
        mdiArea()->setActiveSubWindow(this);
}

void DocumentWindow::shrinkToFitView()
{
    const QSize decorations = size() - widget()->size();
    const QSize needed = view_->minimumSize() + decorations;
    resize(size().boundedTo(needed));
}

void DocumentWindow::closeEvent(QCloseEvent* event)
{
    event->ignore();
    view_->leaveCommit(); // a typed value stays, and later questions see it as a change
    hide();
}
