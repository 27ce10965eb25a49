// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// All 36 fields of the calculation record in their declared order, for tests that compare whole
// records or check every field.

#include "core/RezultatiProracuna.h"

#include <vector>

inline std::vector<double> svaPolja(const RezultatiProracuna &r)
{
    std::vector<double> values;
    for (const PoljeRezultata &p : r.polja())
        values.push_back(p.vrednost);
    return values;
}
