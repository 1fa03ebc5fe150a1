#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

class QLineEdit;
class QToolButton;

// A pair of small arrow buttons attached to the right edge of an edit field (its buddy).
// It keeps no position and never touches the buddy's text: every click, every repeat
// while a button is held and every Up/Down key in the buddy only announces a position
// change through deltaPos, and whoever serves it writes the new text. Held buttons
// and keys speed up like the usual spin controls: steps of 1, after 2 s of 5, after
// 5 s of 20.
class UpDownControl : public QWidget {
    Q_OBJECT
public:
    explicit UpDownControl(QWidget* parent);

    void setRange(int lower, int upper);
    int lower() const { return lower_; }
    int upper() const { return upper_; }

    // Sits at the right end of the buddy's current geometry and narrows the buddy by its
    // own width, so that both together fill the buddy's original place.
    void attachTo(QLineEdit* buddy);
    QLineEdit* buddy() const { return buddy_; }

    // The step for a button or key held for the given time.
    static int acceleratedStep(qint64 heldMs);

Q_SIGNALS:
    // Up is positive.
    void deltaPos(int delta);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QToolButton* makeArrow(Qt::ArrowType arrow);
    void startHold(int direction);
    void stopHold();
    void repeatHold();

    QLineEdit* buddy_ = nullptr;
    int lower_ = 0;
    int upper_ = 100;
    int holdDirection_ = 0;
    QElapsedTimer held_;
    QTimer repeat_;
};
