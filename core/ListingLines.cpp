// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/ListingLines.h"

#include "core/KlasicnaAnvelopa.h"
#include "core/NumberText.h"

#include <cmath>

namespace ListingLines {

namespace {

constexpr double tolerancija = 0.000001;

std::string broj(double value)
{
    return NumberText::fixed(value, 3);
}

} // namespace

std::vector<double> preseci(double L, double n)
{
    std::vector<double> x;
    const double dx = L / n;
    if (!(L > 0.0) || !(n > 0.0) || !std::isfinite(dx) || !(dx > 0.0))
        return x;
    const double xEnd = L + tolerancija;
    // Repeated addition, not i * dx: the last section depends on how the sums round.
    for (double xi = 0.0; xi <= xEnd; xi = xi + dx) {
        x.push_back(xi);
        if (xi + dx == xi)
            break; // a step too small to move x would never end the listing
    }
    return x;
}

std::vector<std::string> momenti(const RezultatiProracuna &r, double n)
{
    std::vector<std::string> linije;
    for (const double x : preseci(r.ulaz().L, n)) {
        const double MI = KlasicnaAnvelopa::parabolaI(r, x);
        const double MII = KlasicnaAnvelopa::parabolaII(r, x);
        double M = MI > MII ? MI : MII;
        if (M < tolerancija)
            M = 0.0;
        linije.push_back("x[m]= " + broj(x) + "\t\t" + "M[kNm]= " + broj(M));
    }
    return linije;
}

std::vector<std::string> transverzalneSile(const RezultatiProracuna &r, double n)
{
    std::vector<std::string> linije;
    for (const double x : preseci(r.ulaz().L, n)) {
        double maxT = KlasicnaAnvelopa::maxT(r, x);
        double minT = KlasicnaAnvelopa::minT(r, x);
        if (maxT < tolerancija)
            maxT = 0.0;
        if (minT > -tolerancija)
            minT = 0.0;
        linije.push_back("x[m]= " + broj(x) + "\t\t" + "maxT[kN]= " + broj(maxT) + "\t\t"
            + "minT[kN]= " + broj(minT));
    }
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
