#pragma once

#include <QFont>
#include <QRect>
#include <QString>

class QPainter;

// One printed page in twips: the origin is the top left corner of the printable area,
// x grows to the right and y grows upwards, so everything on the page lies at y < 0.
// Texts are placed by their top left corner. The painter's state is restored when the
// page object goes away.
class TwipsPage {
public:
    TwipsPage(QPainter& painter, const QRect& printableArea);
    ~TwipsPage();
    TwipsPage(const TwipsPage&) = delete;
    TwipsPage& operator=(const TwipsPage&) = delete;

    // The report's grid units: the printable area is 66 wide and 45 high of them.
    int unitWidth() const { return unitWidth_; }
    int unitHeight() const { return unitHeight_; }

    void setFont(const QFont& font);
    // Text height plus external leading of the current font.
    int lineHeight() const;
    void drawText(int x, int top, const QString& text);
    void drawHorizontalLine(int left, int right, int y);

private:
    QPainter& painter_;
    int unitWidth_ = 0;
    int unitHeight_ = 0;
};
