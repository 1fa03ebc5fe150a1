#pragma once

#include "channels/ChannelTableModel.h"
#include "document/ChannelFile.h"
#include "model/Language.h"
#include "model/RadioImage.h"

#include <QObject>
#include <QString>

// One document: one radio image with the channel model every view of it reads, its title
// and path, and whether it holds changes that were not saved.
class ChannelDocument : public QObject {
    Q_OBJECT
public:
    explicit ChannelDocument(QObject* parent = nullptr);

    RadioImage& image() { return image_; }
    const RadioImage& image() const { return image_; }
    // The channels of the image, compared (CellMarks::Saved) with the image as last opened
    // or saved. Whoever changes channel bytes of image() directly
    // refreshes it (loading a file does so itself).
    ChannelTableModel& channels() { return channels_; }

    // A new image, titled "Channel Information" and named after appName so the save
    // dialog proposes it.
    void initNew(Language language, const QString& appName);
    // Loads the file; on failure nothing changes.
    ChannelFile::Result load(const QString& path);
    // Loads a copy kept elsewhere (the radio history) as a document without a file,
    // titled title: its Save asks for a name, so the copy itself never changes.
    ChannelFile::Result loadCopy(const QString& path, const QString& title);
    // Writes the image as it is (the caller stores the grid into it first). On failure
    // the document keeps its path and stays modified.
    ChannelFile::Result save(const QString& path, const FileWriter& writer);

    QString title() const { return title_; }
    QString pathName() const { return pathName_; }
    // True once the document was loaded from or saved to pathName.
    bool hasFile() const { return hasFile_; }

    bool isModified() const { return modified_; }
    void setModified(bool modified);

Q_SIGNALS:
    void modifiedChanged(bool modified);
    void titleChanged(const QString& title);

private:
    void setPathName(const QString& path);
    // The image as it stands is the saved one: unmodified, no cell changed since.
    void keepAsSaved();

    RadioImage image_;
    ChannelTableModel channels_{image_};
    QString title_;
    QString pathName_;
    bool hasFile_ = false;
    bool modified_ = false;
};
