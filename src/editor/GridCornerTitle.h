#pragma once

#include <QColor>
#include <QObject>
#include <QString>

class QAbstractButton;
class QTableView;

// The title of the grid's corner cell (row 0, column 0), which the table's own corner
// button leaves blank: the button is painted as a header section with the text.
class GridCornerTitle : public QObject {
public:
    explicit GridCornerTitle(QTableView* table);

    QString text() const { return text_; }
    void setText(const QString& text);
    void setColour(const QColor& colour);
    void setAlignment(Qt::Alignment alignment);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void paint();

    QAbstractButton* corner_;
    QString text_;
    QColor colour_;
    Qt::Alignment alignment_ = Qt::AlignCenter;
};
