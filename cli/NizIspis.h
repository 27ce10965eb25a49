// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// kelvane-calc for a train of moving forces: --forces P1,P2,... --spacings a1,a2,... --span L with
// -g, --phi, --both-ways and the pair's -x, -n and --format. The texts go through the train's
// input checks of frmNizSila, so a refusal names the same row or field.

#include <string>
#include <vector>

// Whether the arguments ask for a train rather than the pair.
bool jeNiz(const std::vector<std::string> &argumenti);

struct IshodNiza
{
    int status = 0; // 0 done, 2 refused
    std::string izlaz; // for standard output
    std::string greske; // for standard error
};

IshodNiza racunajNiz(const std::vector<std::string> &argumenti);
