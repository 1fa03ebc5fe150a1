#pragma once

#include <QDialog>
#include <functional>

class QLabel;
class QProgressBar;
class QPushButton;
class UiHooks;

// The progress window of a Read or Write ("Process"): OK starts the transfer, the bar and
// the counter follow it row by row, Cancel asks it to stop. The window is shown by the
// command and hidden at every end of the transfer; the object lives with its view.
class ProgressDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int BarId = 1001;
    static constexpr int CounterId = 1009;
    static constexpr int Rows = 51;

    // start runs when OK is pressed, from the event loop (posted, never called directly).
    ProgressDialog(const UiHooks& hooks, std::function<void()> start, QWidget* parent = nullptr);

    // Shows a fresh window with this caption: bar and counter at 0, OK enabled. A write
    // that is read back afterwards runs the bar over twice the rows.
    void open(const QString& caption, int rows = Rows);
    bool isOpen() const { return !isHidden(); }
    // Advances the bar by one row and shows the new position in the counter.
    void step();
    // Ends the window at the end of a transfer.
    void finish();

    bool cancelled() const { return cancelled_; }
    bool started() const;
    QProgressBar* bar() const { return bar_; }
    QLabel* counter() const { return counter_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

protected:
    void reject() override; // Cancel, Escape and the close box

private:
    void onOk();

    std::function<void()> start_;
    QProgressBar* bar_;
    QLabel* counter_;
    QPushButton* ok_;
    QPushButton* cancel_;
    bool cancelled_ = false;
};
