// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// How a train's results are presented, by frmNizSila, its sheet and kelvane-calc alike: the
// summary lines of the absolute maximum and the support shears, the values at a section, and the
// CSV of the values at sections. CSV keeps "." decimals and fixed English-free headers.

#include "core/NizSila.h"

#include <string>
#include <vector>

namespace TacneAnvelope {

// "max M = 180.00 kNm u x = 3.000 m: P1 u preseku, ostale van grede"
std::string linijaMaksimuma(const ApsolutniMaksimum &m, int brojSila);

// "max TA = 216.00 kN: P1 neposredno desno od preseka, ...; max TB = ..."
std::string linijaReakcija(const Reakcije &r, int brojSila);

// One line per quantity at a section: "extM = 180.00 kNm: P1 u preseku, ..."
std::vector<std::string> linijePreseka(const TacneVrednosti &t, int brojSila);

// A header, then x, extM, maxT, minT per section, "," between the fields, up to 15 significant
// digits.
std::vector<std::string> csvNiza(const std::vector<VrednostiUPreseku> &preseci);

} // namespace TacneAnvelope
