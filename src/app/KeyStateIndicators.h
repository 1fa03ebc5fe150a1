#pragma once

#include <QWidget>

class QLabel;

// The CAP, NUM and SCRL panes of the status bar, lit while the lock is on. The state is
// read from the keyboard LEDs the system reports, and read again after each key press.
class KeyStateIndicators : public QWidget {
    Q_OBJECT
public:
    explicit KeyStateIndicators(QWidget* parent = nullptr);

    void refresh();
    QLabel* pane(int index) const { return panes_[index]; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* panes_[3];
};
