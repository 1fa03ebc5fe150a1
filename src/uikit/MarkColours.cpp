#include "uikit/MarkColours.h"

#include "uikit/Contrast.h"

namespace {

const QColor Amber(255, 214, 102);
const QColor Blue(0, 110, 210);

} // namespace

// Contrast is symmetric: a fill that reads against the text is one the text reads on.
QColor markFillColour(const QPalette& palette, QPalette::ColorRole textRole)
{
    return readableColour(Amber, palette.color(textRole), TextContrast);
}

// A frame is no text: the 3 : 1 of large text is enough to see it.
QColor markFrameColour(const QPalette& palette)
{
    return readableColour(Blue, palette.color(QPalette::Base), LargeTextContrast);
}
