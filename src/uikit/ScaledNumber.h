#pragma once

#include <QString>
#include <QStringView>

// Edit fields that show a whole count as a decimal number: the Transmit Delay field
// keeps tenths of a second and shows them as seconds ("12.3").

// The count a text stands for: its leading number times the scale, truncated toward
// zero. A text without a number counts 0; numbers beyond the int range give the
// nearest int limit, which every caller's range check then refuses.
int scaledCount(QStringView text, int scale);

// The count shown through a printf-style number format. A floating-point conversion
// ("%.1f") gets count / scale as an exact decimal quotient; any other conversion
// ("%X", "%d") gets the whole quotient.
QString formatScaled(const QString& format, int count, int scale);
