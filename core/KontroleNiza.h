// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The checks of a train's texts before they are read as numbers, shared by frmNizSila and
// kelvane-calc: every force above 0 and at most 99999 kN, every distance from 0 to 9999 m, the
// span above 0 and at most 9999 m (a train longer than the span is allowed), the self-weight from
// 0 (at most 99999 kN/m, what its field takes), the dynamic factor from 1 to 2, from 1 to 20
// forces. Every failure is reported, in the order of the fields, each naming its row or field.

#include "core/NizSila.h"

#include <string>
#include <vector>

namespace KontroleNiza {

inline constexpr int najviseSila = 20;

enum class Polje { Sila, Razmak, Raspon, G, Fi, BrojSila };

struct Greska
{
    Polje polje;
    int red = 0; // the table's row from 1 for Sila and Razmak, else 0
};

struct TekstoviNiza
{
    std::vector<std::string> sile; // P of each row
    std::vector<std::string> razmaci; // a of each row; the first row's is not read
    std::string L, g = "0", fi = "1";
};

struct ProveraNiza
{
    std::vector<Greska> greske;
    TacneAnvelope::Niz niz; // only meaningful when greske is empty
    bool prihvaceno() const { return greske.empty(); }
};

ProveraNiza proveri(const TekstoviNiza &tekstovi, bool obaSmera);

// The message of a failure: its template (obrazac, with "%1" for the row where it has one) and
// the final text.
std::string obrazac(Polje polje);
std::string poruka(const Greska &greska);

} // namespace KontroleNiza
