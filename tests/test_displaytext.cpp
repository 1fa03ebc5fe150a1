#include "model/DisplayText.h"

#include <QtTest>

class TestDisplayText : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void shown_data();
    void shown();
    void hugeValue();
    void boxedMessages();
};

void TestDisplayText::shown_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("maxChars");
    QTest::addColumn<QString>("shown");
    QTest::newRow("plain") << "145.125" << 60 << "145.125";
    QTest::newRow("Chinese kept") << "宽" << 60 << "宽";
    QTest::newRow("controls escaped") << QString::fromLatin1("a\tb\nc\rd\x01", 8) << 60 << "a\\tb\\nc\\rd\\x01";
    QTest::newRow("NUL escaped") << QString(QChar(0)) + "x" << 60 << "\\0x";
    QTest::newRow("line separator") << QString(QChar(0x2028)) << 60 << "\\x2028";
    QTest::newRow("long cut in the middle") << QString(100, 'a') + "END" << 11 << "aaaa...aEND";
    QTest::newRow("escapes that make it long") << QString(10, QChar('\t')) << 11 << "\\t\\t...\\t\\t";
}

void TestDisplayText::shown()
{
    QFETCH(QString, value);
    QFETCH(int, maxChars);
    QFETCH(QString, shown);
    QCOMPARE(displayedValue(value, maxChars), shown);
    QVERIFY(displayedValue(value, maxChars).size() <= maxChars);
}

void TestDisplayText::hugeValue()
{
    const QString huge(8 * 1024 * 1024, QChar('9'));
    QCOMPARE(displayedValue(huge), QString(28, '9') + "..." + QString(28, '9'));
}

void TestDisplayText::boxedMessages()
{
    QCOMPARE(boxedText("Caution\n\tshort"), QStringLiteral("Caution\n\\tshort"));
    QVERIFY(boxedText(QString(1000000, 'x')).size() <= 300);
    QCOMPARE(boxedText(QString(1000, '\n')).split('\n').size(), 37); // the last one "..."
}

QTEST_APPLESS_MAIN(TestDisplayText)
#include "test_displaytext.moc"
