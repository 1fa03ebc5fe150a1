#pragma once

#include <QColor>

// Text colours that stay readable on whatever background the palette gives.

// The contrast ratio of two colours, from 1 (the same) to 21 (black on white).
double contrastRatio(const QColor& a, const QColor& b);

// The wanted colour when it reaches the ratio on the background; otherwise the wanted
// colour mixed toward white or black (whichever the background needs) just far enough.
QColor readableColour(const QColor& wanted, const QColor& background, double minimumRatio);

// Body text needs 4.5 : 1, large text (the view's title) 3 : 1.
constexpr double TextContrast = 4.5;
constexpr double LargeTextContrast = 3.0;
