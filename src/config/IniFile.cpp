#include "config/IniFile.h"

#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>

namespace {

const QByteArray ByteOrderMark("\xEF\xBB\xBF");

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isAscii(const QByteArray& bytes)
{
    return std::all_of(bytes.cbegin(), bytes.cend(), [](char c) { return static_cast<uchar>(c) < 0x80; });
}

bool isUtf8(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString ignored = utf8.decode(bytes);
    return !utf8.hasError();
}

// Valid UTF-8 is UTF-8; anything else is taken for the GBK of a Chinese system.
QString decoded(const QByteArray& bytes)
{
    if (isAscii(bytes))
        return QString::fromLatin1(bytes);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    QStringDecoder gb("GB18030");
    return gb.decode(bytes);
}

// White space around names and values. A UTF-8 byte-order mark counts too: one left
// inside (two files joined into one) would otherwise hide the header or key after it.
QByteArray trimmed(const QByteArray& text)
{
    const bool bomIsBlank = text.contains(ByteOrderMark) && isUtf8(text);
    QByteArrayView view(text);
    for (;;) {
        if (!view.isEmpty() && isBlank(view.front()))
            view = view.sliced(1);
        else if (bomIsBlank && view.startsWith(ByteOrderMark))
            view = view.sliced(ByteOrderMark.size());
        else
            break;
    }
    for (;;) {
        if (!view.isEmpty() && isBlank(view.back()))
            view = view.chopped(1);
        else if (bomIsBlank && view.endsWith(ByteOrderMark))
            view = view.chopped(ByteOrderMark.size());
        else
            break;
    }
    return view.toByteArray();
}

bool sameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

bool isCommentKey(const QByteArray& key)
{
    const char first = key.front();
    return first == ';' || first == '/' || first == '\\' || first == '*';
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

QString trimmedDefault(const QString& text)
{
    return QString::fromUtf8(trimmed(text.toUtf8()));
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
    modified_ = false;
}

bool IniFile::load(const QString& path)
{
    clear();
    QFile file(path);
    if (!createIfMissing(path) || !file.open(QIODevice::ReadOnly))
        return false;
    loadBytes(path, file.readAll());
    return true;
}

void IniFile::loadBytes(const QString& path, const QByteArray& bytes)
{
    clear();
    path_ = path;
    sections_.push_back(Section{});
    for (const QByteArray& line : bytes.split('\n'))
        parseLine(line);
}

void IniFile::parseLine(const QByteArray& raw)
{
    const QByteArray line = trimmed(raw);
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
        const QByteArray name = line.mid(1, line.size() - 2);
        sections_.push_back(Section{{name, decoded(name)}, {}});
        return;
    }
    const qsizetype equals = line.indexOf('=');
    const QByteArray key = trimmed(line.left(equals < 0 ? line.size() : equals));
    if (key.isEmpty() || isCommentKey(key))
        return;
    const QByteArray value = equals < 0 ? QByteArray() : trimmed(line.mid(equals + 1));
    sections_.back().entries.push_back(Entry{{key, decoded(key)}, {value, decoded(value)}});
}

qsizetype IniFile::sectionIndex(const QString& name) const
{
    for (std::size_t i = 0; i < sections_.size(); ++i) {
        if (sameName(sections_[i].name.text, name))
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
        if (sameName(it->key.text, key))
            return cutComments(it->value.text);
    }
    return trimmedDefault(defaultValue);
}

IniFile::Encoding IniFile::encoding() const
{
    const auto foreign = [](const Text& t) { return !isAscii(t.bytes) && !isUtf8(t.bytes); };
    for (const Section& section : sections_) {
        if (foreign(section.name))
            return Encoding::Gb18030;
        for (const Entry& entry : section.entries)
            if (foreign(entry.key) || foreign(entry.value))
                return Encoding::Gb18030;
    }
    return Encoding::Utf8;
}

IniFile::Text IniFile::encoded(const QString& text) const
{
    if (encoding() == Encoding::Utf8)
        return {text.toUtf8(), text};
    QStringEncoder gb("GB18030");
    return {gb.encode(text), text};
}

void IniFile::setValue(const QString& section, const QString& key, const QString& value)
{
    if (!isLoaded())
        return;
    qsizetype index = sectionIndex(section);
    if (index < 0) {
        sections_.push_back(Section{encoded(section), {}});
        index = static_cast<qsizetype>(sections_.size()) - 1;
        modified_ = true;
    }
    Section* target = &sections_[static_cast<std::size_t>(index)];
    for (auto it = target->entries.rbegin(); it != target->entries.rend(); ++it) {
        if (!sameName(it->key.text, key))
            continue;
        // The same text keeps its bytes, whatever encoding they are in.
        if (it->value.text == value)
            return;
        if (!sameName(it->value.text, value))
            modified_ = true;
        it->value = encoded(value);
        return;
    }
    target->entries.push_back(Entry{encoded(key), encoded(value)});
    modified_ = true;
}

QByteArray IniFile::serialize() const
{
    QByteArray bytes;
    for (const Section& section : sections_) {
        if (!section.name.bytes.isEmpty())
            bytes += '[' + section.name.bytes + "]\r\n";
        for (const Entry& entry : section.entries)
            bytes += entry.key.bytes + '=' + entry.value.bytes + "\r\n";
    }
    return bytes;
}

WriteResult IniFile::save(const FileWriter& writer)
{
    if (!modified_ || !isLoaded())
        return {};
    return writer.write(path_, serialize());
}
