// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A study in one process: a case per span of a range or per line of a file of cases, each through
// the same path as a single run (proracunajSlucaj), and one row (CSV), object (JSON) or block of
// lines (text) per case, written as the cases are computed. A refused case gives its row with the
// refusal and the study goes on.

#include "cli/Opcije.h"

#include <cstddef>
#include <iosfwd>

struct IshodStudije
{
    std::size_t slucajeva = 0;
    std::size_t odbijenih = 0;
};

// The spans of --spans for the P1 P2 e of the options (the range is checked with the options).
IshodStudije studijaRaspona(const OpcijeKalkulatora &o, std::ostream &izlaz);

// The lines of a file of cases (--batch).
IshodStudije studijaSlucajeva(const OpcijeKalkulatora &o, std::istream &ulaz, std::ostream &izlaz);
