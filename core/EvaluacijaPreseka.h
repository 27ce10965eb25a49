#pragma once

// The envelopes evaluated at one section x, as the results window shows them. Both are
// recomputed from their inputs in the window's own order of operations rather than from the
// stored coefficients, so the last digits match what users compare against.

#include "core/RezultatiProracuna.h"

struct MomentUPreseku
{
    double MI = 0.0; // parabola I at x, kNm
    double MII = 0.0; // parabola II at x, kNm
};

// Both parabolas at x (m) for the span L (m), the force P1 (kN) and the distance e (m) as typed.
MomentUPreseku momentUPreseku(const RezultatiProracuna &r, double x, double L, double P1, double e);

struct TransverzalnaSilaUPreseku
{
    double maxT = 0.0; // kN
    double minT = 0.0; // kN
};

// maxT and minT at x. bMax and bMin are the right ends of the first maxT and minT zones as the
// window shows them (two decimals): a section on such a bound belongs to the first line.
TransverzalnaSilaUPreseku transverzalnaSilaUPreseku(
    const RezultatiProracuna &r, double x, double bMax, double bMin);
