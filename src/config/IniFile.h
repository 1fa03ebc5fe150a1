#pragma once

#include <QString>
#include <vector>

// Program.ini held in memory: every section and entry in file order, looked up with
// case-insensitive names, written back whole (CR LF lines, comment and blank lines
// gone) when something changed.
class IniFile {
public:
    enum class Encoding { Utf8, Gb18030 };

    IniFile() = default;
    ~IniFile(); // saves when modified
    IniFile(const IniFile&) = delete;
    IniFile& operator=(const IniFile&) = delete;

    // Reads the file at a full path, creating it empty when missing. False when it
    // cannot be opened or created; the object then stays empty.
    bool load(const QString& path);
    QString value(const QString& section, const QString& key, const QString& defaultValue) const;
    void setValue(const QString& section, const QString& key, const QString& value);
    // Writes only when modified; the modified flag stays raised.
    void save();

    bool isLoaded() const { return !path_.isEmpty(); }
    bool isModified() const { return modified_; }
    QString path() const { return path_; }
    Encoding encoding() const { return encoding_; }
    // The bytes a save writes: every section and entry as held now.
    QByteArray serialize() const;
    // Forgets everything (tests and a start-up that loads again).
    void clear();

private:
    struct Entry {
        QString key;
        QString value;
    };
    struct Section {
        QString name;
        std::vector<Entry> entries;
    };

    void parse(const QString& text);
    qsizetype sectionIndex(const QString& name) const; // -1 when missing

    QString path_;
    std::vector<Section> sections_;
    Encoding encoding_ = Encoding::Utf8;
    bool modified_ = false;
};
