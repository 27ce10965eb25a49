// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/TacneAnvelope.h"

#include "core/KlasicnaAnvelopa.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace TacneAnvelope {

namespace {

// Whether a force at p stands on the span for the section x. A force on a support carries
// nothing into the beam and counts as off it, unless it shares the section with the force there.
bool naGredi(double p, double x, double L)
{
    return p == x || (p > 0.0 && p < L);
}

// The influence ordinates of a unit force at p on the span for the section x. For the shear the
// force at the section stands just to its right (maxT) or just to its left (minT); another force
// at the same point stands on the same side.
double uticaj(Velicina v, double p, double x, double L)
{
    switch (v) {
    case Velicina::ExtM:
        return p <= x ? p * (L - x) / L : x * (L - p) / L;
    case Velicina::MaxT:
        return p >= x ? (L - p) / L : -p / L;
    case Velicina::MinT:
        break;
    }
    return p <= x ? -p / L : (L - p) / L;
}

// -1 for minT, whose extreme is the smaller value: multiplied in, every extreme is a largest one.
double predznak(Velicina v)
{
    return v == Velicina::MinT ? -1.0 : 1.0;
}

// Whether force a is named before force b when both give the same value: the heavier one, the
// first of equal ones.
bool ispred(const NizSila &sile, int a, int b)
{
    return sile[a].P > sile[b].P || (sile[a].P == sile[b].P && a < b);
}

// The position with force k at the section x: the forces that then stand on the span.
Polozaj polozaj(const NizSila &sile, int k, double x, double L)
{
    Polozaj p { k, 0 };
    for (std::size_t j = 0; j < sile.size(); ++j) {
        if (naGredi(x + (sile[j].pomak - sile[k].pomak), x, L))
            p.naGredi |= 1u << j;
    }
    return p;
}

Jednacina operator-(Jednacina a, const Jednacina &b)
{
    a.c0 -= b.c0;
    a.c1 -= b.c1;
    a.c2 -= b.c2;
    return a;
}

Jednacina operator*(double k, Jednacina a)
{
    a.c0 *= k;
    a.c1 *= k;
    a.c2 *= k;
    return a;
}

// The equation in x of a position: the force at the section plus each force that stands on the
// span, at its distance d from the section.
Jednacina jednacinaPolozaja(Velicina v, Polozaj p, const NizSila &sile, double L)
{
    const double Pa = sile[p.uPreseku].P;
    Jednacina j;
    if (v == Velicina::ExtM) { // Pa x (L - x) / L
        j.c1 = Pa;
        j.c2 = -Pa / L;
    } else { // Pa (L - x) / L for maxT, -Pa x / L for minT
        j.c0 = v == Velicina::MaxT ? Pa : 0.0;
        j.c1 = -Pa / L;
    }
    for (std::size_t i = 0; i < sile.size(); ++i) {
        if (static_cast<int>(i) == p.uPreseku || !p.naGrediJe(static_cast<int>(i)))
            continue;
        const double Pb = sile[i].P;
        const double d = sile[i].pomak - sile[p.uPreseku].pomak;
        if (v == Velicina::ExtM) { // Pb x (L - x - d) / L to the right, Pb (x + d)(L - x) / L left
            j.c0 += d < 0.0 ? Pb * d : 0.0;
            j.c1 += Pb * (L - d) / L;
            j.c2 -= Pb / L;
        } else { // Pb (L - x - d) / L to the right, -Pb (x + d) / L to the left
            const bool desno = d > 0.0 || (d == 0.0 && v == Velicina::MaxT);
            j.c0 += desno ? Pb * (L - d) / L : -Pb * d / L;
            j.c1 -= Pb / L;
        }
    }
    return j;
}

// |j| bounded over [0, b].
double granica(const Jednacina &j, double b)
{
    return std::abs(j.c0) + std::abs(j.c1) * b + std::abs(j.c2) * b * b;
}

// Equations equal up to rounding (coinciding forces) have no crossing to look for.
bool iste(const Jednacina &a, const Jednacina &b, double xDo)
{
    return !(granica(a - b, xDo) > 1e-12 * (granica(a, xDo) + granica(b, xDo)));
}

// The roots of j strictly inside (a, b), ascending. The stable form of the quadratic formula keeps
// the root of a nearly linear j exact.
int koreni(const Jednacina &j, double a, double b, double out[2])
{
    double r[2];
    int n = 0;
    if (j.c2 == 0.0) {
        if (j.c1 != 0.0)
            r[n++] = -j.c0 / j.c1;
    } else {
        const double D = j.c1 * j.c1 - 4.0 * j.c2 * j.c0;
        if (D >= 0.0) {
            const double q = -0.5 * (j.c1 + std::copysign(std::sqrt(D), j.c1));
            if (q != 0.0) {
                r[n++] = q / j.c2;
                r[n++] = j.c0 / q;
            } else {
                r[n++] = 0.0; // c1 = c0 = 0
            }
        }
    }
    int k = 0;
    for (int i = 0; i < n; ++i) {
        if (r[i] > a && r[i] < b)
            out[k++] = r[i];
    }
    if (k == 2 && out[0] > out[1])
        std::swap(out[0], out[1]);
    return k;
}

bool isti(const Polozaj &a, const Polozaj &b)
{
    return a.uPreseku == b.uPreseku && a.naGredi == b.naGredi && a.obrnuto == b.obrnuto;
}

void dodaj(std::vector<Deo> &delovi, double a, double b, Polozaj p, const Jednacina &j)
{
    if (!delovi.empty() && isti(delovi.back().polozaj, p) && delovi.back().xDo == a)
        delovi.back().xDo = b;
    else
        delovi.push_back({ a, b, p, j });
}

// The span cut at the points where a force of the train enters or leaves it while another one
// stands at the section.
std::vector<double> tackePodele(const NizSila &sile, double L)
{
    std::vector<double> t { 0.0, L };
    for (const PokretnaSila &a : sile) {
        for (const PokretnaSila &b : sile) {
            const double d = b.pomak - a.pomak;
            for (const double p : { -d, L - d }) {
                if (p > 0.0 && p < L)
                    t.push_back(p);
            }
        }
    }
    std::sort(t.begin(), t.end());
    t.erase(std::unique(t.begin(), t.end()), t.end());
    return t;
}

std::vector<Deo> anvelopa(
    Velicina v, const NizSila &sile, double L, const std::vector<double> &tacke)
{
    const double s = predznak(v);
    const int n = static_cast<int>(sile.size());
    std::vector<Deo> delovi;
    std::vector<Polozaj> p(n);
    std::vector<Jednacina> j(n);
    std::vector<double> x;
    for (std::size_t i = 0; i + 1 < tacke.size(); ++i) {
        const double a = tacke[i];
        const double b = tacke[i + 1];
        for (int k = 0; k < n; ++k) {
            p[k] = polozaj(sile, k, 0.5 * (a + b), L);
            j[k] = jednacinaPolozaja(v, p[k], sile, L);
        }
        // Within [a, b] the governing position changes only where two equations cross.
        x.assign({ a, b });
        for (int k = 0; k < n; ++k) {
            for (int m = k + 1; m < n; ++m) {
                double r[2];
                if (!iste(j[k], j[m], b))
                    x.insert(x.end(), r, r + koreni(j[k] - j[m], a, b, r));
            }
        }
        std::sort(x.begin(), x.end());
        x.erase(std::unique(x.begin(), x.end()), x.end());
        for (std::size_t z = 0; z + 1 < x.size(); ++z) {
            const double sredina = 0.5 * (x[z] + x[z + 1]);
            int izbor = 0;
            for (int k = 1; k < n; ++k) {
                const double razlika = s * (j[k](sredina) - j[izbor](sredina));
                const bool jednako = razlika == 0.0 || iste(j[k], j[izbor], b);
                if (jednako ? ispred(sile, k, izbor) : razlika > 0.0)
                    izbor = k;
            }
            dodaj(delovi, x[z], x[z + 1], p[izbor], j[izbor]);
        }
    }
    return delovi;
}

const Deo &deoU(const std::vector<Deo> &delovi, double x)
{
    for (const Deo &d : delovi) {
        if (x <= d.xDo)
            return d;
    }
    return delovi.back();
}

Razlika razlika(Velicina v, const Anvelope &tacne, const Anvelope &klasicne)
{
    const std::vector<Deo> &ta = tacne[v];
    const std::vector<Deo> &kl = klasicne[v];
    Razlika r;
    if (ta.empty() || kl.empty())
        return r;
    std::vector<double> tacke;
    for (const auto *delovi : { &ta, &kl }) {
        for (const Deo &d : *delovi) {
            tacke.push_back(d.xOd);
            tacke.push_back(d.xDo);
        }
    }
    std::sort(tacke.begin(), tacke.end());
    tacke.erase(std::unique(tacke.begin(), tacke.end()), tacke.end());

    const double s = predznak(v);
    r.najveca = -std::numeric_limits<double>::infinity();
    for (std::size_t i = 0; i + 1 < tacke.size(); ++i) {
        const double a = tacke[i];
        const double b = tacke[i + 1];
        const double sredina = 0.5 * (a + b);
        const Jednacina &jt = deoU(ta, sredina).jednacina;
        const Jednacina &jk = deoU(kl, sredina).jednacina;
        const Jednacina d = s * (jt - jk);

        // A shortfall is the share of a force that the classical position keeps beyond a support:
        // linear (shear) or convex (moment) in x, so it peaks at an end of [a, b].
        for (const double x : { a, b }) {
            if (d(x) > r.najveca) {
                r.najveca = d(x);
                r.x = x;
                r.tacna = jt(x);
                r.klasicna = jk(x);
            }
        }

        Jednacina prag = d;
        prag.c0 -= zaokruzivanje;
        double x[4] = { a, 0.0, 0.0, 0.0 };
        const int n = 1 + koreni(prag, a, b, x + 1);
        x[n] = b;
        for (int k = 0; k < n; ++k) {
            if (!(prag(0.5 * (x[k] + x[k + 1])) > 0.0))
                continue;
            if (!r.zone.empty() && r.zone.back().xDo == x[k])
                r.zone.back().xDo = x[k + 1];
            else
                r.zone.push_back({ x[k], x[k + 1] });
        }
    }
    if (r.tacna != 0.0)
        r.procenat = 100.0 * r.najveca / std::abs(r.tacna);
    return r;
}

} // namespace

NizSila par(const UlazniParametri &u)
{
    return { { u.P1, 0.0 }, { u.P2, u.e } };
}

TacneVrednosti tacneVrednosti(const NizSila &sile, double L, double x)
{
    TacneVrednosti t;
    const int n = static_cast<int>(sile.size());
    for (const Velicina v : sveVelicine) {
        const double s = predznak(v);
        TacnaVrednost &najbolja = t[v];
        for (int k = 0; k < n; ++k) {
            double vrednost = 0.0;
            Polozaj p { k, 0 };
            // The force at the section first, so that the sum for a pair keeps its order.
            for (int i = 0; i < n; ++i) {
                const int j = (k + i) % n;
                // x + d, so that the force at the section, and any with it, stands exactly at x.
                const double pj = x + (sile[j].pomak - sile[k].pomak);
                if (naGredi(pj, x, L)) {
                    p.naGredi |= 1u << j;
                    vrednost += sile[j].P * uticaj(v, pj, x, L);
                }
            }
            const double razlika = s * (vrednost - najbolja.vrednost);
            if (k == 0 || razlika > 0.0
                || (razlika == 0.0 && ispred(sile, k, najbolja.polozaj.uPreseku)))
                najbolja = { vrednost, p };
        }
    }
    return t;
}

TacneVrednosti tacneVrednosti(const RezultatiProracuna &r, double x)
{
    return tacneVrednosti(par(r.ulaz()), r.ulaz().L, x);
}

Anvelope tacneAnvelope(const NizSila &sile, double L)
{
    Anvelope a;
    if (!(L > 0.0) || sile.empty())
        return a;
    const std::vector<double> tacke = tackePodele(sile, L);
    for (const Velicina v : sveVelicine)
        a[v] = anvelopa(v, sile, L, tacke);
    return a;
}

ApsolutniMaksimum apsolutniMaksimum(const Anvelope &tacne)
{
    ApsolutniMaksimum m;
    bool prvi = true;
    for (const Deo &d : tacne[Velicina::ExtM]) {
        const Jednacina &j = d.jednacina;
        double x[3] = { d.xOd, d.xDo, d.xOd };
        int n = 2;
        if (j.c2 != 0.0) {
            const double teme = -j.c1 / (2.0 * j.c2);
            if (teme > d.xOd && teme < d.xDo)
                x[n++] = teme;
        }
        for (int k = 0; k < n; ++k) {
            const double M = j(x[k]);
            if (prvi || M > m.M || (M == m.M && x[k] < m.x)) {
                m = { M, x[k], d.polozaj };
                prvi = false;
            }
        }
    }
    return m;
}

Poredjenje uporedi(const RezultatiProracuna &r)
{
    Poredjenje p;
    p.tacne = tacneAnvelope(par(r.ulaz()), r.ulaz().L);
    p.klasicne = KlasicnaAnvelopa::anvelope(r);
    p.maksimum = apsolutniMaksimum(p.tacne);
    for (const Velicina v : sveVelicine)
        p.razlike[v] = razlika(v, p.tacne, p.klasicne);
    return p;
}

bool manjaOdTacne(Velicina v, double klasicna, double tacna)
{
    return predznak(v) * (tacna - klasicna) > zaokruzivanje;
}

} // namespace TacneAnvelope
