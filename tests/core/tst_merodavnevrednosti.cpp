// SPDX-License-Identifier: GPL-3.0-or-later

#include "Nearly.h"

#include "core/MerodavneVrednosti.h"

#include <algorithm>
#include <vector>

using MerodavneVrednosti::Obrazac;

namespace {

// An independent reference: the pair stepped across the span by statics alone (P1 at a, P2 at
// a + e, a force off [0, L] carrying nothing), the largest moment under a force and the largest
// reactions over every position.
struct Statika
{
    double M = 0.0, RA = 0.0, RB = 0.0;
};

Statika prekoRaspona(const UlazniParametri &u)
{
    Statika s;
    // Fine steps between the positions where a force enters or leaves the span, those included.
    std::vector<double> polozaji;
    const double granice[] = { -u.e, 0.0, u.L - u.e, u.L };
    for (int g = 0; g < 3; ++g) {
        constexpr int koraka = 100000;
        for (int i = 0; i <= koraka; ++i)
            polozaji.push_back(granice[g] + (granice[g + 1] - granice[g]) * i / koraka);
    }
    for (const double a : polozaji) {
        const double p[2] = { a, a + u.e };
        const double P[2] = { u.P1, u.P2 };
        double RA = 0.0, RB = 0.0;
        for (int k = 0; k < 2; ++k) {
            if (p[k] >= 0.0 && p[k] <= u.L) {
                RA += p[k] < u.L ? P[k] * (u.L - p[k]) / u.L : 0.0;
                RB += p[k] > 0.0 ? P[k] * p[k] / u.L : 0.0;
            }
        }
        s.RA = std::max(s.RA, RA);
        s.RB = std::max(s.RB, RB);
        for (int k = 0; k < 2; ++k) {
            if (p[k] < 0.0 || p[k] > u.L)
                continue;
            double M = RA * p[k];
            if (k == 1 && p[0] >= 0.0)
                M -= P[0] * (p[1] - p[0]);
            s.M = std::max(s.M, M);
        }
    }
    return s;
}

} // namespace

Q_DECLARE_METATYPE(UlazniParametri)
Q_DECLARE_METATYPE(Obrazac)

class tst_MerodavneVrednosti : public QObject
{
    Q_OBJECT

private slots:
    void governingValuesMatchStatics_data();
    void governingValuesMatchStatics();
};

void tst_MerodavneVrednosti::governingValuesMatchStatics_data()
{
    QTest::addColumn<UlazniParametri>("ulaz");
    QTest::addColumn<Obrazac>("obrazac");
    QTest::addColumn<double>("x"); // where the absolute maximum stands, m
    QTest::newRow("equal forces far apart: one at midspan, P L / 4 = 180")
        << UlazniParametri { 120, 120, 3.6, 6 } << Obrazac::JednaSila << 3.0;
    QTest::newRow("start values: both on the span, R (L - d)^2 / 4L")
        << UlazniParametri { 206, 208, 5, 9 } << Obrazac::ParSila << (9 + 5 - 5 * 208 / 414.0) / 2;
    QTest::newRow("heavy force far ahead: P1 alone, 337.5")
        << UlazniParametri { 150, 60, 7, 9 } << Obrazac::JednaSila << 4.5;
}

void tst_MerodavneVrednosti::governingValuesMatchStatics()
{
    QFETCH(UlazniParametri, ulaz);
    QFETCH(Obrazac, obrazac);
    QFETCH(double, x);
    RezultatiProracuna r;
    r.proracunaj(ulaz);
    const auto m = MerodavneVrednosti::merodavne(TacneAnvelope::uporedi(r), r);
    const Statika s = prekoRaspona(ulaz);
    QVERIFY2(nearly(m.moment.M, s.M, 1e-9), qPrintable(QString::number(m.moment.M, 'g', 17)));
    QVERIFY(m.moment.obrazac == obrazac);
    QVERIFY(nearly(m.moment.x, x, 1e-12));
    QVERIFY(nearly(m.A.T, s.RA, 1e-12));
    QVERIFY(nearly(m.B.T, -s.RB, 1e-12));
    QCOMPARE(m.A.x, 0.0);
    QCOMPARE(m.B.x, ulaz.L);
}

QTEST_GUILESS_MAIN(tst_MerodavneVrednosti)
#include "tst_merodavnevrednosti.moc"
