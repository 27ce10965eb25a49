// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The diagram block of the calculation sheet: the exact and classical envelopes as the
// exact-envelope window draws them (CrtezAnvelopa), with an x axis and a full legend.

#include "output/ProracunskiListPlatno.h"

#include "core/TacneAnvelope.h"

namespace ProracunskiList {

Blok dijagramBlok(const Platno &mera, int broj, const TacneAnvelope::Poredjenje &p, double L);

} // namespace ProracunskiList
