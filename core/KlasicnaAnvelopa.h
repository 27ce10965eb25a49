// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The classical envelopes of the calculation record at a section: parabolas I and II and extM,
// the four shear lines and maxT, minT. Every output that shows a classical value (the results
// window, the listings, the diagram, the calculation sheet, kelvane-calc, the comparison with the
// exact envelopes) evaluates it here, so the last digits agree everywhere. The operation order of
// each formula is the one the published examples were computed with; keep it.

#include "core/Anvelopa.h"
#include "core/RezultatiProracuna.h"

namespace KlasicnaAnvelopa {

// Parabola I keeps P2 at x + e even beyond the right support, parabola II keeps P1 at x - e even
// before the left one. kNm.
double parabolaI(const RezultatiProracuna &r, double x);
double parabolaII(const RezultatiProracuna &r, double x);

// The shear lines, kN: maxT line II (both forces, P1 at the section) and line I (P1 alone);
// minT line I (P2 alone) and line II (both forces, P2 at the section).
double maxTII(const RezultatiProracuna &r, double x);
double maxTI(const RezultatiProracuna &r, double x);
double minTI(const RezultatiProracuna &r, double x);
double minTII(const RezultatiProracuna &r, double x);

// The resultant R at the section: R (L - x) / L just right of it, -R x / L just left of it. The
// diagram draws them as the reference lines of the shear envelope.
double maxTRezultante(const RezultatiProracuna &r, double x);
double minTRezultante(const RezultatiProracuna &r, double x);

// maxT and minT take their first line up to and including the right end of its zone in the
// record, at full precision, and their second line beyond.
double maxT(const RezultatiProracuna &r, double x);
double minT(const RezultatiProracuna &r, double x);

// The characteristic shear values that the diagram and the sheet write beside the envelope.
struct KarakteristicneSile
{
    double maxTLevo = 0.0; // maxT at the left support
    double maxTKrajZone = 0.0; // maxT line II at the end of its zone, x = L - e
    double minTKrajZone = 0.0; // minT line I at the end of its zone, x = e
    double minTDesno = 0.0; // minT at the right support
};
KarakteristicneSile karakteristicneSile(const RezultatiProracuna &r);

// The classical envelopes as pieces: extM parabola I up to dblXpreseka and parabola II beyond,
// the shear lines in their zones. Positions are those of the pair (force 0 is P1), with the other
// force counted as acting in the classical way.
Anvelope anvelope(const RezultatiProracuna &r);

} // namespace KlasicnaAnvelopa
