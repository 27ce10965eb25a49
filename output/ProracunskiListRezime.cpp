// SPDX-License-Identifier: GPL-3.0-or-later

#include "output/ProracunskiListRezime.h"

#include "core/MerodavneVrednosti.h"
#include "core/NumberText.h"
#include "core/TacneAnvelopeTekst.h"

#include <cmath>
#include <memory>

namespace ProracunskiList {

namespace {

using namespace TacneAnvelope;
using MerodavneVrednosti::Obrazac;

QString polozaj(Velicina v, Polozaj p)
{
    return QString::fromStdString(opisPolozaja(v, p));
}

QString imeSile(int s)
{
    return s == 0 ? QStringLiteral("P1") : QStringLiteral("P2");
}

// A labelled paragraph: the label in bold on the left, the text wrapped beside it.
struct Stavka
{
    QString naslov, tekst;
};

constexpr double kolonaNaslova = 42; // mm
constexpr double proredStavki = 1.5; // mm between two paragraphs

double visinaStavki(const Platno &c, const std::vector<Stavka> &stavke)
{
    double h = 0;
    for (const Stavka &s : stavke)
        h += c.visinaPreloma(sirina - kolonaNaslova, s.tekst, slova(9)) + proredStavki;
    return h;
}

// A section of labelled paragraphs; the texts are shared with the painter, which runs later.
Blok blokStavki(const Platno &mera, int broj, const QString &naslov, std::vector<Stavka> stavke)
{
    auto deljene = std::make_shared<const std::vector<Stavka>>(std::move(stavke));
    return { naslovVisina + 1 + visinaStavki(mera, *deljene) + razmak,
        [deljene, broj, naslov](Platno &c, double y) {
            naslovOdeljka(c, y, broj, naslov);
            double ys = y + naslovVisina + 1;
            for (const Stavka &s : *deljene) {
                c.prelom(levo, ys, kolonaNaslova - 2, s.naslov, slova(9, true), akcenat);
                ys += c.prelom(levo + kolonaNaslova, ys, sirina - kolonaNaslova, s.tekst, slova(9))
                    + proredStavki;
            }
        } };
}

QString obrazacMomenta(const MerodavneVrednosti::MaksimalniMoment &m, const UlazniParametri &u)
{
    const QString vrednost = dve(m.M);
    switch (m.obrazac) {
    case Obrazac::ParSila:
        return Tekst::tr(
            "Obrazac: R (L - d)\u00B2 / 4L = %1 \u00B7 (%2 - %3)\u00B2 / (4 \u00B7 %2) "
            "= %4 kNm, gde je d = %3 m rastojanje rezultante R od sile %5; sila %5 "
            "stoji d/2 od sredine raspona, rezultanta d/2 sa druge strane.")
            .arg(ulazni(u.P1 + u.P2), ulazni(u.L), tri(m.d), vrednost, imeSile(m.polozaj.uPreseku));
    case Obrazac::JednaSila:
        return Tekst::tr("Obrazac: P L / 4 = %1 \u00B7 %2 / 4 = %3 kNm: sama sila %4 u sredini "
                         "raspona, druga sila je van grede.")
            .arg(ulazni(m.P), ulazni(u.L), vrednost, imeSile(m.polozaj.uPreseku));
    case Obrazac::Zbir:
        break;
    }
    return Tekst::tr(
        "Mmax = zbir uticaja obe sile u preseku (%1 kNm); najveca vrednost je na kraju "
        "dela anvelope, gde nijedan obrazac temena ne vazi.")
        .arg(vrednost);
}

QString oslonacka(const MerodavneVrednosti::OslonackaSila &s, Velicina v, const UlazniParametri &u)
{
    const bool a = v == Velicina::MaxT;
    const QString sila = a ? QStringLiteral("R_A") : QStringLiteral("R_B");
    const QString obrazac = MerodavneVrednosti::drugaNaGredi(s.polozaj)
        ? Tekst::tr("%1 = %2 + %3 (L - e) / L")
              .arg(sila, imeSile(s.polozaj.uPreseku), imeSile(1 - s.polozaj.uPreseku))
        : Tekst::tr("%1 = %2").arg(sila, imeSile(s.polozaj.uPreseku));
    const QString gde = MerodavneVrednosti::drugaNaGredi(s.polozaj)
        ? Tekst::tr("; druga sila u x = %1 m").arg(tri(s.drugaX))
        : QString();
    return Tekst::tr("%1(x = %2 m) = %3 kN; %4%5. Obrazac: %6 = %7 kN, %1 = %8.")
        .arg(a ? QStringLiteral("maxT") : QStringLiteral("minT"), tri(s.x), dve(s.T),
            polozaj(v, s.polozaj), gde, obrazac, dve(std::abs(s.T)),
            a ? sila : QStringLiteral("-") + sila);
}

} // namespace

Blok dokumentBlok(const PodaciDokumenta &d)
{
    struct Polje
    {
        QString natpis;
        std::string vrednost;
    };
    const std::vector<Polje> polja {
        { Tekst::tr("Projekat"), d.projekat },
        { Tekst::tr("Element"), d.element },
        { Tekst::tr("Revizija"), d.revizija },
        { Tekst::tr("Izradio"), d.autor },
        { Tekst::tr("Kontrolisao"), d.kontrolisao },
    };
    // Two rows of framed fields: project, element and revision; author and checker.
    constexpr double visinaPolja = 10;
    return { 2 * visinaPolja + razmak, [polja](Platno &c, double y) {
                const double kolone[2][4]
                    = { { levo, levo + 80, levo + 145, desno }, { levo, levo + 87.5, desno, 0 } };
                const int uRedu[2] = { 3, 2 };
                std::size_t k = 0;
                for (int red = 0; red < 2; ++red) {
                    const double yr = y + red * visinaPolja;
                    for (int i = 0; i < uRedu[red]; ++i, ++k) {
                        const double x0 = kolone[red][i], x1 = kolone[red][i + 1];
                        c.okvir(x0, yr, x1 - x0, visinaPolja, 0.25, linijaTabele);
                        c.tekst(x0 + 1.5, yr + 0.3, x1 - x0 - 3, 3.6, polja[k].natpis, slova(6.5),
                            Qt::AlignLeft | Qt::AlignVCenter, siva);
                        const QString v = QString::fromStdString(polja[k].vrednost);
                        if (v.isEmpty())
                            c.linija(x0 + 2, yr + 8.2, x1 - 2, yr + 8.2, 0.15, siva);
                        else
                            c.tekst(x0 + 1.5, yr + 3.8, x1 - x0 - 3, 5.6, v, slova(9.5, true));
                    }
                }
            } };
}

Blok merodavneBlok(
    const Platno &mera, int broj, const TacneAnvelope::Poredjenje &p, const RezultatiProracuna &r)
{
    const UlazniParametri &u = r.ulaz();
    const MerodavneVrednosti::Merodavne m = MerodavneVrednosti::merodavne(p, r);
    std::vector<Stavka> stavke {
        { Tekst::tr("Apsolutni maksimum momenta"),
            Tekst::tr("Mmax = %1 kNm u x = %2 m; %3. ")
                    .arg(
                        dve(m.moment.M), tri(m.moment.x), polozaj(Velicina::ExtM, m.moment.polozaj))
                + obrazacMomenta(m.moment, u) },
        { Tekst::tr("Oslonac A"), oslonacka(m.A, Velicina::MaxT, u) },
        { Tekst::tr("Oslonac B"), oslonacka(m.B, Velicina::MinT, u) },
    };
    const Velicina velicine[] = { Velicina::ExtM, Velicina::MaxT, Velicina::MinT };
    const std::vector<std::string> linije = rezime(p);
    for (std::size_t i = 0; i < linije.size(); ++i) {
        const Velicina v = velicine[i];
        stavke.push_back({ Tekst::tr("Klasicna %1").arg(QString::fromStdString(naziv(v))),
            QString::fromStdString(linije[i]) });
    }
    return blokStavki(mera, broj, Tekst::tr("Merodavne vrednosti (tacne anvelope)"), stavke);
}

Blok metodBlok(const Platno &mera, int broj, const RezultatiProracuna &r)
{
    std::vector<Stavka> stavke {
        { Tekst::tr("Opterecenje"),
            Tekst::tr("P1 stoji levo od P2 na stalnom rastojanju e. Sile su karakteristicne "
                      "vrednosti, bez dinamickog koeficijenta i bez sopstvene tezine grede.") },
        { Tekst::tr("Znaci"),
            Tekst::tr("Moment koji zateze donju ivicu je pozitivan i crta se ispod ose grede. "
                      "Transverzalna sila V = R_A minus sile levo od preseka; oslonacke sile su "
                      "uzete neposredno unutar oslonaca.") },
        { Tekst::tr("Klasicna anvelopa"),
            Tekst::tr("Parabole I i II i prave maxT i minT: sila koja je presla oslonac i dalje "
                      "se racuna, sa negativnim doprinosom.") },
        { Tekst::tr("Tacna anvelopa"),
            Tekst::tr("Svi polozaji para sa bar jednom silom na rasponu; sila van raspona ne "
                      "doprinosi nista.") },
        { Tekst::tr("Medjuvrednosti"),
            Tekst::tr("R = P1 + P2 = %1 kN; x_r = e P2 / R = %2 m (rastojanje rezultante od P1); "
                      "a1 = x_r = %3 m; a2 = x_r - e = %4 m. \u00B5 je duzina zone vazenja: deo "
                      "raspona na kome parabola ili prava daje anvelopu.")
                .arg(dve(r.dblR()), tri(r.dblXr()), tri(r.dblA1()), tri(r.dblA2())) },
    };
    return blokStavki(mera, broj, Tekst::tr("Metod i pretpostavke"), stavke);
}

} // namespace ProracunskiList
