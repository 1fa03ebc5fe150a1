#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class ChannelView;

// Copy, cut and paste of channel cells the way spreadsheets exchange them: one line per
// row, fields separated by TABs (comma-separated text is read as well).

// A clipboard text longer than this is far more than 16 channels and is refused unread.
constexpr qsizetype MaxPasteLength = 64 * 1024;

// Whether a text holds cells for the grid rather than one value for an edit box: it
// has a TAB, a comma or a line break.
bool isCellBlock(const QString& text);
// The rows and fields of such a text.
QList<QStringList> parseCellBlock(const QString& text);

// The selected cells as the grid shows them, in the columns the radio type shows; rows
// selected whole begin with their channel number.
QString copyCells(const ChannelView& view);

// Copies the selection, then deletes each selected channel whose frequency cell is among
// the selected cells, as deleting its receive frequency does. One undo step.
QString cutCells(ChannelView& view);

// Fills the cells from the current one, row by row across the shown columns; rows that
// begin with a channel number (as whole rows are copied) fill the selected rows from the
// first row selected down, whole, without their numbers. Each cell passes the checks of
// a typed value (band, raster, list entries); a refused cell keeps its text and is named
// in one message after the paste, which is one undo step. A value longer than any cell
// holds, or a text longer than MaxPasteLength, is refused unread.
// Returns whether any cell changed.
bool pasteCells(ChannelView& view, const QString& text);
