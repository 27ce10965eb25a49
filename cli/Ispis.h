// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What kelvane-calc computes and prints for one case, without Qt: the input window's checks on the
// arguments, the calculation, and the output as text (the results window's tabs with their labels,
// "#0.00"), CSV (one row per section) or JSON (the summary, the values at sections and every field
// of the record, exact values always beside the classical ones). Numbers become text only through
// NumberText, as in the windows; in CSV and JSON without noise (NumberText::tidy).

#include "cli/Opcije.h"
#include "cli/Tabela.h"
#include "core/RezimeSlucaja.h"
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
    RezimeSlucaja rezime;
    Skale skale;
};

// One case from its four texts: the length check, then the one path of the input window (its
// value checks and the calculation), then the exact envelopes and the summary. Refusals and the
// note on a single force go to poruke.
ProracunKalkulatora proracunajSlucaj(const KontroleUnosa::TekstoviUlaza &tekstovi);

// The dialect --csv-dialect names.
CsvDijalekt dijalekt(const OpcijeKalkulatora &o);

// Runs the checks in the input window's order with its messages, then the calculation. The
// arguments are judged as they stand: nothing is reset or corrected behind the user's back.
ProracunKalkulatora proracunaj(const OpcijeKalkulatora &o);

// After a refusal: the line that names the decimal point when a number was given with a decimal
// comma ("1,5"), which the windows take as a point but a script's argument is judged as it stands.
// Empty when no number holds a comma.
std::string napomenaZarez(const OpcijeKalkulatora &o);

// What goes to standard output for the options, the listing byte for byte as its file.
std::string ispisi(const ProracunKalkulatora &p, const OpcijeKalkulatora &o);

// What goes to standard error after it: the exact-envelope summary when the classical envelope
// is lower and the output cannot carry it: a listing must stay the file's bytes, CSV its rows.
std::string upozorenje(const ProracunKalkulatora &p, const OpcijeKalkulatora &o);
