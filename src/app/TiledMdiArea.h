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

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QString programDir_;
};
