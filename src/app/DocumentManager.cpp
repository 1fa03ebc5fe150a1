#include "app/DocumentManager.h"

#include "app/DocumentWindow.h"
#include "app/FileFilters.h"
#include "app/TiledMdiArea.h"
#include "config/CommandIds.h"
#include "config/StringTable.h"
#include "document/ChannelDocument.h"
#include "editor/ChannelView.h"
#include "editor/ViewTransfer.h"
#include "model/DisplayText.h"
#include "session/AppContext.h"
#include "uikit/MessageBox.h"
#include "uikit/UiHooks.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMdiArea>

#include <algorithm>

namespace {

QString fileFilter()
{
    return fileDialogFilter(QStringLiteral("*.dat"));
}

} // namespace

DocumentManager::DocumentManager(AppContext& context, TiledMdiArea* area, QWidget* dialogParent)
    : QObject(area), context_(context), area_(area), dialogParent_(dialogParent)
{
    connect(area_, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* subWindow) {
        if (auto* window = qobject_cast<DocumentWindow*>(subWindow))
            setActive(window);
    });
}

QList<DocumentWindow*> DocumentManager::windows() const
{
    QList<DocumentWindow*> result;
    for (QMdiSubWindow* subWindow : area_->subWindowList())
        if (auto* window = qobject_cast<DocumentWindow*>(subWindow))
            result << window;
    return result;
}

void DocumentManager::setActive(DocumentWindow* window)
{
    if (active_ == window)
        return;
    active_ = window;
    Q_EMIT currentWindowChanged(window);
}

DocumentWindow* DocumentManager::createWindow(ChannelDocument* document)
{
    auto* window = new DocumentWindow(document, context_);
    window->view()->setCellMenuActions(cellMenuActions_);
    area_->addSubWindow(window);
    connect(window->view(), &ChannelView::captionChanged, this, &DocumentManager::captionChanged);
    connect(&window->view()->transfer(), &ViewTransfer::runningChanged, this,
            &DocumentManager::transferRunningChanged);
    window->show();
    window->setGeometry(0, 0, DocumentWindow::InitialWidth, DocumentWindow::InitialHeight);
    window->shrinkToFitView();
    area_->fitWindowWidths();
    window->view()->initialUpdate();
    setActive(window);
    area_->setActiveSubWindow(window);
    return window;
}

bool DocumentManager::newDocument()
{
    if (active_) {
        if (!confirmClose(active_))
            return false;
        if (appMessageBox(context_.uiHooks(), context_.company(), stringTableText(MessageId::AllDataCleared),
                          QMessageBox::Ok | QMessageBox::Cancel) != QMessageBox::Ok)
            return false;
        DocumentWindow* old = active_;
        setActive(nullptr);
        delete old; // its document goes with it, unsaved edits included
    }
    auto* document = new ChannelDocument;
    document->initNew(context_.language(), context_.setupValue(QStringLiteral("AppName")));
    context_.setNewDocument(true);
    createWindow(document);
    return true;
}

bool DocumentManager::openDocument(const QString& path)
{
    auto document = std::make_unique<ChannelDocument>();
    const ChannelFile::Result result = document->load(path);
    if (!result.ok()) {
        reportFileError(path, result, false);
        return false;
    }
    showLoaded(std::move(document));
    Q_EMIT fileUsed(path);
    return true;
}

bool DocumentManager::openHistoryEntry(const HistoryEntry& entry)
{
    auto document = std::make_unique<ChannelDocument>();
    // A name that gives no possible time titles the copy as it stands.
    const QString title =
        tr("Radio %1")
            .arg(entry.time.isValid()
                     ? entry.time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH-mm-ss"))
                     : QFileInfo(entry.path).completeBaseName());
    const ChannelFile::Result result = document->loadCopy(entry.path, title);
    if (!result.ok()) {
        reportFileError(entry.path, result, false);
        return false;
    }
    // Written back with another variant's columns, the radio would lose what they hide.
    showLoaded(std::move(document), entry.variant);
    return true;
}

void DocumentManager::showLoaded(std::unique_ptr<ChannelDocument> document,
                                 std::optional<RadioVariant> variant)
{
    if (active_)
        active_->close(); // the window of the document that was open before hides, its editor committed
    if (variant)
        context_.setRadioVariant(*variant);
    context_.setNewDocument(false);
    createWindow(document.release());
}

bool DocumentManager::openWithDialog()
{
    const QString path = QFileDialog::getOpenFileName(dialogParent_, QString(), QString(), fileFilter());
    return !path.isEmpty() && openDocument(path);
}

QString DocumentManager::proposedSavePath(const ChannelDocument* document) const
{
    const QString name = document->pathName();
    return name.endsWith(QStringLiteral(".dat"), Qt::CaseInsensitive) ? name : name + QStringLiteral(".dat");
}

bool DocumentManager::save(DocumentWindow* window)
{
    const ChannelDocument* document = window->document();
    const QFileInfo file(document->pathName());
    if (!document->hasFile() || (file.exists() && !file.isWritable()))
        return saveAs(window);
    return saveTo(window, document->pathName());
}

bool DocumentManager::saveAs(DocumentWindow* window)
{
    const QString path = QFileDialog::getSaveFileName(dialogParent_, QString(),
                                                      proposedSavePath(window->document()), fileFilter());
    return !path.isEmpty() && saveTo(window, path);
}

bool DocumentManager::saveTo(DocumentWindow* window, const QString& path)
{
    // A value still in an open cell editor is committed (or refused) first, never lost.
    window->view()->leaveCommit();
    const ChannelFile::Result result = window->document()->save(path, context_.fileWriter());
    if (!result.ok())
        reportFileError(path, result, true);
    else
        Q_EMIT fileUsed(path);
    return result.ok();
}

void DocumentManager::reportFileError(const QString& path, const ChannelFile::Result& result,
                                      bool saving) const
{
    if (result.status == ChannelFile::Result::Status::FormatError) {
        appMessageBox(context_.uiHooks(), context_.company(),
                      byLanguage(context_.language(), "Data Format Error", "数据格式不正确"));
        return;
    }
    const QString what = saving ? tr("Could not save the file %1.") : tr("Could not open the file %1.");
    fileErrorBox(context_.uiHooks(), context_.company(), what, path, result.errorText);
}

void DocumentManager::closeActive()
{
    if (active_)
        active_->close();
}

bool DocumentManager::confirmClose(DocumentWindow* window)
{
    window->view()->leaveCommit();
    if (!window->document()->isModified())
        return true;
    bringForward(window); // the question names a document the user can see
    const auto answer =
        appMessageBox(context_.uiHooks(), context_.company(),
                      tr("Save changes to %1?").arg(displayedValue(window->document()->title())),
                      QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Question);
    return answer == QMessageBox::Discard || (answer == QMessageBox::Save && save(window));
}

bool DocumentManager::confirmCloseAll()
{
    const QList<DocumentWindow*> all = windows();
    return std::all_of(all.begin(), all.end(),
                       [this](DocumentWindow* window) { return confirmClose(window); });
}

void DocumentManager::bringForward(DocumentWindow* window)
{
    for (DocumentWindow* other : windows())
        if (other != window && other->isVisible())
            other->close(); // hides, its editor committed
    if (window->isHidden())
        window->showNormalAgain();
    else
        area_->setActiveSubWindow(window); // a maximised window stays so
    setActive(window);
}

void DocumentManager::bringForwardNeighbour(int step)
{
    const QList<DocumentWindow*> all = windows();
    if (all.isEmpty())
        return;
    const qsizetype count = all.size();
    const qsizetype at = qMax<qsizetype>(all.indexOf(active_.data()), 0);
    bringForward(all[((at + step) % count + count) % count]);
}
