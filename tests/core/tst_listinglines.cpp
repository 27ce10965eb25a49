// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/ListingLines.h"
#include "core/RezultatiProracuna.h"

#include <QTest>

// The inputs of one example and its number of fields.
struct Ulaz
{
    double P1, P2, e, L, n;
};
Q_DECLARE_METATYPE(Ulaz)

namespace {

RezultatiProracuna zapis(double P1, double P2, double e, double L)
{
    RezultatiProracuna r;
    r.proracunaj({ P1, P2, e, L });
    return r;
}

QStringList qt(const std::vector<std::string> &lines)
{
    QStringList list;
    for (const std::string &line : lines)
        list.append(QString::fromStdString(line));
    return list;
}

QString momentLine(const char *x, const char *M)
{
    return QStringLiteral("x[m]= %1\t\tM[kNm]= %2").arg(QLatin1String(x), QLatin1String(M));
}

QString shearLine(const char *x, const char *maxT, const char *minT)
{
    return QStringLiteral("x[m]= %1\t\tmaxT[kN]= %2\t\tminT[kN]= %3")
        .arg(QLatin1String(x), QLatin1String(maxT), QLatin1String(minT));
}

} // namespace

class tst_ListingLines : public QObject
{
    Q_OBJECT

private slots:
    void momentLines_data();
    void momentLines();
    void shearLines_data();
    void shearLines();
    void shearBoundariesAtNineFields();
    void sectionsReachTheSpanDespiteRoundUp_data();
    void sectionsReachTheSpanDespiteRoundUp();
    void fractionalFieldCountListsOnlyTheLeftSupport();
};

void tst_ListingLines::momentLines_data()
{
    QTest::addColumn<Ulaz>("ulaz");
    QTest::addColumn<QStringList>("expected");
    // Parabola I gives the first five values, parabola II the rest.
    QTest::newRow("start values, 10 fields")
        << Ulaz { 206, 208, 5, 9, 10 }
        << QStringList { momentLine("0.000", "0.000"), momentLine("0.900", "231.340"),
               momentLine("1.800", "388.160"), momentLine("2.700", "470.460"),
               momentLine("3.600", "478.240"), momentLine("4.500", "416.500"),
               momentLine("5.400", "482.240"), momentLine("6.300", "473.460"),
               momentLine("7.200", "390.160"), momentLine("8.100", "232.340"),
               momentLine("9.000", "0.000") };
    // M_I = 340x - 40x^2, M_II = 420x - 40x^2 - 200.
    QTest::newRow("unequal forces, 5 fields")
        << Ulaz { 100, 300, 2, 10, 5 }
        << QStringList { momentLine("0.000", "0.000"), momentLine("2.000", "520.000"),
               momentLine("4.000", "840.000"), momentLine("6.000", "880.000"),
               momentLine("8.000", "600.000"), momentLine("10.000", "0.000") };
    // One force (P1 = 0, e = 0): both parabolas are P2 x (L - x) / L.
    QTest::newRow("single force, 4 fields")
        << Ulaz { 0, 100, 0, 4, 4 }
        << QStringList { momentLine("0.000", "0.000"), momentLine("1.000", "75.000"),
               momentLine("2.000", "100.000"), momentLine("3.000", "75.000"),
               momentLine("4.000", "0.000") };
}

void tst_ListingLines::momentLines()
{
    QFETCH(Ulaz, ulaz);
    QFETCH(QStringList, expected);
    const RezultatiProracuna r = zapis(ulaz.P1, ulaz.P2, ulaz.e, ulaz.L);
    QCOMPARE(qt(ListingLines::momenti(r, ulaz.n)), expected);
}

void tst_ListingLines::shearLines_data()
{
    QTest::addColumn<Ulaz>("ulaz");
    QTest::addColumn<QStringList>("expected");
    // The first minT is a negative zero and the last maxT a tiny negative number before the zero
    // rules: both must read 0.000 without a sign.
    QTest::newRow("start values, 10 fields")
        << Ulaz { 206, 208, 5, 9, 10 }
        << QStringList { shearLine("0.000", "298.444", "0.000"),
               shearLine("0.900", "257.044", "-20.800"), shearLine("1.800", "215.644", "-41.600"),
               shearLine("2.700", "174.244", "-62.400"), shearLine("3.600", "132.844", "-83.200"),
               shearLine("4.500", "103.000", "-104.000"), shearLine("5.400", "82.400", "-133.956"),
               shearLine("6.300", "61.800", "-175.356"), shearLine("7.200", "41.200", "-216.756"),
               shearLine("8.100", "20.600", "-258.156"), shearLine("9.000", "0.000", "-299.556") };
    // maxT = 340 - 40x up to 8, then 100 - 10x; minT = -30x up to 2, then 20 - 40x.
    QTest::newRow("unequal forces, 5 fields")
        << Ulaz { 100, 300, 2, 10, 5 }
        << QStringList { shearLine("0.000", "340.000", "0.000"),
               shearLine("2.000", "260.000", "-60.000"), shearLine("4.000", "180.000", "-140.000"),
               shearLine("6.000", "100.000", "-220.000"), shearLine("8.000", "20.000", "-300.000"),
               shearLine("10.000", "0.000", "-380.000") };
}

void tst_ListingLines::shearLines()
{
    QFETCH(Ulaz, ulaz);
    QFETCH(QStringList, expected);
    const RezultatiProracuna r = zapis(ulaz.P1, ulaz.P2, ulaz.e, ulaz.L);
    QCOMPARE(qt(ListingLines::transverzalneSile(r, ulaz.n)), expected);
}

void tst_ListingLines::shearBoundariesAtNineFields()
{
    // x = 4 lies on the maxT boundary (line II) and x = 5 on the minT boundary (line I); the lines
    // on either side meet there, so the values are those of both.
    const QStringList lines = qt(ListingLines::transverzalneSile(zapis(206, 208, 5, 9), 9));
    QCOMPARE(lines.size(), 10);
    QCOMPARE(lines.at(4), shearLine("4.000", "114.444", "-92.444"));
    QCOMPARE(lines.at(5), shearLine("5.000", "91.556", "-115.556"));
    QCOMPARE(lines.at(9), shearLine("9.000", "0.000", "-299.556"));
}

void tst_ListingLines::sectionsReachTheSpanDespiteRoundUp_data()
{
    QTest::addColumn<double>("L");
    QTest::addColumn<double>("n");
    QTest::addColumn<int>("count");
    QTest::addColumn<double>("last");
    // Ten additions of 0.9 give 9.000000000000002: still listed thanks to the tolerance.
    QTest::newRow("9 m in 10 fields, the sum overshoots") << 9.0 << 10.0 << 11 << 9.000000000000002;
    QTest::newRow("1 m in 3 fields") << 1.0 << 3.0 << 4 << 1.0;
    QTest::newRow("9 m in 9 fields, exact steps") << 9.0 << 9.0 << 10 << 9.0;
    QTest::newRow("0.1 m in 99 fields") << 0.1 << 99.0 << 100 << 0.1;
    QTest::newRow("a micrometre in 2 fields") << 1e-6 << 2.0 << 3 << 1e-6;
    QTest::newRow("1e-16 m in 99 fields") << 1e-16 << 99.0 << 100 << 1e-16;
}

void tst_ListingLines::sectionsReachTheSpanDespiteRoundUp()
{
    QFETCH(double, L);
    QFETCH(double, n);
    QFETCH(int, count);
    QFETCH(double, last);
    const std::vector<double> x = ListingLines::preseci(L, n);
    QCOMPARE(int(x.size()), count);
    QCOMPARE(x.front(), 0.0);
    QVERIFY(std::abs(x.back() - last) <= 1e-12 * last);
    // Repeated addition, not i * L / n.
    double sum = 0.0;
    for (const double xi : x) {
        QCOMPARE(xi, sum);
        sum = sum + L / n;
    }
}

void tst_ListingLines::fractionalFieldCountListsOnlyTheLeftSupport()
{
    const RezultatiProracuna r = zapis(206, 208, 5, 9);
    QCOMPARE(qt(ListingLines::momenti(r, 0.5)), QStringList { momentLine("0.000", "0.000") });
    QCOMPARE(qt(ListingLines::transverzalneSile(r, 0.9)),
        QStringList { shearLine("0.000", "298.444", "0.000") });
}

QTEST_APPLESS_MAIN(tst_ListingLines)
#include "tst_listinglines.moc"
