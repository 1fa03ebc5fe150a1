#include "document/ChannelFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray validBytes(const RadioImage& image)
{
    return ChannelFile::toBytes(image);
}

} // namespace

class TestChannelFile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void load_data();
    void load();
    void saveNewImage();
    void failedSaveKeepsOldFile();
    void missingFileIsIoError();
};

void TestChannelFile::load_data()
{
    RadioImage sample = RadioImage::makeNew();
    sample[1000] = 0x5A;
    sample[0] = 0x01;
    const QByteArray good = validBytes(sample);
    QByteArray header = good;
    header.replace(4, 12, QByteArray(12, '\x77'));

    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("valid") << good << true;
    QTest::newRow("reserved bytes ignored") << header << true;
    QTest::newRow("longer file") << good + QByteArray(960, '\x11') << true;
    QTest::newRow("lower-case magic") << QByteArray(good).replace(0, 1, "q") << false;
    QTest::newRow("last magic byte") << QByteArray(good).replace(3, 1, "8") << false;
    QTest::newRow("1039 bytes") << good.left(1039) << false;
    QTest::newRow("header only") << good.left(16) << false;
    QTest::newRow("zero bytes") << QByteArray() << false;
}

void TestChannelFile::load()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, accepted);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("x.dat"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();

    RadioImage image;
    image[500] = 0x42; // must survive a refused load
    const ChannelFile::Result result = ChannelFile::load(path, image);
    if (accepted) {
        QVERIFY(result.ok());
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(image.data()), 1024), bytes.mid(16, 1024));
    } else {
        QCOMPARE(result.status, ChannelFile::Result::Status::FormatError);
        QCOMPARE(int(image[500]), 0x42);
        QCOMPARE(int(image[501]), 0xFF);
    }
}

void TestChannelFile::saveNewImage()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("new.dat"));
    QVERIFY(ChannelFile::save(path, RadioImage::makeNew()).ok());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QCOMPARE(bytes.size(), 1040);
    QCOMPARE(bytes.left(16), QByteArray("Q4V7") + QByteArray(12, '\0'));
    QCOMPARE(int(quint8(bytes[16 + 304])), 40);
    QCOMPARE(int(quint8(bytes[16 + 1009])), 3);
}

void TestChannelFile::failedSaveKeepsOldFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("keep.dat"));
    RadioImage first = RadioImage::makeNew();
    QVERIFY(ChannelFile::save(path, first).ok());
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    RadioImage second = first;
    second[20] = 0x12;
    const ChannelFile::Result result = ChannelFile::save(path, second);
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (result.ok())
        QSKIP("the folder stayed writable (running as root)");
    QCOMPARE(result.status, ChannelFile::Result::Status::IoError);
    QVERIFY(!result.errorText.isEmpty());
    RadioImage reread;
    QVERIFY(ChannelFile::load(path, reread).ok());
    QVERIFY(reread == first);
}

void TestChannelFile::missingFileIsIoError()
{
    RadioImage image;
    const ChannelFile::Result result = ChannelFile::load(QStringLiteral("/nonexistent/none.dat"), image);
    QCOMPARE(result.status, ChannelFile::Result::Status::IoError);
    QVERIFY(!result.errorText.isEmpty());
}

QTEST_APPLESS_MAIN(TestChannelFile)
#include "test_channelfile.moc"
