#include "app/FileDrop.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

FileDrop::FileDrop(QWidget* window, std::function<bool()> canOpen, std::function<void(const QString&)> open)
    : QObject(window), canOpen_(std::move(canOpen)), open_(std::move(open))
{
    window->setAcceptDrops(true);
    window->installEventFilter(this);
}

QString FileDrop::droppedFile(const QMimeData* data)
{
    if (!data || !data->hasUrls())
        return {};
    for (const QUrl& url : data->urls()) {
        const QString path = url.toLocalFile();
        if (path.endsWith(QLatin1String(".dat"), Qt::CaseInsensitive) ||
            path.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive))
            return path;
    }
    return {};
}

bool FileDrop::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::DragEnter && event->type() != QEvent::DragMove &&
        event->type() != QEvent::Drop)
        return QObject::eventFilter(watched, event);
    auto* drop = static_cast<QDropEvent*>(event);
    const QString path = droppedFile(drop->mimeData());
    if (path.isEmpty() || !canOpen_()) {
        drop->ignore();
        return true;
    }
    drop->acceptProposedAction();
    if (event->type() == QEvent::Drop)
        open_(path);
    return true;
}
