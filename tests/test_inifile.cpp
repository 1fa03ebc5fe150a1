#include "config/IniFile.h"
#include "config/IniLocation.h"
#include "support/FailingWriter.h"

#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QtTest>

#include <cstring>

namespace {

QString writeFile(const QTemporaryDir& dir, const QByteArray& bytes)
{
    const QString path = dir.filePath(QStringLiteral("Program.ini"));
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(bytes);
    return path;
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

} // namespace

class TestIniFile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void lookups_data();
    void lookups();
    void missingFileIsCreatedEmpty();
    void unloadedIgnoresChanges();
    void setValueAndSave();
    void caseOnlyChangeKeepsFlagDown();
    void emptySectionNameMergesOnReload();
    void gbkFileKeepsEncoding();
    void mixedEncodingsSurviveALanguageChange();
    void newTextTakesTheFilesEncoding_data();
    void newTextTakesTheFilesEncoding();
    void failedSaveKeepsTheFile();
    void autoSaveOnDestruction();
    void locationFallsBackToUserCopy();
    void installedProgramStartsFromTheDefault();
    void userCopyOnlyFromWhatWasRead_data();
    void userCopyOnlyFromWhatWasRead();
    void installedDataFollowsTheProgram_data();
    void installedDataFollowsTheProgram();
};

void TestIniFile::lookups_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::newRow("blanks around =") << QByteArray("[Setup]\r\n  Language  =  English  \r\n") << "Setup"
                                     << "Language"
                                     << "English";
    QTest::newRow("case-insensitive names") << QByteArray("[setup]\nlanguage=Chinese\n") << "Setup"
                                            << "Language"
                                            << "Chinese";
    QTest::newRow("TAB ; cuts") << QByteArray("[S]\nK=Chinese\t;remark\n") << "S"
                                << "K"
                                << "Chinese";
    QTest::newRow("blank ; stays") << QByteArray("[S]\nK=Chinese ;remark\n") << "S"
                                   << "K"
                                   << "Chinese ;remark";
    QTest::newRow("// cut keeps blank") << QByteArray("[S]\nK=Chinese //remark\n") << "S"
                                        << "K"
                                        << "Chinese ";
    QTest::newRow("/* in a path") << QByteArray("[S]\nK=C:/dir/*x\n") << "S"
                                  << "K"
                                  << "C:/dir";
    QTest::newRow("// in a url") << QByteArray("[S]\nK=http://x\n") << "S"
                                 << "K"
                                 << "http:";
    QTest::newRow("remark header is no header") << QByteArray("[S]\n[T] ;x\nK=1\n") << "S"
                                                << "K"
                                                << "1";
    QTest::newRow("comment lines dropped") << QByteArray("[S]\n;K=1\n/K=2\n\\K=3\n*K=4\n=K\nK=5\n") << "S"
                                           << "K"
                                           << "5";
    QTest::newRow("commented key missing") << QByteArray("[S]\n;K=1\n") << "S"
                                           << ";K"
                                           << "";
    QTest::newRow("first section wins") << QByteArray("[S]\nA=1\n[S]\nA=2\nB=3\n") << "S"
                                        << "B"
                                        << "";
    QTest::newRow("last key wins") << QByteArray("[S]\nA=1\nA=2\n") << "S"
                                   << "A"
                                   << "2";
    QTest::newRow("no = gives empty value") << QByteArray("[S]\nFlag\n") << "S"
                                            << "Flag"
                                            << "";
    QTest::newRow("blanks inside brackets") << QByteArray("[ S ]\nA=1\n") << " S "
                                            << "A"
                                            << "1";
    QTest::newRow("entries before a header") << QByteArray("A=0\n[S]\n") << ""
                                             << "A"
                                             << "0";
    QTest::newRow("UTF-8 text") << QByteArray("[Chinese]\nCompany=北风\n") << "chinese"
                                << "Company" << QString::fromUtf8("北风");
    QTest::newRow("byte-order mark at the start")
        << QByteArray("\xEF\xBB\xBF[Setup]\nLanguage=Chinese\n") << "Setup"
        << "Language"
        << "Chinese";
    QTest::newRow("byte-order mark inside") << QByteArray("[S]\nA=1\n\t\xEF\xBB\xBF[T]\nA=2\n") << "T"
                                            << "A"
                                            << "2";
}

void TestIniFile::lookups()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QTemporaryDir dir;
    IniFile ini;
    QVERIFY(ini.load(writeFile(dir, file)));
    QCOMPARE(ini.value(section, key, QString()), value);
}

void TestIniFile::missingFileIsCreatedEmpty()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Program.ini"));
    IniFile ini;
    QVERIFY(ini.load(path));
    QVERIFY(QFile::exists(path));
    QCOMPARE(ini.value(QStringLiteral("Setup"), QStringLiteral("Language"), QString()), QString());
    // A missing key in an existing section gives the default trimmed; a missing section
    // gives it unchanged.
    QCOMPARE(ini.value(QString(), QStringLiteral("x"), QStringLiteral(" d ")), QStringLiteral("d"));
    QCOMPARE(ini.value(QStringLiteral("No"), QStringLiteral("x"), QStringLiteral(" d ")),
             QStringLiteral(" d "));
}

void TestIniFile::unloadedIgnoresChanges()
{
    IniFile ini;
    QVERIFY(!ini.load(QStringLiteral("/nonexistent/dir/Program.ini")));
    ini.setValue(QStringLiteral("Setup"), QStringLiteral("Language"), QStringLiteral("Chinese"));
    QVERIFY(!ini.isModified());
    QCOMPARE(ini.value(QStringLiteral("Setup"), QStringLiteral("Language"), QString()), QString());
}

void TestIniFile::setValueAndSave()
{
    QTemporaryDir dir;
    const QString path = writeFile(dir, "; head\n[Setup]\nLanguage=English\t; which\nLanguage=Chinese\n\n"
                                        "ShowLang=1\n[Setup]\nX=1\n[English]\nCompany=A\n");
    {
        IniFile ini;
        QVERIFY(ini.load(path));
        ini.setValue(QStringLiteral("setup"), QStringLiteral("language"), QStringLiteral("English"));
        ini.setValue(QStringLiteral("Setup"), QStringLiteral("New"), QStringLiteral("v"));
        ini.setValue(QStringLiteral("Extra"), QStringLiteral("K"), QStringLiteral("w"));
        QVERIFY(ini.isModified());
        ini.save();
        QVERIFY(ini.isModified());
        QCOMPARE(readFile(path),
                 QByteArray("[Setup]\r\nLanguage=English\t; which\r\nLanguage=English\r\n"
                            "ShowLang=1\r\nNew=v\r\n[Setup]\r\nX=1\r\n[English]\r\nCompany=A\r\n"
                            "[Extra]\r\nK=w\r\n"));
        QFile::remove(path);
    }
    // Still modified at destruction: the file is written again.
    QVERIFY(QFile::exists(path));
}

void TestIniFile::caseOnlyChangeKeepsFlagDown()
{
    QTemporaryDir dir;
    const QString path = writeFile(dir, "[Setup]\nLanguage=English\n");
    IniFile ini;
    QVERIFY(ini.load(path));
    ini.setValue(QStringLiteral("Setup"), QStringLiteral("Language"), QStringLiteral("ENGLISH"));
    QVERIFY(!ini.isModified());
    QCOMPARE(ini.value(QStringLiteral("Setup"), QStringLiteral("Language"), QString()),
             QStringLiteral("ENGLISH"));
    ini.save();
    QCOMPARE(readFile(path), QByteArray("[Setup]\nLanguage=English\n"));
}

void TestIniFile::emptySectionNameMergesOnReload()
{
    QTemporaryDir dir;
    const QString path = writeFile(dir, "[A]\nx=1\n[]\ny=2\n");
    {
        IniFile ini;
        QVERIFY(ini.load(path));
        QCOMPARE(ini.value(QStringLiteral("A"), QStringLiteral("y"), QString()), QString());
        ini.setValue(QStringLiteral("A"), QStringLiteral("x"), QStringLiteral("3"));
    }
    QCOMPARE(readFile(path), QByteArray("[A]\r\nx=3\r\ny=2\r\n"));
    IniFile again;
    QVERIFY(again.load(path));
    QCOMPARE(again.value(QStringLiteral("A"), QStringLiteral("y"), QString()), QStringLiteral("2"));
}

void TestIniFile::gbkFileKeepsEncoding()
{
    QTemporaryDir dir;
    QStringEncoder gbk("GB18030");
    const QByteArray bytes = gbk.encode(QString::fromUtf8("[Chinese]\r\nCompany=北风无线电\r\n"));
    const QString path = writeFile(dir, bytes);
    {
        IniFile ini;
        QVERIFY(ini.load(path));
        QCOMPARE(ini.encoding(), IniFile::Encoding::Gb18030);
        QCOMPARE(ini.value(QStringLiteral("Chinese"), QStringLiteral("company"), QString()),
                 QString::fromUtf8("北风无线电"));
        ini.setValue(QStringLiteral("Setup"), QStringLiteral("Language"), QStringLiteral("Chinese"));
    }
    QCOMPARE(readFile(path), bytes + QByteArray("[Setup]\r\nLanguage=Chinese\r\n"));
}

// A dealer's file put together on several systems: UTF-8 Chinese, GBK Chinese and
// Windows-1252 accents, in values, names and remarks. A language change rewrites the one
// value; every other byte of every kept line comes back as it was.
void TestIniFile::mixedEncodingsSurviveALanguageChange()
{
    const QByteArray utf8Company = "\xE7\x94\xB5\xE5\x8F\xB0"; // 电台
    const QByteArray gbkAppName = "\xB1\xB1\xB7\xE7";          // 北风
    const QByteArray gbkTitle = "\xB2\xE2\xCA\xD4";            // 测试
    const QByteArray kept = "[Setup]\r\n"
                            "Language=%1\r\n"
                            "AppName=XR970\r\n"
                            "Field1=136 - 174MHz\r\n"
                            "[English]\r\n"
                            "Company=Soci\xE9t\xE9 G\xE9n\xE9rale\r\n"
                            "Copyrights=\xA9 2024 Soci\xE9t\xE9\t; \xA9 remark kept in the value\r\n"
                            "[Chinese]\r\n"
                            "Company=" +
                            utf8Company +
                            "\r\n"
                            "AppName=" +
                            gbkAppName +
                            "\r\n"
                            "Title=" +
                            gbkTitle + " // " + utf8Company + "\r\n" + "[\xB2\xE2]\r\n" + gbkTitle + "=1\r\n";
    // Remarks and blank lines, which a save drops, in all three encodings; LF line ends.
    QByteArray file = "; Copyright \xA9 2024 Soci\xE9t\xE9\n; " + gbkTitle + "\n; " + utf8Company + "\n\n" +
                      QByteArray(kept).replace("%1", "English").replace("\r\n", "\n");
    QTemporaryDir dir;
    const QString path = writeFile(dir, file);
    {
        IniFile ini;
        QVERIFY(ini.load(path));
        QCOMPARE(ini.value(QStringLiteral("Chinese"), QStringLiteral("Company"), QString()),
                 QString::fromUtf8("电台"));
        QCOMPARE(ini.value(QStringLiteral("Chinese"), QStringLiteral("AppName"), QString()),
                 QString::fromUtf8("北风"));
        QCOMPARE(ini.value(QStringLiteral("Chinese"), QStringLiteral("Title"), QString()),
                 QString::fromUtf8("测试 "));
        QCOMPARE(ini.value(QString::fromUtf8("测"), QString::fromUtf8("测试"), QString()),
                 QStringLiteral("1"));
        ini.setValue(QStringLiteral("Setup"), QStringLiteral("Language"), QStringLiteral("Chinese"));
        QVERIFY(ini.save().ok);
    }
    QCOMPARE(readFile(path), QByteArray(kept).replace("%1", "Chinese"));
}

void TestIniFile::newTextTakesTheFilesEncoding_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("written"); // the bytes of 中文 as the save writes them
    QTest::newRow("ASCII only: UTF-8")
        << QByteArray("[Setup]\nLanguage=English\n") << QByteArray("\xE4\xB8\xAD\xE6\x96\x87");
    QTest::newRow("UTF-8 text: UTF-8") << QByteArray("[Setup]\nLanguage=English\nA=\xE7\x94\xB5\n")
                                       << QByteArray("\xE4\xB8\xAD\xE6\x96\x87");
    QTest::newRow("GBK text: GB18030")
        << QByteArray("[Setup]\nLanguage=English\nA=\xB1\xB1\n") << QByteArray("\xD6\xD0\xCE\xC4");
    // A remark is not written back, so it does not decide.
    QTest::newRow("GBK only in a remark: UTF-8")
        << QByteArray("; \xB1\xB1\n[Setup]\nLanguage=English\n") << QByteArray("\xE4\xB8\xAD\xE6\x96\x87");
}

void TestIniFile::newTextTakesTheFilesEncoding()
{
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, written);
    QTemporaryDir dir;
    const QString path = writeFile(dir, file);
    IniFile ini;
    QVERIFY(ini.load(path));
    ini.setValue(QStringLiteral("Setup"), QStringLiteral("Language"), QString::fromUtf8("中文"));
    QVERIFY(ini.serialize().contains("Language=" + written + "\r\n"));
    QVERIFY(ini.save().ok);
    IniFile reread;
    QVERIFY(reread.load(path));
    QCOMPARE(reread.value(QStringLiteral("Setup"), QStringLiteral("Language"), QString()),
             QString::fromUtf8("中文"));
    ini.clear();
    reread.clear();
}

void TestIniFile::failedSaveKeepsTheFile()
{
    QTemporaryDir dir;
    const QByteArray original = "; remark\n[Setup]\nLanguage=English\n";
    const QString path = writeFile(dir, original);
    IniFile ini;
    QVERIFY(ini.load(path));
    ini.setValue(QStringLiteral("Setup"), QStringLiteral("Language"), QStringLiteral("Chinese"));
    const WriteResult result = ini.save(FailingWriter(10));
    QVERIFY(!result.ok);
    QCOMPARE(result.errorText, QString::fromLocal8Bit(std::strerror(ENOSPC)));
    QCOMPARE(readFile(path), original);
    QVERIFY(ini.isModified());
    ini.clear(); // no second save on destruction
}

void TestIniFile::autoSaveOnDestruction()
{
    QTemporaryDir dir;
    const QString path = writeFile(dir, "[Setup]\nLanguage=English\n");
    {
        IniFile ini;
        QVERIFY(ini.load(path));
        ini.setValue(QStringLiteral("Setup"), QStringLiteral("Language"), QStringLiteral("Chinese"));
    }
    QCOMPARE(readFile(path), QByteArray("[Setup]\r\nLanguage=Chinese\r\n"));
}

void TestIniFile::locationFallsBackToUserCopy()
{
    QTemporaryDir exeDir;
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    QCOMPARE(locateProgramIni(exeDir.path(), QString()).readFrom,
             exeDir.filePath(QStringLiteral("Program.ini")));

    // A folder nobody can create files in (a path below a plain file, even for root).
    const QString installed = writeFile(exeDir, "[Setup]\nLanguage=English\n");
    const QString blocked = installed + QStringLiteral("/bin");
    const QString chosen = locateProgramIni(blocked, installed).readFrom;
    QVERIFY2(chosen.startsWith(home.path()), qPrintable(chosen));
    QCOMPARE(readFile(chosen), QByteArray("[Setup]\nLanguage=English\n"));
    // The per-user copy is kept from then on.
    writeFile(exeDir, "[Setup]\nLanguage=Chinese\n");
    QCOMPARE(locateProgramIni(blocked, installed).readFrom, chosen);
    QCOMPARE(readFile(chosen), QByteArray("[Setup]\nLanguage=English\n"));
}

// An installation in a folder the user may write (a home prefix): no empty Program.ini
// beside the program, the per-user copy of the installed default instead.
void TestIniFile::installedProgramStartsFromTheDefault()
{
    QTemporaryDir exeDir;
    QTemporaryDir dataDir;
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    const QString installed = writeFile(dataDir, "[Setup]\nLanguage=Chinese\n");
    const QString chosen = locateProgramIni(exeDir.path(), installed).readFrom;
    QVERIFY2(chosen.startsWith(home.path()), qPrintable(chosen));
    QCOMPARE(readFile(chosen), QByteArray("[Setup]\nLanguage=Chinese\n"));
    QVERIFY(!QFile::exists(exeDir.filePath(QStringLiteral("Program.ini"))));
    // A Program.ini put beside the program still wins.
    const QString beside = writeFile(exeDir, "[Setup]\nLanguage=English\n");
    QCOMPARE(locateProgramIni(exeDir.path(), installed).readFrom, beside);
}

// A per-user copy only from what was read; else the source is read, a change goes to the copy.
void TestIniFile::userCopyOnlyFromWhatWasRead_data()
{
    QTest::addColumn<QString>("blocked"); // source: a folder of that name; config: below a plain file
    QTest::addColumn<bool>("emptyCopy");
    QTest::newRow("an empty copy is made again") << "" << true;
    QTest::newRow("unreadable source") << "source" << false; // even root cannot read a folder
    QTest::newRow("read-only configuration") << "config" << false;
}

void TestIniFile::userCopyOnlyFromWhatWasRead()
{
    QFETCH(QString, blocked);
    QFETCH(bool, emptyCopy);
    QTemporaryDir dataDir;
    QTemporaryDir home;
    const QString installed = writeFile(dataDir, "[Setup]\n");
    QVERIFY(blocked != "source" || (QFile::remove(installed) && QDir().mkdir(installed)));
    qputenv("XDG_CONFIG_HOME", (blocked == "config" ? installed + "/c" : home.path()).toLocal8Bit());
    const QString copy = perUserProgramIni();
    QVERIFY(!emptyCopy || (QDir().mkpath(QFileInfo(copy).path()) && QFile(copy).open(QIODevice::WriteOnly)));
    const ProgramIniLocation location = locateProgramIni(installed + "/bin", installed);
    QCOMPARE(location.readFrom, blocked.isEmpty() ? copy : installed);
    QCOMPARE(location.storeAt, copy);
    QCOMPARE(QFile::exists(copy), blocked.isEmpty());
    QCOMPARE(readFile(copy), QByteArray(blocked.isEmpty() ? "[Setup]\n" : ""));
}

void TestIniFile::installedDataFollowsTheProgram_data()
{
    QTest::addColumn<QString>("relative");
    QTest::addColumn<bool>("createRelative");
    QTest::addColumn<bool>("expectRelative");
    QTest::newRow("moved installation") << "../share/xr970" << true << true;
    QTest::newRow("installation where it was configured") << "../share/xr970" << false << false;
    QTest::newRow("no relative folder known") << QString() << false << false;
}

void TestIniFile::installedDataFollowsTheProgram()
{
    QFETCH(QString, relative);
    QFETCH(bool, createRelative);
    QFETCH(bool, expectRelative);
    QTemporaryDir prefix;
    QVERIFY(QDir(prefix.path()).mkpath(QStringLiteral("bin")));
    if (createRelative)
        QVERIFY(QDir(prefix.path()).mkpath(QStringLiteral("share/xr970")));
    const QString configured = QStringLiteral("/configured/share/xr970");
    const QString found = installedDataDir(prefix.filePath(QStringLiteral("bin")), relative, configured);
    QCOMPARE(found, expectRelative ? prefix.filePath(QStringLiteral("share/xr970")) : configured);
}

QTEST_GUILESS_MAIN(TestIniFile)
#include "test_inifile.moc"
