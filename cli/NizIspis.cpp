// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/NizIspis.h"

#include "cli/Catalogue.h"

#include "core/KontroleNiza.h"
#include "core/KontroleUnosa.h"
#include "core/NizSilaTekst.h"
#include "core/NumberText.h"
#include "core/TacneAnvelopeTekst.h"

#include <algorithm>
#include <optional>
#include <sstream>

using namespace TacneAnvelope;

namespace {

struct OpcijeNiza
{
    KontroleNiza::TekstoviNiza tekstovi;
    bool obaSmera = false;
    std::optional<std::string> presek;
    std::string brojPolja = "10";
    std::string format = "text";
    std::string pdf, png;
};

std::vector<std::string> podeli(const std::string &lista)
{
    std::vector<std::string> delovi;
    std::string deo;
    std::istringstream s(lista);
    while (std::getline(s, deo, ','))
        delovi.push_back(deo);
    if (!lista.empty() && lista.back() == ',')
        delovi.push_back({});
    return delovi;
}

// The line read into texts, or the reason it cannot be.
std::string procitaj(const std::vector<std::string> &argumenti, OpcijeNiza &o)
{
    bool raspon = false;
    for (std::size_t i = 0; i < argumenti.size(); ++i) {
        std::string ime = argumenti[i];
        if (ime == "--both-ways") {
            o.obaSmera = true;
            continue;
        }
        std::optional<std::string> vrednost;
        if (const auto jednako = ime.find('='); ime.rfind("--", 0) == 0 && jednako != ime.npos) {
            vrednost = ime.substr(jednako + 1);
            ime.resize(jednako);
        }
        static const std::vector<std::string> poznate { "--forces", "--spacings", "--span", "-g",
            "--phi", "-x", "--at", "-n", "--sections", "--format", "--pdf", "--png" };
        if (std::find(poznate.begin(), poznate.end(), ime) == poznate.end())
            return "Nepoznata opcija uz --forces: " + argumenti[i];
        if (!vrednost) {
            if (i + 1 >= argumenti.size())
                return "Opcija " + ime + " trazi vrednost.";
            vrednost = argumenti[++i];
        }
        if (ime == "--forces") {
            o.tekstovi.sile = podeli(*vrednost);
        } else if (ime == "--spacings") {
            o.tekstovi.razmaci = podeli(*vrednost);
            o.tekstovi.razmaci.insert(o.tekstovi.razmaci.begin(), std::string());
        } else if (ime == "--span") {
            o.tekstovi.L = *vrednost;
            raspon = true;
        } else if (ime == "-g") {
            o.tekstovi.g = *vrednost;
        } else if (ime == "--phi") {
            o.tekstovi.fi = *vrednost;
        } else if (ime == "-x" || ime == "--at") {
            o.presek = *vrednost;
        } else if (ime == "-n" || ime == "--sections") {
            o.brojPolja = *vrednost;
        } else if (ime == "--pdf") {
            o.pdf = *vrednost;
        } else if (ime == "--png") {
            o.png = *vrednost;
        } else if (*vrednost == "text" || *vrednost == "csv" || *vrednost == "json") {
            o.format = *vrednost;
        } else {
            return "Opcija --format prima text, csv ili json.";
        }
    }
    if (!raspon)
        return "Niz sila trazi i raspon: --span L.";
    if (o.tekstovi.razmaci.size() > o.tekstovi.sile.size())
        return "Razmaka (--spacings) mora biti jedan manje nego sila (--forces).";
    return {};
}

std::string j(double v)
{
    return NumberText::full(v);
}

std::string jText(const std::string &s)
{
    std::string izlaz = "\"";
    for (const char c : s)
        izlaz += (c == '"' || c == '\\') ? std::string("\\") + c : std::string(1, c);
    return izlaz + "\"";
}

std::string tekst(const Niz &niz, const RezultatNiza &r, const std::vector<VrednostiUPreseku> &t,
    const std::optional<double> &x, double brojPolja)
{
    const int n = static_cast<int>(niz.sile.size());
    std::string izlaz = "Niz pokretnih sila:";
    for (int i = 0; i < n; ++i) {
        izlaz += (i ? ", P" : " P") + std::to_string(i + 1) + " = "
            + NumberText::general(niz.sile[i].P) + " kN u " + NumberText::general(niz.sile[i].pomak)
            + " m";
    }
    izlaz += "\nL = " + NumberText::general(niz.L) + " m, g = " + NumberText::general(niz.g)
        + " kN/m, fi = " + NumberText::general(niz.fi)
        + (niz.obaSmera ? ", u oba smera\n\n" : ", u jednom smeru\n\n");
    izlaz += "Apsolutni maksimum: " + linijaMaksimuma(r.maksimum, n) + "\n";
    izlaz += "Reakcije: " + linijaReakcija(r.reakcije, n) + "\n";
    if (x) {
        izlaz += "\nPresek x = " + NumberText::tri(*x) + " m\n";
        for (const std::string &l : linijePreseka(vrednostiNiza(niz, *x), n))
            izlaz += "  " + l + "\n";
    }
    izlaz += "\nPreseci (n = " + NumberText::general(brojPolja) + ")\n";
    for (const VrednostiUPreseku &p : t) {
        izlaz += "  x[m]= " + NumberText::tri(p.x);
        for (const Velicina v : sveVelicine)
            izlaz += "  " + naziv(v) + " " + NumberText::dve(p.vrednosti[v].vrednost);
        izlaz += "\n";
    }
    return izlaz;
}

std::string json(const Niz &niz, const RezultatNiza &r, const std::vector<VrednostiUPreseku> &t,
    const std::optional<double> &x)
{
    const int n = static_cast<int>(niz.sile.size());
    std::ostringstream s;
    s << "{\n  \"ulaz\": {\"sile\": [";
    for (int i = 0; i < n; ++i)
        s << (i ? ", " : "") << "{\"P\": " << j(niz.sile[i].P)
          << ", \"pomak\": " << j(niz.sile[i].pomak) << "}";
    s << "], \"L\": " << j(niz.L) << ", \"g\": " << j(niz.g) << ", \"fi\": " << j(niz.fi)
      << ", \"obaSmera\": " << (niz.obaSmera ? "true" : "false") << "},\n";
    s << "  \"maksimum\": {\"M\": " << j(r.maksimum.M) << ", \"x\": " << j(r.maksimum.x)
      << ", \"polozaj\": " << jText(opisPolozaja(Velicina::ExtM, r.maksimum.polozaj, n)) << "},\n";
    s << "  \"reakcije\": {\"A\": " << j(r.reakcije.A.vrednost)
      << ", \"B\": " << j(-r.reakcije.B.vrednost) << "},\n";
    if (x) {
        const TacneVrednosti v = vrednostiNiza(niz, *x);
        s << "  \"presek\": {\"x\": " << j(*x);
        for (const Velicina q : sveVelicine)
            s << ", " << jText(naziv(q)) << ": " << j(v[q].vrednost);
        s << "},\n";
    }
    s << "  \"preseci\": [";
    for (std::size_t i = 0; i < t.size(); ++i) {
        s << (i ? "," : "") << "\n    {\"x\": " << j(t[i].x);
        for (const Velicina q : sveVelicine)
            s << ", " << jText(naziv(q)) << ": " << j(t[i].vrednosti[q].vrednost);
        s << "}";
    }
    s << "\n  ]\n}\n";
    return s.str();
}

} // namespace

bool jeNiz(const std::vector<std::string> &argumenti)
{
    for (const std::string &a : argumenti) {
        if (a == "--forces" || a.rfind("--forces=", 0) == 0)
            return true;
    }
    return false;
}

IshodNiza racunajNiz(const std::vector<std::string> &argumenti)
{
    IshodNiza ishod;
    ishod.status = 2; // refused until the train has passed its checks
    OpcijeNiza o;
    if (const std::string greska = procitaj(argumenti, o); !greska.empty()) {
        ishod.greske = greska + "\nUputstvo: kelvane-calc --help\n";
        return ishod;
    }
    const KontroleNiza::ProveraNiza provera = KontroleNiza::proveri(o.tekstovi, o.obaSmera);
    for (const KontroleNiza::Greska &g : provera.greske)
        ishod.greske += KontroleNiza::poruka(g) + "\n";
    if (!provera.prihvaceno())
        return ishod;
    const Niz &niz = provera.niz;
    std::optional<double> x;
    if (o.presek) {
        for (const auto &odbijanje : KontroleUnosa::KontrolaPreseka(*o.presek, "0", niz.L))
            ishod.greske
                += Catalogue::translate("KontroleUnosa", KontroleUnosa::tekst(odbijanje.poruka))
                + "\n";
        if (!ishod.greske.empty())
            return ishod;
        x = NumberText::parseField(*o.presek);
    }
    const std::optional<double> brojPolja = KontroleUnosa::KontrolaBrojaPolja(o.brojPolja);
    if (!brojPolja) {
        ishod.greske
            += "Broj polja n mora biti decimalan broj veci od nule koji ima najvise dva znaka!\n";
        return ishod;
    }
    const RezultatNiza r = proracunajNiz(niz);
    const std::vector<VrednostiUPreseku> t = preseciNiza(niz, *brojPolja);
    ishod.status = 0;
    ishod.niz = niz;
    ishod.pdf = o.pdf;
    ishod.png = o.png;
    if (o.format == "csv") {
        for (const std::string &l :
            csvNiza(x ? std::vector { VrednostiUPreseku { *x, vrednostiNiza(niz, *x) } } : t))
            ishod.izlaz += l + "\n";
    } else {
        ishod.izlaz = o.format == "json" ? json(niz, r, t, x) : tekst(niz, r, t, x, *brojPolja);
    }
    return ishod;
}
