// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The one path from the four typed texts to a calculation record: the value checks in their fixed
// order, and the calculation from the values they accepted. The input window and kelvane-calc
// both take it after their length check, so the same texts give the same record everywhere; the
// window only carries out the steps of the checks (messages, resets, focus) and never reads its
// fields again.

#include "core/KontroleUnosa.h"
#include "core/RezultatiProracuna.h"

#include <optional>

namespace Proracun {

struct Ishod
{
    KontroleUnosa::ProveraUlaza provera; // the value checks' steps, in order
    std::optional<RezultatiProracuna> rezultati; // when every check has passed
};

Ishod izTekstova(const KontroleUnosa::TekstoviUlaza &tekstovi);

} // namespace Proracun
