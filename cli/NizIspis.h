// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// kelvane-calc for a train of moving forces: --forces P1,P2,... --spacings a1,a2,... --span L with
// -g, --phi, --both-ways, the pair's -x, -n and --format, and --pdf and --png for the train's
// sheet and plot. The texts go through the train's
// input checks of frmNizSila, so a refusal names the same row or field.

#include "core/NizSila.h"

#include <string>
#include <vector>

// Whether the arguments ask for a train rather than the pair.
bool jeNiz(const std::vector<std::string> &argumenti);

struct IshodNiza
{
    int status = 0; // 0 done, 2 refused
    std::string izlaz; // for standard output
    std::string greske; // for standard error
    TacneAnvelope::Niz niz; // as checked, for the files
    std::string pdf, png; // --pdf and --png; empty when not asked for
};

IshodNiza racunajNiz(const std::vector<std::string> &argumenti);
