#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
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
}

void TestInstall::installedFiles_data()
{
    QTest::addColumn<QString>("path");
    for (const char* path :
         {"bin/xr970", "bin/xr970-cli", "share/xr970/English.qm", "share/xr970/Chinese.qm",
          "share/xr970/Program.ini", "share/applications/xr970.desktop",
          "share/icons/hicolor/64x64/apps/xr970.png", "share/icons/hicolor/128x128/apps/xr970.png"})
        QTest::newRow(path) << QString::fromLatin1(path);
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

QTEST_GUILESS_MAIN(TestInstall)
#include "test_install.moc"
