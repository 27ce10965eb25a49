// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The cases of a study, as the four input texts of each: a line of a batch file, or a span of a
// range with the other inputs fixed. Only the shape is judged here; every case then takes the one
// path of the input window (Proracun::izTekstova), so a study row and a single run agree.

#include "core/KontroleUnosa.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace Studija {

enum class Vrsta {
    Slucaj, // four fields, to be checked as typed inputs
    Preskocen, // empty, a comment ("#"), or the header
    Odbijen, // not four fields
};

struct RedSlucaja
{
    Vrsta vrsta = Vrsta::Preskocen;
    KontroleUnosa::TekstoviUlaza tekstovi; // the fields as given; of a refused line the first four
    std::size_t brojPolja = 0;
};

// One line of a batch file, "P1,P2,e,L". Blanks around a field, a CR at the end (a file saved on
// Windows) and a byte-order mark at the start are dropped. prvi is true until a line has given a
// case or a refusal: such a line in which no field reads as a number is the header.
RedSlucaja procitajRed(std::string_view red, bool prvi);

// The spans FROM:TO:STEP, each a number as a field takes it, STEP above 0 and TO not below FROM.
struct Rasponi
{
    double od = 0.0, korak = 0.0; // m
    std::size_t broj = 0; // FROM, FROM + STEP, ... up to TO

    // The i-th span as the text of a typed number: FROM + i STEP in the general form, so that
    // 4:5:0.1 gives "4", "4.1", ... without the binary tail of the sum.
    std::string raspon(std::size_t i) const;
};

std::optional<Rasponi> procitajRaspone(std::string_view tekst);

} // namespace Studija
