#include "config/IniFile.h"

#include "fileio/FileReader.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QVarLengthArray>
#include <algorithm>
#include <cerrno>

namespace {

const QByteArray ByteOrderMark("\xEF\xBB\xBF");

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isAscii(QByteArrayView bytes)
{
    return std::all_of(bytes.cbegin(), bytes.cend(), [](char c) { return static_cast<uchar>(c) < 0x80; });
}

bool isUtf8(QByteArrayView bytes)
{
    // Decoded into a buffer on the stack: this runs for every name and value of the file.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QVarLengthArray<QChar, 256> text(utf8.requiredSpace(bytes.size()));
    utf8.appendToBuffer(text.data(), bytes);
    return !utf8.hasError();
}

// White space around names and values. A UTF-8 byte-order mark counts too: one left
// inside (two files joined into one) would otherwise hide the header or key after it.
QByteArrayView trimmed(QByteArrayView view)
{
    const bool bomIsBlank = view.contains(ByteOrderMark) && isUtf8(view);
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
    return view;
}

bool sameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

bool isCommentKey(QByteArrayView key)
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
    return text.isEmpty() ? text : QString::fromUtf8(trimmed(text.toUtf8()));
}

bool createIfMissing(QFile& file)
{
    // Append mode creates the file when missing and never truncates it.
    if (file.exists())
        return true;
    const bool created = file.open(QIODevice::WriteOnly | QIODevice::Append);
    file.close();
    return created;
}

} // namespace

// The bytes stay in the file's buffer, which the object keeps. An ASCII name needs no
// decoding to be compared.
IniFile::Text IniFile::readText(QByteArrayView bytes, bool decodeNow)
{
    Text text{QByteArray::fromRawData(bytes.data(), bytes.size()), QString(), false};
    const bool ascii = isAscii(bytes);
    text.foreign = !ascii && !isUtf8(bytes);
    if (decodeNow && !ascii)
        text.text = decoded(text);
    return text;
}

bool IniFile::isNamed(const Text& name, const QString& wanted)
{
    if (name.text.isNull())
        return wanted.compare(QLatin1String(name.bytes), Qt::CaseInsensitive) == 0;
    return sameName(name.text, wanted);
}

// Valid UTF-8 is UTF-8; anything else is taken for the GBK of a Chinese system.
QString IniFile::decoded(const Text& text)
{
    if (!text.text.isNull())
        return text.text;
    if (!text.foreign)
        return QString::fromUtf8(text.bytes);
    QStringDecoder gb("GB18030");
    return gb.decode(text.bytes);
}

IniFile::~IniFile()
{
    save();
}

void IniFile::clear()
{
    path_.clear();
    sections_.clear();
    content_.clear();
    modified_ = false;
}

bool IniFile::load(const QString& path, QString* errorText)
{
    clear();
    QFile file(path);
    ReadResult read{false, {}, {}};
    if (createIfMissing(file))
        read = readRegularFile(path, MaxFileSize + 1);
    else
        read.errorText = file.errorString();
    // Part of a larger file would lose the rest at the next save: more is no Program.ini.
    if (read.ok && read.bytes.size() > MaxFileSize)
        read = {false, {}, qt_error_string(EFBIG)};
    if (!read.ok) {
        if (errorText)
            *errorText = read.errorText;
        return false;
    }
    loadBytes(path, read.bytes);
    return true;
}

void IniFile::loadBytes(const QString& path, const QByteArray& bytes)
{
    const QByteArray kept = bytes; // bytes may be what clear() forgets
    clear();
    path_ = path;
    content_ = kept;
    sections_.push_back(Section{});
    const QByteArrayView rest(content_);
    for (qsizetype start = 0; start <= rest.size();) {
        qsizetype end = rest.indexOf('\n', start);
        if (end < 0)
            end = rest.size();
        parseLine(rest.sliced(start, end - start));
        start = end + 1;
    }
}

void IniFile::parseLine(QByteArrayView raw)
{
    const QByteArrayView line = trimmed(raw);
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
        sections_.push_back(Section{readText(line.sliced(1, line.size() - 2), true), {}});
        return;
    }
    const qsizetype equals = line.indexOf('=');
    const QByteArrayView key = trimmed(line.first(equals < 0 ? line.size() : equals));
    if (key.isEmpty() || isCommentKey(key))
        return;
    const QByteArrayView value = equals < 0 ? QByteArrayView() : trimmed(line.sliced(equals + 1));
    // Names are decoded now, for the comparisons; values when they are looked up.
    sections_.back().entries.push_back(Entry{readText(key, true), readText(value, false)});
}

qsizetype IniFile::sectionIndex(const QString& name) const
{
    for (std::size_t i = 0; i < sections_.size(); ++i) {
        if (isNamed(sections_[i].name, name))
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
        if (isNamed(it->key, key))
            return cutComments(decoded(it->value));
    }
    return trimmedDefault(defaultValue);
}

IniFile::Encoding IniFile::encoding() const
{
    for (const Section& section : sections_) {
        if (section.name.foreign)
            return Encoding::Gb18030;
        for (const Entry& entry : section.entries)
            if (entry.key.foreign || entry.value.foreign)
                return Encoding::Gb18030;
    }
    return Encoding::Utf8;
}

IniFile::Text IniFile::encoded(const QString& text) const
{
    if (encoding() == Encoding::Utf8)
        return {text.toUtf8(), text, false};
    QStringEncoder gb("GB18030");
    QByteArray bytes = gb.encode(text);
    const bool foreign = !isAscii(bytes) && !isUtf8(bytes);
    return {std::move(bytes), text, foreign};
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
        if (!isNamed(it->key, key))
            continue;
        // The same text keeps its bytes, whatever encoding they are in.
        const QString old = decoded(it->value);
        if (old == value)
            return;
        if (!sameName(old, value))
            modified_ = true;
        it->value = encoded(value);
        return;
    }
    target->entries.push_back(Entry{encoded(key), encoded(value)});
    modified_ = true;
}

QByteArray IniFile::serialize() const
{
    qsizetype size = 0;
    for (const Section& section : sections_) {
        size += section.name.bytes.size() + 4;
        for (const Entry& entry : section.entries)
            size += entry.key.bytes.size() + entry.value.bytes.size() + 3;
    }
    QByteArray bytes;
    bytes.reserve(size);
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
    const WriteResult folder = makeFolders(QFileInfo(path_).path());
    return folder.ok ? writer.write(path_, serialize()) : folder;
}
