#include "fileio/FileReader.h"
#include "fileio/FileWriter.h"
#include "support/FailingWriter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <thread>
#include <unistd.h>

namespace {

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void putFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

mode_t modeOf(const QString& path)
{
    struct stat status {};
    ::lstat(QFile::encodeName(path).constData(), &status);
    return status.st_mode;
}

QString noSpace()
{
    return QString::fromLocal8Bit(std::strerror(ENOSPC));
}

const QByteArray NewBytes(3000, 'n');

} // namespace

class TestFileWriter : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void replacesAndKeepsTheMode_data();
    void replacesAndKeepsTheMode();
    void newFileFollowsTheUmask();
    void failedWriteKeepsTheOldFile_data();
    void failedWriteKeepsTheOldFile();
    void fifoIsWrittenNotReplaced();
    void devicesAreWrittenNotReplaced();
    void linkStaysALink();
    void folderIsRefused();
    void readsOnlyRegularFiles_data();
    void readsOnlyRegularFiles();
};

void TestFileWriter::replacesAndKeepsTheMode_data()
{
    QTest::addColumn<int>("mode");
    QTest::newRow("0640") << 0640;
    QTest::newRow("0600") << 0600;
    QTest::newRow("0755") << 0755;
}

void TestFileWriter::replacesAndKeepsTheMode()
{
    QFETCH(int, mode);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("old.dat"));
    putFile(path, "old contents");
    QVERIFY(::chmod(QFile::encodeName(path).constData(), static_cast<mode_t>(mode)) == 0);
    const WriteResult result = FileWriter().write(path, NewBytes);
    QVERIFY2(result.ok, qPrintable(result.errorText));
    QCOMPARE(readFile(path), NewBytes);
    QCOMPARE(int(modeOf(path) & 07777), mode);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("old.dat")});
}

void TestFileWriter::newFileFollowsTheUmask()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("new.csv"));
    const mode_t previous = ::umask(027);
    const WriteResult result = FileWriter().write(path, NewBytes);
    ::umask(previous);
    QVERIFY(result.ok);
    QCOMPARE(int(modeOf(path) & 07777), 0640);
}

void TestFileWriter::failedWriteKeepsTheOldFile_data()
{
    QTest::addColumn<bool>("existing");
    QTest::addColumn<qint64>("allowed");
    QTest::newRow("nothing fits") << true << qint64(0);
    QTest::newRow("a part fits") << true << qint64(1000);
    QTest::newRow("all but one byte") << true << qint64(NewBytes.size() - 1);
    QTest::newRow("new file, nothing fits") << false << qint64(0);
    QTest::newRow("new file, a part fits") << false << qint64(1000);
}

void TestFileWriter::failedWriteKeepsTheOldFile()
{
    QFETCH(bool, existing);
    QFETCH(qint64, allowed);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("old.dat"));
    if (existing)
        putFile(path, "old contents");
    const WriteResult result = FailingWriter(allowed).write(path, NewBytes);
    QVERIFY(!result.ok);
    QCOMPARE(result.errorText, noSpace());
    // The old file as it was, and no temporary file left behind.
    QCOMPARE(QFile::exists(path), existing);
    if (existing)
        QCOMPARE(readFile(path), QByteArray("old contents"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), existing ? 1 : 0);
}

void TestFileWriter::fifoIsWrittenNotReplaced()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("pipe"));
    QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
    QByteArray received;
    std::thread reader([&path, &received] {
        const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
        char buffer[512];
        for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;)
            received.append(buffer, n);
        ::close(fd);
    });
    const WriteResult result = FileWriter().write(path, NewBytes);
    reader.join();
    QVERIFY2(result.ok, qPrintable(result.errorText));
    QCOMPARE(received, NewBytes);
    QVERIFY(S_ISFIFO(modeOf(path)));
}

// Twins of /dev/null and /dev/full in a scratch folder: the real ones must not be put at
// risk by a test (as root, replacing them would break the machine).
void TestFileWriter::devicesAreWrittenNotReplaced()
{
    QTemporaryDir dir;
    const QString null = dir.filePath(QStringLiteral("null"));
    const QString full = dir.filePath(QStringLiteral("full"));
    if (::mknod(QFile::encodeName(null).constData(), S_IFCHR | 0666, makedev(1, 3)) != 0 ||
        ::mknod(QFile::encodeName(full).constData(), S_IFCHR | 0666, makedev(1, 7)) != 0)
        QSKIP("device nodes can only be made as root");
    const int probe = ::open(QFile::encodeName(null).constData(), O_WRONLY);
    if (probe < 0)
        QSKIP("the scratch folder's file system does not open device nodes (nodev)");
    ::close(probe);

    const WriteResult toNull = FileWriter().write(null, NewBytes);
    QVERIFY2(toNull.ok, qPrintable(toNull.errorText));
    QVERIFY(S_ISCHR(modeOf(null)));
    const WriteResult toFull = FileWriter().write(full, NewBytes);
    QVERIFY(!toFull.ok);
    QCOMPARE(toFull.errorText, noSpace());
    QVERIFY(S_ISCHR(modeOf(full)));
    QCOMPARE(QDir(dir.path()).entryList(QDir::System | QDir::Files | QDir::Hidden).size(), 2);
}

void TestFileWriter::linkStaysALink()
{
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("target.dat"));
    const QString link = dir.filePath(QStringLiteral("link.dat"));
    putFile(target, "old");
    QVERIFY(QFile::link(target, link));
    QVERIFY(FileWriter().write(link, NewBytes).ok);
    QVERIFY(S_ISLNK(modeOf(link)));
    QCOMPARE(readFile(target), NewBytes);
}

void TestFileWriter::folderIsRefused()
{
    QTemporaryDir dir;
    const WriteResult result = FileWriter().write(dir.path(), NewBytes);
    QVERIFY(!result.ok);
    QCOMPARE(result.errorText, QString::fromLocal8Bit(std::strerror(EISDIR)));
    QVERIFY(QFileInfo(dir.path()).isDir());
}

// The reader beside the writer: nothing but a regular file is opened for reading.
void TestFileWriter::readsOnlyRegularFiles_data()
{
    QTest::addColumn<QString>("node"); // in the scratch folder unless absolute
    QTest::addColumn<QString>("refusal"); // part of the reason; empty when read
    QTest::newRow("file, cut at maxBytes") << "file" << "";
    QTest::newRow("FIFO") << "fifo" << "named pipe";
    QTest::newRow("link to a FIFO") << "link" << "named pipe";
    QTest::newRow("/dev/null") << "/dev/null" << "device";
    QTest::newRow("folder") << "." << "folder";
}

void TestFileWriter::readsOnlyRegularFiles()
{
    QFETCH(QString, node);
    QFETCH(QString, refusal);
    QTemporaryDir dir;
    putFile(dir.filePath(QStringLiteral("file")), "abcdef");
    QVERIFY(::mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("fifo"))).constData(), 0600) == 0);
    QVERIFY(QFile::link(dir.filePath(QStringLiteral("fifo")), dir.filePath(QStringLiteral("link"))));
    const ReadResult read = readRegularFile(node.startsWith(QLatin1Char('/')) ? node : dir.filePath(node), 4);
    QCOMPARE(read.ok, refusal.isEmpty());
    QCOMPARE(read.bytes, QByteArray(read.ok ? "abcd" : ""));
    QVERIFY2(read.errorText.contains(refusal), qPrintable(read.errorText));
}

QTEST_GUILESS_MAIN(TestFileWriter)
#include "test_filewriter.moc"
