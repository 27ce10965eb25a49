// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The checks that the commands run on the texts of the numeric fields before they read them as
// numbers: KontrolaDuzine and KontrolaVrednosti of the calculation command over the four inputs,
// KontrolaPreseka over the two section inputs of the results window and KontrolaBrojaPolja over
// the field count of a listing. Each takes texts and returns what the window is to do, in order:
// the message to show, the text to write back, where the focus goes. The windows only carry that
// out; a command-line tool runs the same rules on its arguments.

#include "core/Language.h"
#include "core/RezultatiProracuna.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace KontroleUnosa {

// The caption of every message box that refuses an input in the input and results windows.
inline constexpr std::string_view naslovGreske
    = KELVANE_TEXT("KontroleUnosa", "Greska pri unosu parametara proracuna!");

// What a check refuses; tekst() gives the Serbian message, which the windows and the command line
// translate in the context "KontroleUnosa".
enum class Poruka { P1, P2, P2Nula, Razmak, Raspon, Rastojanje, Presek };
std::string_view tekst(Poruka poruka);

// The fields of the input window, in tab order: txtSila1, txtSila2, txtRazmakSila, txtRasponGrede.
enum class Ulaz { Sila1, Sila2, RazmakSila, RasponGrede };
using TekstoviUlaza = std::array<std::string, 4>; // P1, P2, e, L, indexed by Ulaz

// One step of KontrolaVrednosti, carried out in this order: show poruka in an error box (no box
// when it is empty), write reset into polje, put the focus into fokus (none: it stays).
struct Ispravka
{
    Ulaz polje;
    std::optional<Poruka> poruka; // none for the silent e := 0 of a single force
    std::string reset;
    std::optional<Ulaz> fokus;
};

struct ProveraUlaza
{
    bool prihvaceno = false;
    std::vector<Ispravka> ispravke;
    TekstoviUlaza tekstovi; // the texts after every step
    UlazniParametri ulaz; // read from tekstovi; only meaningful when prihvaceno
};

// True when no text is empty; an empty field makes the command do nothing, silently.
bool KontrolaDuzine(const TekstoviUlaza &tekstovi);

// The eight value checks in their fixed order, every one of them even after one has failed, each
// on the texts as the steps before it left them. A text that is no number, or a value larger than
// its field takes when typed (P1 or P2 above 99999, e or L above 9999), fails the field's "no
// number" check.
ProveraUlaza KontrolaVrednosti(const TekstoviUlaza &tekstovi);

// The two section inputs of the results window: txtProizvoljnoX (extM), txtProizvoljnoXZaExtT.
enum class Presek { ZaExtM, ZaExtT };

struct OdbijanjePreseka
{
    Presek polje;
    Poruka poruka;
    std::string reset;
};

// Both section texts against the span L (m), the moment's first: a text that is no number or a
// section beyond L is refused, at most once per field. Empty when both are accepted.
std::vector<OdbijanjePreseka> KontrolaPreseka(
    std::string_view zaExtM, std::string_view zaExtT, double L);

// The text a listing's field count starts with and is reset to after a refusal (no message).
inline constexpr std::string_view pocetniBrojPolja = "10";

// The number of fields n of a listing, or nothing when the text is no number, zero, or above the
// 99 that the two-character field takes when typed.
std::optional<double> KontrolaBrojaPolja(std::string_view tekst);

} // namespace KontroleUnosa
