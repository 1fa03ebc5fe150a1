#include "document/ChannelDocument.h"

#include <QFileInfo>

ChannelDocument::ChannelDocument(QObject* parent) : QObject(parent) {}

void ChannelDocument::initNew(Language language, const QString& appName)
{
    image_ = RadioImage::makeNew();
    channels_.refresh();
    title_ =
        language == Language::Chinese ? QStringLiteral("信道信息") : QStringLiteral("Channel Information");
    pathName_ = appName; // only a proposal for the save dialog; the title stays
    hasFile_ = false;
    keepAsSaved();
    Q_EMIT titleChanged(title_);
}

ChannelFile::Result ChannelDocument::load(const QString& path)
{
    const ChannelFile::Result result = ChannelFile::load(path, image_);
    if (result.ok()) {
        channels_.refresh();
        setPathName(path);
        keepAsSaved();
    }
    return result;
}

ChannelFile::Result ChannelDocument::loadCopy(const QString& path, const QString& title)
{
    const ChannelFile::Result result = ChannelFile::load(path, image_);
    if (result.ok()) {
        channels_.refresh();
        title_ = title;
        pathName_ = title; // only a proposal for the save dialog
        hasFile_ = false;
        keepAsSaved();
        Q_EMIT titleChanged(title_);
    }
    return result;
}

ChannelFile::Result ChannelDocument::save(const QString& path, const FileWriter& writer)
{
    const ChannelFile::Result result = ChannelFile::save(path, image_, writer);
    if (result.ok()) {
        setPathName(path);
        keepAsSaved();
    }
    return result;
}

void ChannelDocument::setModified(bool modified)
{
    if (modified_ == modified)
        return;
    modified_ = modified;
    Q_EMIT modifiedChanged(modified);
}

void ChannelDocument::keepAsSaved()
{
    using Mark = ChannelTableModel::Mark;
    channels_.setReference(Mark::Saved, image_, {}, channels_.marks().isShown(Mark::Saved));
    setModified(false);
}

void ChannelDocument::setPathName(const QString& path)
{
    pathName_ = path;
    hasFile_ = true;
    title_ = QFileInfo(path).fileName();
    Q_EMIT titleChanged(title_);
}
