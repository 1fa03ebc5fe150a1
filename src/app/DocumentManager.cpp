#include "app/DocumentManager.h"

#include "config/AppGlobals.h"
#include "app/CChildFrame.h"
#include "document/CProgramDoc.h"
#include "editor/CProgramView.h"
#include "config/CommandIds.h"
#include "config/IniFile.h"
#include "uikit/MessageBox.h"
#include "config/StringTable.h"
#include "editor/ViewTransfer.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMdiArea>

namespace {

const QString FileFilter = QStringLiteral("*.dat");

QString appNameSetting()
{
    return theIniFile().GetValue(QStringLiteral("Setup"), QStringLiteral("AppName"), QString());
}

void reportFileError(const QString& path, const ChannelFile::Result& result, bool saving)
{
    if (result.status == ChannelFile::Result::Status::FormatError) {
        appMessageBox(byLanguage(QStringLiteral("Data Format Error"), QStringLiteral("数据格式不正确")));
        return;
    }
    const QString what = saving ? DocumentManager::tr("Could not save the file %1.")
                                : DocumentManager::tr("Could not open the file %1.");
    appMessageBox(what.arg(QDir::toNativeSeparators(path)) + QLatin1Char('\n') + result.errorText,
                  QMessageBox::Ok, QMessageBox::Warning);
}

} // namespace

DocumentManager::DocumentManager(QMdiArea* area, QWidget* dialogParent)
    : QObject(area), area_(area), dialogParent_(dialogParent)
{
    connect(area_, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* window) {
        if (auto* frame = qobject_cast<CChildFrame*>(window))
            setActive(frame);
    });
}

QList<CChildFrame*> DocumentManager::frames() const
{
    QList<CChildFrame*> result;
    for (QMdiSubWindow* window : area_->subWindowList())
        if (auto* frame = qobject_cast<CChildFrame*>(window))
            result << frame;
    return result;
}

void DocumentManager::setActive(CChildFrame* frame)
{
    if (active_ == frame)
        return;
    active_ = frame;
    Q_EMIT activeFrameChanged(frame);
}

CChildFrame* DocumentManager::createFrame(CProgramDoc* document)
{
    auto* frame = new CChildFrame(document);
    area_->addSubWindow(frame);
    connect(frame->view(), &CProgramView::captionChanged, this, &DocumentManager::captionChanged);
    connect(&frame->view()->transfer(), &ViewTransfer::runningChanged, this,
            &DocumentManager::transferRunningChanged);
    frame->show();
    frame->setGeometry(0, 0, CChildFrame::InitialWidth, CChildFrame::InitialHeight);
    frame->shrinkToFitView();
    frame->view()->OnInitialUpdate();
    setActive(frame);
    area_->setActiveSubWindow(frame);
    return frame;
}

bool DocumentManager::newDocument()
{
    if (active_) {
        if (appMessageBox(stringTableText(MessageId::AllDataCleared),
                          QMessageBox::Ok | QMessageBox::Cancel) != QMessageBox::Ok)
            return false;
        CChildFrame* old = active_;
        setActive(nullptr);
        delete old; // its document goes with it, unsaved edits included
    }
    auto* document = new CProgramDoc;
    document->OnNewDocument(g_bChinese, appNameSetting());
    g_bNewDocument = true;
    createFrame(document);
    return true;
}

bool DocumentManager::openDocument(const QString& path)
{
    auto document = std::make_unique<CProgramDoc>();
    const ChannelFile::Result result = document->OnOpenDocument(path);
    if (!result.ok()) {
        reportFileError(path, result, false);
        return false;
    }
    if (active_)
        active_->hide(); // the window of the document that was open before
    g_bNewDocument = false;
    createFrame(document.release());
    return true;
}

bool DocumentManager::openWithDialog()
{
    const QString path = QFileDialog::getOpenFileName(dialogParent_, QString(), QString(), FileFilter);
    return !path.isEmpty() && openDocument(path);
}

QString DocumentManager::proposedSavePath(const CProgramDoc* document) const
{
    const QString name = document->pathName();
    return name.endsWith(QStringLiteral(".dat"), Qt::CaseInsensitive) ? name : name + QStringLiteral(".dat");
}

bool DocumentManager::save(CChildFrame* frame)
{
    const CProgramDoc* document = frame->document();
    const QFileInfo file(document->pathName());
    if (!document->hasFile() || (file.exists() && !file.isWritable()))
        return saveAs(frame);
    return saveTo(frame, document->pathName());
}

bool DocumentManager::saveAs(CChildFrame* frame)
{
    const QString path = QFileDialog::getSaveFileName(dialogParent_, QString(),
                                                      proposedSavePath(frame->document()), FileFilter);
    return !path.isEmpty() && saveTo(frame, path);
}

bool DocumentManager::saveTo(CChildFrame* frame, const QString& path)
{
    // A value still in an open cell editor is committed (or refused) first, never lost.
    frame->view()->commitGridToImage();
    const ChannelFile::Result result = frame->document()->OnSaveDocument(path);
    if (!result.ok())
        reportFileError(path, result, true);
    return result.ok();
}

void DocumentManager::closeActive()
{
    if (active_)
        active_->hide();
}

bool DocumentManager::confirmCloseAll()
{
    for (CChildFrame* frame : frames()) {
        if (!frame->document()->isModified())
            continue;
        const auto answer = appMessageBox(tr("Save changes to %1?").arg(frame->document()->title()),
                                          QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                                          QMessageBox::Question);
        if (answer == QMessageBox::Cancel || (answer == QMessageBox::Save && !save(frame)))
            return false;
    }
    return true;
}
