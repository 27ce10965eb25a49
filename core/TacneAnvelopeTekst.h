// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// How the exact envelopes are presented: the names of the quantities, load positions in words,
// the summary lines, the results window's note on a classical value, and the CSV of the values at
// sections. The results window's tooltips, frmTacneAnvelope, the calculation sheet and the
// command line all take their texts from here; the mathematics is in TacneAnvelope.

#include "core/TacneAnvelope.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace TacneAnvelope {

// The name of the quantity as the windows write it: "extM", "maxT", "minT".
std::string naziv(Velicina v);

// The position in words. For the pair: "P2 u preseku, P1 van grede" (extM),
// "P2 neposredno desno od preseka, P1 van grede" (maxT); the shear side is left for minT. For any
// other train the forces on the span are listed, and "; niz u suprotnom smeru" ends the position
// of a train travelling the other way.
std::string opisPolozaja(Velicina v, Polozaj p, int brojSila = 2);

// One summary line per quantity, extM, maxT, minT in that order: either that the envelopes agree,
// or the zones, the largest shortfall in kNm or kN and in percent, and its section.
std::vector<std::string> rezime(const Poredjenje &p);

// The results window's tooltip for a classical value shown at a section: the exact value and its
// position when the classical one falls short by more than the rounding, else the empty text.
std::string napomena(Velicina v, double klasicna, const TacnaVrednost &tacna);

// The columns of the values at sections: x, then the classical and the exact extM, maxT, minT.
inline constexpr std::array<std::string_view, 7> csvKolone { "x [m]", "extM klasicna [kNm]",
    "extM tacna [kNm]", "maxT klasicna [kN]", "maxT tacna [kN]", "minT klasicna [kN]",
    "minT tacna [kN]" };

// The values at the sections xs as CSV lines: the columns' header, then one line per section, with
// "," between the fields, "." decimals and up to 15 significant digits.
std::vector<std::string> csvLinije(const RezultatiProracuna &r, const std::vector<double> &xs);

} // namespace TacneAnvelope
