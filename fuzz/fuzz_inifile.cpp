// Program.ini from any bytes: lookups, one change, the save and a reload.
#include "FuzzCheck.h"
#include "config/IniFile.h"

#include <QFile>
#include <QTemporaryDir>
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

const QString& iniPath()
{
    static const QTemporaryDir dir;
    static const QString path = dir.filePath(QStringLiteral("Program.ini"));
    return path;
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    fuzzCheck(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size(),
              "cannot write the temporary Program.ini");
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    fuzzCheck(file.open(QIODevice::ReadOnly), "cannot read the temporary Program.ini");
    return file.readAll();
}

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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString& path = iniPath();
    writeFile(path, input);

    IniFile ini;
    fuzzCheck(ini.load(path), "an existing Program.ini did not load");
    checkLookups(ini);

    // The last two bytes pick the change, as the Language dialog makes one.
    const unsigned pick = size >= 2 ? data[size - 1] * 256u + data[size - 2] : 0;
    const QString& section = Sections[pick % std::size(Sections)];
    const QString& key = Keys[(pick / std::size(Sections)) % std::size(Keys)];
    const QString& value = Values[(pick / std::size(Sections) / std::size(Keys)) % std::size(Values)];
    ini.setValue(section, key, value);
    fuzzCheck(ini.value(section, key, MissingName) == value, "a changed value reads back otherwise");

    const QByteArray content = ini.serialize();
    const bool modified = ini.isModified();
    const IniFile::Encoding encoding = ini.encoding();
    ini.save();
    ini.clear(); // no second save on destruction
    fuzzCheck(readFile(path) == (modified ? content : input), "the saved file is not the content held");
    if (!modified)
        return 0;

    // What was saved loads back to the same content, so it is saved alike next time. A
    // GBK file that lost its only non-UTF-8 bytes (remarks, the changed value) reads back
    // as UTF-8: its text may then differ.
    IniFile reloaded;
    fuzzCheck(reloaded.load(path), "a saved Program.ini did not load");
    if (reloaded.encoding() == encoding)
        fuzzCheck(reloaded.serialize() == content, "a saved Program.ini reads back otherwise");
    checkLookups(reloaded);
    reloaded.clear();
    return 0;
}
