#pragma once

#include <QMdiArea>

// The main window's client area behind the document windows, tiled from its top-left
// corner with "background.bmp" from the program folder (read at every repaint) or the
// built-in tile.
class TiledMdiArea : public QMdiArea {
    Q_OBJECT
public:
    explicit TiledMdiArea(const QString& programDir, QWidget* parent = nullptr);

    // The picture a repaint would use now.
    QPixmap backgroundTile() const;
    // A document window is never wider than the area: wider ones are narrowed (also
    // whenever the area shrinks), and grow back to their width as it widens again (the
    // first window, narrowed while the main window still had its first size, fits its
    // form once the window is maximised). Nothing happens before the area is shown.
    void fitWindowWidths();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QString programDir_;
};
