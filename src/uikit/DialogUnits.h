#pragma once

#include <QFont>
#include <QRect>

// Dialog layouts are drawn in dialog units: a quarter of the font's average character
// width horizontally and an eighth of its height vertically, so a dialog keeps its
// proportions whatever font it is shown in.
class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);

    int toPixelsX(int units) const;
    int toPixelsY(int units) const;
    QRect toPixels(int x, int y, int width, int height) const;

    // Widens the horizontal unit, if need be, so that a box of the given width in dialog
    // units holds the text in the font: a wide font or a long translation then widens
    // the whole dialog instead of cutting a label short.
    void fitText(const QString& text, int width);

private:
    QFont font_;
    int baseX_;
    int baseY_;
};

// The templates' "Times New Roman" at a point size, with metric-compatible fallbacks.
QFont templateFont(int pointSize);
