// SPDX-License-Identifier: GPL-3.0-or-later

#include "output/ProracunskiListBlokovi.h"

#include "core/ListingLines.h"
#include "core/NumberText.h"
#include "core/OznakeRezultata.h"
#include "core/TacneAnvelope.h"

#include <cmath>

namespace ProracunskiList {

namespace {

// A caption of the results window, as the window shows it in the user's language.
QString oznaka(const char *izvor)
{
    return QCoreApplication::translate("frmIzlazna", izvor).trimmed();
}

// The heading of an envelope's section: its title, the caption of its equations and their units
// on the right. Returns where the equations start.
double zaglavljeJednacina(Platno &c, double y, int broj, const QString &naslov,
    const QString &jednacine, const QString &jedinice)
{
    naslovOdeljka(c, y, broj, naslov);
    const double yr = y + naslovVisina + 1;
    podnaslov(c, levo, yr, jednacine);
    c.tekst(levo + 110, yr, desno - levo - 110, 5, jedinice, slova(8),
        Qt::AlignRight | Qt::AlignVCenter, siva);
    return yr;
}

// A dimension line with the slashes of the input window at both ends and its text above.
void kota(Platno &c, double x1, double x2, double y, const QString &text)
{
    c.linija(x1 - 1.5, y, x2 + 1.5, y, 0.18);
    for (const double x : { x1, x2 })
        c.linija(x - 1.2, y + 1.2, x + 1.2, y - 1.2, 0.3);
    c.tekst(x1, y - 5, x2 - x1, 4.6, text, slova(9, true), Qt::AlignHCenter | Qt::AlignVCenter);
}

// The beam sketch of the input window, in its proportions: the beam on a fixed and a movable
// support, P1 and P2 on it with the distance e between them, and the span L below.
void skicaGrede(Platno &c, double x, double y, double w, const UlazniParametri &u)
{
    const double yg = y + 21; // the beam line
    const double xa = x + 0.06 * w;
    const double xb = x + 0.94 * w;
    const double raspon = xb - xa;
    // The forces where the input window draws them: at 2610 and 5490 twips on a beam from 330
    // to 6810.
    const double x1 = xa + 0.352 * raspon;
    const double x2 = xa + 0.796 * raspon;

    const auto oslonac = [&](double xo) {
        QPainterPath trougao;
        trougao.moveTo(c.tacka(xo, yg + 0.4));
        trougao.lineTo(c.tacka(xo - 2.4, yg + 4.2));
        trougao.lineTo(c.tacka(xo + 2.4, yg + 4.2));
        trougao.closeSubpath();
        c.putanja(trougao, c.olovka(0.3), Qt::white);
    };
    oslonac(xa);
    c.linija(xa - 4, yg + 4.2, xa + 4, yg + 4.2, 0.35);
    for (int i = 0; i < 5; ++i) {
        const double xs = xa - 3.6 + 1.8 * i;
        c.linija(xs, yg + 4.2, xs - 1.4, yg + 5.8, 0.18);
    }
    oslonac(xb);
    c.linija(xb - 4, yg + 4.2, xb + 4, yg + 4.2, 0.35);
    c.linija(xb - 4, yg + 5.4, xb + 4, yg + 5.4, 0.35);
    c.linija(xa, yg, xb, yg, 0.7);

    for (const auto &[xp, text] :
        { std::pair { x1, QStringLiteral("P1 = %1 kN").arg(ulazni(u.P1)) },
            std::pair { x2, QStringLiteral("P2 = %1 kN").arg(ulazni(u.P2)) } }) {
        c.linija(xp, yg - 14, xp, yg - 2.5, 0.35);
        strelica(c, xp, yg - 0.4);
        c.tekst(xp - 20, yg - 19.5, 40, 4.6, text, slova(9, true), Qt::AlignCenter);
    }
    kota(c, x1, x2, yg - 8.5, QStringLiteral("e = %1 m").arg(ulazni(u.e)));
    for (const double xo : { xa, xb })
        c.linija(xo, yg + 7, xo, yg + 13.5, 0.18);
    kota(c, xa, xb, yg + 12, {});
    c.tekst(xa, yg + 12.8, raspon, 4.6, QStringLiteral("L = %1 m").arg(ulazni(u.L)), slova(9, true),
        Qt::AlignCenter);
}

} // namespace

// A filled arrowhead with its tip at (x, y), pointing down.
void strelica(Platno &c, double x, double y)
{
    QPainterPath glava;
    glava.moveTo(c.tacka(x, y));
    glava.lineTo(c.tacka(x - 1.1, y - 3.2));
    glava.lineTo(c.tacka(x + 1.1, y - 3.2));
    glava.closeSubpath();
    c.putanja(glava, c.olovka(0.1), crna);
}

// The heading of every page: program, subject, date and time in a framed title block.
void zaglavlje(Platno &c, const QString &vreme)
{
    struct Polje
    {
        double x, w;
        QString natpis, vrednost;
    };
    const Polje polja[] = {
        { levo, 50, QStringLiteral("Program"), QStringLiteral("Kelvane ") + verzija() },
        { levo + 50, 90, Tekst::tr("Proracunski list"),
            Tekst::tr("Prosta greda pod pokretnim parom sila") },
        { levo + 140, sirina - 140, Tekst::tr("Datum i vreme"), vreme },
    };
    const double y = zaglavljeVrh;
    c.popuni(levo, y, sirina, 4.6, zaglavljeTabele);
    for (const Polje &p : polja) {
        c.tekst(p.x + 2, y + 0.4, p.w - 4, 4, p.natpis, slova(6.5),
            Qt::AlignLeft | Qt::AlignVCenter, siva);
        c.tekst(p.x + 2, y + 5, p.w - 4, 8.5, p.vrednost, slova(10, true));
        if (p.x > levo)
            c.linija(p.x, y, p.x, y + zaglavljeVisina, 0.25, linijaTabele);
    }
    c.okvir(levo, y, sirina, zaglavljeVisina, 0.4, akcenat);
}

void podnozje(Platno &c, int strana, int ukupno)
{
    c.linija(levo, podnozjeLinija, desno, podnozjeLinija, 0.25, siva);
    c.tekst(levo, podnozjeLinija + 1, 120, 5,
        Tekst::tr("Kelvane %1 - anvelope extM i extT proste grede").arg(verzija()), slova(7.5),
        Qt::AlignLeft | Qt::AlignVCenter, siva);
    c.tekst(desno - 60, podnozjeLinija + 1, 60, 5,
        Tekst::tr("strana %1 od %2").arg(strana).arg(ukupno), slova(8.5, true),
        Qt::AlignRight | Qt::AlignVCenter);
}

Blok naslovLista(const QString &podnaslov)
{
    return { 18, [=](Platno &c, double y) {
                c.tekst(levo, y, sirina, 8, Tekst::tr("Proracunski list"), slova(16, true));
                c.tekst(levo, y + 8, sirina, 6, podnaslov, slova(9.5),
                    Qt::AlignLeft | Qt::AlignVCenter, siva);
            } };
}

Blok ulazniParametri(int broj, const UlazniParametri &u)
{
    return { naslovVisina + 38 + razmak, [=](Platno &c, double y) {
                naslovOdeljka(c, y, broj, Tekst::tr("Ulazni parametri"));
                const double yt = y + naslovVisina + 2;
                const Tabela t { { levo, levo + 16, levo + 54, levo + 74, levo + 88 }, 6, 6 };
                crtajTabelu(c, yt, t,
                    { Tekst::tr("Oznaka"), Tekst::tr("Opis"), Tekst::tr("Vrednost"),
                        Tekst::tr("Jedinica") },
                    {
                        { QStringLiteral("P1"), {}, ulazni(u.P1), QStringLiteral("kN") },
                        { QStringLiteral("P2"), {}, ulazni(u.P2), QStringLiteral("kN") },
                        { QStringLiteral("e"), {}, ulazni(u.e), QStringLiteral("m") },
                        { QStringLiteral("L"), {}, ulazni(u.L), QStringLiteral("m") },
                    });
                // The descriptions read left-aligned, in the regular face.
                const QString opisi[] = { Tekst::tr("sila levo"), Tekst::tr("sila desno"),
                    Tekst::tr("razmak sila"), Tekst::tr("raspon grede") };
                for (int i = 0; i < 4; ++i)
                    c.tekst(levo + 18, yt + 6 + 6 * i, 34, 6, opisi[i], slova(9));
                skicaGrede(c, levo + 95, y + naslovVisina, desno - levo - 95, u);
            } };
}

Blok momenti(int broj, const RezultatiProracuna &r)
{
    return { naslovVisina + 66 + razmak, [&r, broj](Platno &c, double y) {
                double yr
                    = zaglavljeJednacina(c, y, broj, oznaka(OznakeRezultata::proracunMomenata),
                        Tekst::tr("Jednacine dijagrama extremnih vrednosti momenata savijanja"),
                        QStringLiteral("X [m], M [kNm]"));
                yr += 5.5;
                // The rows read as the tab shows them: M = A*X - B*X^2 and M = A*X - B*X^2 - C.
                const auto jednacina = [&](double yj, const QString &oznaka, double A, double B,
                                           const QString &kvadrat, const QString &C) {
                    c.tekst(levo + 4, yj, 42, 6, oznaka, slova(9));
                    c.tekst(levo + 44, yj, 22, 6, dve(A), slova(9.5, true),
                        Qt::AlignRight | Qt::AlignVCenter);
                    c.tekst(levo + 67, yj, 10, 6, QStringLiteral("*X-"), slova(9));
                    c.tekst(levo + 75, yj, 22, 6, dve(B), slova(9.5, true),
                        Qt::AlignRight | Qt::AlignVCenter);
                    c.tekst(levo + 98, yj, 12, 6, kvadrat, slova(9));
                    c.tekst(levo + 108, yj, 22, 6, C, slova(9.5, true),
                        Qt::AlignRight | Qt::AlignVCenter);
                };
                jednacina(yr, oznaka(OznakeRezultata::jednacinaParaboleI), r.dblKonstantaAI(),
                    r.dblKonstantaBI(), QStringLiteral("*X^2"), {});
                jednacina(yr + 6, oznaka(OznakeRezultata::jednacinaParaboleII), r.dblKonstantaAII(),
                    r.dblKonstantaBII(), QStringLiteral("*X^2-"), dve(r.dblKonstantaCII()));
                yr += 14;

                podnaslov(c, levo, yr, oznaka(OznakeRezultata::ekstremneVrednosti));
                yr += 6;
                // Heading over two rows: the zero points and the intersection have a group
                // heading, the maxima a heading of their own.
                const double e[] = { levo, levo + 28, levo + 50, levo + 76, levo + 98, levo + 120,
                    levo + 146, desno };
                const double hz = 5.5;
                const double hr = 6.5;
                c.popuni(levo, yr, sirina, 2 * hz, zaglavljeTabele);
                const auto naslovKolone
                    = [&](int od, int doKolone, double yn, double hn, const QString &text) {
                          c.tekst(e[od] + 1, yn, e[doKolone] - e[od] - 2, hn, text,
                              slova(8.5, true), Qt::AlignCenter);
                      };
                naslovKolone(1, 2, yr, 2 * hz, QStringLiteral("Xmax [m]"));
                naslovKolone(2, 3, yr, 2 * hz, QStringLiteral("Mmax [kNm]"));
                naslovKolone(3, 5, yr, hz, oznaka(OznakeRezultata::nulteTacke));
                naslovKolone(3, 4, yr + hz, hz, QStringLiteral("Xo1[m]"));
                naslovKolone(4, 5, yr + hz, hz, QStringLiteral("Xo2[m]"));
                naslovKolone(5, 7, yr, hz, oznaka(OznakeRezultata::presekParabola));
                naslovKolone(5, 6, yr + hz, hz, oznaka(OznakeRezultata::xPreseka));
                naslovKolone(6, 7, yr + hz, hz, oznaka(OznakeRezultata::mPreseka));
                c.linija(e[3], yr + hz, e[7], yr + hz, 0.15, linijaTabele);
                const double yp = yr + 2 * hz;
                const auto celija = [&](int k, double yc, double hc, double v) {
                    c.tekst(e[k] + 2, yc, e[k + 1] - e[k] - 4, hc, dve(v), slova(9.5, true),
                        Qt::AlignRight | Qt::AlignVCenter);
                };
                const double redI[] = { r.dblXmaxI(), r.dblMmaxI(), r.dblX01I(), r.dblX02I() };
                const double redII[] = { r.dblXmaxII(), r.dblMmaxII(), r.dblX01II(), r.dblX02II() };
                c.tekst(e[0] + 2, yp, e[1] - e[0] - 2, hr, oznaka(OznakeRezultata::parabolaI),
                    slova(9));
                c.tekst(e[0] + 2, yp + hr, e[1] - e[0] - 2, hr, oznaka(OznakeRezultata::parabolaII),
                    slova(9));
                for (int k = 0; k < 4; ++k) {
                    celija(k + 1, yp, hr, redI[k]);
                    celija(k + 1, yp + hr, hr, redII[k]);
                }
                // The intersection belongs to both parabolas: one cell over both rows.
                celija(5, yp, 2 * hr, r.dblXpreseka());
                celija(6, yp, 2 * hr, r.dblMpreseka());
                c.linija(e[0], yp, e[7], yp, 0.15, linijaTabele);
                c.linija(e[0], yp + hr, e[5], yp + hr, 0.15, linijaTabele);
                for (int k = 1; k < 7; ++k) {
                    const double od = k == 4 || k == 6 ? yr + hz : yr;
                    c.linija(e[k], od, e[k], yp + 2 * hr, 0.15, linijaTabele);
                }
                c.okvir(levo, yr, sirina, 2 * hz + 2 * hr, 0.35);
                yr = yp + 2 * hr + 2;

                podnaslov(c, levo, yr, oznaka(OznakeRezultata::zoneVazenja));
                yr += 5.5;
                c.tekst(levo + 4, yr, 60, 6, oznaka(OznakeRezultata::zonaParaboleI), slova(9));
                c.tekst(levo + 58, yr, 20, 6, dve(r.dblZonaVazenjaParaboleI()), slova(9.5, true),
                    Qt::AlignRight | Qt::AlignVCenter);
                c.tekst(levo + 92, yr, 60, 6, oznaka(OznakeRezultata::zonaParaboleII), slova(9));
                c.tekst(levo + 146, yr, 20, 6, dve(r.dblZonaVazenjaParaboleII()), slova(9.5, true),
                    Qt::AlignRight | Qt::AlignVCenter);
            } };
}

Blok sile(int broj, const RezultatiProracuna &r)
{
    return { naslovVisina + 40 + razmak, [&r, broj](Platno &c, double y) {
                double yr = zaglavljeJednacina(c, y, broj, oznaka(OznakeRezultata::proracunSila),
                    oznaka(OznakeRezultata::jednacineSila), QStringLiteral("X [m], T [kN]"));
                yr += 6;

                // maxT = -A*X + B (rows 1, 2), minT = -A*X (row 3), minT = -A*X + B (row 4),
                // each with its zone.
                const double e[] = { levo, levo + 20, levo + 100, levo + 124, levo + 150, desno };
                const double hz = 6;
                const double hr = 6.5;
                c.popuni(levo, yr, sirina, hz, zaglavljeTabele);
                c.tekst(e[1], yr, e[2] - e[1], hz, Tekst::tr("Jednacina"), slova(8.5, true),
                    Qt::AlignCenter);
                c.tekst(e[2], yr, e[5] - e[2], hz, Tekst::tr("Zona vazenja"), slova(8.5, true),
                    Qt::AlignCenter);
                struct Red
                {
                    double A;
                    const char *x;
                    bool imaB;
                    double B, levo, desno;
                };
                const Red redovi[] = {
                    { r.dblKAmaxTII(), "*X+", true, r.dblKBmaxTII(), r.dblMaxTIIZonaVazenjaLevo(),
                        r.dblMaxTIIZonaVazenjaDesno() },
                    { r.dblKAmaxTI(), "*X+", true, r.dblKBmaxTI(), r.dblMaxTIZonaVazenjaLevo(),
                        r.dblMaxTIZonaVazenjaDesno() },
                    { r.dblKAminTI(), "*X", false, 0, r.dblMinTIZonaVazenjaLevo(),
                        r.dblMinTIZonaVazenjaDesno() },
                    { r.dblKAminTII(), "*X+", true, r.dblKBminTII(), r.dblMinTIIZonaVazenjaLevo(),
                        r.dblMinTIIZonaVazenjaDesno() },
                };
                const double yp = yr + hz;
                for (int i = 0; i < 4; ++i) {
                    const Red &red = redovi[i];
                    const double yi = yp + hr * i;
                    const QFont cifre = slova(9.5, true);
                    const auto desnoPoravnat = Qt::AlignRight | Qt::AlignVCenter;
                    c.tekst(e[1] + 4, yi, 4, hr, QStringLiteral("-"), cifre);
                    c.tekst(e[1] + 7, yi, 22, hr, dve(red.A), cifre, desnoPoravnat);
                    c.tekst(e[1] + 30, yi, 10, hr, QLatin1String(red.x), slova(9));
                    if (red.imaB)
                        c.tekst(e[1] + 38, yi, 22, hr, dve(red.B), cifre, desnoPoravnat);
                    c.tekst(e[2] + 2, yi, e[3] - e[2] - 4, hr, dve(red.levo), cifre, desnoPoravnat);
                    c.tekst(e[3], yi, e[4] - e[3], hr, QStringLiteral("=<X[m]<="), slova(9),
                        Qt::AlignCenter);
                    c.tekst(
                        e[4] + 2, yi, e[5] - e[4] - 4, hr, dve(red.desno), cifre, desnoPoravnat);
                    if (i > 0)
                        c.linija(i == 2 ? e[0] : e[1], yi, e[5], yi, 0.15, linijaTabele);
                }
                c.tekst(e[0], yp, e[1] - e[0] - 1, 2 * hr, QStringLiteral("maxT ="),
                    slova(9.5, true), Qt::AlignRight | Qt::AlignVCenter);
                c.tekst(e[0], yp + 2 * hr, e[1] - e[0] - 1, 2 * hr, QStringLiteral("minT ="),
                    slova(9.5, true), Qt::AlignRight | Qt::AlignVCenter);
                c.linija(e[0], yp, e[5], yp, 0.15, linijaTabele);
                for (int k = 1; k < 5; ++k) {
                    const bool uZaglavlju = k == 1 || k == 2;
                    c.linija(e[k], uZaglavlju ? yr : yp, e[k], yp + 4 * hr, 0.15, linijaTabele);
                }
                c.okvir(levo, yr, sirina, hz + 4 * hr, 0.35);
            } };
}

Blok listing(int broj, const RezultatiProracuna &r)
{
    using TacneAnvelope::zaokruzivanje;
    const auto momenti = ListingLines::redoviMomenata(r, brojPolja);
    const auto sile = ListingLines::redoviSila(r, brojPolja);
    // A classical value short of the exact one by more than the rounding is marked: its cell
    // shaded and a star after it, so that the mark survives a black-and-white copy.
    const auto kratka
        = [](double k, double t) { return std::abs(t) - std::abs(k) > zaokruzivanje; };
    const auto klasicna = [&](double k, double t) {
        return tri(k) + (kratka(k, t) ? QStringLiteral("*") : QString());
    };
    std::vector<QStringList> redovi;
    std::vector<std::vector<bool>> oznacene;
    for (std::size_t i = 0; i < momenti.size() && i < sile.size(); ++i) {
        const TacneAnvelope::TacneVrednosti t = TacneAnvelope::tacneVrednosti(r, momenti[i].x);
        const double M = momenti[i].M, maxT = sile[i].maxT, minT = sile[i].minT;
        redovi.push_back({ QString::number(i), tri(momenti[i].x),
            klasicna(M, t[Velicina::ExtM].vrednost), tri(t[Velicina::ExtM].vrednost),
            klasicna(maxT, t[Velicina::MaxT].vrednost), tri(t[Velicina::MaxT].vrednost),
            klasicna(minT, t[Velicina::MinT].vrednost), tri(t[Velicina::MinT].vrednost) });
        oznacene.push_back({ false, false, kratka(M, t[Velicina::ExtM].vrednost), false,
            kratka(maxT, t[Velicina::MaxT].vrednost), false,
            kratka(minT, t[Velicina::MinT].vrednost), false });
    }
    const double k = (sirina - 33) / 6; // mm, one value column
    Tabela t { { levo, levo + 13, levo + 33, levo + 33 + k, levo + 33 + 2 * k, levo + 33 + 3 * k,
                   levo + 33 + 4 * k, levo + 33 + 5 * k, desno },
        6.5, 5.5, true, oznacene };
    constexpr double napomena = 6;
    return { naslovVisina + 2 + t.visinaZaglavlja + t.visinaReda * double(redovi.size()) + napomena
            + razmak,
        [t, redovi, broj](Platno &c, double y) {
            naslovOdeljka(c, y, broj,
                Tekst::tr("Extremne vrednosti u presecima grede (n = %1; x u m, extM u kNm, maxT i "
                          "minT u kN)")
                    .arg(ulazni(brojPolja)));
            const double yt = y + naslovVisina + 2;
            crtajTabelu(c, yt, t,
                { Tekst::tr("Presek"), QStringLiteral("x"), Tekst::tr("extM klas."),
                    Tekst::tr("extM tacna"), Tekst::tr("maxT klas."), Tekst::tr("maxT tacna"),
                    Tekst::tr("minT klas."), Tekst::tr("minT tacna") },
                redovi);
            const double yn = yt + t.visinaZaglavlja + t.visinaReda * double(redovi.size()) + 1;
            c.popuni(levo, yn + 1.2, 6, 3.2, upozorenje);
            c.tekst(levo + 8, yn, sirina - 8, 5.5,
                Tekst::tr("* klasicna vrednost je po apsolutnoj vrednosti manja od tacne "
                          "(nesigurna strana); klas. = klasicna anvelopa, tacna = svi polozaji "
                          "sila"),
                slova(8), Qt::AlignLeft | Qt::AlignVCenter, siva);
        } };
}

} // namespace ProracunskiList
