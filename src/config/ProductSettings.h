#pragma once

#include "model/RadioImage.h"

class QSettings;

// The product type and band positions last confirmed, kept under the user's settings key
// as the DWORD values "Type" and "Field" (a missing value counts as 0).
struct ProductPositions {
    int type = 0;
    int band = 0;
};

ProductPositions loadProductPositions(QSettings& key);
void storeProductPositions(QSettings& key, ProductPositions positions);

// A new document takes bytes 814/815 from the settings; any other document stores them
// there.
void exchangeProductWithSettings(RadioImage& image, bool newDocument, QSettings& key);
