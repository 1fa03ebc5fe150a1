#include "document/CProgramDoc.h"

#include <QFileInfo>

CProgramDoc::CProgramDoc(QObject* parent) : QObject(parent) {}

void CProgramDoc::OnNewDocument(bool chinese, const QString& appName)
{
    image_ = RadioImage::makeNew();
    title_ = chinese ? QStringLiteral("信道信息") : QStringLiteral("Channel Information");
    pathName_ = appName; // only a proposal for the save dialog; the title stays
    hasFile_ = false;
    setModified(false);
    Q_EMIT titleChanged(title_);
}

ChannelFile::Result CProgramDoc::OnOpenDocument(const QString& path)
{
    const ChannelFile::Result result = ChannelFile::load(path, image_);
    if (result.ok()) {
        setPathName(path);
        setModified(false);
    }
    return result;
}

ChannelFile::Result CProgramDoc::OnSaveDocument(const QString& path)
{
    const ChannelFile::Result result = ChannelFile::save(path, image_);
    if (result.ok()) {
        setPathName(path);
        setModified(false);
    }
    return result;
}

void CProgramDoc::setModified(bool modified)
{
    if (modified_ == modified)
        return;
    modified_ = modified;
    Q_EMIT modifiedChanged(modified);
}

void CProgramDoc::setPathName(const QString& path)
{
    pathName_ = path;
    hasFile_ = true;
    title_ = QFileInfo(path).fileName();
    Q_EMIT titleChanged(title_);
}
