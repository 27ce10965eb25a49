// SPDX-License-Identifier: GPL-3.0-or-later

#include "output/ProracunskiListNiz.h"

#include "core/NizSilaTekst.h"
#include "core/NumberText.h"
#include "core/TacneAnvelopeTekst.h"
#include "output/CrtezAnvelopa.h"
#include "output/ProracunskiListBlokovi.h"
#include "output/ProracunskiListRezime.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <QPainterPath>

namespace ProracunskiList {

namespace {

using namespace TacneAnvelope;

// The forces as a table and the train as a sketch: a line from the first to the last force, an
// arrow per force, its name above.
Blok ulazNiza(int broj, const Niz &niz)
{
    std::vector<QStringList> redovi;
    for (std::size_t i = 0; i < niz.sile.size(); ++i) {
        redovi.push_back({ QStringLiteral("P%1").arg(i + 1), ulazni(niz.sile[i].P),
            i ? ulazni(niz.sile[i].pomak - niz.sile[i - 1].pomak) : QString(),
            ulazni(niz.sile[i].pomak) });
    }
    const Tabela tabela { { levo, levo + 16, levo + 40, levo + 64, levo + 92 }, 6, 5 };
    const double visinaTabele = tabela.visinaZaglavlja + tabela.visinaReda * double(redovi.size());
    constexpr double skica = 22;
    return { naslovVisina + 2 + 6 + skica + visinaTabele + razmak, [=](Platno &c, double y) {
                naslovOdeljka(c, y, broj, Tekst::tr("Ulazni parametri"));
                double yt = y + naslovVisina + 2;
                c.tekst(levo, yt, sirina, 6,
                    Tekst::tr("L = %1 m, g = %2 kN/m, \u03c6 = %3, %4")
                        .arg(ulazni(niz.L), ulazni(niz.g), ulazni(niz.fi),
                            niz.obaSmera ? Tekst::tr("niz se krece u oba smera")
                                         : Tekst::tr("niz se krece u jednom smeru")),
                    slova(9.5));
                yt += 6;
                const double duzina = std::max(niz.sile.back().pomak, 1e-9);
                const double x0 = levo + 12, sk = (sirina - 24) / duzina;
                const double yLinija = yt + skica - 6;
                c.linija(x0, yLinija, x0 + sk * niz.sile.back().pomak, yLinija, 0.3, akcenat);
                for (std::size_t i = 0; i < niz.sile.size(); ++i) {
                    const double x = x0 + sk * niz.sile[i].pomak;
                    c.linija(x, yLinija - 10, x, yLinija, 0.35);
                    strelica(c, x, yLinija);
                    c.tekst(x - 10, yLinija - 16, 20, 5, QStringLiteral("P%1").arg(i + 1), slova(8),
                        Qt::AlignCenter);
                }
                crtajTabelu(c, yt + skica, tabela,
                    { Tekst::tr("Sila"), QStringLiteral("P [kN]"), QStringLiteral("a [m]"),
                        Tekst::tr("od P1 [m]") },
                    redovi);
            } };
}

Blok tekstBlok(const Platno &mera, int broj, const QString &naslov, const QStringList &stavke)
{
    double visina = 0;
    for (const QString &s : stavke)
        visina += mera.visinaPreloma(sirina, s, slova(9.5)) + 1.5;
    return { naslovVisina + 2 + visina + razmak, [=](Platno &c, double y) {
                naslovOdeljka(c, y, broj, naslov);
                double yt = y + naslovVisina + 2;
                for (const QString &s : stavke)
                    yt += c.prelom(levo, yt, sirina, s, slova(9.5)) + 1.5;
            } };
}

Blok dijagramNiza(int broj, const Poredjenje &p, double L)
{
    constexpr double visina = 110;
    return { naslovVisina + 1 + visina + razmak, [&p, L, broj](Platno &c, double y) {
                naslovOdeljka(c, y, broj, Tekst::tr("Tacne anvelope"));
                QPainter &painter = c.painter();
                painter.save();
                painter.setFont(slova(8));
                nacrtajAnvelope(painter, c.pravougaonik(levo, y + naslovVisina + 1, sirina, visina),
                    p, L, true);
                painter.restore();
            } };
}

Blok preseciNiza(int broj, const std::vector<VrednostiUPreseku> &preseci)
{
    std::vector<QStringList> redovi;
    for (std::size_t i = 0; i < preseci.size(); ++i) {
        const TacneVrednosti &v = preseci[i].vrednosti;
        redovi.push_back({ QString::number(i), tri(preseci[i].x), tri(v[Velicina::ExtM].vrednost),
            tri(v[Velicina::MaxT].vrednost), tri(v[Velicina::MinT].vrednost) });
    }
    const double k = (sirina - 33) / 3;
    const Tabela tabela { { levo, levo + 13, levo + 33, levo + 33 + k, levo + 33 + 2 * k, desno },
        6.5, 5.5, true };
    return { naslovVisina + 2 + tabela.visinaZaglavlja + tabela.visinaReda * double(redovi.size())
            + razmak,
        [=](Platno &c, double y) {
            naslovOdeljka(c, y, broj,
                Tekst::tr("Tacne vrednosti u presecima grede (n = %1)").arg(ulazni(brojPolja)));
            crtajTabelu(c, y + naslovVisina + 2, tabela,
                { Tekst::tr("Presek"), QStringLiteral("x [m]"), QStringLiteral("extM [kNm]"),
                    QStringLiteral("maxT [kN]"), QStringLiteral("minT [kN]") },
                redovi);
        } };
}

int nacrtajNiz(QPainter &painter, double tackePoMm, const std::function<bool()> &novaStrana,
    const SadrzajNiza &s)
{
    painter.setRenderHint(QPainter::Antialiasing);
    Platno c(painter, tackePoMm);
    const RezultatNiza r = proracunajNiz(s.niz);
    Poredjenje crtez;
    crtez.tacne = r.anvelope;
    crtez.maksimum = r.maksimum;
    const int n = static_cast<int>(s.niz.sile.size());
    int broj = 0;
    std::vector<Blok> blokovi { naslovLista(Tekst::tr(
                                    "Tacne anvelope momenata savijanja i transverzalnih sila "
                                    "proste grede pod nizom pokretnih sila")),
        dokumentBlok(s.dokument), ulazNiza(++broj, s.niz) };
    blokovi.push_back(tekstBlok(c, ++broj, Tekst::tr("Merodavne vrednosti"),
        { qtekst(linijaMaksimuma(r.maksimum, n)), qtekst(linijaReakcija(r.reakcije, n)) }));
    blokovi.push_back(tekstBlok(c, ++broj, Tekst::tr("Metod i pretpostavke"),
        { Tekst::tr("Prosta greda raspona L pod nizom pokretnih sila stalnih medjusobnih "
                    "rastojanja; pokretne sile su pomnozene dinamickim koeficijentom \u03c6, "
                    "sopstvena tezina g deluje ravnomerno po celom rasponu."),
            Tekst::tr("Uticajne linije proste grede su prave, pa se ekstrem u svakom preseku "
                      "javlja kada jedna sila stoji u preseku (za transverzalne sile neposredno "
                      "desno ili levo od njega); sila van raspona ne deluje. Vrednosti su tacne, "
                      "bez koraka pomeranja niza."),
            Tekst::tr("Polozaj sila navodi silu u preseku i sile na gredi.") }));
    blokovi.push_back(dijagramNiza(++broj, crtez, s.niz.L));
    blokovi.push_back(preseciNiza(++broj, TacneAnvelope::preseciNiza(s.niz, brojPolja)));
    return nacrtajStrane(c, novaStrana, blokovi, s.vreme);
}

} // namespace

int nacrtajNiz(QPagedPaintDevice &uredjaj, const SadrzajNiza &sadrzaj)
{
    return naA4(uredjaj, [&](QPainter &painter, double tackePoMm) {
        return nacrtajNiz(
            painter, tackePoMm, [&uredjaj] { return uredjaj.newPage(); }, sadrzaj);
    });
}

QByteArray pdfNiza(const SadrzajNiza &sadrzaj)
{
    return pdf([&](QPagedPaintDevice &writer) { nacrtajNiz(writer, sadrzaj); });
}

} // namespace ProracunskiList
