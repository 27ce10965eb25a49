// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/Ispis.h"

#include "core/EvaluacijaPreseka.h"
#include "core/KontroleUnosa.h"
#include "core/ListingLines.h"
#include "core/NumberText.h"
#include "core/Proracun.h"
#include "core/TacneAnvelopeTekst.h"

#include <cmath>
#include <sstream>

namespace {

std::string broj(double v)
{
    return NumberText::general(v);
}

bool razlikujuSe(const TacneAnvelope::Poredjenje &p)
{
    for (const Velicina v : sveVelicine) {
        if (p.razlike[v].razlikujuSe())
            return true;
    }
    return false;
}

std::vector<std::string> tabExtM(const RezultatiProracuna &r)
{
    return {
        "Proracun extremnih vrednosti momenata savijanja",
        "Jednacine dijagrama extremnih vednosti momenata savijanja",
        "  Jednacina parabole I = " + NumberText::dve(r.dblKonstantaAI()) + "*X- "
            + NumberText::dve(r.dblKonstantaBI()) + "*X^2",
        "  Jednacina parabole II = " + NumberText::dve(r.dblKonstantaAII()) + "*X- "
            + NumberText::dve(r.dblKonstantaBII()) + "*X^2- "
            + NumberText::dve(r.dblKonstantaCII()),
        "Extremne vrednosti",
        "  Parabola I  = Xmax [m] " + NumberText::dve(r.dblXmaxI()) + "  Mmax [kNm] "
            + NumberText::dve(r.dblMmaxI()) + "  Nulte tacke Xo1[m] " + NumberText::dve(r.dblX01I())
            + "  Xo2[m] " + NumberText::dve(r.dblX02I()),
        "  Parabola II = Xmax [m] " + NumberText::dve(r.dblXmaxII()) + "  Mmax [kNm] "
            + NumberText::dve(r.dblMmaxII()) + "  Nulte tacke Xo1[m] "
            + NumberText::dve(r.dblX01II()) + "  Xo2[m] " + NumberText::dve(r.dblX02II()),
        "  Presek parabola I i II: X preseka [m] " + NumberText::dve(r.dblXpreseka())
            + "  Mpreseka [kNm] " + NumberText::dve(r.dblMpreseka()),
        "Zone vazenja",
        "  Zona vazenja parabole I  \u00B5[m]= " + NumberText::dve(r.dblZonaVazenjaParaboleI()),
        "  Zona vazenja parabole II \u00B5[m]= " + NumberText::dve(r.dblZonaVazenjaParaboleII()),
    };
}

std::vector<std::string> tabExtT(const RezultatiProracuna &r)
{
    const auto zona = [](double levo, double desno) {
        return "   " + NumberText::dve(levo) + " =<X[m]<= " + NumberText::dve(desno);
    };
    return {
        "Proracun extremnih vrednosti transverzalnih sila",
        "Jednacine dijagrama extremnih vrednosti transverzalnih sila",
        "  maxT = - " + NumberText::dve(r.dblKAmaxTII()) + "*X+ " + NumberText::dve(r.dblKBmaxTII())
            + zona(r.dblMaxTIIZonaVazenjaLevo(), r.dblMaxTIIZonaVazenjaDesno()),
        "  maxT = - " + NumberText::dve(r.dblKAmaxTI()) + "*X+ " + NumberText::dve(r.dblKBmaxTI())
            + zona(r.dblMaxTIZonaVazenjaLevo(), r.dblMaxTIZonaVazenjaDesno()),
        "  minT = - " + NumberText::dve(r.dblKAminTI()) + "*X"
            + zona(r.dblMinTIZonaVazenjaLevo(), r.dblMinTIZonaVazenjaDesno()),
        "  minT = - " + NumberText::dve(r.dblKAminTII()) + "*X+ " + NumberText::dve(r.dblKBminTII())
            + zona(r.dblMinTIIZonaVazenjaLevo(), r.dblMinTIIZonaVazenjaDesno()),
    };
}

std::vector<std::string> presekLinije(const ProracunKalkulatora &p, bool tacne)
{
    const double x = *p.x;
    const MomentUPreseku m = momentUPreseku(p.rezultati, x);
    const TransverzalnaSilaUPreseku t = transverzalnaSilaUPreseku(p.rezultati, x);
    std::vector<std::string> linije {
        "Extremne vrednosti momenta savijanja u zadatom preseku",
        "  X[m] " + NumberText::dve(x) + "  Parabola I " + NumberText::dve(m.MI) + "  Parabola II "
            + NumberText::dve(m.MII) + "  ext M [kNm] " + NumberText::dve(m.extM),
        "Extremne vrednosti transverzalnih sila u zadatom preseku",
        "  X[m] " + NumberText::dve(x) + "  maxT[kN] " + NumberText::dve(t.maxT) + "  minT[kN] "
            + NumberText::dve(t.minT),
    };
    if (tacne) {
        const TacneAnvelope::TacneVrednosti t = TacneAnvelope::tacneVrednosti(p.rezultati, x);
        linije.push_back("Tacne vrednosti u preseku (svi polozaji sila)");
        for (const Velicina v : sveVelicine)
            linije.push_back("  " + TacneAnvelope::naziv(v) + " " + NumberText::dve(t[v].vrednost)
                + "  (" + TacneAnvelope::opisPolozaja(v, t[v].polozaj) + ")");
    }
    return linije;
}

std::vector<std::string> tabelaPreseka(const ProracunKalkulatora &p, bool tacne)
{
    std::vector<std::string> linije { "Preseci (n = " + broj(p.n) + ")" };
    for (const double x : ListingLines::preseci(p.rezultati.ulaz().L, p.n)) {
        const PoVelicini<double> k = klasicneVrednosti(p.rezultati, x);
        std::string linija = "  x[m]= " + NumberText::tri(x);
        for (const Velicina v : sveVelicine)
            linija += "  " + TacneAnvelope::naziv(v) + " " + NumberText::dve(k[v]);
        if (tacne) {
            const TacneAnvelope::TacneVrednosti t = TacneAnvelope::tacneVrednosti(p.rezultati, x);
            linija += "  tacno:";
            for (const Velicina v : sveVelicine)
                linija += (v == Velicina::ExtM ? " " : "  ") + TacneAnvelope::naziv(v) + " "
                    + NumberText::dve(t[v].vrednost);
        }
        linije.push_back(linija);
    }
    return linije;
}

std::string tekst(const ProracunKalkulatora &p, const OpcijeKalkulatora &o)
{
    const UlazniParametri &u = p.rezultati.ulaz();
    std::vector<std::vector<std::string>> blokovi {
        { "Ulazni parametri: P1 = " + broj(u.P1) + " kN, P2 = " + broj(u.P2)
            + " kN, e = " + broj(u.e) + " m, L = " + broj(u.L) + " m" },
        tabExtM(p.rezultati),
        tabExtT(p.rezultati),
    };
    if (p.x)
        blokovi.push_back(presekLinije(p, o.tacne));
    if (o.brojPoljaZadat)
        blokovi.push_back(tabelaPreseka(p, o.tacne));
    if (o.tacne) {
        const auto &max = p.poredjenje.maksimum;
        blokovi.push_back({ "Tacne anvelope (svi polozaji sila)",
            "  Apsolutni maksimum momenta " + NumberText::dve(max.M)
                + " kNm u x = " + NumberText::dve(max.x) + " m ("
                + TacneAnvelope::opisPolozaja(Velicina::ExtM, max.polozaj) + ")" });
    }
    // The summary closes the output whenever the classical envelope falls short.
    if (o.tacne || razlikujuSe(p.poredjenje))
        blokovi.push_back(TacneAnvelope::rezime(p.poredjenje));

    std::string izlaz;
    for (const auto &blok : blokovi) {
        if (!izlaz.empty())
            izlaz += "\n";
        for (const std::string &linija : blok)
            izlaz += linija + "\n";
    }
    return izlaz;
}

std::string csv(const ProracunKalkulatora &p, const OpcijeKalkulatora &o)
{
    const std::vector<double> xs
        = p.x ? std::vector<double> { *p.x } : ListingLines::preseci(p.rezultati.ulaz().L, p.n);
    if (o.tacne) {
        std::string izlaz;
        for (const std::string &linija : TacneAnvelope::csvLinije(p.rezultati, xs))
            izlaz += linija + "\n";
        return izlaz;
    }
    std::string izlaz = "x,extM,maxT,minT\n";
    for (const double x : xs) {
        const PoVelicini<double> k = klasicneVrednosti(p.rezultati, x);
        izlaz += broj(x);
        for (const Velicina v : sveVelicine)
            izlaz += "," + broj(k[v]);
        izlaz += "\n";
    }
    return izlaz;
}

// JSON numbers at full precision: the shortest text that reads back as the same double.
std::string j(double v)
{
    return NumberText::full(v);
}

std::string jText(const std::string &s)
{
    std::string izlaz = "\"";
    for (const char c : s) {
        if (c == '"' || c == '\\')
            izlaz += '\\';
        izlaz += c;
    }
    return izlaz + "\"";
}

std::string json(const ProracunKalkulatora &p, const OpcijeKalkulatora &o)
{
    std::ostringstream s;
    const UlazniParametri &u = p.rezultati.ulaz();
    s << "{\n  \"ulaz\": {\"P1\": " << j(u.P1) << ", \"P2\": " << j(u.P2) << ", \"e\": " << j(u.e)
      << ", \"L\": " << j(u.L) << "},\n  \"rezultati\": {";
    const auto polja = p.rezultati.polja();
    for (std::size_t i = 0; i < polja.size(); ++i)
        s << (i ? "," : "") << "\n    \"" << polja[i].ime << "\": " << j(polja[i].vrednost);
    s << "\n  }";
    if (p.x) {
        const MomentUPreseku m = momentUPreseku(p.rezultati, *p.x);
        const TransverzalnaSilaUPreseku t = transverzalnaSilaUPreseku(p.rezultati, *p.x);
        s << ",\n  \"presek\": {\"x\": " << j(*p.x) << ", \"MI\": " << j(m.MI)
          << ", \"MII\": " << j(m.MII) << ", \"extM\": " << j(m.extM) << ", \"maxT\": " << j(t.maxT)
          << ", \"minT\": " << j(t.minT) << "}";
    }
    if (o.brojPoljaZadat) {
        s << ",\n  \"preseci\": [";
        const auto xs = ListingLines::preseci(u.L, p.n);
        for (std::size_t i = 0; i < xs.size(); ++i) {
            const PoVelicini<double> k = klasicneVrednosti(p.rezultati, xs[i]);
            s << (i ? "," : "") << "\n    {\"x\": " << j(xs[i]);
            for (const Velicina v : sveVelicine)
                s << ", " << jText(TacneAnvelope::naziv(v)) << ": " << j(k[v]);
            s << "}";
        }
        s << "\n  ]";
    }
    if (o.tacne || razlikujuSe(p.poredjenje)) {
        const auto &pr = p.poredjenje;
        s << ",\n  \"tacne\": {\"maksimum\": {\"M\": " << j(pr.maksimum.M)
          << ", \"x\": " << j(pr.maksimum.x) << "}";
        for (const Velicina v : sveVelicine) {
            const auto &r = pr.razlike[v];
            s << ",\n    " << jText(TacneAnvelope::naziv(v))
              << ": {\"najvecaRazlika\": " << j(r.najveca) << ", \"x\": " << j(r.x)
              << ", \"klasicna\": " << j(r.klasicna) << ", \"tacna\": " << j(r.tacna)
              << ", \"procenat\": " << j(r.procenat) << ", \"zone\": [";
            for (std::size_t i = 0; i < r.zone.size(); ++i)
                s << (i ? ", " : "") << "[" << j(r.zone[i].xOd) << ", " << j(r.zone[i].xDo) << "]";
            s << "]}";
        }
        s << ",\n    \"rezime\": [";
        const auto rez = TacneAnvelope::rezime(pr);
        for (std::size_t i = 0; i < rez.size(); ++i)
            s << (i ? ", " : "") << jText(rez[i]);
        s << "]\n  }";
    }
    s << "\n}\n";
    return s.str();
}

} // namespace

ProracunKalkulatora proracunaj(const OpcijeKalkulatora &o)
{
    ProracunKalkulatora p;
    const KontroleUnosa::TekstoviUlaza tekstovi { o.P1, o.P2, o.e, o.L };
    if (!KontroleUnosa::KontrolaDuzine(tekstovi)) {
        p.poruke.push_back("Nijedan od parametara P1, P2, e, L ne sme biti prazan.");
        return p;
    }
    const Proracun::Ishod ishod = Proracun::izTekstova(tekstovi);
    for (const KontroleUnosa::Ispravka &i : ishod.provera.ispravke) {
        if (!i.poruka.empty())
            p.poruke.push_back(i.poruka);
    }
    if (!ishod.rezultati)
        return p;
    p.rezultati = *ishod.rezultati;
    const UlazniParametri &u = p.rezultati.ulaz();
    // The window sets e to 0 without a word when P1 is 0; a script is told.
    if (NumberText::parseField(o.e).value_or(0.0) != u.e)
        p.poruke.push_back("Napomena: P1 = 0 znaci jednu silu (P2), pa se racuna sa e = 0.");

    if (o.presek) {
        const auto odbijanja = KontroleUnosa::KontrolaPreseka(*o.presek, "0", u.L);
        for (const auto &odbijanje : odbijanja)
            p.poruke.push_back(odbijanje.poruka);
        if (!odbijanja.empty())
            return p;
        p.x = NumberText::parseField(*o.presek);
    }
    // The window's field admits a fraction below 1 (".5" lists x = 0 alone); a script that asks
    // for sections means whole fields, and a fraction there is a mistake to say, not to round.
    const auto n = KontroleUnosa::KontrolaBrojaPolja(o.brojPolja);
    if (!n || *n < 1.0 || *n != std::floor(*n)) {
        p.poruke.push_back("Broj polja n mora biti ceo broj od 1 do 99!");
        return p;
    }
    p.n = *n;

    p.poredjenje = TacneAnvelope::uporedi(p.rezultati);
    p.prihvacen = true;
    return p;
}

std::string ispisi(const ProracunKalkulatora &p, const OpcijeKalkulatora &o)
{
    if (o.listing != OpcijeKalkulatora::Listing::None) {
        const std::vector<std::string> linije = o.listing == OpcijeKalkulatora::Listing::Moment
            ? ListingLines::momenti(p.rezultati, p.n)
            : ListingLines::transverzalneSile(p.rezultati, p.n);
        return ListingLines::datoteka(linije);
    }
    switch (o.format) {
    case OpcijeKalkulatora::Format::Csv:
        return csv(p, o);
    case OpcijeKalkulatora::Format::Json:
        return json(p, o);
    case OpcijeKalkulatora::Format::Text:
        break;
    }
    return tekst(p, o);
}

std::string upozorenje(const ProracunKalkulatora &p, const OpcijeKalkulatora &o)
{
    // Text and JSON carry the summary themselves.
    const bool nosiRezime = o.listing == OpcijeKalkulatora::Listing::None
        && o.format != OpcijeKalkulatora::Format::Csv;
    if (nosiRezime || !razlikujuSe(p.poredjenje))
        return {};
    std::string izlaz;
    for (const std::string &linija : TacneAnvelope::rezime(p.poredjenje))
        izlaz += linija + "\n";
    return izlaz;
}
