#include "config/IniFile.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace {

// White space around names and values. A byte-order mark counts too: the decoder drops
// it only at the start of the file, and one left inside (two files joined into one)
// would otherwise hide the header or key after it.
bool isBlank(QChar c)
{
    const char16_t u = c.unicode();
    return u == ' ' || u == '\t' || u == '\n' || u == '\v' || u == '\f' || u == '\r' || u == 0xFEFF;
}

QString trimmedC(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.mid(begin, end - begin).toString();
}

bool sameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

bool isCommentKey(const QString& key)
{
    const QChar first = key.front();
    return first == QLatin1Char(';') || first == QLatin1Char('/') || first == QLatin1Char('\\') ||
           first == QLatin1Char('*');
}

// Trailing remarks are cut when a value is read: "//", then TAB ";", then "/*".
QString cutComments(QString value)
{
    for (const QLatin1String marker : {QLatin1String("//"), QLatin1String("\t;"), QLatin1String("/*")}) {
        const qsizetype at = value.indexOf(marker);
        if (at >= 0)
            value.truncate(at);
    }
    return value;
}

// Dealer files from Chinese systems are GBK; anything that is valid UTF-8 is UTF-8.
QString decodeText(const QByteArray& bytes, IniFile::Encoding& encoding)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError()) {
        encoding = IniFile::Encoding::Utf8;
        return text;
    }
    encoding = IniFile::Encoding::Gb18030;
    QStringDecoder gb("GB18030");
    return gb.decode(bytes);
}

bool createIfMissing(const QString& path)
{
    QFile file(path);
    // Append mode creates the file when missing and never truncates it.
    return file.exists() || file.open(QIODevice::WriteOnly | QIODevice::Append);
}

} // namespace

IniFile::~IniFile()
{
    save();
}

void IniFile::clear()
{
    path_.clear();
    sections_.clear();
    encoding_ = Encoding::Utf8;
    modified_ = false;
}

bool IniFile::load(const QString& path)
{
    clear();
    QFile file(path);
    if (!createIfMissing(path) || !file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    path_ = path;
    sections_.push_back(Section{});
    parse(decodeText(bytes, encoding_));
    return true;
}

void IniFile::parse(const QString& text)
{
    const QList<QStringView> lines = QStringView(text).split(QLatin1Char('\n'));
    for (const QStringView raw : lines) {
        const QString line = trimmedC(raw);
        if (line.size() >= 2 && line.front() == QLatin1Char('[') && line.back() == QLatin1Char(']')) {
            sections_.push_back(Section{line.mid(1, line.size() - 2), {}});
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        Entry entry;
        entry.key = trimmedC(QStringView(line).left(equals < 0 ? line.size() : equals));
        if (equals >= 0)
            entry.value = trimmedC(QStringView(line).mid(equals + 1));
        if (entry.key.isEmpty() || isCommentKey(entry.key))
            continue;
        sections_.back().entries.push_back(std::move(entry));
    }
}

qsizetype IniFile::sectionIndex(const QString& name) const
{
    for (std::size_t i = 0; i < sections_.size(); ++i) {
        if (sameName(sections_[i].name, name))
            return static_cast<qsizetype>(i);
    }
    return -1;
}

QString IniFile::value(const QString& section, const QString& key, const QString& defaultValue) const
{
    const qsizetype index = sectionIndex(section);
    if (index < 0)
        return defaultValue;
    const Section& found = sections_[static_cast<std::size_t>(index)];
    for (auto it = found.entries.rbegin(); it != found.entries.rend(); ++it) {
        if (sameName(it->key, key))
            return cutComments(it->value);
    }
    return trimmedC(defaultValue);
}

void IniFile::setValue(const QString& section, const QString& key, const QString& value)
{
    if (!isLoaded())
        return;
    qsizetype index = sectionIndex(section);
    if (index < 0) {
        sections_.push_back(Section{section, {}});
        index = static_cast<qsizetype>(sections_.size()) - 1;
        modified_ = true;
    }
    Section* target = &sections_[static_cast<std::size_t>(index)];
    for (auto it = target->entries.rbegin(); it != target->entries.rend(); ++it) {
        if (sameName(it->key, key)) {
            if (!sameName(it->value, value))
                modified_ = true;
            it->value = value;
            return;
        }
    }
    target->entries.push_back(Entry{key, value});
    modified_ = true;
}

QByteArray IniFile::serialize() const
{
    QString text;
    for (const Section& section : sections_) {
        if (!section.name.isEmpty())
            text += QLatin1Char('[') + section.name + QStringLiteral("]\r\n");
        for (const Entry& entry : section.entries) {
            text += entry.key.isEmpty() ? entry.value : entry.key + QLatin1Char('=') + entry.value;
            text += QStringLiteral("\r\n");
        }
    }
    if (encoding_ == Encoding::Gb18030) {
        QStringEncoder gb("GB18030");
        return gb.encode(text);
    }
    return text.toUtf8();
}

void IniFile::save()
{
    if (!modified_ || !isLoaded())
        return;
    const QByteArray bytes = serialize();
    // A replace by rename never leaves a half-written file behind.
    QSaveFile saver(path_);
    if (saver.open(QIODevice::WriteOnly) && saver.write(bytes) == bytes.size() && saver.commit())
        return;
    // The folder may forbid creating the temporary file: rewrite in place instead.
    QFile file(path_);
    if (file.open(QIODevice::ReadWrite) && file.write(bytes) == bytes.size())
        file.resize(bytes.size());
}
