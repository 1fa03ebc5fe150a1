#include <QDir>
#include <QFile>
#include <QImage>
#include <QMimeDatabase>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

// cmake --install into a temporary prefix, then the installed program started headless
// with no Program.ini beside it and a fresh configuration folder. The minimal platform's
// backing-store dump (QT_DEBUG_BACKINGSTORE) saves every window it paints, so the test
// sees whether the main window came up or start-up stopped at a message box.
class TestInstall : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void installedFiles_data();
    void installedFiles();
    void installedProgramStarts();
    void channelFilesHaveTheirType_data();
    void channelFilesHaveTheirType();

private:
    QString installed(const QString& path) const { return prefix_.filePath(path); }
    QTemporaryDir prefix_;
};

void TestInstall::initTestCase()
{
    QProcess install;
    install.start(QStringLiteral(XR_CMAKE_COMMAND),
                  {QStringLiteral("--install"), QStringLiteral(XR_BUILD_DIR), QStringLiteral("--prefix"),
                   prefix_.path()});
    QVERIFY(install.waitForFinished(60000));
    QVERIFY2(install.exitCode() == 0, install.readAllStandardError().constData());
    // The file types as a desktop with this prefix installed sees them; set before the
    // first use of the MIME database.
    qputenv("XDG_DATA_HOME", installed(QStringLiteral("share")).toLocal8Bit());
}

void TestInstall::installedFiles_data()
{
    QTest::addColumn<QString>("path");
    for (const char* path :
         {"bin/xr970", "bin/xr970-cli", "share/xr970/English.qm", "share/xr970/Chinese.qm",
          "share/xr970/Program.ini", "share/applications/xr970.desktop", "share/mime/packages/xr970.xml",
          "share/metainfo/org.example.xr970.metainfo.xml", "share/man/man1/xr970.1.gz",
          "share/man/man1/xr970-cli.1.gz", "share/bash-completion/completions/xr970-cli",
          "lib/udev/rules.d/60-xr970.rules", "share/doc/xr970/copyright", "share/doc/xr970/changelog.gz",
          "share/icons/hicolor/scalable/apps/xr970.svg"})
        QTest::newRow(path) << QString::fromLatin1(path);
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString path = QStringLiteral("share/icons/hicolor/%1x%1/apps/xr970.png").arg(size);
        QTest::newRow(qPrintable(path)) << path;
    }
}

void TestInstall::installedFiles()
{
    QFETCH(QString, path);
    const QFileInfo info(installed(path));
    QVERIFY2(info.isFile() && info.size() > 0, qPrintable(info.filePath()));
    if (path.startsWith(QLatin1String("bin/")))
        QVERIFY(info.isExecutable());
    if (path.endsWith(QLatin1String(".png"))) {
        const QString size = path.section(QLatin1Char('/'), 3, 3);
        QCOMPARE(QStringLiteral("%1x%1").arg(QImage(info.filePath()).width()), size);
    }
}

void TestInstall::installedProgramStarts()
{
    QTemporaryDir config;
    QTemporaryDir work;
    QVERIFY(!QFile::exists(installed(QStringLiteral("bin/Program.ini"))));

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("minimal:enable_fonts"));
    environment.insert(QStringLiteral("QT_DEBUG_BACKINGSTORE"), QStringLiteral("1"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
    QProcess program;
    program.setProcessEnvironment(environment);
    program.setWorkingDirectory(work.path()); // where the dumps go
    program.start(installed(QStringLiteral("bin/xr970")), QStringList{});
    QVERIFY(program.waitForStarted());

    const auto dumps = [&work] {
        return QDir(work.path(), QStringLiteral("output*.png"), QDir::Name).entryList();
    };
    QTRY_VERIFY_WITH_TIMEOUT(!dumps().isEmpty(), 20000);
    QTest::qWait(1000); // let the first paints settle
    QCOMPARE(program.state(), QProcess::Running);

    // The per-user copy of the installed default, and nothing beside the program.
    const QString perUser = config.filePath(QStringLiteral("xr970/Program.ini"));
    QFile copy(perUser);
    QFile original(installed(QStringLiteral("share/xr970/Program.ini")));
    QVERIFY2(copy.open(QIODevice::ReadOnly), qPrintable(perUser));
    QVERIFY(original.open(QIODevice::ReadOnly));
    QCOMPARE(copy.readAll(), original.readAll());
    QVERIFY(!QFile::exists(installed(QStringLiteral("bin/Program.ini"))));

    // The main window, not the small "Load language DLL fail" box.
    const QImage window(work.filePath(dumps().constLast()));
    QVERIFY2(window.width() >= 640 && window.height() >= 400,
             qPrintable(QStringLiteral("%1 x %2").arg(window.width()).arg(window.height())));
    program.kill();
    program.waitForFinished();
}

void TestInstall::channelFilesHaveTheirType_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("channelData");
    const QByteArray channelFile = QByteArray("Q4V7") + QByteArray(1036, '\0');
    QTest::newRow("a .dat file") << QStringLiteral("radio.dat") << channelFile << true;
    QTest::newRow("renamed, found by its content") << QStringLiteral("radio.bin") << channelFile << true;
    QTest::newRow("no extension") << QStringLiteral("radio") << channelFile << true;
    QTest::newRow("another binary") << QStringLiteral("radio.bin") << QByteArray(1040, '\x07') << false;
}

// The menu entry opens the type that the installed MIME package defines, and that type
// is what a file manager sees for a channel-data file.
void TestInstall::channelFilesHaveTheirType()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(bool, channelData);
    const QSettings entry(installed(QStringLiteral("share/applications/xr970.desktop")),
                          QSettings::IniFormat);
    const QString type =
        entry.value(QStringLiteral("Desktop Entry/MimeType")).toString().section(QLatin1Char(';'), 0, 0);
    QCOMPARE(type, QStringLiteral("application/x-xr970-channels"));

    QTemporaryDir dir;
    QFile file(dir.filePath(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();
    QCOMPARE(QMimeDatabase().mimeTypeForFile(file.fileName()).name() == type, channelData);
}

QTEST_GUILESS_MAIN(TestInstall)
#include "test_install.moc"
