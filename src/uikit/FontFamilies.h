#pragma once

#include <QStringList>

// The families of the list that are installed, in their order; none leaves the default
// font. A family that is not installed would cost a search for a substitute each time a
// font names it, which slows the start.
QStringList installedFamilies(const QStringList& families);
