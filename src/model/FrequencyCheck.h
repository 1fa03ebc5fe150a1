#pragma once

#include "model/ProductBand.h"

#include <QString>

// The checks every typed frequency passes before it reaches the image: inside the band
// of the document's radio type and on the 5 kHz / 6.25 kHz channel raster.

// A typed frequency's 10 Hz count, truncated toward zero, and the text stored for it
// ("%3.5f" MHz of that count).
struct TypedFrequency {
    QString text;
    long long count = 0;
};
TypedFrequency typedFrequency(const QString& editorText);

bool isInBand(long long count, BandLimits band); // limits inclusive
bool isOnRaster(long long count);
