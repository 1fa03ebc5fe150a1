#include "model/DecimalMath.h"
#include "model/NumberParse.h"

#include <QtTest>
#include <cmath>

class TestDecimal : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void multiply_data();
    void multiply();
    void divide_data();
    void divide();
    void leadingDouble_data();
    void leadingDouble();
    void leadingInt_data();
    void leadingInt();
};

void TestDecimal::multiply_data()
{
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<double>("expected");
    QTest::newRow("130.2 MHz") << 130.2 << 100000.0 << 13020000.0;
    QTest::newRow("136.0125 MHz") << 136.0125 << 100000.0 << 13601250.0;
    QTest::newRow("446.00625 MHz") << 446.00625 << 100000.0 << 44600625.0;
    QTest::newRow("145.1250001 MHz") << 145.1250001 << 100000.0 << 14512500.01;
    QTest::newRow("tone tenths") << 254.1 << 10.0 << 2541.0;
    QTest::newRow("0.1 x 3") << 0.1 << 3.0 << 0.3;
    QTest::newRow("negative") << -1.15 << 100.0 << -115.0;
    QTest::newRow("zero") << 0.0 << 5.0 << 0.0;
    QTest::newRow("tiny") << 1e-300 << 1e-300 << 0.0;
}

void TestDecimal::multiply()
{
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(double, expected);
    QCOMPARE(decimalMultiply(a, b), expected);
}

void TestDecimal::divide_data()
{
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<double>("expected");
    QTest::newRow("tenths") << 1234.0 << 10.0 << 123.4;
    QTest::newRow("one third") << 1.0 << 3.0 << 1.0 / 3.0;
    QTest::newRow("two thirds") << 2.0 << 3.0 << 2.0 / 3.0;
    QTest::newRow("1800 tenths") << 1800.0 << 10.0 << 180.0;
    QTest::newRow("negative") << -3.0 << 4.0 << -0.75;
}

void TestDecimal::divide()
{
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(double, expected);
    QCOMPARE(decimalDivide(a, b), expected);
}

void TestDecimal::leadingDouble_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("plain") << "145.125" << 145.125;
    QTest::newRow("blanks and unit") << "  \t146.5MHz" << 146.5;
    QTest::newRow("sign") << "-2.5" << -2.5;
    QTest::newRow("plus") << "+2.5" << 2.5;
    QTest::newRow("exponent") << "1.5e2x" << 150.0;
    QTest::newRow("dangling exponent") << "7e" << 7.0;
    QTest::newRow("leading point") << ".5" << 0.5;
    QTest::newRow("trailing point") << "5." << 5.0;
    QTest::newRow("text") << "abc" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("lone point") << "." << 0.0;
    QTest::newRow("no hex") << "0x10" << 0.0;
    QTest::newRow("no inf") << "inf" << 0.0;
    QTest::newRow("overflow") << "1e999" << std::numeric_limits<double>::infinity();
    QTest::newRow("underflow") << "1e-999" << 0.0;
    QTest::newRow("tiny without exponent") << ("0." + QString(400, QLatin1Char('0')) + "1") << 0.0;
    QTest::newRow("exponent past 64 bits, tiny") << ".5e-31333333333333333333333" << 0.0;
    QTest::newRow("exponent past 64 bits, huge")
        << "-50e99999999999999999999" << -std::numeric_limits<double>::infinity();
}

void TestDecimal::leadingDouble()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(parseLeadingDouble(text), value);
}

void TestDecimal::leadingInt_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("value");
    QTest::newRow("band") << "136 - 150MHz" << qint64(136);
    QTest::newRow("blank first") << " 150MHz" << qint64(150);
    QTest::newRow("negative") << "-5" << qint64(-5);
    QTest::newRow("none") << "MHz" << qint64(0);
    QTest::newRow("clamped") << "99999999999999999999999" << std::numeric_limits<qint64>::max();
    QTest::newRow("most negative") << "-9223372036854775808" << std::numeric_limits<qint64>::min();
    QTest::newRow("clamped negative") << "-99999999999999999999999" << std::numeric_limits<qint64>::min();
}

void TestDecimal::leadingInt()
{
    QFETCH(QString, text);
    QFETCH(qint64, value);
    QCOMPARE(parseLeadingInt(text), value);
}

QTEST_APPLESS_MAIN(TestDecimal)
#include "test_decimal.moc"
