// Program.ini from any bytes, all in memory: lookups, one change as the Language dialog
// makes it, and what a save would write, read back again.
#include "FuzzCheck.h"
#include "config/IniFile.h"

#include <QVarLengthArray>
#include <iterator>

namespace {

const QString Sections[] = {QString(),
                            QStringLiteral("Setup"),
                            QStringLiteral("SETUP"),
                            QStringLiteral("English"),
                            QStringLiteral("Chinese"),
                            QStringLiteral("Ports"),
                            QStringLiteral("中文"),
                            QStringLiteral("New Section")};
const QString Keys[] = {QStringLiteral("Language"), QStringLiteral("language"), QStringLiteral("ShowLang"),
                        QStringLiteral("AppName"),  QStringLiteral("Type1"),    QStringLiteral("Field1"),
                        QStringLiteral("Company"),  QStringLiteral("COM1"),     QStringLiteral("公司")};
// Values as the program sets them: no line breaks, no blanks at the ends, no remarks.
const QString Values[] = {QStringLiteral("English"),
                          QStringLiteral("Chinese"),
                          QStringLiteral("CHINESE"),
                          QStringLiteral("中文"),
                          QString(),
                          QStringLiteral("/dev/ttyUSB0")};

// No name read from a file holds a line break.
const QString MissingName = QStringLiteral("no\nsuch name");
// Never opened: nothing here writes a file.
const QString Path = QStringLiteral("/nonexistent/Program.ini");

void checkLookups(const IniFile& ini)
{
    for (const QString& section : Sections) {
        for (const QString& key : Keys) {
            const QString value = ini.value(section, key, QString());
            fuzzCheck(!value.contains(QLatin1String("//")) && !value.contains(QLatin1String("\t;")) &&
                          !value.contains(QLatin1String("/*")),
                      "a value read back still holds a remark");
        }
        const QString fallback = ini.value(section, MissingName, QStringLiteral(" default "));
        fuzzCheck(fallback == QLatin1String("default") || fallback == QLatin1String(" default "),
                  "a missing key does not give the default");
    }
    fuzzCheck(ini.value(MissingName, Keys[0], QStringLiteral(" default ")) == QLatin1String(" default "),
              "a missing section does not give the default unchanged");
}

using Lines = QVarLengthArray<QByteArrayView, 256>;

Lines linesOf(const QByteArray& text)
{
    Lines lines;
    const QByteArrayView all(text);
    for (qsizetype start = 0; start <= all.size();) {
        qsizetype end = all.indexOf('\n', start);
        if (end < 0)
            end = all.size();
        lines.append(all.sliced(start, end - start));
        start = end + 1;
    }
    return lines;
}

// A change rewrites one line or adds one entry (two lines with a new section header):
// every other line comes back byte for byte.
void checkOnlyTheChangeDiffers(const QByteArray& before, const QByteArray& after)
{
    const Lines old = linesOf(before);
    const Lines now = linesOf(after);
    qsizetype head = 0;
    while (head < old.size() && head < now.size() && old[head] == now[head])
        ++head;
    qsizetype tail = 0;
    while (tail < old.size() - head && tail < now.size() - head &&
           old[old.size() - 1 - tail] == now[now.size() - 1 - tail])
        ++tail;
    fuzzCheck(old.size() - head - tail <= 1 && now.size() - head - tail <= 2,
              "a change rewrote lines it did not change");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    IniFile ini;
    ini.loadBytes(Path, input);
    checkLookups(ini);
    const QByteArray before = ini.serialize();

    // The last two bytes pick the change.
    const unsigned pick = size >= 2 ? data[size - 1] * 256u + data[size - 2] : 0;
    const QString& section = Sections[pick % std::size(Sections)];
    const QString& key = Keys[(pick / std::size(Sections)) % std::size(Keys)];
    const QString& value = Values[(pick / std::size(Sections) / std::size(Keys)) % std::size(Values)];
    ini.setValue(section, key, value);
    fuzzCheck(ini.value(section, key, MissingName) == value, "a changed value reads back otherwise");
    const QByteArray content = ini.serialize();
    checkOnlyTheChangeDiffers(before, content);

    // What a save writes loads back to the same bytes, so it is saved alike next time.
    IniFile reloaded;
    reloaded.loadBytes(Path, content);
    fuzzCheck(reloaded.serialize() == content, "a saved Program.ini reads back otherwise");
    ini.clear(); // no save on destruction
    reloaded.clear();
    return 0;
}
