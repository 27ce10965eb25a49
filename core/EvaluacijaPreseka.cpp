#include "core/EvaluacijaPreseka.h"

#include <cmath>

MomentUPreseku momentUPreseku(const RezultatiProracuna &r, double x, double L, double P1, double e)
{
    const double R = r.dblR();
    MomentUPreseku m;
    const double q = R / L;
    const double t = (L - r.dblA1()) * q;
    m.MI = x * t - (R / L) * std::pow(x, 2.0);
    m.MII = x * ((L - r.dblA2()) * (R / L)) - (R / L) * std::pow(x, 2.0) - P1 * e;
    return m;
}

TransverzalnaSilaUPreseku transverzalnaSilaUPreseku(
    const RezultatiProracuna &r, double x, double bMax, double bMin)
{
    TransverzalnaSilaUPreseku t;
    if (bMax >= x)
        t.maxT = (x * r.dblKAmaxTII() - r.dblKBmaxTII()) * (-1.0);
    else
        t.maxT = (x * r.dblKAmaxTI() - r.dblKBmaxTI()) * (-1.0);
    if (bMin >= x)
        t.minT = x * (r.dblKAminTI() * (-1.0));
    else
        t.minT = (x * r.dblKAminTII() - r.dblKBminTII()) * (-1.0);
    return t;
}
