#pragma once

#include "model/ProductBand.h"

#include <QString>

// The checks every typed frequency passes before it reaches the image: inside the band
// of the document's radio type and on the 5 kHz / 6.25 kHz channel raster.

// The text stored for a typed frequency ("%3.5f") and its 10 Hz count, truncated.
struct TypedFrequency {
    QString text;
    long long count = 0;
};
TypedFrequency typedFrequency(const QString& editorText);

bool isInBand(long long count, BandLimits band); // limits inclusive
bool isOnRaster(long long count);
