// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/NumberText.h"

#include <QTest>

#include <cmath>
#include <limits>

class tst_NumberText : public QObject
{
    Q_OBJECT

private slots:
    void generalForm_data();
    void generalForm();
    void tidyForm_data();
    void tidyForm();
    void fixedFormats_data();
    void fixedFormats();
    void fieldRule_data();
    void fieldRule();
    void signedReadBack();
    void reformatKeepsTextsThatAreNoNumber();
};

void tst_NumberText::generalForm_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("span 9 minus 0.1") << 9 - 0.1 << "8.9";
    QTest::newRow("span 12.34 minus 0.1") << 12.34 - 0.1 << "12.24";
    QTest::newRow("span 0.3 minus 0.1 has no binary tail") << 0.3 - 0.1 << "0.2";
    QTest::newRow("span 0.05 minus 0.1 is negative") << 0.05 - 0.1 << "-0.05";
    QTest::newRow("whole number") << 1030.0 << "1030";
    QTest::newRow("negative whole number") << -1030.0 << "-1030";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative zero loses its sign") << -0.0 << "0";
    QTest::newRow("fifteen digits") << 298.44444444444446 << "298.444444444444";
    QTest::newRow("tiny value in plain notation") << 1e-7 << "0.0000001";
    QTest::newRow("large value in plain notation") << 1e20 << "100000000000000000000";
    QTest::newRow("rounding at the fifteenth digit carries") << 0.99999999999999999 << "1";
    QTest::newRow("intersection") << 4.478260869565218 << "4.47826086956522";
    QTest::newRow("fuzz: a half at the sixteenth digit") << 1000040.544000045 << "1000040.54400005";
}

void tst_NumberText::generalForm()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(NumberText::general(value)), text);
}

void tst_NumberText::tidyForm_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("scale");
    QTest::addColumn<QString>("text");
    QTest::newRow("tail of a product") << 86.4000000000001 << 86.4 << "86.4";
    QTest::newRow("shortest below") << 176.39999999999998 << 0.0 << "176.4";
    QTest::newRow("noise against 100 is 0") << 1.49213974509621e-13 << 100.0 << "0";
    QTest::newRow("negative noise is an unsigned 0") << -4.54747350886464e-13 << 487.7 << "0";
    QTest::newRow("negative zero") << -0.0 << 1.0 << "0";
    QTest::newRow("ten digits of a repeating decimal")
        << 298.44444444444446 << 414.0 << "298.4444444";
    QTest::newRow("small against its own scale") << 0.000123456789012 << 2e-4 << "0.000123456789";
    QTest::newRow("scale rounding up to a power of ten")
        << 1.234567891 << 9.99999999999 << "1.23456789";
    QTest::newRow("decimal comma") << -2.5 << 9.0 << "-2,5";
}

void tst_NumberText::tidyForm()
{
    QFETCH(double, value);
    QFETCH(double, scale);
    QFETCH(QString, text);
    const char point = QTest::currentDataTag() == QByteArray("decimal comma") ? ',' : '.';
    QCOMPARE(QString::fromStdString(NumberText::tidy(value, scale, point)), text);
}

void tst_NumberText::fixedFormats_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("text");
    QTest::newRow("half away from zero, two decimals") << 0.125 << 2 << "0.13";
    QTest::newRow("2.675 is a half in 15 digits") << 2.675 << 2 << "2.68";
    QTest::newRow("negative half") << -2.675 << 2 << "-2.68";
    QTest::newRow("whole half") << 12.5 << 0 << "13";
    QTest::newRow("percentage 4.1666") << 100.0 / 24 << 0 << "4";
    QTest::newRow("percentage 12.5") << 12.5 << 0 << "13";
    QTest::newRow("zero") << 0.0 << 2 << "0.00";
    QTest::newRow("negative zero") << -0.0 << 3 << "0.000";
    QTest::newRow("tiny negative rounds to unsigned zero") << -0.0004 << 3 << "0.000";
    QTest::newRow("tiny negative two decimals") << -0.001 << 2 << "0.00";
    QTest::newRow("leading zero kept") << 0.5 << 2 << "0.50";
    QTest::newRow("carry into a new digit") << 9.999 << 2 << "10.00";
    QTest::newRow("carry of a negative") << -99.9996 << 3 << "-100.000";
    QTest::newRow("no grouping") << 1234567.891 << 2 << "1234567.89";
    QTest::newRow("three decimals") << 231.34 << 3 << "231.340";
    QTest::newRow("record value") << 298.44444444444446 << 2 << "298.44";
    QTest::newRow("negative moment") << -1030.0 << 2 << "-1030.00";
    QTest::newRow("listing x above span") << 9.000000000000002 << 3 << "9.000";
    QTest::newRow("tiny positive") << 1e-7 << 2 << "0.00";
}

void tst_NumberText::fixedFormats()
{
    QFETCH(double, value);
    QFETCH(int, decimals);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(NumberText::fixed(value, decimals)), text);
}

void tst_NumberText::fieldRule_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("isNumber");
    QTest::addColumn<double>("value");
    QTest::newRow("digits") << "206" << true << 206.0;
    QTest::newRow("leading point") << ".5" << true << 0.5;
    QTest::newRow("trailing point") << "5." << true << 5.0;
    QTest::newRow("trailing zeros") << "5.00" << true << 5.0;
    QTest::newRow("zeros") << "00" << true << 0.0;
    QTest::newRow("zero with point") << ".0" << true << 0.0;
    QTest::newRow("lone point") << "." << false << 0.0;
    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("minus") << "-3" << false << 0.0;
    QTest::newRow("comma") << "1,5" << false << 0.0;
    QTest::newRow("exponent") << "1e5" << false << 0.0;
    QTest::newRow("two points") << ".." << false << 0.0;
    QTest::newRow("spaces") << " 5" << false << 0.0;
    QTest::newRow("letters") << "abc" << false << 0.0;
    QTest::newRow("nan") << "nan" << false << 0.0;
    QTest::newRow("inf") << "inf" << false << 0.0;
}

void tst_NumberText::fieldRule()
{
    QFETCH(QString, text);
    QFETCH(bool, isNumber);
    QFETCH(double, value);
    const auto parsed = NumberText::parseField(text.toStdString());
    QCOMPARE(parsed.has_value(), isNumber);
    if (isNumber)
        QCOMPARE(*parsed, value);
}

void tst_NumberText::signedReadBack()
{
    QCOMPARE(NumberText::parseSigned("-1030.5").value(), -1030.5);
    QCOMPARE(NumberText::parseSigned("411.5").value(), 411.5);
    QVERIFY(!NumberText::parseSigned("-").has_value());
    QVERIFY(!NumberText::parseSigned("--1").has_value());
    QCOMPARE(NumberText::reformat("-157.111111111111", 2), std::string("-157.11"));
}

void tst_NumberText::reformatKeepsTextsThatAreNoNumber()
{
    QCOMPARE(NumberText::reformat("", 2), std::string(""));
    QCOMPARE(NumberText::reformat("abc", 2), std::string("abc"));
    QCOMPARE(NumberText::reformat(".5", 2), std::string("0.50"));
    QCOMPARE(NumberText::reformat("3", 2), std::string("3.00"));
}

QTEST_GUILESS_MAIN(tst_NumberText)
#include "tst_numbertext.moc"
