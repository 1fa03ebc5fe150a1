#pragma once

#include <QObject>
#include <functional>

class DocumentManager;
class DocumentWindow;
class QAction;
class QActionGroup;
class QMenu;

// The Window menu: Next Window and Previous Window, then every document in the order the windows opened,
// hidden ones too, the active one checked and modified ones marked "*". The list is made anew each time the
// menu opens; its entries are enabled while Next Window is.
class WindowMenu : public QObject {
    Q_OBJECT
public:
    using Chooser = std::function<void(DocumentWindow*)>;

    // menu holds Next Window (next) and Previous Window; choose brings a chosen document's
    // window forward.
    WindowMenu(QMenu* menu, const QAction* next, const DocumentManager& documents, Chooser choose);

    QList<QAction*> entries() const;

private:
    void refresh();

    QMenu* menu_;
    const QAction* next_;
    const DocumentManager& documents_;
    Chooser choose_;
    QActionGroup* entries_;
};
