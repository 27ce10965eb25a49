// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/RazmereDijagrama.h"

#include "Nearly.h"

#include <QTest>

class tst_RazmereDijagrama : public QObject
{
    Q_OBJECT

private slots:
    void scalesOfTheStartValues();
    void referenceValuesTakeTheLargerCandidate_data();
    void referenceValuesTakeTheLargerCandidate();
    void korakGredeBoundariesTakeTheLowerInterval_data();
    void korakGredeBoundariesTakeTheLowerInterval();
    void korakMomentaBoundariesTakeTheLowerInterval_data();
    void korakMomentaBoundariesTakeTheLowerInterval();
    void korakSileBoundariesTakeTheLowerInterval_data();
    void korakSileBoundariesTakeTheLowerInterval();
    void progressReadsWholePercentsRoundingHalvesUp();
    void progressBarValueIsSinglePrecision();
};

void tst_RazmereDijagrama::scalesOfTheStartValues()
{
    RezultatiProracuna r;
    const UlazniParametri ulaz { 206, 208, 5, 9 };
    r.proracunaj(ulaz);
    const RazmereDijagrama s = razmereDijagrama(r);

    QVERIFY_NEARLY(s.sx, 56.111111111111);
    QCOMPARE(s.Mref, r.dblMmaxII());
    QVERIFY_NEARLY(s.Mref, 487.682233);
    QVERIFY_NEARLY(s.sM, 0.3075773318);
    QVERIFY_NEARLY(s.q, 299.5555555556);
    QVERIFY(s.q >= r.dblKBmaxTII());
    QCOMPARE(s.Tref, s.q);
    QVERIFY_NEARLY(s.sT, 0.3338278932);
    QCOMPARE(korakGrede(9), 0.001);
    QCOMPARE(korakMomenta(s.Mref), 1.0);
    QCOMPARE(korakSile(s.Tref), 1.0);

    // The larger maximum ends 150 pixels below the beam line, Tref 100 pixels from the base line.
    QVERIFY_NEARLY(25 + s.sM * s.Mref, 175.0);
    QVERIFY_NEARLY(300 + s.sT * s.Tref, 400.0);
}

void tst_RazmereDijagrama::referenceValuesTakeTheLargerCandidate_data()
{
    QTest::addColumn<double>("P1");
    QTest::addColumn<double>("P2");
    QTest::addColumn<double>("e");
    QTest::addColumn<double>("L");
    QTest::addColumn<double>("Mref");
    QTest::addColumn<double>("Tref");

    // P1 = 206 < P2: parabola II and minT at the right support are the larger.
    QTest::newRow("start values") << 206.0 << 208.0 << 5.0 << 9.0 << 487.682233 << 299.5555555556;
    // A heavier left force: parabola I and maxT at the left support win.
    QTest::newRow("heavier left force") << 300.0 << 100.0 << 2.0 << 10.0 << 902.5 << 380.0;
    QTest::newRow("single force, equal maxima") << 0.0 << 208.0 << 0.0 << 9.0 << 468.0 << 208.0;
}

void tst_RazmereDijagrama::referenceValuesTakeTheLargerCandidate()
{
    QFETCH(double, P1);
    QFETCH(double, P2);
    QFETCH(double, e);
    QFETCH(double, L);
    QFETCH(double, Mref);
    QFETCH(double, Tref);
    RezultatiProracuna r;
    r.proracunaj({ P1, P2, e, L });
    const RazmereDijagrama s = razmereDijagrama(r);
    QVERIFY_NEARLY(s.Mref, Mref);
    QVERIFY_NEARLY(s.Tref, Tref);
    QCOMPARE(s.sM, 150 / s.Mref);
    QCOMPARE(s.sT, 100 / s.Tref);
    QCOMPARE(s.sx, 505 / L);
}

void tst_RazmereDijagrama::korakGredeBoundariesTakeTheLowerInterval_data()
{
    QTest::addColumn<double>("L");
    QTest::addColumn<double>("hx");
    QTest::newRow("L 0.4999") << 0.4999 << 0.00001;
    QTest::newRow("L 0.5") << 0.5 << 0.0001;
    QTest::newRow("L 1") << 1.0 << 0.0001;
    QTest::newRow("L 1.001") << 1.001 << 0.001;
    QTest::newRow("L 10") << 10.0 << 0.001;
    QTest::newRow("L 10.01") << 10.01 << 0.01;
    QTest::newRow("L 100") << 100.0 << 0.01;
    QTest::newRow("L 100.1") << 100.1 << 0.1;
    QTest::newRow("L 1000") << 1000.0 << 0.1;
    QTest::newRow("L 1000.5") << 1000.5 << 1.0;
    QTest::newRow("L 9999") << 9999.0 << 1.0;
}

void tst_RazmereDijagrama::korakGredeBoundariesTakeTheLowerInterval()
{
    QFETCH(double, L);
    QFETCH(double, hx);
    QCOMPARE(korakGrede(L), hx);
}

void tst_RazmereDijagrama::korakMomentaBoundariesTakeTheLowerInterval_data()
{
    QTest::addColumn<double>("Mref");
    QTest::addColumn<double>("hM");
    QTest::newRow("Mref 0.05") << 0.05 << 0.0000001;
    QTest::newRow("Mref 0.0999") << 0.0999 << 0.0000001;
    QTest::newRow("Mref 0.1") << 0.1 << 0.0001;
    QTest::newRow("Mref 0.5") << 0.5 << 0.0001;
    QTest::newRow("Mref 0.5001") << 0.5001 << 0.001;
    QTest::newRow("Mref 1") << 1.0 << 0.001;
    QTest::newRow("Mref 10") << 10.0 << 0.01;
    QTest::newRow("Mref 100") << 100.0 << 0.1;
    QTest::newRow("Mref 1000") << 1000.0 << 1.0;
    QTest::newRow("Mref 10000") << 10000.0 << 10.0;
    QTest::newRow("Mref 100000") << 100000.0 << 100.0;
    QTest::newRow("Mref 1000000") << 1000000.0 << 1000.0;
    QTest::newRow("Mref 1000001") << 1000001.0 << 10000.0;
}

void tst_RazmereDijagrama::korakMomentaBoundariesTakeTheLowerInterval()
{
    QFETCH(double, Mref);
    QFETCH(double, hM);
    QCOMPARE(korakMomenta(Mref), hM);
}

void tst_RazmereDijagrama::korakSileBoundariesTakeTheLowerInterval_data()
{
    QTest::addColumn<double>("Tref");
    QTest::addColumn<double>("hT");
    QTest::newRow("Tref 0.05") << 0.05 << 0.000001;
    QTest::newRow("Tref 0.1") << 0.1 << 0.0001;
    QTest::newRow("Tref 0.5") << 0.5 << 0.0001;
    QTest::newRow("Tref 1") << 1.0 << 0.001;
    QTest::newRow("Tref 10") << 10.0 << 0.01;
    QTest::newRow("Tref 100") << 100.0 << 0.1;
    QTest::newRow("Tref 1000") << 1000.0 << 1.0;
    QTest::newRow("Tref 10000") << 10000.0 << 10.0;
    QTest::newRow("Tref 100000") << 100000.0 << 100.0;
    QTest::newRow("Tref 150000") << 150000.0 << 200.0;
    QTest::newRow("Tref 5000000") << 5000000.0 << 200.0;
}

void tst_RazmereDijagrama::korakSileBoundariesTakeTheLowerInterval()
{
    QFETCH(double, Tref);
    QFETCH(double, hT);
    QCOMPARE(korakSile(Tref), hT);
}

void tst_RazmereDijagrama::progressReadsWholePercentsRoundingHalvesUp()
{
    const QStringList expected { "4%", "8%", "13%", "17%", "21%", "25%", "29%", "33%", "38%", "42%",
        "46%", "50%", "54%", "58%", "63%", "67%", "71%", "75%", "79%", "83%", "88%", "92%", "96%",
        "100%" };
    QStringList labels;
    for (int k = 1; k <= 24; ++k)
        labels << QString::fromStdString(progressLabel(k));
    QCOMPARE(labels, expected);
}

void tst_RazmereDijagrama::progressBarValueIsSinglePrecision()
{
    QCOMPARE(progressValue(1), 100.0f / 24.0f);
    QCOMPARE(progressValue(3), 12.5f);
    QCOMPARE(progressValue(23), 23.0f * 100.0f / 24.0f);
    QCOMPARE(progressValue(24), 100.0f);
}

QTEST_APPLESS_MAIN(tst_RazmereDijagrama)
#include "tst_razmeredijagrama.moc"
