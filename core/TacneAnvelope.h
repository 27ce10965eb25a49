// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The exact envelopes of extM, maxT and minT over every load position of the pair, in which a
// force that stands beyond a support acts no more, and their comparison with the classical
// envelopes of RezultatiProracuna. Parabola I keeps P2 at x + e after it has left the span,
// parabola II keeps P1 at x - e before it has entered, and the shear lines do the same; such a
// force adds a negative share, so the classical values can only be too low in magnitude.
//
// The moment influence line at x is a triangle with its peak at x, the shear one jumps at x, and
// both are linear elsewhere and zero off the span. So every extreme occurs with one force at the
// section (for maxT just to its right, for minT just to its left) and the other where the pair
// puts it, contributing only while it stands on [0, L]. Each envelope is the larger (for minT the
// smaller) of the two such positions; over the span it is made of up to four parabolas (extM) or
// lines (maxT, minT).
//
// The results window's tooltips, frmTacneAnvelope, the calculation sheet and the command line
// all print their texts from here.

#include "core/RezultatiProracuna.h"

#include <string>
#include <vector>

namespace TacneAnvelope {

// The rounding of the displayed values ("#0.00"): a smaller difference does not show.
constexpr double zaokruzivanje = 0.005;

enum class Velicina { ExtM, MaxT, MinT };
enum class Sila { P1, P2 };

// A load position: which force stands at the section and whether the other stands on the span.
struct Polozaj
{
    Sila uPreseku = Sila::P1;
    bool drugaNaGredi = true;
};

struct TacnaVrednost
{
    double vrednost = 0.0; // kNm or kN
    Polozaj polozaj;
};

struct TacneVrednosti
{
    TacnaVrednost extM, maxT, minT;
};

struct KlasicneVrednosti
{
    double extM = 0.0, maxT = 0.0, minT = 0.0;
};

// The exact extremes at the section x (0 <= x <= L). Of two positions that give the same value
// the one with the heavier force at the section is named, P1 for equal forces.
TacneVrednosti tacneVrednosti(const UlazniParametri &u, double x);

// The classical extremes at x as the results window evaluates them: extM the larger of the two
// parabolas, maxT and minT from the line whose zone holds x, with the record's zone bounds.
KlasicneVrednosti klasicneVrednosti(
    const RezultatiProracuna &r, const UlazniParametri &u, double x);

// y = c0 + c1*x + c2*x^2, x in m, y in kNm or kN.
struct Jednacina
{
    double c0 = 0.0, c1 = 0.0, c2 = 0.0;
    double operator()(double x) const { return c0 + x * (c1 + x * c2); }
};

// One piece of an envelope: its zone [xOd, xDo], the position that governs there and its equation.
struct Deo
{
    double xOd = 0.0, xDo = 0.0; // m
    Polozaj polozaj;
    Jednacina jednacina;
};

struct Anvelope
{
    std::vector<Deo> extM, maxT, minT; // each covers [0, L] from left to right
    const std::vector<Deo> &delovi(Velicina v) const;
};

// The exact envelopes over the span.
Anvelope tacneAnvelope(const UlazniParametri &u);

// The classical envelopes of the record as pieces: extM parabola I up to dblXpreseka and
// parabola II beyond, the shear lines in their zones. The pieces' positions name the classical
// assumption (both forces taken to act).
Anvelope klasicneAnvelope(const RezultatiProracuna &r, const UlazniParametri &u);

struct ApsolutniMaksimum
{
    double M = 0.0; // kNm
    double x = 0.0; // m
    Polozaj polozaj;
};

// The largest exact moment over the span and where it occurs (the leftmost on a tie).
ApsolutniMaksimum apsolutniMaksimum(const Anvelope &tacne);

struct Zona
{
    double xOd = 0.0, xDo = 0.0; // m
};

// Where the classical envelope of one quantity falls short of the exact one. A shortfall is
// |exact| - |classical| (the exact minT lies below the classical one).
struct Razlika
{
    std::vector<Zona> zone; // shortfall above zaokruzivanje, from left to right
    double najveca = 0.0; // the largest shortfall over the span, kNm or kN
    double x = 0.0; // where it occurs (the leftmost on a tie), m
    double klasicna = 0.0, tacna = 0.0; // both envelopes at x
    double procenat = 0.0; // najveca as a percentage of |tacna|; 0 where tacna is 0

    bool razlikujuSe() const { return !zone.empty(); }
};

struct Poredjenje
{
    Anvelope tacne, klasicne;
    ApsolutniMaksimum maksimum;
    Razlika extM, maxT, minT;
    const Razlika &razlika(Velicina v) const;
};

Poredjenje uporedi(const RezultatiProracuna &r, const UlazniParametri &u);

// The name of the quantity as the windows write it: "extM", "maxT", "minT".
std::string naziv(Velicina v);

// The position in words, e.g. "P2 u preseku, P1 van grede" (extM),
// "P2 neposredno desno od preseka, P1 van grede" (maxT); the shear side is left for minT.
std::string opisPolozaja(Velicina v, Polozaj p);

// One summary line per quantity, extM, maxT, minT in that order: either that the envelopes agree,
// or the zones, the largest shortfall in kNm or kN and in percent, and its section.
std::vector<std::string> rezime(const Poredjenje &p);

// The results window's tooltip for a classical value shown at a section: the exact value and its
// position when the classical one falls short by more than the rounding, else the empty text.
std::string napomena(Velicina v, double klasicna, const TacnaVrednost &tacna);

// The values at the sections xs as CSV lines: a header, then x, classical and exact extM, maxT,
// minT, with "," between the fields, "." decimals and up to 15 significant digits.
std::vector<std::string> csvLinije(
    const RezultatiProracuna &r, const UlazniParametri &u, const std::vector<double> &xs);

} // namespace TacneAnvelope
