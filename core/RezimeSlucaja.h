// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The summary of one case, as a study lists it and every output of a single case carries it: the
// inputs, the classical and the exact largest moment with their sections, the exact largest
// shears at the supports, and the largest shortfall of each classical envelope. Beside it the
// scale of each quantity of the case: the files round its numbers against it (NumberText::tidy).
// The exact values are those the calculation sheet leads with (MerodavneVrednosti).

#include "core/TacneAnvelope.h"

#include <array>

struct RezimeSlucaja
{
    UlazniParametri ulaz;
    TacneAnvelope::ApsolutniMaksimum klasicniMaksimum; // of the classical extM envelope
    TacneAnvelope::ApsolutniMaksimum tacniMaksimum;
    TacneAnvelope::TacnaVrednost silaA; // the exact maxT at the left support, kN
    TacneAnvelope::TacnaVrednost silaB; // the exact minT at the right support, kN (negative)
    PoVelicini<double> razlika; // the largest shortfall, kNm or kN; 0 where the envelopes agree
    PoVelicini<double> procenat; // the same in percent of the exact value
};

RezimeSlucaja rezimeSlucaja(const RezultatiProracuna &r, const TacneAnvelope::Poredjenje &p);

// The largest magnitude per unit among everything the outputs of a case write: inputs, record
// fields, envelope values at any section (both parabolas over the whole span included) and the
// summary. Percentages are of the exact value, so their scale is 100.
struct Skale
{
    std::array<double, 4> poJedinici {}; // indexed by Jedinica
    double procenat = 100.0;

    double operator[](Jedinica j) const { return poJedinici[static_cast<std::size_t>(j)]; }
};

Skale skale(const RezultatiProracuna &r, const RezimeSlucaja &s);
