#include <QtTest>
#include <cfloat>

#include "panes/property_grid_text.h"

class PropertyGridTextTest : public QObject {
    Q_OBJECT
private slots:
    void readsTypedNumbersAsSingles_data();
    void readsTypedNumbersAsSingles();
    void showsSinglesWithThreeExponentDigits_data();
    void showsSinglesWithThreeExponentDigits();
    void readsTypedIntegers_data();
    void readsTypedIntegers();
};

void PropertyGridTextTest::readsTypedNumbersAsSingles_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<double>("stored");
    QTest::newRow("tenth is the single nearest it") << "0.1" << 0.10000000149011612;
    QTest::newRow("trimmed") << "  2.5 " << 2.5;
    QTest::newRow("signs") << "-3" << -3.0;
    QTest::newRow("plus sign") << "+4" << 4.0;
    QTest::newRow("exponent") << "1e-5" << static_cast<double>(1e-5f);
    QTest::newRow("leading point") << ".5" << 0.5;
    QTest::newRow("letters") << "abc" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("number then letters") << "1.5abc" << 1.5;
    QTest::newRow("infinity word") << "inf" << 0.0;
    QTest::newRow("not a number word") << "nan" << 0.0;
    QTest::newRow("hexadecimal reads its leading zero") << "0x10" << 0.0;
    QTest::newRow("too large") << "1e39" << static_cast<double>(FLT_MAX);
    QTest::newRow("too large negative") << "-1e39" << -static_cast<double>(FLT_MAX);
    QTest::newRow("too small") << "1e-60" << 0.0;
}

void PropertyGridTextTest::readsTypedNumbersAsSingles()
{
    QFETCH(QString, typed);
    QFETCH(double, stored);
    QVERIFY2(static_cast<double>(readSingle(typed)) == stored, qPrintable(QString::number(readSingle(typed), 'g', 17)));
}

void PropertyGridTextTest::showsSinglesWithThreeExponentDigits_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("shown");
    QTest::newRow("tenth") << 0.1f << "0.1";
    QTest::newRow("integral") << 20.0f << "20";
    QTest::newRow("small") << 1e-5f << "1E-005";
    QTest::newRow("large") << 1234567.0f << "1.23457E+006";
    QTest::newRow("largest single") << FLT_MAX << "3.40282E+038";
}

void PropertyGridTextTest::showsSinglesWithThreeExponentDigits()
{
    QFETCH(float, value);
    QFETCH(QString, shown);
    QCOMPARE(showSingle(value), shown);
}

void PropertyGridTextTest::readsTypedIntegers_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<long>("stored");
    QTest::newRow("plain") << "80" << 80L;
    QTest::newRow("trimmed negative") << " -7 " << -7L;
    QTest::newRow("letters") << "abc" << 0L;
    QTest::newRow("digits then letters") << "12abc" << 12L;
    QTest::newRow("fraction cut") << "3.9" << 3L;
    QTest::newRow("double sign") << "--5" << 0L;
    QTest::newRow("beyond 32 bits") << "99999999999" << 2147483647L;
    QTest::newRow("beyond 32 bits negative") << "-99999999999" << -2147483648L;
}

void PropertyGridTextTest::readsTypedIntegers()
{
    QFETCH(QString, typed);
    QFETCH(long, stored);
    QCOMPARE(readInteger(typed), stored);
}

QTEST_GUILESS_MAIN(PropertyGridTextTest)
#include "property_grid_text_test.moc"
