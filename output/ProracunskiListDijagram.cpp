// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/ProracunskiListDijagram.h"

#include "core/DiagramScales.h"

#include <algorithm>

namespace ProracunskiList {

namespace {

// The diagram of the "dijagram" tab as vector paths: its geometry in the tab's drawing-area
// pixels (beam line at 25, shear base line at 300, span from 25 to 530), scaled onto the page.
void dijagram(Platno &c, double y, const RezultatiProracuna &r, const UlazniParametri &u)
{
    const DiagramScales s = diagramScales(r, u);
    constexpr double k = 0.25; // mm per drawing-area pixel
    constexpr double vrhPiksela = 15; // the first pixel row the drawing uses
    const double ox = levo + (sirina - 600 * k) / 2;
    const double oy = y - vrhPiksela * k;
    const double L = u.L;
    const double e = u.e;
    const double R = r.dblR();

    const auto piksel = [&](double xp, double yp) { return c.tacka(ox + k * xp, oy + k * yp); };
    const auto m = [&](double x, double M) { return piksel(25 + s.sx * x, 25 + s.sM * M); };
    // Shear maps upwards: maxT above the base line, minT below it.
    const auto t = [&](double x, double T) { return piksel(25 + s.sx * x, 300 - s.sT * T); };

    const QPen debela = c.olovka(0.5);
    const QPen tanka = c.olovka(0.15);

    // A parabola M = a*x - b*x^2 - c0 between x0 and x1 is exactly one quadratic Bezier segment.
    const auto luk
        = [&](QPainterPath &p, double a, double b, double c0, double x0, double x1, bool nastavak) {
              const auto f = [&](double x) { return a * x - b * x * x - c0; };
              const double nagib = a - 2 * b * x0;
              if (nastavak)
                  p.lineTo(m(x0, f(x0)));
              else
                  p.moveTo(m(x0, f(x0)));
              p.quadTo(m((x0 + x1) / 2, f(x0) + nagib * (x1 - x0) / 2), m(x1, f(x1)));
          };
    const double aI = r.dblKonstantaAI(), bI = r.dblKonstantaBI();
    const double aII = r.dblKonstantaAII(), bII = r.dblKonstantaBII(), cII = r.dblKonstantaCII();
    const double xPreseka = r.dblXpreseka();
    const double krajI = std::min(xPreseka, r.dblX02I());
    const double pocetakII = std::max(xPreseka, r.dblX01II());

    // The governing envelopes, filled, so that their areas read at a glance.
    QPainterPath oblastM;
    luk(oblastM, aI, bI, 0, r.dblX01I(), krajI, false);
    luk(oblastM, aII, bII, cII, pocetakII, r.dblX02II(), true);
    oblastM.lineTo(m(r.dblX02II(), 0));
    oblastM.lineTo(m(r.dblX01I(), 0));
    oblastM.closeSubpath();
    c.putanja(oblastM, Qt::NoPen, ispuna);

    const double maxT0 = r.dblKBmaxTII();
    const double maxTZona = r.dblKBmaxTII() - r.dblKAmaxTII() * r.dblMaxTIIZonaVazenjaDesno();
    const double minTZona = -r.dblKAminTI() * r.dblMinTIZonaVazenjaDesno();
    const double minTL = -(L * r.dblKAminTII() - r.dblKBminTII());
    QPolygonF oblastMaxT { t(0, 0), t(0, maxT0), t(L - e, maxTZona), t(L, 0) };
    QPolygonF oblastMinT { t(0, 0), t(e, minTZona), t(L, minTL), t(L, 0) };
    for (const QPolygonF &p : { oblastMaxT, oblastMinT }) {
        QPainterPath path;
        path.addPolygon(p);
        path.closeSubpath();
        c.putanja(path, Qt::NoPen, ispuna);
    }

    // Thin: both parabolas whole, the shear lines beyond their zones and the reference lines of
    // R; thick: what governs, the base lines and the verticals at the characteristic sections.
    QPainterPath tanko;
    luk(tanko, aI, bI, 0, r.dblX01I(), r.dblX02I(), false);
    luk(tanko, aII, bII, cII, r.dblX01II(), r.dblX02II(), false);
    const auto prava = [&](QPainterPath &p, double x0, double x1, auto T) {
        p.moveTo(t(x0, T(x0)));
        p.lineTo(t(x1, T(x1)));
    };
    const auto maxTII = [&](double x) { return r.dblKBmaxTII() - r.dblKAmaxTII() * x; };
    const auto maxTI = [&](double x) { return r.dblKBmaxTI() - r.dblKAmaxTI() * x; };
    const auto minTI = [&](double x) { return -r.dblKAminTI() * x; };
    const auto minTII = [&](double x) { return r.dblKBminTII() - r.dblKAminTII() * x; };
    const auto gornjaR = [&](double x) { return R - (R / L) * x; };
    const auto donjaR = [&](double x) { return -(R / L) * x; };
    prava(tanko, 0, r.dblMaxTIZonaVazenjaLevo(), maxTI);
    prava(tanko, 0, L, gornjaR);
    prava(tanko, r.dblMinTIZonaVazenjaDesno(), L, minTI);
    prava(tanko, 0, L, donjaR);
    const auto vertikala = [&](QPainterPath &p, double x, double T0, double T1) {
        p.moveTo(t(x, T0));
        p.lineTo(t(x, T1));
    };
    vertikala(tanko, 0, maxT0, R);
    vertikala(tanko, L - e, maxTZona, gornjaR(L - e));
    vertikala(tanko, L, minTL, -R);
    vertikala(tanko, e, minTZona, donjaR(e));
    c.putanja(tanko, tanka);

    QPainterPath debelo;
    luk(debelo, aI, bI, 0, r.dblX01I(), krajI, false);
    luk(debelo, aII, bII, cII, pocetakII, r.dblX02II(), false);
    debelo.moveTo(m(0, 0));
    debelo.lineTo(m(L, 0));
    for (const auto &[x, M] :
        { std::pair { r.dblXmaxI(), r.dblMmaxI() }, std::pair { r.dblXmaxII(), r.dblMmaxII() },
            std::pair { xPreseka, r.dblMpreseka() } }) {
        debelo.moveTo(m(x, 0));
        debelo.lineTo(m(x, M));
    }
    debelo.moveTo(t(0, 0));
    debelo.lineTo(t(L, 0));
    prava(debelo, r.dblMaxTIIZonaVazenjaLevo(), r.dblMaxTIIZonaVazenjaDesno(), maxTII);
    prava(debelo, r.dblMaxTIZonaVazenjaLevo(), r.dblMaxTIZonaVazenjaDesno(), maxTI);
    prava(debelo, r.dblMinTIZonaVazenjaLevo(), r.dblMinTIZonaVazenjaDesno(), minTI);
    prava(debelo, r.dblMinTIIZonaVazenjaLevo(), r.dblMinTIIZonaVazenjaDesno(), minTII);
    vertikala(debelo, 0, 0, maxT0);
    vertikala(debelo, L - e, 0, maxTZona);
    vertikala(debelo, L, 0, minTL);
    vertikala(debelo, e, 0, minTZona);
    QPen spoj = debela;
    spoj.setCapStyle(Qt::SquareCap);
    c.putanja(debelo, spoj);

    // Texts at drawing-area pixels: (xp, yp) is the anchor, the alignment says which side. Close
    // characteristic sections would put their values over each other: a value that would cover
    // one already written moves away from its curve by a line.
    std::vector<QRectF> zauzeto;
    const auto natpis
        = [&](double xp, double yp, const QString &text, double points, Qt::Alignment a) {
              const double x = ox + k * xp;
              const double yt = oy + k * yp;
              const double w = 30; // mm, wider than any value
              const double h = points * 0.3528 * 1.3; // mm, one line
              const double x0 = a.testFlag(Qt::AlignRight) ? x - w
                  : a.testFlag(Qt::AlignHCenter)           ? x - w / 2
                                                           : x;
              double y0 = a.testFlag(Qt::AlignBottom) ? yt - h
                  : a.testFlag(Qt::AlignVCenter)      ? yt - h / 2
                                                      : yt;
              const QFont font = slova(points, points > 9);
              // The text's own extent, not its box, decides what it covers.
              const double sirinaTeksta = c.sirinaTeksta(text, font);
              const double xt = a.testFlag(Qt::AlignRight) ? x0 + w - sirinaTeksta
                  : a.testFlag(Qt::AlignHCenter)           ? x0 + (w - sirinaTeksta) / 2
                                                           : x0;
              const auto zauzet = [&] {
                  const QRectF r(xt, y0, sirinaTeksta, h);
                  return std::any_of(zauzeto.begin(), zauzeto.end(),
                      [&](const QRectF &z) { return z.intersects(r); });
              };
              while (zauzet())
                  y0 += a.testFlag(Qt::AlignBottom) ? -h : h;
              zauzeto.emplace_back(xt, y0, sirinaTeksta, h);
              c.tekst(x0, y0, w, h, text, font, a);
          };
    const auto ispod = Qt::AlignHCenter | Qt::AlignTop;
    const auto iznadDesno = Qt::AlignLeft | Qt::AlignBottom;
    const auto ispodDesno = Qt::AlignLeft | Qt::AlignTop;
    const auto ispodLevo = Qt::AlignRight | Qt::AlignTop;
    const auto px = [&](double x) { return 25 + s.sx * x; };
    const auto pyM = [&](double M) { return 25 + s.sM * M; };
    const auto pyT = [&](double T) { return 300 - s.sT * T; };
    // The names first: the values give way to them.
    natpis(60, 150, QStringLiteral("maxT"), 11, Qt::AlignLeft | Qt::AlignTop);
    natpis(455, 430, QStringLiteral("minT"), 11, Qt::AlignLeft | Qt::AlignTop);
    for (const auto &[yp, text] : { std::pair { 112.0, QStringLiteral("extM") },
             std::pair { 297.0, QStringLiteral("extT") } }) {
        QPainterPath krug;
        krug.addEllipse(piksel(570, yp), c.mm(25 * k), c.mm(25 * k));
        c.putanja(krug, c.olovka(0.35));
        natpis(570, yp, text, 11, Qt::AlignCenter);
        zauzeto.emplace_back(ox + k * 545, oy + k * (yp - 25), k * 50, k * 50);
    }
    // The maxima below the envelope (a maximum outside its zone lies inside the envelope); the
    // intersection's value lower, clear of both curves.
    const auto anvelopa
        = [&](double x) { return std::max(aI * x - bI * x * x, aII * x - bII * x * x - cII); };
    natpis(px(r.dblXmaxI()), pyM(anvelopa(r.dblXmaxI())) + 4, dve(r.dblMmaxI()), 8, ispod);
    natpis(px(r.dblXmaxII()), pyM(anvelopa(r.dblXmaxII())) + 4, dve(r.dblMmaxII()), 8, ispod);
    natpis(px(xPreseka), pyM(r.dblMpreseka()) + 17, dve(r.dblMpreseka()), 8, ispod);
    natpis(px(0) + 5, pyT(maxT0) - 3, dve(maxT0), 8, iznadDesno);
    natpis(px(L - e) + 5, pyT(maxTZona) - 3, dve(maxTZona), 8, iznadDesno);
    natpis(px(e) - 4, pyT(minTZona) + 3, dve(-minTZona), 8, ispodLevo);
    natpis(px(L) + 5, pyT(minTL) + 3, dve(-minTL), 8, ispodDesno);
}

} // namespace

Blok dijagramBlok(int broj, const RezultatiProracuna &r, const UlazniParametri &u)
{
    constexpr double visinaCrteza = 110; // mm: drawing-area pixels 15 to 455 at 0.25 mm
    return { naslovVisina + visinaCrteza + 7 + razmak, [&r, u, broj](Platno &c, double y) {
                naslovOdeljka(c, y, broj, QStringLiteral("Dijagram extremnih vrednosti"));
                dijagram(c, y + naslovVisina + 1, r, u);
                // The legend: what thick, thin and the filled areas mean.
                const double yl = y + naslovVisina + 1 + visinaCrteza + 1.5;
                c.linija(levo + 4, yl + 2.5, levo + 14, yl + 2.5, 0.5);
                c.tekst(levo + 16, yl, 50, 5, QStringLiteral("merodavna anvelopa"), slova(8),
                    Qt::AlignLeft | Qt::AlignVCenter, siva);
                c.linija(levo + 62, yl + 2.5, levo + 72, yl + 2.5, 0.15);
                c.tekst(levo + 74, yl, 62, 5, QStringLiteral("parabole i prave van zona vazenja"),
                    slova(8), Qt::AlignLeft | Qt::AlignVCenter, siva);
                c.popuni(levo + 128, yl + 1, 10, 3, ispuna);
                c.tekst(levo + 140, yl, 40, 5, QStringLiteral("oblast anvelope"), slova(8),
                    Qt::AlignLeft | Qt::AlignVCenter, siva);
            } };
}

} // namespace ProracunskiList
