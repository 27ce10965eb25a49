// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/NumberText.h"
#include "core/TacneAnvelope.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <vector>

using namespace TacneAnvelope;

namespace {

// The reference: statics for one load position, swept over every position. A force exactly at
// the section counts as standing to its right for maxT and to its left for minT, the limits that
// the extremes approach.
struct Staticki
{
    double M, Tdesno, Tlevo;
};

Staticki statika(const UlazniParametri &u, double p1, double p2, double x)
{
    const double polozaji[2] = { p1, p2 };
    const double sile[2] = { u.P1, u.P2 };
    double RA = 0.0, levoStrogo = 0.0, levoUkljucivo = 0.0, momentLevo = 0.0;
    for (int i = 0; i < 2; ++i) {
        const double p = polozaji[i];
        if (p < 0.0 || p > u.L)
            continue;
        RA += sile[i] * (u.L - p) / u.L;
        if (p < x) {
            levoStrogo += sile[i];
            momentLevo += sile[i] * (x - p);
        }
        if (p <= x)
            levoUkljucivo += sile[i];
    }
    return { RA * x - momentLevo, RA - levoStrogo, RA - levoUkljucivo };
}

struct Ekstremi
{
    double extM, maxT, minT;
};

// Every position with a force on the span: a dense grid of a from -e to L, and the positions that
// put a force at x, at a support, or one force alone at a support's side.
Ekstremi pretraga(const UlazniParametri &u, double x)
{
    const double e = u.e, L = u.L;
    // (P1, P2), each force placed exactly rather than through a + e.
    std::vector<std::pair<double, double>> polozaji { { x, x + e }, { x - e, x }, { 0.0, e },
        { -e, 0.0 }, { L, L + e }, { L - e, L } };
    const int n = 2000;
    const double od = std::min(-e, 0.0), doA = std::max(L, L - e);
    for (int i = 0; i <= n; ++i) {
        const double a = od + (doA - od) * i / n;
        polozaji.push_back({ a, a + e });
    }
    Ekstremi r { -HUGE_VAL, -HUGE_VAL, HUGE_VAL };
    for (const auto &[p1, p2] : polozaji) {
        const Staticki s = statika(u, p1, p2, x);
        r.extM = std::max(r.extM, s.M);
        r.maxT = std::max(r.maxT, s.Tdesno);
        r.minT = std::min(r.minT, s.Tlevo);
    }
    return r;
}

double vrednostDelova(const std::vector<Deo> &delovi, double x)
{
    for (const Deo &d : delovi) {
        if (x <= d.xDo)
            return d.jednacina(x);
    }
    return delovi.back().jednacina(x);
}

std::vector<double> preseci(double L, int n)
{
    std::vector<double> x;
    for (int i = 0; i <= n; ++i)
        x.push_back(L * i / n);
    return x;
}

bool uZoni(const Razlika &r, double x)
{
    return std::any_of(
        r.zone.begin(), r.zone.end(), [x](const Zona &z) { return x >= z.xOd && x <= z.xDo; });
}

QString dve(double v)
{
    return QString::fromStdString(NumberText::fixed(v, 2));
}

} // namespace

class tst_TacneAnvelope : public QObject
{
    Q_OBJECT

private slots:
    void matchesSweepOverLoadPositions_data();
    void matchesSweepOverLoadPositions();
    void startValuesAgainstTheClassicalAtFourSections_data();
    void startValuesAgainstTheClassicalAtFourSections();
    void startValuesSummaryAndMaximum();
};

void tst_TacneAnvelope::matchesSweepOverLoadPositions_data()
{
    QTest::addColumn<double>("P1");
    QTest::addColumn<double>("P2");
    QTest::addColumn<double>("e");
    QTest::addColumn<double>("L");
    QTest::newRow("start values") << 206.0 << 208.0 << 5.0 << 9.0;
    QTest::newRow("e = 0") << 206.0 << 208.0 << 0.0 << 9.0;
    QTest::newRow("P1 = 0 as the input window sets it") << 0.0 << 150.0 << 0.0 << 6.0;
    QTest::newRow("P1 = 0 with a distance") << 0.0 << 150.0 << 3.0 << 6.0;
    QTest::newRow("P2 = 0") << 150.0 << 0.0 << 3.0 << 6.0;
    QTest::newRow("e just below L") << 206.0 << 208.0 << 8.9 << 9.0;
    QTest::newRow("e above L/2, heavy P2") << 100.0 << 300.0 << 6.0 << 10.0;
    QTest::newRow("e below L/2, heavy P2") << 100.0 << 300.0 << 2.0 << 10.0;
    QTest::newRow("e below L/2, heavy P1") << 300.0 << 100.0 << 4.9 << 10.0;
    QTest::newRow("tiny span") << 0.05 << 0.05 << 0.0005 << 0.001;
    QTest::newRow("huge span, largest forces") << 99999.0 << 99999.0 << 9998.0 << 9999.0;
    QTest::newRow("huge span, unequal forces") << 99999.0 << 1.0 << 4000.0 << 9999.0;
}

// The closed form at a section and the pieces over the span, against the swept statics; the exact
// envelopes never below the classical ones; the zones where the classical falls short.
void tst_TacneAnvelope::matchesSweepOverLoadPositions()
{
    QFETCH(double, P1);
    QFETCH(double, P2);
    QFETCH(double, e);
    QFETCH(double, L);
    const UlazniParametri u { P1, P2, e, L };
    RezultatiProracuna r;
    r.proracunaj(u);
    const Poredjenje p = uporedi(r, u);
    const double tol = 1e-9 * (P1 + P2) * L;

    for (const Velicina v : { Velicina::ExtM, Velicina::MaxT, Velicina::MinT }) {
        const std::vector<Deo> &delovi = p.tacne.delovi(v);
        QVERIFY(!delovi.empty() && delovi.size() <= 6);
        QCOMPARE(delovi.front().xOd, 0.0);
        QCOMPARE(delovi.back().xDo, L);
        for (std::size_t i = 1; i < delovi.size(); ++i)
            QCOMPARE(delovi[i].xOd, delovi[i - 1].xDo);
    }
    QVERIFY(p.tacne.extM.size() <= 4);

    double najvecaM = 0.0;
    for (const double x : preseci(L, 397)) {
        const Ekstremi ref = pretraga(u, x);
        const TacneVrednosti t = tacneVrednosti(u, x);
        const KlasicneVrednosti k = klasicneVrednosti(r, u, x);
        const auto poruka = [&](const char *sta, double dobijeno, double ocekivano) {
            return qPrintable(QStringLiteral("%1 at x = %2: %3, expected %4")
                                  .arg(QLatin1String(sta))
                                  .arg(x, 0, 'g', 17)
                                  .arg(dobijeno, 0, 'g', 17)
                                  .arg(ocekivano, 0, 'g', 17));
        };
        const std::pair<const char *, double> dobijeno[][2] = {
            { { "extM", t.extM.vrednost }, { "extM piece", vrednostDelova(p.tacne.extM, x) } },
            { { "maxT", t.maxT.vrednost }, { "maxT piece", vrednostDelova(p.tacne.maxT, x) } },
            { { "minT", t.minT.vrednost }, { "minT piece", vrednostDelova(p.tacne.minT, x) } },
        };
        const double ocekivano[] = { ref.extM, ref.maxT, ref.minT };
        for (int i = 0; i < 3; ++i) {
            for (const auto &[sta, vrednost] : dobijeno[i])
                QVERIFY2(
                    std::abs(vrednost - ocekivano[i]) <= tol, poruka(sta, vrednost, ocekivano[i]));
        }
        QVERIFY2(t.extM.vrednost >= k.extM - tol,
            poruka("extM over classical", t.extM.vrednost, k.extM));
        QVERIFY2(t.maxT.vrednost >= k.maxT - tol,
            poruka("maxT over classical", t.maxT.vrednost, k.maxT));
        QVERIFY2(t.minT.vrednost <= k.minT + tol,
            poruka("minT below classical", t.minT.vrednost, k.minT));

        // Clear of the threshold by more than rounding, a section lies in a zone exactly when the
        // classical value falls short.
        const double manjak[] = { ref.extM - k.extM, ref.maxT - k.maxT, k.minT - ref.minT };
        const Razlika *razlike[] = { &p.extM, &p.maxT, &p.minT };
        for (int i = 0; i < 3; ++i) {
            QVERIFY(razlike[i]->najveca >= manjak[i] - tol);
            if (std::abs(manjak[i] - zaokruzivanje) > tol)
                QCOMPARE(uZoni(*razlike[i], x), manjak[i] > zaokruzivanje);
        }
        najvecaM = std::max(najvecaM, ref.extM);
    }

    // The largest shortfall is what the two envelopes give at its section.
    for (const Velicina v : { Velicina::ExtM, Velicina::MaxT, Velicina::MinT }) {
        const Razlika &d = p.razlika(v);
        const Ekstremi ref = pretraga(u, d.x);
        const KlasicneVrednosti k = klasicneVrednosti(r, u, d.x);
        const double manjak = v == Velicina::ExtM ? ref.extM - k.extM
            : v == Velicina::MaxT                 ? ref.maxT - k.maxT
                                                  : k.minT - ref.minT;
        QVERIFY2(std::abs(d.najveca - manjak) <= tol, qPrintable(QString::fromStdString(naziv(v))));
    }
    QVERIFY(p.maksimum.M >= najvecaM - tol);
    QVERIFY(std::abs(pretraga(u, p.maksimum.x).extM - p.maksimum.M) <= tol);
}

void tst_TacneAnvelope::startValuesAgainstTheClassicalAtFourSections_data()
{
    QTest::addColumn<int>("velicina");
    QTest::addColumn<double>("x");
    QTest::addColumn<QString>("klasicna");
    QTest::addColumn<QString>("tacna");
    QTest::addColumn<QString>("polozaj");
    const int M = int(Velicina::ExtM), T = int(Velicina::MaxT);
    QTest::newRow("extM at 4.5") << M << 4.5 << "416.50"
                                 << "468.00"
                                 << "P2 u preseku, P1 van grede";
    QTest::newRow("extM at 4") << M << 4.0 << "457.78"
                               << "462.22"
                               << "P2 u preseku, P1 van grede";
    QTest::newRow("maxT at 4") << T << 4.0 << "114.44"
                               << "115.56"
                               << "P2 neposredno desno od preseka, P1 van grede";
    QTest::newRow("maxT at 5") << T << 5.0 << "91.56"
                               << "92.44"
                               << "P2 neposredno desno od preseka, P1 van grede";
}

void tst_TacneAnvelope::startValuesAgainstTheClassicalAtFourSections()
{
    QFETCH(int, velicina);
    QFETCH(double, x);
    QFETCH(QString, klasicna);
    QFETCH(QString, tacna);
    QFETCH(QString, polozaj);
    const UlazniParametri u { 206, 208, 5, 9 };
    RezultatiProracuna r;
    r.proracunaj(u);
    const Velicina v = Velicina(velicina);
    const KlasicneVrednosti k = klasicneVrednosti(r, u, x);
    const TacneVrednosti t = tacneVrednosti(u, x);
    const double kv = v == Velicina::ExtM ? k.extM : k.maxT;
    const TacnaVrednost &tv = v == Velicina::ExtM ? t.extM : t.maxT;
    QCOMPARE(dve(kv), klasicna);
    QCOMPARE(dve(tv.vrednost), tacna);
    QCOMPARE(QString::fromStdString(opisPolozaja(v, tv.polozaj)), polozaj);
    QCOMPARE(QString::fromStdString(napomena(v, kv, tv)),
        QStringLiteral("Tacna vrednost (svi polozaji sila): ") + tacna + ", " + polozaj);
    // A classical value within the rounding gets no note.
    QCOMPARE(napomena(v, tv.vrednost - 0.004, tv), std::string());
}

void tst_TacneAnvelope::startValuesSummaryAndMaximum()
{
    const UlazniParametri u { 206, 208, 5, 9 };
    RezultatiProracuna r;
    r.proracunaj(u);
    const Poredjenje p = uporedi(r, u);
    // P2 alone exceeds parabola I from L - P2*e/P1 on and meets parabola II at x = e; the largest
    // shortfall is where the two parabolas cross, at P1*L/R.
    // x/L (P1 (L - x) - P2 e) = 0.005
    const double od = (814.0 + std::sqrt(814.0 * 814.0 + 4.0 * 206.0 * 0.045)) / 412.0;
    const double xp = 206.0 * 9.0 / 414.0;
    const double najveca
        = 208.0 * xp * (9.0 - xp) / 9.0 - xp / 9.0 * (206.0 * (9.0 - xp) + 208.0 * (4.0 - xp));
    QCOMPARE(p.extM.zone.size(), std::size_t(1));
    QVERIFY(std::abs(p.extM.zone[0].xOd - od) < 1e-9);
    QCOMPARE(p.extM.zone[0].xDo < 5.0, true);
    QVERIFY(std::abs(p.extM.najveca - najveca) < 1e-9);
    const std::vector<std::string> linije = rezime(p);
    QCOMPARE(linije.size(), std::size_t(3));
    QCOMPARE(QString::fromStdString(linije[0]),
        "extM: klasicna anvelopa je po apsolutnoj vrednosti manja od tacne za x = "
            + QString::fromStdString(NumberText::fixed(od, 3)) + " do "
            + QString::fromStdString(NumberText::fixed(p.extM.zone[0].xDo, 3))
            + "; najveca razlika " + dve(najveca) + " kNm ("
            + QString::fromStdString(NumberText::fixed(100.0 * najveca / p.extM.tacna, 1))
            + " % tacne vrednosti) u x = " + QString::fromStdString(NumberText::fixed(xp, 3)));
    // The absolute maximum stands where both forces are on the span: the classical MmaxII.
    QVERIFY(std::abs(p.maksimum.M - r.dblMmaxII()) < 1e-9);
    QVERIFY(std::abs(p.maksimum.x - r.dblXmaxII()) < 1e-9);

    // A single force: the two envelopes agree.
    const UlazniParametri jedna { 0, 150, 0, 6 };
    r.proracunaj(jedna);
    const std::vector<std::string> slazu = rezime(uporedi(r, jedna));
    QCOMPARE(QString::fromStdString(slazu[2]),
        QStringLiteral("minT: klasicna i tacna anvelopa se slazu na celom rasponu"));
}

QTEST_GUILESS_MAIN(tst_TacneAnvelope)
#include "tst_tacneanvelope.moc"
