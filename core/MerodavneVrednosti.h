// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The values a design rests on, from the exact envelopes of TacneAnvelope: the absolute maximum
// moment with its load position and the hand formula that gives it, and the largest shears at
// the supports with theirs. The calculation sheet leads with them; the results window marks its
// maxima with the absolute maximum.

#include "core/TacneAnvelope.h"

namespace MerodavneVrednosti {

// Whether the force of the pair other than the one at the section stands on the span.
inline bool drugaNaGredi(Polozaj p)
{
    return p.naGrediJe(1 - p.uPreseku);
}

// The hand formula of the absolute maximum moment.
enum class Obrazac {
    ParSila, // R (L - d)^2 / 4L: both forces on the span, the resultant d from the force at x
    JednaSila, // P L / 4: the force at midspan, the other one off the span
    Zbir, // the largest at an end of a piece: the sum of both forces' influence ordinates
};

struct MaksimalniMoment
{
    double M = 0.0; // kNm
    double x = 0.0; // m
    Polozaj polozaj;
    Obrazac obrazac = Obrazac::Zbir;
    double d = 0.0; // m, for ParSila: from the force at x to the resultant
    double P = 0.0; // kN, the force at x
};

// A support shear: at A the largest maxT (x = 0, the force just right of the support), at B the
// smallest minT (x = L, just left of it).
struct OslonackaSila
{
    double T = 0.0; // kN, signed: V = R_A minus the forces left of the section
    double x = 0.0; // m
    Polozaj polozaj;
    double drugaX = 0.0; // m, where the other force stands (meaningful while on the span)
};

struct Merodavne
{
    MaksimalniMoment moment;
    OslonackaSila A, B;
};

// For the pair of the record, from its comparison p.
Merodavne merodavne(const TacneAnvelope::Poredjenje &p, const RezultatiProracuna &r);

} // namespace MerodavneVrednosti
