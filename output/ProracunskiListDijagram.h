// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The diagram block of the calculation sheet.

#include "output/ProracunskiListPlatno.h"

#include "core/RezultatiProracuna.h"

namespace ProracunskiList {

Blok dijagramBlok(int broj, const RezultatiProracuna &r, const UlazniParametri &u);

} // namespace ProracunskiList
