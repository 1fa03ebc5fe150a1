#include "app/MainCommands.h"

#include "app/CsvCommands.h"
#include "app/DocumentManager.h"
#include "app/DocumentWindow.h"
#include "app/EditCommands.h"
#include "app/MainWindow.h"
#include "app/NavigationBar.h"
#include "app/PrintCommands.h"
#include "channels/ChannelTableModel.h"
#include "config/CommandIds.h"
#include "dialogs/AboutDialog.h"
#include "editor/ChannelView.h"
#include "editor/GridOperations.h"
#include "editor/ViewTransfer.h"
#include "session/AppContext.h"

#include <QAction>
#include <QCoreApplication>
#include <QStatusBar>
#include <QToolBar>

namespace {

void openTransfer(DocumentWindow& window, ViewTransfer::Direction direction)
{
    window.view()->transfer().open(direction);
}

// Show Differences and Changes Since Saved: the marks of the active document, on or off.
void toggleMarks(DocumentWindow& document, CellMarks::Kind kind)
{
    ChannelTableModel& model = document.view()->model();
    model.setMarkShown(kind, !model.marks().isShown(kind));
}

bool hasMarks(const MainWindow& window, CellMarks::Kind kind)
{
    const ChannelView* view = window.activeView();
    return view && view->model().marks().has(kind);
}

bool marksShown(const MainWindow& window, CellMarks::Kind kind)
{
    const ChannelView* view = window.activeView();
    return view && view->model().marks().isShown(kind);
}

} // namespace

// The command table. A row's menu text is translated in the MainWindow context and its
// prompt in the string table's; the accelerators are shown by Qt itself. Menus and toolbar
// list ids (MainWindow::createMenus, createToolBar); the help topic of an id is in
// resources/help/topics.txt.
const std::vector<MainCommand>& MainWindow::commands()
{
    using namespace CommandId;
    using W = MainWindow;
    using D = DocumentWindow;
    constexpr unsigned Toggle = MainCommand::Checkable;
    constexpr unsigned Doc = MainCommand::NeedsDocument;
    // Refused while a transfer runs: whatever could take its view, document or progress
    // window away, or start a second one.
    constexpr unsigned Refused = MainCommand::RefusedDuringTransfer;
    static const std::vector<MainCommand> table = {
        // clang-format off
        {FileNew, QT_TRANSLATE_NOOP("MainWindow", "&New"),
         QT_TRANSLATE_NOOP("StringTable", "Create new channel data\nNew"),
         {Qt::CTRL | Qt::Key_N}, Refused, onWindow([](W& w) { w.documents_->newDocument(); })},
        {FileOpen, QT_TRANSLATE_NOOP("MainWindow", "&Open..."),
         QT_TRANSLATE_NOOP("StringTable", "Open a channel-data file\nOpen"),
         {Qt::CTRL | Qt::Key_O}, Refused, onWindow([](W& w) { w.documents_->openWithDialog(); })},
        {FileClose, QT_TRANSLATE_NOOP("MainWindow", "&Close"),
         QT_TRANSLATE_NOOP("StringTable", "Hide the channel window\nClose"),
         {}, Doc | Refused, onWindow([](W& w) { w.documents_->closeActive(); })},
        {FileSave, QT_TRANSLATE_NOOP("MainWindow", "&Save"),
         QT_TRANSLATE_NOOP("StringTable", "Save the channel data\nSave"),
         {Qt::CTRL | Qt::Key_S}, Doc | Refused, onDocument([](W& w, D& d) { w.documents_->save(&d); })},
        {FileSaveAs, QT_TRANSLATE_NOOP("MainWindow", "Save &As..."),
         QT_TRANSLATE_NOOP("StringTable", "Save the channel data under a new name\nSave As"),
         {}, Doc | Refused, onDocument([](W& w, D& d) { w.documents_->saveAs(&d); })},
        {ShowRadioHistory, QT_TRANSLATE_NOOP("MainWindow", "Radio &History..."),
         QT_TRANSLATE_NOOP("StringTable", "Open a copy of an earlier read from the radio\nRadio History"),
         {}, Refused, onWindow([](W& w) { w.openFromHistory(); })},
        {ImportChannels, QT_TRANSLATE_NOOP("MainWindow", "&Import Channels..."),
         QT_TRANSLATE_NOOP("StringTable", "Take channels from a CSV channel list\nImport Channels"),
         {}, Doc | Refused, onDocument([](W& w, D& d) { w.csv_->importChannels(*d.view()); })},
        {ExportChannels, QT_TRANSLATE_NOOP("MainWindow", "&Export Channels..."),
         QT_TRANSLATE_NOOP("StringTable", "Write the channels in use to a CSV channel list\nExport Channels"),
         {}, Doc | Refused, onDocument([](W& w, D& d) { w.csv_->exportChannels(*d.view()); })},
        {Print, QT_TRANSLATE_NOOP("MainWindow", "&Print..."),
         QT_TRANSLATE_NOOP("StringTable", "Print the options and channels\nPrint"),
         {Qt::CTRL | Qt::Key_P}, Doc | Refused,
         onDocument([](W& w, D& d) { w.printing_->print(*d.view()); })},
        {PrintPreview, QT_TRANSLATE_NOOP("MainWindow", "Print Pre&view"),
         QT_TRANSLATE_NOOP("StringTable", "Show the printed pages on screen\nPrint Preview"),
         {}, Doc | Refused, onDocument([](W& w, D& d) { w.printing_->preview(*d.view()); })},
        {PrintDirect, QT_TRANSLATE_NOOP("MainWindow", "Print &Direct"),
         QT_TRANSLATE_NOOP("StringTable", "Print on the default printer\nPrint Direct"),
         {}, Doc | Refused, onDocument([](W& w, D& d) { w.printing_->printDirect(*d.view()); })},
        {PrintSetup, QT_TRANSLATE_NOOP("MainWindow", "P&rint Setup..."),
         QT_TRANSLATE_NOOP("StringTable", "Change the printer and printing options\nPrint Setup"),
         {}, Refused, onWindow([](W& w) { w.printing_->setup(); })},
        {Exit, QT_TRANSLATE_NOOP("MainWindow", "E&xit"),
         QT_TRANSLATE_NOOP("StringTable", "Quit the program\nExit"),
         {}, Refused, onWindow([](W& w) { w.close(); })},
        // The Edit commands take the platform's standard keys.
        {EditUndo, QT_TRANSLATE_NOOP("MainWindow", "&Undo"),
         QT_TRANSLATE_NOOP("StringTable", "Undo the last change\nUndo"),
         QKeySequence::keyBindings(QKeySequence::Undo), Doc | Refused,
         onDocument([](W& w, D& d) { w.edit_->undo(*d.view()); }),
         [](const W& w) { return w.edit_->canUndo(); }},
        {EditRedo, QT_TRANSLATE_NOOP("MainWindow", "&Redo"),
         QT_TRANSLATE_NOOP("StringTable", "Redo the change undone last\nRedo"),
         QKeySequence::keyBindings(QKeySequence::Redo), Doc | Refused,
         onDocument([](W& w, D& d) { w.edit_->redo(*d.view()); }),
         [](const W& w) { return w.edit_->canRedo(); }},
        {EditCut, QT_TRANSLATE_NOOP("MainWindow", "Cu&t"),
         QT_TRANSLATE_NOOP("StringTable", "Copy the selected cells and delete their channels\nCut"),
         QKeySequence::keyBindings(QKeySequence::Cut), Doc | Refused,
         onDocument([](W& w, D& d) { w.edit_->cut(*d.view()); }),
         [](const W& w) { return w.edit_->canChangeCells(); }},
        // Copy changes nothing, so it works during a transfer.
        {EditCopy, QT_TRANSLATE_NOOP("MainWindow", "Cop&y"),
         QT_TRANSLATE_NOOP("StringTable", "Copy the selected cells to the clipboard\nCopy"),
         QKeySequence::keyBindings(QKeySequence::Copy), Doc,
         onDocument([](W& w, D& d) { w.edit_->copy(*d.view()); })},
        {EditPaste, QT_TRANSLATE_NOOP("MainWindow", "P&aste"),
         QT_TRANSLATE_NOOP("StringTable", "Fill the cells from the current one with the clipboard\nPaste"),
         QKeySequence::keyBindings(QKeySequence::Paste), Doc | Refused,
         onDocument([](W& w, D& d) { w.edit_->paste(*d.view()); }),
         [](const W& w) { return w.edit_->canChangeCells(); }},
        // The channel operations work on the selected channels, in the Edit menu and the
        // grid's context menu.
        {FillDown, QT_TRANSLATE_NOOP("MainWindow", "Fill &Down"),
         QT_TRANSLATE_NOOP("StringTable", "Copy the first selected cell into the selected cells below it\n"
                           "Fill Down"),
         {Qt::CTRL | Qt::Key_D}, Doc | Refused, onDocument([](W&, D& d) { fillDown(*d.view()); }),
         [](const W& w) { return w.edit_->canChangeCells(); }},
        {MoveChannelsUp, QT_TRANSLATE_NOOP("MainWindow", "&Move Up"),
         QT_TRANSLATE_NOOP("StringTable", "Move the selected channels up one place\nMove Up"),
         {Qt::CTRL | Qt::SHIFT | Qt::Key_Up}, Doc | Refused,
         onDocument([](W&, D& d) { moveSelectedChannels(*d.view(), -1); }),
         [](const W& w) { return w.edit_->canChangeCells(); }},
        {MoveChannelsDown, QT_TRANSLATE_NOOP("MainWindow", "Move Dow&n"),
         QT_TRANSLATE_NOOP("StringTable", "Move the selected channels down one place\nMove Down"),
         {Qt::CTRL | Qt::SHIFT | Qt::Key_Down}, Doc | Refused,
         onDocument([](W&, D& d) { moveSelectedChannels(*d.view(), 1); }),
         [](const W& w) { return w.edit_->canChangeCells(); }},
        {InsertChannel, QT_TRANSLATE_NOOP("MainWindow", "&Insert Empty Channel"),
         QT_TRANSLATE_NOOP("StringTable", "Insert an empty channel at the selected one; the channels below move "
                           "down\nInsert Empty Channel"),
         {}, Doc | Refused, onDocument([](W&, D& d) { insertEmptyChannel(*d.view()); }),
         [](const W& w) { return w.edit_->canChangeCells(); }},
        {DeleteChannels, QT_TRANSLATE_NOOP("MainWindow", "D&elete Channel"),
         QT_TRANSLATE_NOOP("StringTable", "Delete the selected channels; the channels below move up\n"
                           "Delete Channel"),
         {}, Doc | Refused, onDocument([](W&, D& d) { deleteSelectedChannels(*d.view()); }),
         [](const W& w) { return w.edit_->canChangeCells(); }},
        {SortChannels, QT_TRANSLATE_NOOP("MainWindow", "&Sort by Rx Frequency"),
         QT_TRANSLATE_NOOP("StringTable", "Sort the selected channels, or all, by receive frequency (a "
                           "transmit-only radio by transmit frequency)\nSort by Rx Frequency"),
         {}, Doc | Refused, onDocument([](W&, D& d) { sortSelectedChannels(*d.view()); }),
         [](const W& w) { return w.edit_->canChangeCells(); }},
        {ProductInformation, QT_TRANSLATE_NOOP("MainWindow", "&Product Information"),
         QT_TRANSLATE_NOOP("StringTable", "Choose the radio type and frequency band\nProduct Information"),
         {}, Doc | Refused, onDocument([](W& w, D& d) { w.showProductInformation(d); })},
        // Without a document window (the tree's item) it shows the main window in its normal state.
        {ChannelInformation, QT_TRANSLATE_NOOP("MainWindow", "&Channel Information"),
         QT_TRANSLATE_NOOP("StringTable", "Show the channel window\nChannel Information"),
         {}, Doc, onWindow([](W& w) { w.showChannelWindow(); })},
        {OptionalFeatures, QT_TRANSLATE_NOOP("MainWindow", "&Optional Features"),
         QT_TRANSLATE_NOOP("StringTable", "Edit the radio-wide optional features\nOptional Features"),
         {}, Doc | Refused, onDocument([](W& w, D& d) { w.showOptionalFeatures(d); })},
        {Read, QT_TRANSLATE_NOOP("MainWindow", "&Read"),
         QT_TRANSLATE_NOOP("StringTable", "Read Data From Radio\nRead"),
         {Qt::CTRL | Qt::Key_R}, Doc | Refused,
         onDocument([](W&, D& d) { openTransfer(d, ViewTransfer::Direction::Read); })},
        {Write, QT_TRANSLATE_NOOP("MainWindow", "&Write"),
         QT_TRANSLATE_NOOP("StringTable", "Write Data To Radio\nWrite"),
         {Qt::CTRL | Qt::Key_W}, Doc | Refused,
         onDocument([](W&, D& d) { openTransfer(d, ViewTransfer::Direction::Write); })},
        {CompareWithRadio, QT_TRANSLATE_NOOP("MainWindow", "&Compare with Radio"),
         QT_TRANSLATE_NOOP("StringTable", "Read the radio and show what differs from the channel data\n"
                           "Compare with Radio"),
         {}, Doc | Refused, onDocument([](W&, D& d) { openTransfer(d, ViewTransfer::Direction::Compare); })},
        // The marks of differences in the grid, and two files side by side.
        {ShowDifferences, QT_TRANSLATE_NOOP("MainWindow", "Show &Differences"),
         QT_TRANSLATE_NOOP("StringTable", "Mark the cells that differ from the radio at the last compare\n"
                           "Show Differences"),
         {}, Toggle | Doc, onDocument([](W& w, D& d) { toggleMarks(d, CellMarks::Radio); w.updateActions(); }),
         [](const W& w) { return hasMarks(w, CellMarks::Radio); },
         [](const W& w) { return marksShown(w, CellMarks::Radio); }},
        {ChangesSinceSaved, QT_TRANSLATE_NOOP("MainWindow", "Changes Since Sa&ved"),
         QT_TRANSLATE_NOOP("StringTable", "Mark the cells changed since the file was opened or saved\n"
                           "Changes Since Saved"),
         {}, Toggle | Doc, onDocument([](W& w, D& d) { toggleMarks(d, CellMarks::Saved); w.updateActions(); }),
         [](const W& w) { return hasMarks(w, CellMarks::Saved); },
         [](const W& w) { return marksShown(w, CellMarks::Saved); }},
        {CompareWithFile, QT_TRANSLATE_NOOP("MainWindow", "Compare &With File..."),
         QT_TRANSLATE_NOOP("StringTable", "Show the channels beside those of another file and copy between them\n"
                           "Compare With File"),
         {}, Doc | Refused, onDocument([](W& w, D& d) { w.compareWithFile(d); })},
        {ProgramSeveralRadios, QT_TRANSLATE_NOOP("MainWindow", "Program &Several Radios..."),
         QT_TRANSLATE_NOOP("StringTable", "Write the channel data into radio after radio, on several cables at "
                           "once, each backed up, verified and logged\nProgram Several Radios"),
         {}, Doc | Refused, onDocument([](W& w, D& d) { w.openBench(d); })},
        {VerifyAfterWrite, QT_TRANSLATE_NOOP("MainWindow", "&Verify after Write"),
         QT_TRANSLATE_NOOP("StringTable", "Read the radio back after each write and compare\n"
                           "Verify after Write"),
         {}, Toggle, onWindow([](W& w) { w.toggleVerifyAfterWrite(); })},
        {ViewToolbar, QT_TRANSLATE_NOOP("MainWindow", "&Toolbar"),
         QT_TRANSLATE_NOOP("StringTable", "Show or hide the toolbar\nToolbar"),
         {}, Toggle, onWindow([](W& w) { w.toolBar_->setVisible(!w.toolBar_->isVisible()); })},
        {ViewStatusBar, QT_TRANSLATE_NOOP("MainWindow", "&Status Bar"),
         QT_TRANSLATE_NOOP("StringTable", "Show or hide the status bar\nStatus Bar"),
         {}, Toggle, onWindow([](W& w) { w.toggleStatusBar(); })},
        {ViewControlBar, QT_TRANSLATE_NOOP("MainWindow", "&Control Bar"),
         QT_TRANSLATE_NOOP("StringTable", "Show or hide the navigation bar\nControl Bar"),
         {}, Toggle | Doc,
         onWindow([](W& w) { w.navigationBar_->setVisible(w.navigationBar_->isHidden()); })},
        {ComSetup, QT_TRANSLATE_NOOP("MainWindow", "&Com Setup"),
         QT_TRANSLATE_NOOP("StringTable", "Choose the serial port of the programming cable\nCom Setup"),
         {}, Doc | Refused, onDocument([](W&, D& d) { d.view()->openPortSetting(); })},
        {ChooseLanguage, QT_TRANSLATE_NOOP("MainWindow", "&Language"),
         QT_TRANSLATE_NOOP("StringTable", "Change the language of the program\nLanguage"),
         {}, Doc | Refused, onWindow([](W& w) { w.chooseLanguage(); })},
        {About, QT_TRANSLATE_NOOP("MainWindow", "&About XR_970..."),
         QT_TRANSLATE_NOOP("StringTable", "Show the program version and copyright\nAbout"),
         {}, 0, onWindow([](W& w) { AboutDialog(w.context_, &w).exec(); })},
        {Help, QT_TRANSLATE_NOOP("MainWindow", "&Help Topics"),
         QT_TRANSLATE_NOOP("StringTable", "List the help topics\nHelp Topics"),
         {Qt::Key_F1}, 0, onWindow([](W& w) { w.showHelp(0); })},
        // Beside Ctrl+F6 and Ctrl+Shift+F6, the keys other desktop programs switch documents with.
        {NextWindow, QT_TRANSLATE_NOOP("MainWindow", "&Next Window"),
         QT_TRANSLATE_NOOP("StringTable", "Show the window of the next document\nNext Window"),
         {Qt::CTRL | Qt::Key_F6, Qt::CTRL | Qt::Key_Tab}, Doc | Refused,
         onWindow([](W& w) { w.documents_->bringForwardNeighbour(1); })},
        {PreviousWindow, QT_TRANSLATE_NOOP("MainWindow", "&Previous Window"),
         QT_TRANSLATE_NOOP("StringTable", "Show the window of the previous document\nPrevious Window"),
         {Qt::CTRL | Qt::SHIFT | Qt::Key_F6, Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab}, Doc | Refused,
         onWindow([](W& w) { w.documents_->bringForwardNeighbour(-1); })},
        // Keys only: the next and previous pane.
        {NextPane, "", nullptr, {Qt::Key_F6}, 0, onWindow([](W& w) { w.moveToPane(1); })},
        {PreviousPane, "", nullptr, {Qt::SHIFT | Qt::Key_F6}, 0, onWindow([](W& w) { w.moveToPane(-1); })},
        // clang-format on
    };
    return table;
}
