// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The pieces an envelope is made of, shared by the classical and the exact envelopes: a zone of
// the span, the load position that governs there and its equation in x, and one container that
// holds a value per quantity (extM, maxT, minT) so that no code picks a quantity by conditionals.

#include <array>
#include <cstdint>
#include <vector>

enum class Velicina { ExtM, MaxT, MinT };

inline constexpr std::array<Velicina, 3> sveVelicine { Velicina::ExtM, Velicina::MaxT,
    Velicina::MinT };

template <typename T> struct PoVelicini
{
    std::array<T, 3> vrednosti {};

    T &operator[](Velicina v) { return vrednosti[static_cast<std::size_t>(v)]; }
    const T &operator[](Velicina v) const { return vrednosti[static_cast<std::size_t>(v)]; }
};

// A load position of a train of forces: which force stands at the section (0 is the first, P1)
// and which stand on the span (bit i for force i; the one at the section included).
struct Polozaj
{
    int uPreseku = 0;
    std::uint32_t naGredi = 0;
    bool obrnuto = false; // the train travels the other way: its mirror image, forces still
                          // numbered as typed

    bool naGrediJe(int sila) const { return (naGredi >> sila) & 1u; }
};

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

// The envelopes of extM, maxT and minT, each covering [0, L] from left to right.
using Anvelope = PoVelicini<std::vector<Deo>>;
