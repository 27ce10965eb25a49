// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A train of moving forces on the simple span with self-weight, a dynamic factor and travel one
// way or both, over the exact engine of TacneAnvelope. The self-weight g adds g x (L - x) / 2 to
// the moment and g (L / 2 - x) to the shear whatever the train's position, so it only shifts every
// extreme; the dynamic factor multiplies the moving forces alone. Travel both ways adds the
// train's mirror image as further positions; on a tie the train as typed is named.

#include "core/TacneAnvelope.h"

#include <vector>

namespace TacneAnvelope {

struct Niz
{
    NizSila sile; // as typed: P without the dynamic factor, pomak from the first force
    double L = 0.0; // m
    double g = 0.0; // kN/m
    double fi = 1.0; // the dynamic factor
    bool obaSmera = false;
};

// The train as it acts: each force times the dynamic factor.
NizSila dejstvo(const Niz &niz);

// The train travelling the other way: the last force first, the distances mirrored.
NizSila obrnut(const NizSila &sile);

// The exact extremes at the section x (0 <= x <= L) with the governing positions.
TacneVrednosti vrednostiNiza(const Niz &niz, double x);

// The exact envelopes over the span, self-weight included.
Anvelope anvelopeNiza(const Niz &niz);

// The largest support shears: at A the largest maxT at x = 0, at B the smallest minT at x = L
// (negative; its magnitude is the reaction).
struct Reakcije
{
    TacnaVrednost A, B;
};
Reakcije reakcije(const Niz &niz);

struct RezultatNiza
{
    Anvelope anvelope;
    ApsolutniMaksimum maksimum;
    Reakcije reakcije;
};
RezultatNiza proracunajNiz(const Niz &niz);

struct VrednostiUPreseku
{
    double x = 0.0; // m
    TacneVrednosti vrednosti;
};

// The values at the n + 1 sections of a listing (ListingLines::preseci).
std::vector<VrednostiUPreseku> preseciNiza(const Niz &niz, double brojPolja);

} // namespace TacneAnvelope
