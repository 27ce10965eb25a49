// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/Ispis.h"

#include "cli/Catalogue.h"
#include "core/EvaluacijaPreseka.h"
#include "core/KontroleUnosa.h"
#include "core/ListingLines.h"
#include "core/NumberText.h"
#include "core/OznakeRezultata.h"
#include "core/Proracun.h"
#include "core/TacneAnvelopeTekst.h"

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string_view>

namespace {

std::string broj(double v)
{
    return NumberText::general(v);
}

// A label of the results window, in its words and the user's language, without the spaces that
// end some of them there.
std::string prozor(const char *oznaka)
{
    std::string tekst = Catalogue::translate("frmIzlazna", oznaka);
    tekst.erase(tekst.find_last_not_of(' ') + 1);
    return tekst;
}

std::string poruka(KontroleUnosa::Poruka p)
{
    return Catalogue::translate("KontroleUnosa", KontroleUnosa::tekst(p));
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
        prozor(OznakeRezultata::proracunMomenata),
        prozor("Jednacine dijagrama extremnih vednosti momenata savijanja"),
        "  " + prozor(OznakeRezultata::jednacinaParaboleI) + " "
            + NumberText::dve(r.dblKonstantaAI()) + "*X- " + NumberText::dve(r.dblKonstantaBI())
            + "*X^2",
        "  " + prozor(OznakeRezultata::jednacinaParaboleII) + " "
            + NumberText::dve(r.dblKonstantaAII()) + "*X- " + NumberText::dve(r.dblKonstantaBII())
            + "*X^2- " + NumberText::dve(r.dblKonstantaCII()),
        prozor(OznakeRezultata::ekstremneVrednosti),
        "  " + prozor("Parabola I  =") + " Xmax [m] " + NumberText::dve(r.dblXmaxI())
            + "  Mmax [kNm] " + NumberText::dve(r.dblMmaxI()) + "  "
            + prozor(OznakeRezultata::nulteTacke) + " Xo1[m] " + NumberText::dve(r.dblX01I())
            + "  Xo2[m] " + NumberText::dve(r.dblX02I()),
        "  " + prozor("Parabola II =") + " Xmax [m] " + NumberText::dve(r.dblXmaxII())
            + "  Mmax [kNm] " + NumberText::dve(r.dblMmaxII()) + "  "
            + prozor(OznakeRezultata::nulteTacke) + " Xo1[m] " + NumberText::dve(r.dblX01II())
            + "  Xo2[m] " + NumberText::dve(r.dblX02II()),
        "  " + prozor(OznakeRezultata::presekParabola) + ": " + prozor(OznakeRezultata::xPreseka)
            + " " + NumberText::dve(r.dblXpreseka()) + "  " + prozor(OznakeRezultata::mPreseka)
            + " " + NumberText::dve(r.dblMpreseka()),
        prozor(OznakeRezultata::zoneVazenja),
        "  " + prozor(OznakeRezultata::zonaParaboleI) + " "
            + NumberText::dve(r.dblZonaVazenjaParaboleI()),
        "  " + prozor(OznakeRezultata::zonaParaboleII) + " "
            + NumberText::dve(r.dblZonaVazenjaParaboleII()),
    };
}

std::vector<std::string> tabExtT(const RezultatiProracuna &r)
{
    const auto zona = [](double levo, double desno) {
        return "   " + NumberText::dve(levo) + " =<X[m]<= " + NumberText::dve(desno);
    };
    return {
        prozor(OznakeRezultata::proracunSila),
        prozor(OznakeRezultata::jednacineSila),
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
        prozor(OznakeRezultata::momentUPreseku),
        "  X[m] " + NumberText::dve(x) + "  " + prozor(OznakeRezultata::parabolaI) + " "
            + NumberText::dve(m.MI) + "  " + prozor(OznakeRezultata::parabolaII) + " "
            + NumberText::dve(m.MII) + "  ext M [kNm] " + NumberText::dve(m.extM),
        prozor(OznakeRezultata::silaUPreseku),
        "  X[m] " + NumberText::dve(x) + "  maxT[kN] " + NumberText::dve(t.maxT) + "  minT[kN] "
            + NumberText::dve(t.minT),
    };
    if (tacne) {
        const TacneAnvelope::TacneVrednosti t = TacneAnvelope::tacneVrednosti(p.rezultati, x);
        linije.push_back(
            Catalogue::translate("kelvane-calc", "Tacne vrednosti u preseku (svi polozaji sila)"));
        for (const Velicina v : sveVelicine)
            linije.push_back("  " + TacneAnvelope::naziv(v) + " " + NumberText::dve(t[v].vrednost)
                + "  (" + TacneAnvelope::opisPolozaja(v, t[v].polozaj) + ")");
    }
    return linije;
}

std::vector<std::string> tabelaPreseka(const ProracunKalkulatora &p, bool tacne)
{
    std::vector<std::string> linije { Catalogue::arg(
        Catalogue::translate("kelvane-calc", "Preseci (n = %1)"), broj(p.n)) };
    for (const double x : ListingLines::preseci(p.rezultati.ulaz().L, p.n)) {
        const PoVelicini<double> k = klasicneVrednosti(p.rezultati, x);
        std::string linija = "  x[m]= " + NumberText::tri(x);
        for (const Velicina v : sveVelicine)
            linija += "  " + TacneAnvelope::naziv(v) + " " + NumberText::dve(k[v]);
        if (tacne) {
            const TacneAnvelope::TacneVrednosti t = TacneAnvelope::tacneVrednosti(p.rezultati, x);
            linija += "  " + Catalogue::translate("kelvane-calc", "tacno:");
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
    std::vector<std::vector<std::string>> blokovi {
        { linijaUlaza(p.rezultati.ulaz()) },
        tabExtM(p.rezultati),
        tabExtT(p.rezultati),
    };
    if (p.x)
        blokovi.push_back(presekLinije(p, o.tacne));
    if (o.brojPoljaZadat)
        blokovi.push_back(tabelaPreseka(p, o.tacne));
    std::vector<std::string> rezime { Catalogue::translate("kelvane-calc", "Rezime") };
    for (std::string &linija : linijeRezimea(p.rezime))
        rezime.push_back(std::move(linija));
    blokovi.push_back(std::move(rezime));
    // The comparison of the envelopes closes the output, so that a shortfall is the last word.
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
    const CsvDijalekt d = dijalekt(o);
    const std::vector<double> xs
        = p.x ? std::vector<double> { *p.x } : ListingLines::preseci(p.rezultati.ulaz().L, p.n);
    const Skale &s = p.skale;
    const PoVelicini<double> skala { { s[Jedinica::kNm], s[Jedinica::kN], s[Jedinica::kN] } };
    std::string izlaz;
    if (o.tacne) {
        for (const std::string_view kolona : TacneAnvelope::csvKolone)
            (izlaz += izlaz.empty() ? "" : std::string(1, d.separator)) += kolona;
    } else {
        izlaz
            = std::string("x") + d.separator + "extM" + d.separator + "maxT" + d.separator + "minT";
    }
    izlaz += '\n';
    for (const double x : xs) {
        const PoVelicini<double> k = klasicneVrednosti(p.rezultati, x);
        const auto t = o.tacne ? TacneAnvelope::tacneVrednosti(p.rezultati, x)
                               : TacneAnvelope::TacneVrednosti {};
        csvBroj(izlaz, x, s[Jedinica::m], d);
        for (const Velicina v : sveVelicine) {
            izlaz += d.separator;
            csvBroj(izlaz, k[v], skala[v], d);
            if (o.tacne) {
                izlaz += d.separator;
                csvBroj(izlaz, t[v].vrednost, skala[v], d);
            }
        }
        izlaz += '\n';
    }
    return izlaz;
}

// A JSON number without noise, against the case's scale of its quantity.
class JsonBrojevi
{
public:
    explicit JsonBrojevi(const Skale &s)
        : m_s(s)
    { }
    std::string operator()(double v, Jedinica j) const { return NumberText::tidy(v, m_s[j]); }
    std::string operator()(double v, Velicina q) const
    {
        return (*this)(v, q == Velicina::ExtM ? Jedinica::kNm : Jedinica::kN);
    }
    std::string procenat(double v) const { return NumberText::tidy(v, m_s.procenat); }

private:
    const Skale &m_s;
};

std::string jText(std::string_view s)
{
    std::string izlaz;
    jsonTekst(izlaz, s);
    return izlaz;
}

// The values at a section, classical and exact: {"x": ..., "extM": ..., "extM_tacna": ...}.
void jsonPresek(std::ostringstream &s, const ProracunKalkulatora &p, double x, bool polozaji)
{
    const JsonBrojevi j(p.skale);
    const PoVelicini<double> k = klasicneVrednosti(p.rezultati, x);
    const TacneAnvelope::TacneVrednosti t = TacneAnvelope::tacneVrednosti(p.rezultati, x);
    s << "{\"x\": " << j(x, Jedinica::m);
    if (polozaji) {
        const MomentUPreseku m = momentUPreseku(p.rezultati, x);
        s << ", \"MI\": " << j(m.MI, Jedinica::kNm) << ", \"MII\": " << j(m.MII, Jedinica::kNm);
    }
    for (const Velicina v : sveVelicine) {
        const std::string ime = TacneAnvelope::naziv(v);
        s << ", " << jText(ime) << ": " << j(k[v], v);
        s << ", " << jText(ime + "_tacna") << ": " << j(t[v].vrednost, v);
        if (polozaji)
            s << ", " << jText("polozaj_" + ime + "_tacna") << ": "
              << jText(TacneAnvelope::opisPolozaja(v, t[v].polozaj));
    }
    s << "}";
}

std::string json(const ProracunKalkulatora &p, const OpcijeKalkulatora &o)
{
    const JsonBrojevi j(p.skale);
    std::ostringstream s;
    std::string rezime;
    jsonRezime(rezime, p.rezime, p.skale);
    s << "{\n  \"format_version\": " << formatJson << ",\n  \"rezime\": " << rezime;
    if (p.x) {
        s << ",\n  \"presek\": ";
        jsonPresek(s, p, *p.x, true);
    }
    if (o.brojPoljaZadat) {
        s << ",\n  \"preseci\": [";
        const auto xs = ListingLines::preseci(p.rezultati.ulaz().L, p.n);
        for (std::size_t i = 0; i < xs.size(); ++i) {
            s << (i ? "," : "") << "\n    ";
            jsonPresek(s, p, xs[i], false);
        }
        s << "\n  ]";
    }
    const auto &pr = p.poredjenje;
    s << ",\n  \"tacne\": {";
    for (const Velicina v : sveVelicine) {
        const auto &r = pr.razlike[v];
        s << "\n    " << jText(TacneAnvelope::naziv(v)) << ": {\"razlika\": " << j(r.najveca, v)
          << ", \"x\": " << j(r.x, Jedinica::m) << ", \"klasicna\": " << j(r.klasicna, v)
          << ", \"tacna\": " << j(r.tacna, v) << ", \"procenat\": " << j.procenat(r.procenat)
          << ", \"zone\": [";
        for (std::size_t i = 0; i < r.zone.size(); ++i)
            s << (i ? ", " : "") << "[" << j(r.zone[i].xOd, Jedinica::m) << ", "
              << j(r.zone[i].xDo, Jedinica::m) << "]";
        s << "]},";
    }
    s << "\n    \"rezime\": [";
    const auto rez = TacneAnvelope::rezime(pr);
    for (std::size_t i = 0; i < rez.size(); ++i)
        s << (i ? ", " : "") << jText(rez[i]);
    s << "]\n  },\n  \"rezultati\": {";
    const auto polja = p.rezultati.polja();
    for (std::size_t i = 0; i < polja.size(); ++i)
        s << (i ? "," : "") << "\n    \"" << polja[i].ime
          << "\": " << j(polja[i].vrednost, polja[i].jedinica);
    s << "\n  }\n}\n";
    return s.str();
}

} // namespace

ProracunKalkulatora proracunajSlucaj(const KontroleUnosa::TekstoviUlaza &tekstovi)
{
    ProracunKalkulatora p;
    if (!KontroleUnosa::KontrolaDuzine(tekstovi)) {
        p.poruke.push_back(Catalogue::translate(
            "kelvane-calc", "Nijedan od parametara P1, P2, e, L ne sme biti prazan."));
        return p;
    }
    const Proracun::Ishod ishod = Proracun::izTekstova(tekstovi);
    for (const KontroleUnosa::Ispravka &i : ishod.provera.ispravke) {
        if (i.poruka)
            p.poruke.push_back(poruka(*i.poruka));
    }
    if (!ishod.rezultati)
        return p;
    p.rezultati = *ishod.rezultati;
    // The window sets e to 0 without a word when P1 is 0; a script is told.
    const auto e = tekstovi[static_cast<std::size_t>(KontroleUnosa::Ulaz::RazmakSila)];
    if (NumberText::parseField(e).value_or(0.0) != p.rezultati.ulaz().e)
        p.poruke.push_back(Catalogue::translate(
            "kelvane-calc", "Napomena: P1 = 0 znaci jednu silu (P2), pa se racuna sa e = 0."));
    p.poredjenje = TacneAnvelope::uporedi(p.rezultati);
    p.rezime = rezimeSlucaja(p.rezultati, p.poredjenje);
    p.skale = skale(p.rezultati, p.rezime);
    p.prihvacen = true;
    return p;
}

CsvDijalekt dijalekt(const OpcijeKalkulatora &o)
{
    return o.dijalekt == OpcijeKalkulatora::Dijalekt::ExcelSr ? excelSr : CsvDijalekt {};
}

ProracunKalkulatora proracunaj(const OpcijeKalkulatora &o)
{
    ProracunKalkulatora p = proracunajSlucaj({ o.P1, o.P2, o.e, o.L });
    if (!p.prihvacen)
        return p;
    const double L = p.rezultati.ulaz().L;
    p.prihvacen = false;
    if (o.presek) {
        const auto odbijanja = KontroleUnosa::KontrolaPreseka(*o.presek, "0", L);
        for (const auto &odbijanje : odbijanja)
            p.poruke.push_back(poruka(odbijanje.poruka));
        if (!odbijanja.empty())
            return p;
        p.x = NumberText::parseField(*o.presek);
    }
    // The window's field admits a fraction below 1 (".5" lists x = 0 alone); a script that asks
    // for sections means whole fields, and a fraction there is a mistake to say, not to round.
    const auto n = KontroleUnosa::KontrolaBrojaPolja(o.brojPolja);
    if (!n || *n < 1.0 || *n != std::floor(*n)) {
        p.poruke.push_back(
            Catalogue::translate("kelvane-calc", "Broj polja n mora biti ceo broj od 1 do 99!"));
        return p;
    }
    p.n = *n;
    p.prihvacen = true;
    return p;
}

std::string napomenaZarez(const OpcijeKalkulatora &o)
{
    for (const std::string &broj :
        { o.P1, o.P2, o.e, o.L, o.presek.value_or(std::string()), o.brojPolja }) {
        if (broj.find(',') == std::string::npos)
            continue;
        std::string saTackom = broj;
        std::replace(saTackom.begin(), saTackom.end(), ',', '.');
        return "Decimalni znak je tacka \".\": " + saTackom + ", ne " + broj + ".\n";
    }
    return {};
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
