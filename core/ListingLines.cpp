// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/ListingLines.h"

#include "core/KlasicnaAnvelopa.h"
#include "core/NumberText.h"

#include <cmath>

namespace ListingLines {

namespace {

constexpr double tolerancija = 0.000001;
// More fields than any listing admits; a guard, so that no count can exhaust the memory.
constexpr double najviseBrojPolja = 1000000;

} // namespace

std::vector<double> preseci(double L, double n)
{
    std::vector<double> x;
    if (!(L > 0.0) || !(n > 0.0) || !std::isfinite(L / n) || n > najviseBrojPolja)
        return x;
    // n fields have n + 1 sections; a field's fraction (n below 1) adds none. Counted, not bound
    // by L plus a tolerance: a step below the tolerance would list sections far past L.
    const auto brojPreseka = std::size_t(std::floor(n)) + 1;
    x.reserve(brojPreseka);
    const double dx = L / n;
    // Repeated addition, not i * dx: the last section depends on how the sums round.
    double xi = 0.0;
    for (std::size_t i = 0; i < brojPreseka; ++i, xi = xi + dx)
        x.push_back(xi);
    return x;
}

std::vector<RedMomenta> redoviMomenata(const RezultatiProracuna &r, double n)
{
    std::vector<RedMomenta> redovi;
    for (const double x : preseci(r.ulaz().L, n)) {
        const double MI = KlasicnaAnvelopa::parabolaI(r, x);
        const double MII = KlasicnaAnvelopa::parabolaII(r, x);
        double M = MI > MII ? MI : MII;
        if (M < tolerancija)
            M = 0.0;
        redovi.push_back({ x, M });
    }
    return redovi;
}

std::vector<RedSila> redoviSila(const RezultatiProracuna &r, double n)
{
    std::vector<RedSila> redovi;
    for (const double x : preseci(r.ulaz().L, n)) {
        double maxT = KlasicnaAnvelopa::maxT(r, x);
        double minT = KlasicnaAnvelopa::minT(r, x);
        if (maxT < tolerancija)
            maxT = 0.0;
        if (minT > -tolerancija)
            minT = 0.0;
        redovi.push_back({ x, maxT, minT });
    }
    return redovi;
}

std::vector<std::string> momenti(const RezultatiProracuna &r, double n)
{
    std::vector<std::string> linije;
    for (const RedMomenta &red : redoviMomenata(r, n))
        linije.push_back(
            "x[m]= " + NumberText::tri(red.x) + "\t\t" + "M[kNm]= " + NumberText::tri(red.M));
    return linije;
}

std::vector<std::string> transverzalneSile(const RezultatiProracuna &r, double n)
{
    std::vector<std::string> linije;
    for (const RedSila &red : redoviSila(r, n))
        linije.push_back("x[m]= " + NumberText::tri(red.x) + "\t\t" + "maxT[kN]= "
            + NumberText::tri(red.maxT) + "\t\t" + "minT[kN]= " + NumberText::tri(red.minT));
    return linije;
}

std::string datoteka(const std::vector<std::string> &linije)
{
    std::string bajtovi;
    for (const std::string &linija : linije)
        bajtovi += linija + "\r\n";
    return bajtovi;
}

} // namespace ListingLines
