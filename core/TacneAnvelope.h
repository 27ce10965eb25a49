// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The exact envelopes of extM, maxT and minT over every position of a train of moving forces, in
// which a force that stands beyond a support acts no more, and their comparison with the
// classical envelopes of the pair (KlasicnaAnvelopa). Parabola I keeps P2 at x + e after it has
// left the span, parabola II keeps P1 at x - e before it has entered, and the shear lines do the
// same; such a force adds a negative share, so the classical values can only be too low in
// magnitude.
//
// The moment influence line at x is a triangle with its peak at x, the shear one jumps at x, and
// both are linear elsewhere and zero off the span. So every extreme occurs with one force at the
// section (for maxT just to its right, for minT just to its left) and the others where the train
// puts them, each contributing only while it stands on [0, L]. Each envelope is the largest (for
// minT the smallest) of these positions; over the span it is made of parabolas (extM) or lines.
//
// The texts that present these values live in TacneAnvelopeTekst.

#include "core/Anvelopa.h"
#include "core/RezultatiProracuna.h"

#include <vector>

namespace TacneAnvelope {

// The rounding of the displayed values ("#0.00"): a smaller difference does not show.
constexpr double zaokruzivanje = 0.005;

// One force of a moving train: its value and its distance from the train's first force.
struct PokretnaSila
{
    double P = 0.0; // kN
    double pomak = 0.0; // m, 0 for the first force, never decreasing along the train
};
using NizSila = std::vector<PokretnaSila>;

// The pair of the input window as a train: P1 first, P2 at e behind it.
NizSila par(const UlazniParametri &u);

struct TacnaVrednost
{
    double vrednost = 0.0; // kNm or kN
    Polozaj polozaj;
};
using TacneVrednosti = PoVelicini<TacnaVrednost>;

// The exact extremes at the section x (0 <= x <= L). Of positions that give the same value the
// one with the heaviest force at the section is named, the first of equal forces.
TacneVrednosti tacneVrednosti(const NizSila &sile, double L, double x);

// The same for the pair and span of the record.
TacneVrednosti tacneVrednosti(const RezultatiProracuna &r, double x);

// The exact envelopes over the span.
Anvelope tacneAnvelope(const NizSila &sile, double L);

struct ApsolutniMaksimum
{
    double M = 0.0; // kNm
    double x = 0.0; // m
    Polozaj polozaj;
};

// The largest exact moment over the span and where it occurs (the leftmost on a tie).
ApsolutniMaksimum apsolutniMaksimum(const Anvelope &tacne);

struct Zona
{
    double xOd = 0.0, xDo = 0.0; // m
};

// Where the classical envelope of one quantity falls short of the exact one. A shortfall is
// |exact| - |classical| (the exact minT lies below the classical one).
struct Razlika
{
    std::vector<Zona> zone; // shortfall above zaokruzivanje, from left to right
    double najveca = 0.0; // the largest shortfall over the span, kNm or kN
    double x = 0.0; // where it occurs (the leftmost on a tie), m
    double klasicna = 0.0, tacna = 0.0; // both envelopes at x
    double procenat = 0.0; // najveca as a percentage of |tacna|; 0 where tacna is 0

    bool razlikujuSe() const { return !zone.empty(); }
};

struct Poredjenje
{
    Anvelope tacne, klasicne;
    ApsolutniMaksimum maksimum;
    PoVelicini<Razlika> razlike;
};

// The pair's exact envelopes against the classical ones of the record.
Poredjenje uporedi(const RezultatiProracuna &r);

// Whether the exact value lies beyond the classical one by more than the display's rounding.
bool manjaOdTacne(Velicina v, double klasicna, double tacna);

} // namespace TacneAnvelope
