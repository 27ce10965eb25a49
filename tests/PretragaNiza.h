// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The independent reference of the exact envelopes: the statics of a train of forces in one load
// position, swept over positions of the train. No closed form here.

#include "core/TacneAnvelope.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

using TacneAnvelope::NizSila;
using TacneAnvelope::PokretnaSila;

// The reference: statics for one load position, swept over every position. A force exactly at
// the section counts as standing to its right for maxT and to its left for minT, the limits that
// the extremes approach.
struct Staticki
{
    double M, Tdesno, Tlevo;
};

// The train with its first force at a; each force placed exactly rather than through a + pomak.
Staticki statika(const NizSila &sile, double L, const std::vector<double> &polozaji, double x)
{
    double RA = 0.0, levoStrogo = 0.0, levoUkljucivo = 0.0, momentLevo = 0.0;
    for (std::size_t i = 0; i < sile.size(); ++i) {
        const double p = polozaji[i];
        const double P = sile[i].P;
        if (p < 0.0 || p > L)
            continue;
        RA += P * (L - p) / L;
        if (p < x) {
            levoStrogo += P;
            momentLevo += P * (x - p);
        }
        if (p <= x)
            levoUkljucivo += P;
    }
    return { RA * x - momentLevo, RA - levoStrogo, RA - levoUkljucivo };
}

struct Ekstremi
{
    double extM, maxT, minT;
};

// Every position with a force on the span: a dense grid of the train's start over the span, and
// the positions that put a force at x or at a support.
Ekstremi pretraga(const NizSila &sile, double L, double x)
{
    std::vector<std::vector<double>> polozaji;
    const auto postavi = [&](std::size_t k, double p) { // force k exactly at p
        std::vector<double> t;
        for (const PokretnaSila &s : sile)
            t.push_back(s.pomak == sile[k].pomak ? p : p + (s.pomak - sile[k].pomak));
        polozaji.push_back(t);
    };
    for (std::size_t k = 0; k < sile.size(); ++k) {
        for (const double p : { x, 0.0, L })
            postavi(k, p);
    }
    // pomak may fall along the train: a train travelling the other way is written with -pomak.
    double najmanji = 0.0, najveci = 0.0;
    for (const PokretnaSila &s : sile) {
        najmanji = std::min(najmanji, s.pomak);
        najveci = std::max(najveci, s.pomak);
    }
    const int n = 2000;
    for (int i = 0; i <= n; ++i)
        postavi(0, -najveci + (L - najmanji + najveci) * i / n);
    Ekstremi r { -HUGE_VAL, -HUGE_VAL, HUGE_VAL };
    for (const auto &t : polozaji) {
        const Staticki s = statika(sile, L, t, x);
        r.extM = std::max(r.extM, s.M);
        r.maxT = std::max(r.maxT, s.Tdesno);
        r.minT = std::min(r.minT, s.Tlevo);
    }
    return r;
}

// The value of an envelope's pieces at x.
double vrednostDelova(const std::vector<Deo> &delovi, double x)
{
    for (const Deo &d : delovi) {
        if (x <= d.xDo)
            return d.jednacina(x);
    }
    return delovi.back().jednacina(x);
}

double po(const Ekstremi &e, Velicina v)
{
    return v == Velicina::ExtM ? e.extM : v == Velicina::MaxT ? e.maxT : e.minT;
}

// The largest moment anywhere on the span: the train's first force stepped over every start from
// the train wholly left of the span to wholly right of it, the moment taken under every force.
double najveciMomentPretragom(const NizSila &sile, double L, int koraka)
{
    const double duzina = sile.back().pomak;
    double najveci = 0.0;
    std::vector<double> t(sile.size());
    for (int i = 0; i <= koraka; ++i) {
        const double a = -duzina + (L + duzina) * i / koraka;
        for (std::size_t k = 0; k < sile.size(); ++k)
            t[k] = a + sile[k].pomak;
        for (const double x : t) {
            if (x > 0.0 && x < L)
                najveci = std::max(najveci, statika(sile, L, t, x).M);
        }
    }
    return najveci;
}

} // namespace
