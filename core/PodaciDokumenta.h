// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The fields a checked calculation carries on its sheet: who made it, for what, who checked it.
// Each may stay empty; the sheet then leaves a line to fill by hand.

#include <string>

struct PodaciDokumenta
{
    std::string projekat, element, autor, kontrolisao, revizija;
};
