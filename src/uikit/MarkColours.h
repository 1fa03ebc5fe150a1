#pragma once

#include <QColor>
#include <QPalette>

// The colours of the difference marks: a cell (or an option's label) that differs from
// the radio or the other file is filled, a cell changed since the file was saved is
// framed; a cell with both is filled and framed. Chosen against the palette, so the text
// stays readable on the fill and the frame stands out from the cells in light and dark
// palettes alike.
QColor markFillColour(const QPalette& palette, QPalette::ColorRole textRole = QPalette::Text);
QColor markFrameColour(const QPalette& palette);
