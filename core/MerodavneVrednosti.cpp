// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/MerodavneVrednosti.h"

#include <algorithm>
#include <cmath>

namespace MerodavneVrednosti {

namespace {

// The force a position names: 0 is P1, 1 is P2.
double sila(const UlazniParametri &u, int s)
{
    return s == 0 ? u.P1 : u.P2;
}

// A formula counts when it gives the envelope's value to the last few digits: otherwise the
// largest lies at a piece's end, where no vertex formula holds.
bool daje(double formula, double M)
{
    return std::abs(formula - M) <= 1e-9 * std::max(1.0, std::abs(M));
}

OslonackaSila oslonac(const TacneAnvelope::TacnaVrednost &t, double x, const UlazniParametri &u)
{
    const double pomak = t.polozaj.uPreseku == 0 ? u.e : -u.e;
    return { t.vrednost, x, t.polozaj, x + pomak };
}

} // namespace

Merodavne merodavne(const TacneAnvelope::Poredjenje &p, const RezultatiProracuna &r)
{
    const UlazniParametri &u = r.ulaz();
    Merodavne m;
    MaksimalniMoment &mm = m.moment;
    mm.M = p.maksimum.M;
    mm.x = p.maksimum.x;
    mm.polozaj = p.maksimum.polozaj;
    mm.P = sila(u, mm.polozaj.uPreseku);
    const double L = u.L;
    const double R = u.P1 + u.P2;
    const double xr = R > 0.0 ? u.e * u.P2 / R : 0.0; // the resultant's distance from P1
    if (drugaNaGredi(mm.polozaj)) {
        mm.d = mm.polozaj.uPreseku == 0 ? xr : u.e - xr;
        if (daje(R * (L - mm.d) * (L - mm.d) / (4.0 * L), mm.M))
            mm.obrazac = Obrazac::ParSila;
    } else if (daje(mm.P * L / 4.0, mm.M)) {
        mm.obrazac = Obrazac::JednaSila;
    }
    m.A = oslonac(TacneAnvelope::tacneVrednosti(r, 0.0)[Velicina::MaxT], 0.0, u);
    m.B = oslonac(TacneAnvelope::tacneVrednosti(r, L)[Velicina::MinT], L, u);
    return m;
}

} // namespace MerodavneVrednosti
