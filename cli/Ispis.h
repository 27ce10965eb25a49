// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What kelvane-calc computes and prints, without Qt: the input window's checks on the arguments,
// the calculation, and the output as text (the results window's tabs with their labels, "#0.00"),
// CSV (one row per section) or JSON (every field of the record at full precision). Numbers become
// text only through NumberText, as in the windows.

#include "cli/Opcije.h"
#include "core/RezultatiProracuna.h"
#include "core/TacneAnvelopeTekst.h"

#include <optional>
#include <string>
#include <vector>

struct ProracunKalkulatora
{
    bool prihvacen = false;
    std::vector<std::string> poruke; // for standard error: refusals, or a note on the inputs
    RezultatiProracuna rezultati;
    std::optional<double> x; // the section of -x
    double n = 10.0; // the number of fields of the sections
    TacneAnvelope::Poredjenje poredjenje;
};

// Runs the checks in the input window's order with its messages, then the calculation. The
// arguments are judged as they stand: nothing is reset or corrected behind the user's back.
ProracunKalkulatora proracunaj(const OpcijeKalkulatora &o);

// What goes to standard output for the options, the listing byte for byte as its file.
std::string ispisi(const ProracunKalkulatora &p, const OpcijeKalkulatora &o);

// What goes to standard error after it: the exact-envelope summary when the classical envelope
// is lower and the output cannot carry it: a listing must stay the file's bytes, CSV its rows.
std::string upozorenje(const ProracunKalkulatora &p, const OpcijeKalkulatora &o);
