#pragma once

#include "model/ImageDiff.h"
#include "model/Language.h"

#include <QString>
#include <QStringList>

// The lines that show an image diff: "CH 3, Rx Frequency: 446.00625 -> 446.01250" for a
// channel cell, "Squelch Level: 4 -> 9" for an option, "Byte 0x3E8: FF -> 12" for any
// other byte; a blank text shows as "(blank)". The command line and the Compare window
// show the same lines.
QStringList imageDiffLines(const ImageDiff& diff, Language language);

// A value as a difference shows it: the text, or "(blank)".
QString diffValueText(const QString& text, Language language);

// The line of the change that lies first in the image, or the empty text for no change.
QString firstDifferenceLine(const ImageDiff& diff, Language language);
