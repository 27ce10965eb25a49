#include "core/ListingLines.h"

#include "core/NumberText.h"
#include "core/RezultatiProracuna.h"

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

std::vector<RedMomenta> redoviMomenata(
    const RezultatiProracuna &r, double L, double P1, double e, double n)
{
    const double k = r.dblR() / L;
    const double A1 = r.dblA1();
    const double A2 = r.dblA2();
    std::vector<RedMomenta> redovi;
    for (const double x : preseci(L, n)) {
        const double MI = (L - A1) * k * x - x * x * k;
        const double MII = (L - A2) * k * x - x * x * k - P1 * e;
        double M = MI > MII ? MI : MII;
        if (M < tolerancija)
            M = 0.0;
        redovi.push_back({ x, M });
    }
    return redovi;
}

std::vector<RedSila> redoviSila(const RezultatiProracuna &r, double L, double n)
{
    std::vector<RedSila> redovi;
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
        redovi.push_back({ x, maxT, minT });
    }
    return redovi;
}

std::vector<std::string> momenti(
    const RezultatiProracuna &r, double L, double P1, double e, double n)
{
    std::vector<std::string> linije;
    for (const RedMomenta &red : redoviMomenata(r, L, P1, e, n))
        linije.push_back("x[m]= " + broj(red.x) + "\t\t" + "M[kNm]= " + broj(red.M));
    return linije;
}

std::vector<std::string> transverzalneSile(const RezultatiProracuna &r, double L, double n)
{
    std::vector<std::string> linije;
    for (const RedSila &red : redoviSila(r, L, n))
        linije.push_back("x[m]= " + broj(red.x) + "\t\t" + "maxT[kN]= " + broj(red.maxT) + "\t\t"
            + "minT[kN]= " + broj(red.minT));
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
