// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/KontroleNiza.h"

#include "core/NumberText.h"

#include <optional>

namespace KontroleNiza {

namespace {

std::optional<double> uGranicama(const std::string &tekst, double od, bool odUkljucivo, double do_)
{
    const std::optional<double> v = NumberText::parseField(tekst);
    if (!v || *v > do_ || *v < od || (!odUkljucivo && *v == od))
        return std::nullopt;
    return v;
}

} // namespace

ProveraNiza proveri(const TekstoviNiza &t, bool obaSmera)
{
    ProveraNiza p;
    p.niz.obaSmera = obaSmera;
    const int n = static_cast<int>(t.sile.size());
    if (n < 1 || n > najviseSila)
        p.greske.push_back({ Polje::BrojSila, 0 });
    double pomak = 0.0;
    for (int i = 0; i < n; ++i) {
        const std::optional<double> P = uGranicama(t.sile[i], 0.0, false, 99999.0);
        if (!P)
            p.greske.push_back({ Polje::Sila, i + 1 });
        if (i > 0) {
            const std::string a = i < static_cast<int>(t.razmaci.size()) ? t.razmaci[i] : "";
            const std::optional<double> d = uGranicama(a, 0.0, true, 9999.0);
            if (!d)
                p.greske.push_back({ Polje::Razmak, i + 1 });
            pomak += d.value_or(0.0);
        }
        p.niz.sile.push_back({ P.value_or(0.0), pomak });
    }
    const std::optional<double> L = uGranicama(t.L, 0.0, false, 9999.0);
    if (!L)
        p.greske.push_back({ Polje::Raspon, 0 });
    const std::optional<double> g = uGranicama(t.g, 0.0, true, 99999.0);
    if (!g)
        p.greske.push_back({ Polje::G, 0 });
    const std::optional<double> fi = uGranicama(t.fi, 1.0, true, 2.0);
    if (!fi)
        p.greske.push_back({ Polje::Fi, 0 });
    p.niz.L = L.value_or(0.0);
    p.niz.g = g.value_or(0.0);
    p.niz.fi = fi.value_or(1.0);
    return p;
}

std::string obrazac(Polje polje)
{
    switch (polje) {
    case Polje::Sila:
        return "Sila P u redu %1 mora biti decimalan broj veci od 0 i najvise 99999 kN!";
    case Polje::Razmak:
        return "Razmak a u redu %1 mora biti decimalan broj od 0 do 9999 m!";
    case Polje::Raspon:
        return "Raspon grede L mora biti decimalan broj veci od 0 i najvise 9999 m!";
    case Polje::G:
        return "Sopstvena tezina g mora biti decimalan broj od 0 do 99999 kN/m!";
    case Polje::Fi:
        return "Dinamicki koeficijent mora biti decimalan broj od 1 do 2!";
    case Polje::BrojSila:
        break;
    }
    return "Niz mora imati od 1 do 20 sila!";
}

std::string poruka(const Greska &greska)
{
    std::string tekst = obrazac(greska.polje);
    if (const std::size_t i = tekst.find("%1"); i != std::string::npos)
        tekst.replace(i, 2, std::to_string(greska.red));
    return tekst;
}

} // namespace KontroleNiza
