#pragma once

#include "document/ChannelDocument.h"

#include <QDialog>
#include <functional>

class AppContext;
class ChannelGrid;
class ChannelTableModel;
class ChannelView;
class QLabel;
class QPushButton;
class QUndoStack;
struct HistoryEntry;

// File > Compare With File: the active document (left) and a channel-data file or a copy
// from the radio history (right) side by side, row for row, in two grids that scroll
// together and share the current cell. The cells that differ are filled on both sides
// (each side's reference is the other image) and counted with the other differences,
// which the count's tool tip lists as xr970-cli diff does. The current cell or the
// selected channels copy to the other side, each copy one undo step of the receiving
// document: on the left a step of the channel view, on the right one of this window,
// whose Save writes the file; closing asks about changes not saved there. Modal, so the
// active document changes only here while the window shows.
class CompareFilesDialog : public QDialog {
    Q_OBJECT
public:
    enum Side { Left, Right };

    CompareFilesDialog(ChannelView& view, AppContext& context, QWidget* parent = nullptr);
    ~CompareFilesDialog() override;

    // Takes the right side from a file or a history copy; a failure is shown and leaves
    // the side as it was. False also when the user kept unsaved changes of the side.
    bool openFile(const QString& path);
    bool openHistoryEntry(const HistoryEntry& entry);

    // Copies the current cell (through the checks of a typed value; a refused value is
    // named) or the selected channels (records and scan bits) from one side to the other.
    void copyCell(Side from);
    void copyChannels(Side from);
    void undo(Side side);
    void redo(Side side);
    // Writes the right side to its file (asking for a name for a history copy).
    bool save();

    ChannelGrid* grid(Side side) const { return panes_[side].grid; }
    ChannelDocument& fileDocument() { return file_; }
    QLabel* countLabel() const { return count_; }

    // Close, Escape and the close box: asks first about changes not saved on the right.
    void reject() override;

private:
    struct Pane {
        QLabel* heading = nullptr;
        ChannelGrid* grid = nullptr;
        QPushButton* undo = nullptr;
        QPushButton* redo = nullptr;
    };

    void buildPane(Side side);
    void layOut(const QList<QPushButton*>& choices, QPushButton* close);
    QWidget* buildCopyButtons();
    QPushButton* addCopyButton(const QString& text, const QString& tip, const QKeySequence& key,
                               const std::function<void()>& copy);
    void followCurrentCell(Side from);
    bool confirmDiscard();
    bool takeRightSide(const std::function<ChannelFile::Result(ChannelDocument&)>& load, const QString& path);
    void change(Side to, const QString& text, const std::function<void()>& write);
    void compareSides();
    void updateButtons();
    void chooseFile();
    void chooseHistoryEntry();
    void undoFocused(bool forward);
    ChannelTableModel& model(Side side);
    QUndoStack* stack(Side side) const;

    ChannelView& view_;
    AppContext& context_;
    ChannelDocument file_;
    QUndoStack* fileSteps_;
    Pane panes_[2];
    QLabel* count_ = nullptr;
    QList<QPushButton*> copyButtons_;
    QPushButton* save_ = nullptr;
    bool loaded_ = false;
    bool following_ = false; // the other grid's current cell is being moved
};
