#pragma once

#include "model/Language.h"
#include <QStringList>
#include <array>

class QComboBox;
class QLineEdit;
class QWidget;

// The eight in-place editors of the channel grid, one per column 1..8, created once,
// hidden, as children of the grid's viewport: edit boxes for the two frequencies and
// selection-only drop-down lists for the rest.
class CellEditors {
public:
    // Control ids, also the help context numbers.
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

    CellEditors(QWidget* viewport, const QStringList& toneChoices, Language language);

    // The editor of a grid column; any column outside 1..8 gives the Rx editor.
    QWidget* editorOf(int col) const;
    QComboBox* listOf(int col) const; // nullptr for the edit boxes
    // The open editor's text; for a list, its selected entry.
    QString textOf(int col) const;
    // Loads the cell text: an edit box takes it all selected, so that typing replaces it;
    // a list selects the first entry that begins with it (ignoring case); a value the
    // list does not offer is added as an extra entry so that leaving the cell keeps it;
    // an empty cell selects entry 0.
    void load(int col, const QString& cellText);
    // The entry of a list the text names, as typing it would choose: equal to it (ignoring
    // case), else the first that begins with it; empty when none does.
    QString offeredEntry(int col, const QString& text) const;
    // An edit box's caret to the end of its text with nothing selected, so that typing
    // adds to it (F2, a double click); a list stays as it is.
    void editInPlace(int col);
    bool isOpen(int col) const;
    // Whether the user changed the editor's text or choice since it was loaded.
    bool isChanged(int col) const;
    void hideAll();
    const std::array<QWidget*, 8>& all() const { return editors_; }

private:
    std::array<QWidget*, 8> editors_{};  // columns 1..8, owned by the viewport
    std::array<int, 8> offeredCounts_{}; // entries of each list before any kept value
    std::array<QString, 8> loadedTexts_;  // what each editor held when it was loaded
};
