#pragma once

#include "editor/CellMarkDelegate.h"

#include <QPointer>

class ChannelTableModel;
class QComboBox;

// Creates the in-place editor of a channel cell, one at a time: an edit box for the two
// frequency columns, a selection-only drop-down list for the others, filled with the
// column's entries. It lays the editor over the cell and loads it with the cell's text;
// the channel view commits what the editor holds, so this delegate never writes the model
// and leaves every key to the view. Cells that differ from the radio are filled, cells
// changed since the file was saved framed.
class CellEditorDelegate : public CellMarkDelegate {
    Q_OBJECT
public:
    // Control ids of the editors, also their help context numbers.
    static constexpr int RxEditId = 2127;
    static constexpr int TxEditId = 2128;
    static constexpr int BusyLockListId = 1130;
    static constexpr int DecListId = 2132;
    static constexpr int EncListId = 2133;
    static constexpr int WidthListId = 2134;
    static constexpr int ScanListId = 2135;
    static constexpr int PowerListId = 1129;
    // A drop-down list's opened part adds this many pixels below the cell.
    static constexpr int DropDownHeight = 100;
    // Cell positions count from the grid's outer edge, which lies this many pixels
    // (border and grid line) before the cell area; the placement takes them back.
    static constexpr int EdgeAllowance = 3;

    // keyFilter sees the keys of every editor (Enter, Escape, F1, the clipboard keys).
    CellEditorDelegate(const ChannelTableModel& model, QObject* keyFilter, QObject* parent = nullptr);

    // The open editor when it edits a cell of column col, else nullptr.
    QWidget* editorOf(int col) const;
    QComboBox* listOf(int col) const; // nullptr for the edit boxes
    bool isOpen(int col) const { return editorOf(col) != nullptr; }
    // The open editor's text; for a list, its selected entry.
    QString textOf(int col) const;
    // Whether the user changed the editor's text or choice since it was loaded.
    bool isChanged(int col) const;
    // An edit box opens with its text selected, so a typed key replaces it; this puts the
    // caret at the end instead, to edit the text in place (F2, a double click).
    void editInPlace(int col) const;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    // An edit box takes the text; a list selects the first entry that begins with it
    // (ignoring case), and a value it does not offer is added as an extra entry so that
    // leaving the cell keeps it; an empty cell selects entry 0.
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget*, QAbstractItemModel*, const QModelIndex&) const override {}
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;
    void destroyEditor(QWidget* editor, const QModelIndex& index) const override;

protected:
    // Commits and closes are the view's: no key or focus change of an editor does either.
    bool eventFilter(QObject*, QEvent*) override { return false; }

private:
    const ChannelTableModel& model_;
    QObject* keyFilter_;
    mutable QPointer<QWidget> open_;
    mutable int openColumn_ = 0;
    mutable QString loadedText_;
};
