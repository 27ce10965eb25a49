// SPDX-License-Identifier: GPL-3.0-or-later

#include "output/ProracunskiListDijagram.h"

#include "output/CrtezAnvelopa.h"

namespace ProracunskiList {

namespace {

constexpr double visinaCrteza = 120; // mm
constexpr double uzorak = 10; // mm, the length of a line in the legend
constexpr double proredLegende = 0.8; // mm

enum class Uzorak { Tacna, Klasicna, Zona, Tacka, Nista };

struct Stavka
{
    Uzorak uzorak;
    QString tekst;
};

std::vector<Stavka> legenda()
{
    return {
        { Uzorak::Tacna,
            Tekst::tr("tacna anvelopa, svi polozaji sila (puna linija: extM crveno, maxT i minT "
                      "plavo)") },
        { Uzorak::Klasicna,
            Tekst::tr("klasicna anvelopa: parabole I i II, prave maxT i minT (isprekidana siva)") },
        { Uzorak::Zona,
            Tekst::tr("osenceno: zona u kojoj je klasicna anvelopa po apsolutnoj vrednosti manja "
                      "od tacne (nesigurna strana)") },
        { Uzorak::Tacka, Tekst::tr("tacka: apsolutni maksimum momenta, vrednost i presek") },
        { Uzorak::Nista,
            Tekst::tr("Pozitivan moment (zateze donju ivicu) crta se nadole od ose grede; maxT "
                      "iznad, minT ispod svoje ose. x u m od oslonca A, M u kNm, T u kN.") },
    };
}

constexpr double sirinaTeksta = sirina - uzorak - 3;

void nacrtajUzorak(Platno &c, Uzorak u, double x, double y)
{
    QPainter &p = c.painter();
    switch (u) {
    case Uzorak::Tacna:
        c.linija(x, y, x + uzorak / 2, y, 0.5, bojaMomenta);
        c.linija(x + uzorak / 2, y, x + uzorak, y, 0.5, bojaSile);
        break;
    case Uzorak::Klasicna: {
        QPen pen = c.olovka(0.4, bojaKlasicne);
        pen.setDashPattern({ 4, 3 });
        p.setPen(pen);
        p.drawLine(c.tacka(x, y), c.tacka(x + uzorak, y));
        break;
    }
    case Uzorak::Zona: {
        QColor boja = bojaMomenta;
        boja.setAlpha(110);
        c.popuni(x, y - 1.5, uzorak, 3, boja);
        break;
    }
    case Uzorak::Tacka:
        p.setPen(Qt::NoPen);
        p.setBrush(bojaMomenta);
        p.drawEllipse(c.tacka(x + uzorak / 2, y), c.mm(1.1), c.mm(1.1));
        p.setBrush(Qt::NoBrush);
        break;
    case Uzorak::Nista:
        break;
    }
}

} // namespace

Blok dijagramBlok(const Platno &mera, int broj, const TacneAnvelope::Poredjenje &p, double L)
{
    double visinaLegende = 0;
    for (const Stavka &s : legenda())
        visinaLegende += mera.visinaPreloma(sirinaTeksta, s.tekst, slova(8)) + proredLegende;
    return { naslovVisina + 1 + visinaCrteza + 2 + visinaLegende + razmak,
        [&p, L, broj](Platno &c, double y) {
            naslovOdeljka(c, y, broj, Tekst::tr("Dijagram extremnih vrednosti"));
            const double yc = y + naslovVisina + 1;
            QPainter &painter = c.painter();
            painter.save();
            painter.setFont(slova(8));
            nacrtajAnvelope(
                painter, c.pravougaonik(levo, yc, sirina, visinaCrteza), p, L, /*osaX=*/true);
            painter.restore();
            double yl = yc + visinaCrteza + 2;
            for (const Stavka &s : legenda()) {
                const double h
                    = c.prelom(levo + uzorak + 3, yl, sirinaTeksta, s.tekst, slova(8), siva);
                nacrtajUzorak(c, s.uzorak, levo, yl + 1.6);
                yl += h + proredLegende;
            }
        } };
}

} // namespace ProracunskiList
