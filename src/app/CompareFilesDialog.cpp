#include "app/CompareFilesDialog.h"

#include "app/DocumentManager.h"
#include "app/FileFilters.h"
#include "channels/CellInput.h"
#include "session/AppContext.h"
#include "dialogs/HistoryDialog.h"
#include "editor/CellMarkDelegate.h"
#include "editor/ChannelGrid.h"
#include "editor/ChannelView.h"
#include "model/DisplayText.h"
#include "model/ImageChange.h"
#include "model/ImageDiff.h"
#include "model/ImageDiffText.h"
#include "uikit/DialogHelp.h"
#include "uikit/DialogUnits.h"
#include "uikit/MessageBox.h"

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QUndoStack>
#include <QVBoxLayout>

namespace {

using Mark = ChannelTableModel::Mark;

// A change of the right side's image: the bytes it changed, undone and made again there.
class FileChange : public QUndoCommand {
public:
    FileChange(ChannelDocument& document, const QString& text, ImageChange change)
        : QUndoCommand(text), document_(document), change_(std::move(change))
    {
    }

    void undo() override
    {
        change_.revert(document_.image());
        document_.channels().refresh();
    }

    // The change is made before the step is pushed.
    void redo() override
    {
        if (pushed_) {
            change_.apply(document_.image());
            document_.channels().refresh();
        }
        pushed_ = true;
    }

private:
    ChannelDocument& document_;
    ImageChange change_;
    bool pushed_ = false;
};

CompareFilesDialog::Side otherSide(CompareFilesDialog::Side side)
{
    return side == CompareFilesDialog::Left ? CompareFilesDialog::Right : CompareFilesDialog::Left;
}

} // namespace

CompareFilesDialog::CompareFilesDialog(ChannelView& view, AppContext& context, QWidget* parent)
    : QDialog(parent), view_(view), context_(context), fileSteps_(new QUndoStack(this))
{
    setObjectName(QStringLiteral("CompareFilesDialog")); // its help topic
    setWindowTitle(tr("Compare With File"));
    setFont(templateFont(9));
    file_.initNew(context_.language(), QString());
    file_.channels().setLanguage(context_.language());
    file_.channels().setVariant(context_.radioVariant());
    file_.channels().setBand(view_.band()); // a copied frequency is checked as the product allows
    connect(fileSteps_, &QUndoStack::cleanChanged, &file_, [this](bool clean) { file_.setModified(!clean); });

    auto* open = new QPushButton(tr("Open &File..."), this);
    auto* history = new QPushButton(tr("Radio &History..."), this);
    connect(open, &QPushButton::clicked, this, &CompareFilesDialog::chooseFile);
    connect(history, &QPushButton::clicked, this, &CompareFilesDialog::chooseHistoryEntry);
    buildPane(Left);
    buildPane(Right);
    save_ = new QPushButton(tr("&Save"), this);
    connect(save_, &QPushButton::clicked, this, &CompareFilesDialog::save);
    connect(&file_, &ChannelDocument::modifiedChanged, this, &CompareFilesDialog::updateButtons);
    count_ = new QLabel(this);
    count_->setWordWrap(true);
    auto* close = new QPushButton(tr("Close"), this);
    connect(close, &QPushButton::clicked, this, &CompareFilesDialog::reject);
    layOut({open, history}, close);

    for (auto [keys, forward] : {std::pair{QKeySequence::Undo, false}, std::pair{QKeySequence::Redo, true}}) {
        auto* act = new QAction(this);
        act->setShortcuts(keys);
        connect(act, &QAction::triggered, this, [this, forward = forward] { undoFocused(forward); });
        addAction(act);
    }
    panes_[Left].grid->scrollWith(*panes_[Right].grid);
    installControlHelp(this, context_.uiHooks());
    compareSides();
    open->setFocus();
}

// The choice of the file above, the grids with the copy buttons between them and each
// side's steps below, the count and Close at the bottom.
void CompareFilesDialog::layOut(const QList<QPushButton*>& choices, QPushButton* close)
{
    auto* grids = new QGridLayout;
    for (Side side : {Left, Right}) {
        const int column = side == Left ? 0 : 2;
        grids->addWidget(panes_[side].heading, 0, column);
        grids->addWidget(panes_[side].grid, 1, column);
        auto* steps = new QHBoxLayout;
        steps->addWidget(panes_[side].undo);
        steps->addWidget(panes_[side].redo);
        if (side == Right)
            steps->addWidget(save_);
        steps->addStretch(1);
        grids->addLayout(steps, 2, column);
    }
    grids->addWidget(buildCopyButtons(), 1, 1);
    auto* top = new QHBoxLayout;
    for (QPushButton* choice : choices)
        top->addWidget(choice);
    top->addStretch(1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(count_, 1);
    bottom->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(grids, 1);
    layout->addLayout(bottom);
}

// The children would go after the members: the file's steps (whose clearing signals this
// window) and the grids (over the file's model) go first.
CompareFilesDialog::~CompareFilesDialog()
{
    QObject::disconnect(fileSteps_, nullptr, nullptr, nullptr);
    delete fileSteps_;
    for (const Pane& pane : panes_)
        delete pane.grid;
    view_.model().clearReference(Mark::Other);
}

void CompareFilesDialog::buildPane(Side side)
{
    Pane& pane = panes_[side];
    pane.heading = new QLabel(this);
    pane.heading->setTextFormat(Qt::PlainText);
    pane.grid = new ChannelGrid(model(side), this);
    pane.grid->setEditorDelegate(new CellMarkDelegate(Mark::Other, std::nullopt, pane.grid));
    pane.grid->setText(0, 0, view_.grid()->text(0, 0));
    pane.grid->showModelColumns();
    pane.grid->setMinimumSize(pane.grid->fullWidth(), pane.grid->fullHeight());
    pane.heading->setBuddy(pane.grid);
    connect(pane.grid, &ChannelGrid::cellEntered, this, [this, side] { followCurrentCell(side); });
    pane.undo = new QPushButton(tr("Undo"), this);
    pane.redo = new QPushButton(tr("Redo"), this);
    connect(pane.undo, &QPushButton::clicked, this, [this, side] { undo(side); });
    connect(pane.redo, &QPushButton::clicked, this, [this, side] { redo(side); });
    connect(stack(side), &QUndoStack::indexChanged, this, &CompareFilesDialog::updateButtons);
}

QWidget* CompareFilesDialog::buildCopyButtons()
{
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    layout->addStretch(1);
    for (Side from : {Left, Right}) {
        const bool toRight = from == Left;
        const Qt::Key arrow = toRight ? Qt::Key_Right : Qt::Key_Left;
        layout->addWidget(addCopyButton(toRight ? tr("Cell →") : tr("← Cell"),
                                        toRight ? tr("Copy the current cell to the right")
                                                : tr("Copy the current cell to the left"),
                                        QKeySequence(Qt::ALT | arrow), [this, from] { copyCell(from); }));
        layout->addWidget(addCopyButton(toRight ? tr("Channels →") : tr("← Channels"),
                                        toRight ? tr("Copy the selected channels to the right")
                                                : tr("Copy the selected channels to the left"),
                                        QKeySequence(Qt::ALT | Qt::SHIFT | arrow),
                                        [this, from] { copyChannels(from); }));
    }
    layout->addStretch(1);
    return column;
}

QPushButton* CompareFilesDialog::addCopyButton(const QString& text, const QString& tip,
                                               const QKeySequence& key, const std::function<void()>& copy)
{
    auto* button = new QPushButton(text, this);
    button->setShortcut(key);
    button->setToolTip(tip + QStringLiteral(" (") + key.toString(QKeySequence::NativeText) +
                       QLatin1Char(')'));
    button->setAccessibleName(tip);
    connect(button, &QPushButton::clicked, this, copy);
    copyButtons_ << button;
    return button;
}

ChannelTableModel& CompareFilesDialog::model(Side side)
{
    return side == Left ? view_.model() : file_.channels();
}

QUndoStack* CompareFilesDialog::stack(Side side) const
{
    return side == Left ? view_.undoStack() : fileSteps_;
}

// Both grids keep one current cell, so a row and column name the same cell on both sides.
void CompareFilesDialog::followCurrentCell(Side from)
{
    if (following_)
        return;
    following_ = true;
    const ChannelGrid* source = grid(from);
    grid(otherSide(from))->setCurrentCell(source->currentRow(), source->currentColumn());
    following_ = false;
}

bool CompareFilesDialog::openFile(const QString& path)
{
    return takeRightSide([&path](ChannelDocument& document) { return document.load(path); }, path);
}

bool CompareFilesDialog::openHistoryEntry(const HistoryEntry& entry)
{
    const QString title = DocumentManager::historyTitle(entry);
    return takeRightSide([&](ChannelDocument& document) { return document.loadCopy(entry.path, title); },
                         entry.path);
}

bool CompareFilesDialog::takeRightSide(const std::function<ChannelFile::Result(ChannelDocument&)>& load,
                                       const QString& path)
{
    if (!confirmDiscard())
        return false;
    const ChannelFile::Result result = load(file_);
    if (!result.ok()) {
        DocumentManager::reportFileError(context_, path, result, false);
        return false;
    }
    fileSteps_->clear();
    loaded_ = true;
    compareSides();
    return true;
}

void CompareFilesDialog::chooseFile()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("Compare With File"), QString(),
                                                      fileDialogFilter(QStringLiteral("*.dat")));
    if (!path.isEmpty())
        openFile(path);
}

void CompareFilesDialog::chooseHistoryEntry()
{
    HistoryDialog dialog(RadioHistory(context_.historyFolder()), context_.uiHooks(), this);
    if (dialog.exec() == QDialog::Accepted && dialog.chosen())
        openHistoryEntry(*dialog.chosen());
}

void CompareFilesDialog::copyCell(Side from)
{
    const Side to = otherSide(from);
    const int row = grid(from)->currentRow();
    const int col = grid(from)->currentColumn();
    const QString value = model(from).text(row, col);
    std::optional<QString> refused;
    change(to, tr("Copy Channel %1, %2").arg(row).arg(grid(from)->text(0, col)),
           [&] { refused = enterCellValue(model(to), row, col, value); });
    if (refused)
        appMessageBox(context_.uiHooks(), context_.company(),
                      tr("Not copied: channel %1, %2: \"%3\" - %4")
                          .arg(row)
                          .arg(grid(from)->text(0, col), displayedValue(value), *refused),
                      QMessageBox::Ok, QMessageBox::Warning);
}

void CompareFilesDialog::copyChannels(Side from)
{
    const Side to = otherSide(from);
    const CellRange rows = grid(from)->selection();
    const RadioImage& source = from == Left ? view_.document()->image() : file_.image();
    const QString text = rows.top == rows.bottom ? tr("Copy Channel %1").arg(rows.top)
                                                 : tr("Copy Channels %1-%2").arg(rows.top).arg(rows.bottom);
    change(to, text, [&] {
        for (int channel = rows.top; channel <= rows.bottom; ++channel)
            model(to).copyChannelFrom(source, channel);
    });
}

// Runs a write into one side and records it as one step of that side's document.
void CompareFilesDialog::change(Side to, const QString& text, const std::function<void()>& write)
{
    if (!loaded_ || !model(to).isEditable())
        return;
    if (to == Left) {
        const ViewState before = view_.state();
        write();
        view_.recordChange(text, before);
    } else {
        const RadioImage before = file_.image();
        write();
        const ImageChange changed = ImageChange::between(before, file_.image());
        if (!changed.isEmpty())
            fileSteps_->push(new FileChange(file_, text, changed));
    }
    compareSides();
}

void CompareFilesDialog::undo(Side side)
{
    stack(side)->undo();
    compareSides();
}

void CompareFilesDialog::redo(Side side)
{
    stack(side)->redo();
    compareSides();
}

// Ctrl+Z and Ctrl+Y work on the side whose grid has the focus.
void CompareFilesDialog::undoFocused(bool forward)
{
    for (Side side : {Left, Right}) {
        if (!grid(side)->isAncestorOf(QApplication::focusWidget()))
            continue;
        if (forward)
            redo(side);
        else
            undo(side);
    }
}

// Each side is marked against the other, and the differences counted as the diff lists them.
void CompareFilesDialog::compareSides()
{
    const QString leftTitle = view_.document()->title();
    panes_[Left].heading->setText(leftTitle);
    panes_[Left].grid->setAccessibleTitle(tr("Channels of %1").arg(leftTitle));
    panes_[Right].heading->setText(loaded_ ? file_.title()
                                           : tr("Choose a file or a copy from the radio history."));
    panes_[Right].grid->setAccessibleTitle(tr("Channels of %1").arg(loaded_ ? file_.title() : QString()));
    panes_[Right].grid->setEnabled(loaded_);
    if (loaded_) {
        view_.model().setReference(Mark::Other, file_.image(), file_.title(), true);
        file_.channels().setReference(Mark::Other, view_.document()->image(), leftTitle, true);
        const Language language = context_.language();
        const QStringList lines = imageDiffLines(
            diffImages(view_.document()->image(), file_.image(), context_.radioVariant(), language),
            language);
        const ChannelTableModel::MarkCount cells = view_.model().markCount(Mark::Other);
        count_->setText(lines.isEmpty() ? tr("No differences.")
                                        : tr("Cells that differ: %1, in %2 channels. Other differences "
                                             "(options, attributes the grid hides, other bytes): %3.")
                                              .arg(cells.cells)
                                              .arg(cells.channels)
                                              .arg(lines.size() - cells.cells));
        count_->setToolTip(lines.join(QLatin1Char('\n')));
        count_->setAccessibleDescription(count_->toolTip());
    }
    updateButtons();
}

void CompareFilesDialog::updateButtons()
{
    const bool copying = loaded_ && view_.model().isEditable();
    for (QPushButton* button : copyButtons_)
        button->setEnabled(copying);
    for (Side side : {Left, Right}) {
        panes_[side].undo->setEnabled(stack(side)->canUndo());
        panes_[side].redo->setEnabled(stack(side)->canRedo());
        const QString title = side == Left ? view_.document()->title() : file_.title();
        panes_[side].undo->setAccessibleName(tr("Undo in %1").arg(title));
        panes_[side].redo->setAccessibleName(tr("Redo in %1").arg(title));
    }
    save_->setEnabled(file_.isModified());
}

bool CompareFilesDialog::save()
{
    QString path = file_.pathName();
    if (!file_.hasFile())
        path = QFileDialog::getSaveFileName(this, tr("Save As"), path,
                                            fileDialogFilter(QStringLiteral("*.dat")));
    if (path.isEmpty())
        return false;
    const ChannelFile::Result result = file_.save(path, context_.fileWriter());
    if (!result.ok()) {
        DocumentManager::reportFileError(context_, path, result, true);
        return false;
    }
    fileSteps_->setClean();
    compareSides();
    return true;
}

// Save, Discard or Cancel for changes of the right side; false = keep the side.
bool CompareFilesDialog::confirmDiscard()
{
    if (!file_.isModified())
        return true;
    const QMessageBox::StandardButton answer =
        appMessageBox(context_.uiHooks(), context_.company(), tr("Save changes to %1?").arg(displayedValue(file_.title())),
                      QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Question);
    return answer == QMessageBox::Discard || (answer == QMessageBox::Save && save());
}

void CompareFilesDialog::reject()
{
    if (confirmDiscard())
        QDialog::reject();
}
