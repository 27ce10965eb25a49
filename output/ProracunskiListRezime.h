// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The blocks of the calculation sheet that a checker reads first: the document fields, the
// governing values with their load positions and hand formulas, and the method with its
// assumptions, sign convention and intermediate values. All texts wrap inside the margins, so the
// blocks measure themselves on the canvas they will be painted on.

#include "output/ProracunskiListPlatno.h"

#include "core/PodaciDokumenta.h"
#include "core/TacneAnvelope.h"

namespace ProracunskiList {

Blok dokumentBlok(const PodaciDokumenta &d);
Blok merodavneBlok(
    const Platno &mera, int broj, const TacneAnvelope::Poredjenje &p, const RezultatiProracuna &r);
Blok metodBlok(const Platno &mera, int broj, const RezultatiProracuna &r);

} // namespace ProracunskiList
