#pragma once

#include "fileio/FileWriter.h"

#include <QByteArray>
#include <QString>
#include <vector>

// Program.ini held in memory: every section and entry in file order, looked up with
// case-insensitive names, written back whole (CR LF lines, comment and blank lines
// gone) when something changed.
//
// The file's texts are byte strings: a dealer's file may mix UTF-8 with the GBK of a
// Chinese system or the Windows-1252 of another. Every name and value keeps the bytes it
// was read with and is written back with exactly those; only for display and for the
// comparison of names is each one decoded on its own (valid UTF-8 as UTF-8, anything else
// as GB18030).
class IniFile {
public:
    enum class Encoding { Utf8, Gb18030 };

    IniFile() = default;
    ~IniFile(); // saves when modified
    IniFile(const IniFile&) = delete;
    IniFile& operator=(const IniFile&) = delete;

    static constexpr qsizetype MaxFileSize = 1024 * 1024;

    // Reads the file at a full path, creating it empty when missing. False when it
    // cannot be opened or created, is no regular file (a FIFO, a device: refused without
    // waiting) or is larger than MaxFileSize, with the reason in errorText; the object
    // then stays empty.
    bool load(const QString& path, QString* errorText = nullptr);
    // From now on a save writes the file at path (a per-user copy not made yet), made with
    // its folder when missing.
    void storeAt(const QString& path) { path_ = path; }
    // Holds bytes as if they had been read from the file at path.
    void loadBytes(const QString& path, const QByteArray& bytes);
    QString value(const QString& section, const QString& key, const QString& defaultValue) const;
    void setValue(const QString& section, const QString& key, const QString& value);
    // Writes only when modified; the modified flag stays raised. A failed write leaves the
    // file as it was and gives the reason.
    WriteResult save(const FileWriter& writer = FileWriter());

    bool isLoaded() const { return !path_.isEmpty(); }
    bool isModified() const { return modified_; }
    QString path() const { return path_; }
    // How text set from now on is written: as the file's other non-ASCII text, GB18030
    // when some of it is not UTF-8, else UTF-8.
    Encoding encoding() const;
    // The bytes a save writes: every section and entry as held now.
    QByteArray serialize() const;
    // Forgets everything (tests and a start-up that loads again).
    void clear();

private:
    // A name or value: its bytes as read or set, whether they are neither ASCII nor UTF-8
    // (and so decode as GB18030), and their decoded text (null for an ASCII name and for a
    // value as read: that is decoded when looked up).
    struct Text {
        QByteArray bytes;
        QString text;
        bool foreign = false;
    };
    struct Entry {
        Text key;
        Text value;
    };
    struct Section {
        Text name;
        std::vector<Entry> entries;
    };

    void parseLine(QByteArrayView line);
    static Text readText(QByteArrayView bytes, bool decodeNow);
    static QString decoded(const Text& text);
    static bool isNamed(const Text& name, const QString& wanted); // case-insensitive
    qsizetype sectionIndex(const QString& name) const;            // -1 when missing
    Text encoded(const QString& text) const;

    QString path_;
    QByteArray content_; // the bytes loaded; the names and values read point into them
    std::vector<Section> sections_;
    bool modified_ = false;
};
