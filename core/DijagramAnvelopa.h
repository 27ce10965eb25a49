// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The diagram of both envelopes: the moment envelope above the beam line, the shear envelope
// around its own base line, drawn in 24 stages dot by dot, with progress after every stage.

#include "core/DrawingSurface.h"
#include "core/RezultatiProracuna.h"

// The results window's loop variables, which keep their last values after a drawing.
struct PetljaDijagrama
{
    double dblXgrafik = 0.0;
    double dblYgrafik = 0.0;
};

// Draws the whole diagram of the calculation r.
void nacrtajDijagram(const RezultatiProracuna &r, DrawingSurface &surface,
    ProgressDisplay &progress, PetljaDijagrama &loop);
