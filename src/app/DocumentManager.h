#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

#include "app/DocumentWindow.h"
#include "document/ChannelFile.h"
#include "document/RadioHistory.h"

#include <memory>
#include <optional>

class AppContext;
class QAction;
class ChannelDocument;
class TiledMdiArea;
class QWidget;

// New, Open, Save, Save As and Close over the document windows of the MDI area. The
// active document window stays the active one while it is hidden.
class DocumentManager : public QObject {
    Q_OBJECT
public:
    DocumentManager(AppContext& context, TiledMdiArea* area, QWidget* dialogParent);

    DocumentWindow* currentWindow() const { return active_; }
    QList<DocumentWindow*> windows() const;

    // Every question about unsaved changes, and every replacing of the shown document,
    // first commits what is typed in an open cell editor, so it counts as a change.
    // New: when a document window exists, offers to save its changes, then asks "All data
    // will be Cleared!".
    bool newDocument();
    // Opens the file; a failure shows its message and opens nothing.
    bool openDocument(const QString& path);
    // Opens a copy from the radio history as a new document without a file, with the
    // radio variant of its read, as the read left the program.
    bool openHistoryEntry(const HistoryEntry& entry);
    bool openWithDialog();
    bool save(DocumentWindow* window);
    bool saveAs(DocumentWindow* window);
    // File Close: hides the active document window, as its close box does.
    void closeActive();
    // Before the program ends: offers to save each modified document, its window brought
    // forward first. False = cancel.
    bool confirmCloseAll();
    // Shows the window and makes it the active one; the window shown before hides, as
    // Open hides it, so one document window shows.
    void bringForward(DocumentWindow* window);
    // Brings forward the next (step 1) or previous (-1) window in the order they opened.
    void bringForwardNeighbour(int step);
    // The channel operations every channel view's cell menu offers (the window's actions).
    void setCellMenuActions(const QList<QAction*>& actions) { cellMenuActions_ = actions; }

Q_SIGNALS:
    void currentWindowChanged(DocumentWindow* window);
    void captionChanged(const QString& caption);
    // A file was opened or saved (for the recent-file list).
    void fileUsed(const QString& path);
    // A transfer with the radio started (true) or ended (false) in one of the views.
    void transferRunningChanged(bool running);

private:
    DocumentWindow* createWindow(ChannelDocument* document);
    void showLoaded(std::unique_ptr<ChannelDocument> document, std::optional<RadioVariant> variant = {});
    void setActive(DocumentWindow* window);
    bool saveTo(DocumentWindow* window, const QString& path);
    // Save, Discard or Cancel for a modified document; false = cancel, or the save failed.
    bool confirmClose(DocumentWindow* window);
    QString proposedSavePath(const ChannelDocument* document) const;

    void reportFileError(const QString& path, const ChannelFile::Result& result, bool saving) const;

    AppContext& context_;
    TiledMdiArea* area_;
    QWidget* dialogParent_;
    QPointer<DocumentWindow> active_;
    QList<QAction*> cellMenuActions_;
};
