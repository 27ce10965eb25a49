// SPDX-License-Identifier: GPL-3.0-or-later

#include "PretragaNiza.h"
#include "core/EvaluacijaPreseka.h"
#include "core/NumberText.h"
#include "core/TacneAnvelopeTekst.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <vector>

using namespace TacneAnvelope;

namespace {

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
    void listsOfOneAndTwoForcesGiveThePair();
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
    const Poredjenje p = uporedi(r);
    const NizSila sile = par(u);
    const double tol = 1e-9 * (P1 + P2) * L;

    for (const Velicina v : sveVelicine) {
        const std::vector<Deo> &delovi = p.tacne[v];
        QVERIFY(!delovi.empty() && delovi.size() <= 6);
        QCOMPARE(delovi.front().xOd, 0.0);
        QCOMPARE(delovi.back().xDo, L);
        for (std::size_t i = 1; i < delovi.size(); ++i)
            QCOMPARE(delovi[i].xOd, delovi[i - 1].xDo);
    }
    QVERIFY(p.tacne[Velicina::ExtM].size() <= 4);

    double najvecaM = 0.0;
    for (const double x : preseci(L, 397)) {
        const Ekstremi ref = pretraga(sile, L, x);
        const TacneVrednosti t = tacneVrednosti(r, x);
        const PoVelicini<double> k = klasicneVrednosti(r, x);
        const auto poruka = [&](const char *sta, double dobijeno, double ocekivano) {
            return qPrintable(QStringLiteral("%1 at x = %2: %3, expected %4")
                                  .arg(QLatin1String(sta))
                                  .arg(x, 0, 'g', 17)
                                  .arg(dobijeno, 0, 'g', 17)
                                  .arg(ocekivano, 0, 'g', 17));
        };
        for (const Velicina v : sveVelicine) {
            const char *ime[] = { "extM", "maxT", "minT" };
            const double ocekivano = po(ref, v);
            const double s = v == Velicina::MinT ? -1.0 : 1.0;
            for (const double vrednost : { t[v].vrednost, vrednostDelova(p.tacne[v], x) })
                QVERIFY2(std::abs(vrednost - ocekivano) <= tol,
                    poruka(ime[int(v)], vrednost, ocekivano));
            QVERIFY2(s * t[v].vrednost >= s * k[v] - tol,
                poruka("beyond classical", t[v].vrednost, k[v]));

            // Clear of the threshold by more than rounding, a section lies in a zone exactly when
            // the classical value falls short.
            const double manjak = s * (ocekivano - k[v]);
            QVERIFY(p.razlike[v].najveca >= manjak - tol);
            if (std::abs(manjak - zaokruzivanje) > tol)
                QCOMPARE(uZoni(p.razlike[v], x), manjak > zaokruzivanje);
        }
        najvecaM = std::max(najvecaM, ref.extM);
    }

    // The largest shortfall is what the two envelopes give at its section.
    for (const Velicina v : sveVelicine) {
        const Razlika &d = p.razlike[v];
        const double s = v == Velicina::MinT ? -1.0 : 1.0;
        const double manjak = s * (po(pretraga(sile, L, d.x), v) - klasicneVrednosti(r, d.x)[v]);
        QVERIFY2(std::abs(d.najveca - manjak) <= tol, qPrintable(QString::fromStdString(naziv(v))));
    }
    QVERIFY(p.maksimum.M >= najvecaM - tol);
    QVERIFY(std::abs(pretraga(sile, L, p.maksimum.x).extM - p.maksimum.M) <= tol);
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
    const double kv = klasicneVrednosti(r, x)[v];
    const TacnaVrednost tv = tacneVrednosti(r, x)[v];
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
    const Poredjenje p = uporedi(r);
    const Razlika &extM = p.razlike[Velicina::ExtM];
    // P2 alone exceeds parabola I from L - P2*e/P1 on and meets parabola II at x = e; the largest
    // shortfall is where the two parabolas cross, at P1*L/R.
    // x/L (P1 (L - x) - P2 e) = 0.005
    const double od = (814.0 + std::sqrt(814.0 * 814.0 + 4.0 * 206.0 * 0.045)) / 412.0;
    const double xp = 206.0 * 9.0 / 414.0;
    const double najveca
        = 208.0 * xp * (9.0 - xp) / 9.0 - xp / 9.0 * (206.0 * (9.0 - xp) + 208.0 * (4.0 - xp));
    QCOMPARE(extM.zone.size(), std::size_t(1));
    QVERIFY(std::abs(extM.zone[0].xOd - od) < 1e-9);
    QCOMPARE(extM.zone[0].xDo < 5.0, true);
    QVERIFY(std::abs(extM.najveca - najveca) < 1e-9);
    const std::vector<std::string> linije = rezime(p);
    QCOMPARE(linije.size(), std::size_t(3));
    QCOMPARE(QString::fromStdString(linije[0]),
        "extM: klasicna anvelopa je po apsolutnoj vrednosti manja od tacne za x = "
            + QString::fromStdString(NumberText::fixed(od, 3)) + " do "
            + QString::fromStdString(NumberText::fixed(extM.zone[0].xDo, 3)) + "; najveca razlika "
            + dve(najveca) + " kNm ("
            + QString::fromStdString(NumberText::fixed(100.0 * najveca / extM.tacna, 1))
            + " % tacne vrednosti) u x = " + QString::fromStdString(NumberText::fixed(xp, 3)));
    // The absolute maximum stands where both forces are on the span: the classical MmaxII.
    QVERIFY(std::abs(p.maksimum.M - r.dblMmaxII()) < 1e-9);
    QVERIFY(std::abs(p.maksimum.x - r.dblXmaxII()) < 1e-9);

    // A single force: the two envelopes agree.
    const UlazniParametri jedna { 0, 150, 0, 6 };
    r.proracunaj(jedna);
    const std::vector<std::string> slazu = rezime(uporedi(r));
    QCOMPARE(QString::fromStdString(slazu[2]),
        QStringLiteral("minT: klasicna i tacna anvelopa se slazu na celom rasponu"));
}

// The pair is one case of a train: a single force is the pair with P1 = 0, and two forces listed
// as a train are the pair, to the last bit, at every section and in every piece.
void tst_TacneAnvelope::listsOfOneAndTwoForcesGiveThePair()
{
    const double L = 9.0;
    const std::pair<NizSila, UlazniParametri> slucajevi[] = {
        { { { 150.0, 0.0 } }, { 0.0, 150.0, 0.0, L } },
        { { { 206.0, 0.0 }, { 208.0, 5.0 } }, { 206.0, 208.0, 5.0, L } },
    };
    for (const auto &[niz, u] : slucajevi) {
        const Anvelope a = tacneAnvelope(niz, L), b = tacneAnvelope(par(u), L);
        for (const Velicina v : sveVelicine) {
            QCOMPARE(a[v].size(), b[v].size());
            for (std::size_t i = 0; i < a[v].size(); ++i) {
                QCOMPARE(a[v][i].xOd == b[v][i].xOd && a[v][i].xDo == b[v][i].xDo, true);
                for (const double x :
                    { a[v][i].xOd, a[v][i].xDo, 0.5 * (a[v][i].xOd + a[v][i].xDo) })
                    QCOMPARE(a[v][i].jednacina(x) == b[v][i].jednacina(x), true);
            }
            for (const double x : preseci(L, 90))
                QCOMPARE(tacneVrednosti(niz, L, x)[v].vrednost
                        == tacneVrednosti(par(u), L, x)[v].vrednost,
                    true);
        }
    }
}

QTEST_GUILESS_MAIN(tst_TacneAnvelope)
#include "tst_tacneanvelope.moc"
