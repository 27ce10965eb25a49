// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/NizSila.h"

#include "core/ListingLines.h"

#include <algorithm>
#include <cmath>

namespace TacneAnvelope {

namespace {

double predznak(Velicina v)
{
    return v == Velicina::MinT ? -1.0 : 1.0;
}

// A position of the mirror image, its forces numbered as the train was typed.
Polozaj izObrnutog(Polozaj p, int n)
{
    Polozaj o { n - 1 - p.uPreseku, 0, true };
    for (int i = 0; i < n; ++i) {
        if (p.naGrediJe(i))
            o.naGredi |= 1u << (n - 1 - i);
    }
    return o;
}

// The self-weight's share of a quantity as an equation in x.
Jednacina sopstvena(Velicina v, double g, double L)
{
    if (v == Velicina::ExtM)
        return { 0.0, 0.5 * g * L, -0.5 * g };
    return { 0.5 * g * L, -g, 0.0 };
}

Jednacina zbir(Jednacina a, const Jednacina &b)
{
    a.c0 += b.c0;
    a.c1 += b.c1;
    a.c2 += b.c2;
    return a;
}

Jednacina razlika(const Jednacina &a, const Jednacina &b, double s)
{
    return { s * (a.c0 - b.c0), s * (a.c1 - b.c1), s * (a.c2 - b.c2) };
}

double granica(const Jednacina &j, double b)
{
    return std::abs(j.c0) + std::abs(j.c1) * b + std::abs(j.c2) * b * b;
}

// The roots of j strictly inside (a, b), in the stable form of the quadratic formula.
std::vector<double> koreni(const Jednacina &j, double a, double b)
{
    std::vector<double> r;
    if (j.c2 == 0.0) {
        if (j.c1 != 0.0)
            r.push_back(-j.c0 / j.c1);
    } else {
        const double D = j.c1 * j.c1 - 4.0 * j.c2 * j.c0;
        if (D >= 0.0) {
            const double q = -0.5 * (j.c1 + std::copysign(std::sqrt(D), j.c1));
            if (q != 0.0)
                r.insert(r.end(), { q / j.c2, j.c0 / q });
        }
    }
    std::erase_if(r, [a, b](double x) { return !(x > a && x < b); });
    std::sort(r.begin(), r.end());
    return r;
}

const Deo &deoU(const std::vector<Deo> &delovi, double x)
{
    for (const Deo &d : delovi) {
        if (x <= d.xDo)
            return d;
    }
    return delovi.back();
}

void dodaj(std::vector<Deo> &delovi, double a, double b, const Deo &d)
{
    const Polozaj &p = d.polozaj;
    if (!delovi.empty() && delovi.back().xDo == a && delovi.back().polozaj.uPreseku == p.uPreseku
        && delovi.back().polozaj.naGredi == p.naGredi && delovi.back().polozaj.obrnuto == p.obrnuto)
        delovi.back().xDo = b;
    else
        delovi.push_back({ a, b, p, d.jednacina });
}

// The larger (for minT the smaller) of two envelopes over the span; the first on a tie.
std::vector<Deo> gornja(Velicina v, const std::vector<Deo> &prva, const std::vector<Deo> &druga)
{
    std::vector<double> tacke;
    for (const auto *delovi : { &prva, &druga }) {
        for (const Deo &d : *delovi)
            tacke.insert(tacke.end(), { d.xOd, d.xDo });
    }
    std::sort(tacke.begin(), tacke.end());
    tacke.erase(std::unique(tacke.begin(), tacke.end()), tacke.end());
    const double s = predznak(v);
    std::vector<Deo> delovi;
    for (std::size_t i = 0; i + 1 < tacke.size(); ++i) {
        const double a = tacke[i];
        const double b = tacke[i + 1];
        const Deo &d1 = deoU(prva, 0.5 * (a + b));
        const Deo &d2 = deoU(druga, 0.5 * (a + b));
        const Jednacina d = razlika(d2.jednacina, d1.jednacina, s);
        // Equal up to rounding (a symmetric train): no crossing to look for.
        const double prag = 1e-12 * (granica(d1.jednacina, b) + granica(d2.jednacina, b));
        std::vector<double> x { a };
        if (granica(d, b) > prag) {
            const std::vector<double> r = koreni(d, a, b);
            x.insert(x.end(), r.begin(), r.end());
        }
        x.push_back(b);
        for (std::size_t z = 0; z + 1 < x.size(); ++z) {
            const double sredina = 0.5 * (x[z] + x[z + 1]);
            dodaj(delovi, x[z], x[z + 1], d(sredina) > prag ? d2 : d1);
        }
    }
    return delovi;
}

} // namespace

NizSila dejstvo(const Niz &niz)
{
    NizSila sile = niz.sile;
    for (PokretnaSila &s : sile)
        s.P *= niz.fi;
    return sile;
}

NizSila obrnut(const NizSila &sile)
{
    NizSila o;
    const double duzina = sile.empty() ? 0.0 : sile.back().pomak;
    for (auto s = sile.rbegin(); s != sile.rend(); ++s)
        o.push_back({ s->P, duzina - s->pomak });
    return o;
}

TacneVrednosti vrednostiNiza(const Niz &niz, double x)
{
    const NizSila sile = dejstvo(niz);
    TacneVrednosti t = tacneVrednosti(sile, niz.L, x);
    if (niz.obaSmera) {
        const TacneVrednosti o = tacneVrednosti(obrnut(sile), niz.L, x);
        const int n = static_cast<int>(sile.size());
        for (const Velicina v : sveVelicine) {
            if (predznak(v) * (o[v].vrednost - t[v].vrednost) > 0.0)
                t[v] = { o[v].vrednost, izObrnutog(o[v].polozaj, n) };
        }
    }
    if (niz.g != 0.0) {
        for (const Velicina v : sveVelicine)
            t[v].vrednost += sopstvena(v, niz.g, niz.L)(x);
    }
    return t;
}

Anvelope anvelopeNiza(const Niz &niz)
{
    const NizSila sile = dejstvo(niz);
    Anvelope a = tacneAnvelope(sile, niz.L);
    if (niz.obaSmera && !sile.empty()) {
        Anvelope o = tacneAnvelope(obrnut(sile), niz.L);
        const int n = static_cast<int>(sile.size());
        for (const Velicina v : sveVelicine) {
            for (Deo &d : o[v])
                d.polozaj = izObrnutog(d.polozaj, n);
            a[v] = gornja(v, a[v], o[v]);
        }
    }
    if (niz.g != 0.0) {
        for (const Velicina v : sveVelicine) {
            for (Deo &d : a[v])
                d.jednacina = zbir(d.jednacina, sopstvena(v, niz.g, niz.L));
        }
    }
    return a;
}

Reakcije reakcije(const Niz &niz)
{
    return { vrednostiNiza(niz, 0.0)[Velicina::MaxT], vrednostiNiza(niz, niz.L)[Velicina::MinT] };
}

RezultatNiza proracunajNiz(const Niz &niz)
{
    RezultatNiza r;
    r.anvelope = anvelopeNiza(niz);
    r.maksimum = apsolutniMaksimum(r.anvelope);
    r.reakcije = reakcije(niz);
    return r;
}

std::vector<VrednostiUPreseku> preseciNiza(const Niz &niz, double brojPolja)
{
    std::vector<VrednostiUPreseku> preseci;
    for (const double x : ListingLines::preseci(niz.L, brojPolja))
        preseci.push_back({ x, vrednostiNiza(niz, std::min(x, niz.L)) });
    return preseci;
}

} // namespace TacneAnvelope
