#include "core/ListingLines.h"

#include "core/NumberText.h"
#include "core/RezultatiProracuna.h"

#include <cmath>

namespace ListingLines {

namespace {

constexpr double tolerancija = 0.000001;
// More fields than any listing admits; a guard, so that no count can exhaust the memory.
constexpr double najviseBrojPolja = 1000000;

std::string broj(double value)
{
    return NumberText::fixed(value, 3);
}

} // namespace

std::vector<double> preseci(double L, double n)
{
    std::vector<double> x;
    if (!(L > 0.0) || !(n > 0.0) || !std::isfinite(L / n) || n > najviseBrojPolja)
        return x;
    // n fields have n + 1 sections; a field's fraction (n below 1) adds none. Counted, not bound
    // by L plus a tolerance: a step below the tolerance would list sections far past L.
    const auto broj = std::size_t(std::floor(n)) + 1;
    x.reserve(broj);
    const double dx = L / n;
    // Repeated addition, not i * dx: the last section depends on how the sums round.
    double xi = 0.0;
    for (std::size_t i = 0; i < broj; ++i, xi = xi + dx)
        x.push_back(xi);
    return x;
}

std::vector<std::string> momenti(
    const RezultatiProracuna &r, double L, double P1, double e, double n)
{
    const double k = r.dblR() / L;
    const double A1 = r.dblA1();
    const double A2 = r.dblA2();
    std::vector<std::string> linije;
    for (const double x : preseci(L, n)) {
        const double MI = (L - A1) * k * x - x * x * k;
        const double MII = (L - A2) * k * x - x * x * k - P1 * e;
        double M = MI > MII ? MI : MII;
        if (M < tolerancija)
            M = 0.0;
        linije.push_back("x[m]= " + broj(x) + "\t\t" + "M[kNm]= " + broj(M));
    }
    return linije;
}

std::vector<std::string> transverzalneSile(const RezultatiProracuna &r, double L, double n)
{
    std::vector<std::string> linije;
    for (const double x : preseci(L, n)) {
        double maxT = x <= r.dblMaxTIIZonaVazenjaDesno()
            ? (r.dblKAmaxTII() * x - r.dblKBmaxTII()) * (-1)
            : (r.dblKAmaxTI() * x - r.dblKBmaxTI()) * (-1);
        double minT = x <= r.dblMinTIZonaVazenjaDesno()
            ? r.dblKAminTI() * (-1) * x
            : (r.dblKAminTII() * x - r.dblKBminTII()) * (-1);
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
