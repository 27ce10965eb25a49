// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The classical envelopes evaluated at one section x, as the results window writes them: the
// values come from KlasicnaAnvelopa, and extM is chosen between the two parabolas as the window
// shows them. The window shows each value as NumberText::fixed(value, 2).

#include "core/Anvelopa.h"
#include "core/RezultatiProracuna.h"

struct MomentUPreseku
{
    double MI = 0.0; // parabola I at x, kNm
    double MII = 0.0; // parabola II at x, kNm
    double extM = 0.0; // kNm
};

// Both parabolas at x (m). extM is the larger of MI and MII as the window writes them (15
// significant digits), so that it always equals one of the two values shown beside it.
MomentUPreseku momentUPreseku(const RezultatiProracuna &r, double x);

struct TransverzalnaSilaUPreseku
{
    double maxT = 0.0; // kN
    double minT = 0.0; // kN
};

// maxT and minT at x (m). Each takes its first line up to and including the right end of that
// line's zone in the record, its second line beyond.
TransverzalnaSilaUPreseku transverzalnaSilaUPreseku(const RezultatiProracuna &r, double x);

// extM, maxT and minT at x as the results window shows them, for comparisons with other values.
PoVelicini<double> klasicneVrednosti(const RezultatiProracuna &r, double x);
