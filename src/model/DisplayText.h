#pragma once

#include <QString>

// A value the user supplied (a pasted cell, a CSV field, a file name) as a message shows
// it: control characters and NULs written as escapes (\t, \n, \r, \0, \xNN), and a value
// longer than maxChars cut in the middle with "...", so a message stays readable and its
// box fits the screen whatever was pasted.
QString displayedValue(const QString& value, int maxChars = 60);

// A message as a box can show it on any screen: each line shown as displayedValue shows a
// value of maxLineChars, and no more lines than fill about maxRows rows of a box's width,
// "..." standing for the rest.
QString boxedText(const QString& text, int maxLineChars = 300, int maxRows = 36);

// A file name as a message shows it: with the system's separators, then as displayedValue,
// with room for a usual path.
constexpr int ShownPathChars = 120;
QString displayedPath(const QString& path, int maxChars = ShownPathChars);
