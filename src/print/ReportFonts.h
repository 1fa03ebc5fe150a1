#pragma once

#include <QFont>

// The report's two fonts for one page, sized in twips from the page's grid units.
struct ReportFonts {
    ReportFonts(int unitWidth, int unitHeight);

    QFont large; // character height H, average character width W
    QFont small; // both four fifths of that
};

// A "Times New Roman" face with the given character height and average character width,
// falling back to a metric-compatible serif and, for Chinese text, to a CJK face.
QFont reportFont(int characterHeight, int averageWidth);
