#pragma once

#include <QFont>
#include <QRect>

// Dialog templates are laid out in dialog units: a quarter of the font's average
// character width horizontally and an eighth of its height vertically.
class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);
    int x(int units) const { return units * baseX_ / 4; }
    int y(int units) const { return units * baseY_ / 8; }
    QRect rect(int x, int y, int width, int height) const;

private:
    int baseX_;
    int baseY_;
};

// The templates' "Times New Roman" at a point size, with metric-compatible fallbacks.
QFont templateFont(int pointSize);
