// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/NizSila.h"

#include "core/ListingLines.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

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

// Sums over forces i..j-1 of P and of P times the distance from the first force.
struct Zbirovi
{
    std::vector<double> P, PD; // prefix sums, n + 1 each

    explicit Zbirovi(const NizSila &sile)
        : P { 0.0 }
        , PD { 0.0 }
    {
        for (const PokretnaSila &s : sile) {
            P.push_back(P.back() + s.P);
            PD.push_back(PD.back() + s.P * s.pomak);
        }
    }
    double sila(int i, int j) const { return P[j] - P[i]; }
    double moment(int i, int j) const { return PD[j] - PD[i]; }
};

// The extremes at x over the positions of one train, with one force at the section each. The
// forces on the span form a run of the train whose ends only move on from one force to the next,
// so each position costs a few sums rather than a pass over the train: a table of a long train
// stays quick. The position is chosen as tacneVrednosti chooses it, equal values within rounding
// going to the heavier force.
TacneVrednosti ekstremi(const NizSila &sile, const Zbirovi &z, double L, double x)
{
    const int n = static_cast<int>(sile.size());
    TacneVrednosti t;
    int e0 = 0, e1 = 0, lo = 0, hi = 0;
    for (int k = 0; k < n; ++k) {
        const double dk = sile[k].pomak;
        // The forces beside k, those beyond it, and where the span starts and ends for them. As k
        // moves along the train the span moves back over it, so each bound only grows.
        while (e0 < k && sile[e0].pomak < dk)
            ++e0;
        e1 = std::max(e1, k + 1);
        while (e1 < n && !(sile[e1].pomak > dk))
            ++e1;
        while (lo < n && !(x + (sile[lo].pomak - dk) > 0.0))
            ++lo;
        hi = std::max(hi, e1);
        while (hi < n && x + (sile[hi].pomak - dk) < L)
            ++hi;
        const int od = std::min(lo, e0);
        // Sum of P (p - x) and of P (L - p) for p = x + pomak - dk.
        const auto levo = [&](int i, int j) { return z.moment(i, j) - dk * z.sila(i, j); };
        const auto desno
            = [&](int i, int j) { return (L - x + dk) * z.sila(i, j) - z.moment(i, j); };
        const double uLevo = x * z.sila(od, e1) + levo(od, e1); // Σ P p, with those at x
        const double uLevoStrogo = x * z.sila(od, e0) + levo(od, e0);
        const double vrednosti[3] = {
            ((L - x) * uLevo + x * desno(e1, hi)) / L,
            (desno(e0, hi) - uLevoStrogo) / L,
            (desno(e1, hi) - uLevo) / L,
        };
        std::uint64_t maska
            = ((std::uint64_t { 1 } << hi) - 1) & ~((std::uint64_t { 1 } << od) - 1);
        const Polozaj p { k, static_cast<std::uint32_t>(maska) };
        for (const Velicina v : sveVelicine) {
            const double vrednost = vrednosti[static_cast<int>(v)];
            TacnaVrednost &najbolja = t[v];
            const double razlika = predznak(v) * (vrednost - najbolja.vrednost);
            const double prag = 1e-13 * (std::abs(vrednost) + std::abs(najbolja.vrednost));
            const int a = najbolja.polozaj.uPreseku;
            const bool teza = sile[k].P > sile[a].P;
            if (k == 0 || razlika > prag || (razlika >= -prag && teza))
                najbolja = { vrednost, p };
        }
    }
    return t;
}

// The values at any section of one train: the forces as they act, both ways when asked, with
// their sums prepared once.
class Preseci
{
public:
    explicit Preseci(const Niz &niz)
        : m_niz(niz)
        , m_napred(dejstvo(niz))
        , m_nazad(obrnut(m_napred))
        , m_zNapred(m_napred)
        , m_zNazad(m_nazad)
    { }

    TacneVrednosti operator()(double x) const
    {
        TacneVrednosti t;
        if (m_napred.empty())
            return t;
        t = ekstremi(m_napred, m_zNapred, m_niz.L, x);
        if (m_niz.obaSmera) {
            const TacneVrednosti o = ekstremi(m_nazad, m_zNazad, m_niz.L, x);
            const int n = static_cast<int>(m_napred.size());
            for (const Velicina v : sveVelicine) {
                const double prag = 1e-13 * (std::abs(o[v].vrednost) + std::abs(t[v].vrednost));
                if (predznak(v) * (o[v].vrednost - t[v].vrednost) > prag)
                    t[v] = { o[v].vrednost, izObrnutog(o[v].polozaj, n) };
            }
        }
        if (m_niz.g != 0.0) {
            for (const Velicina v : sveVelicine)
                t[v].vrednost += sopstvena(v, m_niz.g, m_niz.L)(x);
        }
        return t;
    }

private:
    const Niz &m_niz;
    NizSila m_napred, m_nazad;
    Zbirovi m_zNapred, m_zNazad;
};

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
    return Preseci(niz)(x);
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
    const Preseci vrednosti(niz);
    std::vector<VrednostiUPreseku> preseci;
    for (const double x : ListingLines::preseci(niz.L, brojPolja))
        preseci.push_back({ x, vrednosti(std::min(x, niz.L)) });
    return preseci;
}

} // namespace TacneAnvelope
