#pragma once

#include <QObject>
#include <functional>

class QMimeData;
class QWidget;

// Files dropped on a window: the first channel-data (.dat) or CSV channel-list (.csv)
// file among them is handed to open; other drops are refused. Nothing is taken while
// canOpen says no (a transfer runs).
class FileDrop : public QObject {
    Q_OBJECT
public:
    FileDrop(QWidget* window, std::function<bool()> canOpen, std::function<void(const QString&)> open);

    // The file a drop would open, or empty.
    static QString droppedFile(const QMimeData* data);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<bool()> canOpen_;
    std::function<void(const QString&)> open_;
};
