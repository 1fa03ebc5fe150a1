#pragma once

#include "model/Language.h"
#include "model/RadioImage.h"

#include <QString>
#include <cstdint>

// Band limits in 10 Hz counts, inclusive.
struct BandLimits {
    std::int32_t low = 0;
    std::int32_t high = 0;
};

// The band at index b of a "Field<n>" value ("136 - 150MHz|150 - 174MHz"); an index past
// the end gives the last band (a new image holds 2, which a two-band type does not have),
// and a value without "|" is one band.
QString bandTextAt(const QString& fieldValue, int bandIndex);

// "130 - 160MHz" gives 13000000 .. 16000000: the leading integers before and after the
// first "-", times 100000, clamped to the 32-bit range. Without "-" both are the first.
BandLimits bandLimitsFromText(const QString& bandText);

// The main window title: AppName, then the type and band.
QString captionString(const QString& appName, const QString& typeName, const QString& bandText,
                      Language language);

// "Type<n>" and "Field<n>" keys for a 0-based type index.
QString typeKey(int typeIndex);
QString fieldKey(int typeIndex);
