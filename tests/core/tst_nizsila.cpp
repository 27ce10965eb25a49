// SPDX-License-Identifier: GPL-3.0-or-later

#include "Nearly.h"
#include "PretragaNiza.h"
#include "core/KontroleNiza.h"
#include "core/NizSila.h"
#include "core/NizSilaTekst.h"

#include <QTest>

using namespace TacneAnvelope;

namespace {

Niz niz(const QList<double> &P, const QList<double> &a, double L, double g = 0.0, double fi = 1.0,
    bool oba = false)
{
    Niz n { {}, L, g, fi, oba };
    double pomak = 0.0;
    for (qsizetype i = 0; i < P.size(); ++i) {
        pomak += i > 0 ? a[i - 1] : 0.0;
        n.sile.push_back({ P[i], pomak });
    }
    return n;
}

// The self-weight's statics: the reaction g L / 2 and the load left of x.
double sopstvena(const Niz &n, Velicina v, double x)
{
    const double RA = n.g * n.L / 2.0;
    return v == Velicina::ExtM ? RA * x - n.g * x * x / 2.0 : RA - n.g * x;
}

// The reference of a train: the swept statics of the forces times fi, of the train written
// backwards (-pomak) when it travels both ways, plus the self-weight's statics.
double referenca(const Niz &n, Velicina v, double x)
{
    NizSila napred, nazad;
    for (const PokretnaSila &s : n.sile) {
        napred.push_back({ s.P * n.fi, s.pomak });
        nazad.push_back({ s.P * n.fi, -s.pomak });
    }
    double r = po(pretraga(napred, n.L, x), v);
    if (n.obaSmera) {
        const double o = po(pretraga(nazad, n.L, x), v);
        r = v == Velicina::MinT ? std::min(r, o) : std::max(r, o);
    }
    return r + sopstvena(n, v, x);
}

} // namespace

class tst_NizSila : public QObject
{
    Q_OBJECT

private slots:
    void matchesSweepOfTrainPositions_data();
    void matchesSweepOfTrainPositions();
    void checksNameTheRowOrField();
};

void tst_NizSila::matchesSweepOfTrainPositions_data()
{
    QTest::addColumn<QList<double>>("P");
    QTest::addColumn<QList<double>>("a");
    QTest::addColumn<double>("L");
    QTest::addColumn<double>("g");
    QTest::addColumn<double>("fi");
    QTest::addColumn<bool>("oba");
    QTest::addColumn<double>("xMaks"); // the textbook section of the absolute maximum, or -1
    using L = QList<double>;
    QTest::newRow("one force") << L { 150 } << L {} << 6.0 << 0.0 << 1.0 << false << 3.0;
    QTest::newRow("two forces: the pair")
        << L { 206, 208 } << L { 5 } << 9.0 << 0.0 << 1.0 << false << -1.0;
    // Two cranes of 2 x 100 kN: the resultant 0.5 m from P2, the midspan halving the distance.
    QTest::newRow("four wheels, two cranes")
        << L { 100, 100, 100, 100 } << L { 3, 1, 3 } << 12.0 << 0.0 << 1.0 << false << 5.75;
    // R = 300 kN 2/3 m before P2.
    QTest::newRow("heavier second force")
        << L { 100, 200 } << L { 2 } << 10.0 << 0.0 << 1.0 << false << 5.0 + 1.0 / 3.0;
    QTest::newRow("both directions, dynamic factor")
        << L { 300, 100, 50 } << L { 1.5, 4 } << 10.0 << 0.0 << 1.35 << true << -1.0;
    QTest::newRow("self-weight alone") << L { 1e-9 } << L {} << 8.0 << 12.5 << 1.0 << false << -1.0;
    QTest::newRow("self-weight, both ways")
        << L { 80, 160, 40 } << L { 2, 2.5 } << 7.0 << 3.0 << 2.0 << true << -1.0;
    QTest::newRow("train longer than the span")
        << L { 120, 90, 120, 60 } << L { 3, 4, 2.5 } << 5.0 << 0.0 << 1.0 << true << -1.0;
    QTest::newRow("zero distances")
        << L { 100, 100, 50 } << L { 0, 2 } << 6.0 << 0.0 << 1.0 << false << -1.0;
}

// Values at sections, the envelopes' pieces, the positions named, the support shears and the
// absolute maximum against the swept statics.
void tst_NizSila::matchesSweepOfTrainPositions()
{
    QFETCH(QList<double>, P);
    QFETCH(QList<double>, a);
    QFETCH(double, L);
    QFETCH(double, g);
    QFETCH(double, fi);
    QFETCH(bool, oba);
    QFETCH(double, xMaks);
    const Niz n = niz(P, a, L, g, fi, oba);
    const RezultatNiza r = proracunajNiz(n);
    double ukupno = g * L;
    for (const double p : P)
        ukupno += p * fi;
    const double tol = 1e-9 * ukupno * L;
    const NizSila sile = dejstvo(n);
    const NizSila obrnute = obrnut(sile);
    double najveciM = 0.0;
    for (const VrednostiUPreseku &p : preseciNiza(n, 97)) {
        for (const Velicina v : sveVelicine) {
            const double ref = referenca(n, v, p.x);
            const TacnaVrednost &t = p.vrednosti[v];
            QVERIFY2(std::abs(t.vrednost - ref) <= tol, qPrintable(QString::number(p.x)));
            QVERIFY(std::abs(vrednostDelova(r.anvelope[v], p.x) - ref) <= tol);
            // The named position gives the value: its force at x, the train as it then stands.
            const NizSila &voz = t.polozaj.obrnuto ? obrnute : sile;
            const int k = t.polozaj.obrnuto ? int(sile.size()) - 1 - t.polozaj.uPreseku
                                            : t.polozaj.uPreseku;
            std::vector<double> mesta;
            for (const PokretnaSila &s : voz)
                mesta.push_back(p.x + (s.pomak - voz[k].pomak));
            const Staticki s = statika(voz, L, mesta, p.x);
            const double samo = v == Velicina::ExtM ? s.M
                : v == Velicina::MaxT               ? s.Tdesno
                                                    : s.Tlevo;
            QVERIFY(std::abs(samo + sopstvena(n, v, p.x) - t.vrednost) <= tol);
        }
        najveciM = std::max(najveciM, p.vrednosti[Velicina::ExtM].vrednost);
    }
    QVERIFY(std::abs(r.reakcije.A.vrednost - referenca(n, Velicina::MaxT, 0.0)) <= tol);
    QVERIFY(std::abs(r.reakcije.B.vrednost - referenca(n, Velicina::MinT, L)) <= tol);
    QVERIFY(r.maksimum.M >= najveciM - tol);
    QVERIFY(std::abs(referenca(n, Velicina::ExtM, r.maksimum.x) - r.maksimum.M) <= tol);
    if (g == 0.0 && !oba)
        QVERIFY(nearly(r.maksimum.M, najveciMomentPretragom(sile, L, 200000), 1e-9));
    if (xMaks >= 0.0)
        QVERIFY_NEARLY(r.maksimum.x, xMaks);

    // A pair travelling one way is the input window's pair, to the last bit.
    if (P.size() == 2 && !oba && g == 0.0 && fi == 1.0) {
        RezultatiProracuna pr;
        pr.proracunaj({ P[0], P[1], a[0], L });
        const Poredjenje par = uporedi(pr);
        for (const Velicina v : sveVelicine) {
            QCOMPARE(r.anvelope[v].size(), par.tacne[v].size());
            for (std::size_t i = 0; i < par.tacne[v].size(); ++i) {
                QCOMPARE(r.anvelope[v][i].xDo, par.tacne[v][i].xDo);
                QCOMPARE(r.anvelope[v][i].jednacina.c1, par.tacne[v][i].jednacina.c1);
            }
            for (const double x : { 0.0, 2.5, 4.0, L })
                QCOMPARE(vrednostiNiza(n, x)[v].vrednost, tacneVrednosti(pr, x)[v].vrednost);
        }
        QCOMPARE(r.maksimum.M, par.maksimum.M);
    }
}

void tst_NizSila::checksNameTheRowOrField()
{
    using namespace KontroleNiza;
    TekstoviNiza t { { "120", "0", "99999.1", "5" }, { "", "3.6", "", "9999.5" }, "0", "-1",
        "2.01" };
    std::string poruke;
    for (const Greska &g : proveri(t, false).greske)
        poruke += poruka(g) + "\n";
    QCOMPARE(poruke,
        "Sila P u redu 2 mora biti decimalan broj veci od 0 i najvise 99999 kN!\n"
        "Sila P u redu 3 mora biti decimalan broj veci od 0 i najvise 99999 kN!\n"
        "Razmak a u redu 3 mora biti decimalan broj od 0 do 9999 m!\n"
        "Razmak a u redu 4 mora biti decimalan broj od 0 do 9999 m!\n"
        "Raspon grede L mora biti decimalan broj veci od 0 i najvise 9999 m!\n"
        "Sopstvena tezina g mora biti decimalan broj od 0 do 99999 kN/m!\n"
        "Dinamicki koeficijent mora biti decimalan broj od 1 do 2!\n");
    t = { std::vector<std::string>(21, "1"), std::vector<std::string>(21, "0"), "9999", "0", "2" };
    QCOMPARE(proveri(t, true).greske.size(), 1u);
    t.sile.resize(20);
    const ProveraNiza p = proveri(t, true);
    QVERIFY(p.prihvaceno() && p.niz.fi == 2.0 && p.niz.L == 9999.0 && p.niz.obaSmera);
}

QTEST_GUILESS_MAIN(tst_NizSila)
#include "tst_nizsila.moc"
