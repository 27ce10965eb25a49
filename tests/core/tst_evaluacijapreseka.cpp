// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/EvaluacijaPreseka.h"

#include "core/NumberText.h"

#include <QTest>

namespace {

// As the results window shows a value after its re-format pass.
QString prikaz(double value)
{
    return QString::fromStdString(NumberText::fixed(value, 2));
}

const UlazniParametri pocetne { 206, 208, 5, 9 };

} // namespace

Q_DECLARE_METATYPE(UlazniParametri)

class tst_EvaluacijaPreseka : public QObject
{
    Q_OBJECT

private slots:
    void momentAtSection_data();
    void momentAtSection();
    void shearAtSection_data();
    void shearAtSection();
};

void tst_EvaluacijaPreseka::momentAtSection_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<QString>("MI");
    QTest::addColumn<QString>("MII");
    QTest::addColumn<QString>("extM");
    QTest::newRow("left support") << 0.0 << "0.00"
                                  << "-1030.00"
                                  << "0.00";
    QTest::newRow("x = 2, parabola I governs") << 2.0 << "412.89"
                                               << "-157.11"
                                               << "412.89";
    QTest::newRow("midspan, parabola II governs") << 4.5 << "411.50"
                                                  << "416.50"
                                                  << "416.50";
    QTest::newRow("x = 6") << 6.0 << "134.67"
                           << "484.67"
                           << "484.67";
    QTest::newRow("right support") << 9.0 << "-1040.00"
                                   << "0.00"
                                   << "0.00";
    QTest::newRow("just left of the crossing") << 4.478 << "414.02"
                                               << "413.96"
                                               << "414.02";
}

void tst_EvaluacijaPreseka::momentAtSection()
{
    QFETCH(double, x);
    QFETCH(QString, MI);
    QFETCH(QString, MII);
    QFETCH(QString, extM);
    RezultatiProracuna r;
    r.proracunaj(pocetne);
    const MomentUPreseku m = momentUPreseku(r, x);
    QCOMPARE(prikaz(m.MI), MI);
    QCOMPARE(prikaz(m.MII), MII);
    QCOMPARE(prikaz(m.extM), extM);
    // extM is one of the two values exactly as written beside it.
    const std::string written = NumberText::general(m.extM);
    QVERIFY(written == NumberText::general(m.MI) || written == NumberText::general(m.MII));
}

void tst_EvaluacijaPreseka::shearAtSection_data()
{
    QTest::addColumn<UlazniParametri>("ulaz");
    QTest::addColumn<double>("x");
    QTest::addColumn<QString>("maxT");
    QTest::addColumn<QString>("minT");
    QTest::newRow("x = 2, first lines") << pocetne << 2.0 << "206.44"
                                        << "-46.22";
    QTest::newRow("x = 4 on the maxT bound takes the first line") << pocetne << 4.0 << "114.44"
                                                                  << "-92.44";
    QTest::newRow("x = 5 on the minT bound takes the first line") << pocetne << 5.0 << "91.56"
                                                                  << "-115.56";
    QTest::newRow("x = 6, second lines") << pocetne << 6.0 << "68.67"
                                         << "-161.56";
    QTest::newRow("left support") << pocetne << 0.0 << "298.44"
                                  << "0.00";
    QTest::newRow("right support") << pocetne << 9.0 << "0.00"
                                   << "-299.56";
    // Between a bound and its display (8.004 shows 8.00, 0.996 shows 1.00) the lines differ.
    const UlazniParametri blizu { 206, 208, 0.996, 9 };
    QTest::newRow("just left of the maxT bound 8.004") << blizu << 8.002 << "22.89"
                                                       << "-345.29";
    QTest::newRow("just right of the minT bound 0.996") << blizu << 0.998 << "345.07"
                                                        << "-23.11";
    QTest::newRow("span 0.001, midspan")
        << UlazniParametri { 206, 208, 0, 0.001 } << 0.0005 << "207.00"
        << "-207.00";
}

void tst_EvaluacijaPreseka::shearAtSection()
{
    QFETCH(UlazniParametri, ulaz);
    QFETCH(double, x);
    QFETCH(QString, maxT);
    QFETCH(QString, minT);
    RezultatiProracuna r;
    r.proracunaj(ulaz);
    const TransverzalnaSilaUPreseku t = transverzalnaSilaUPreseku(r, x);
    QCOMPARE(prikaz(t.maxT), maxT);
    QCOMPARE(prikaz(t.minT), minT);
}

QTEST_APPLESS_MAIN(tst_EvaluacijaPreseka)
#include "tst_evaluacijapreseka.moc"
