// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/EvaluacijaPreseka.h"

#include "core/NumberText.h"

#include <cmath>

namespace {

// A value as the window writes it into a field and reads it back.
double kaoNapisano(double value)
{
    return NumberText::parseSigned(NumberText::general(value)).value_or(value);
}

} // namespace

MomentUPreseku momentUPreseku(const RezultatiProracuna &r, const UlazniParametri &ulaz, double x)
{
    const double L = ulaz.L;
    const double R = r.dblR();
    MomentUPreseku m;
    const double q = R / L;
    const double t = (L - r.dblA1()) * q;
    m.MI = x * t - (R / L) * std::pow(x, 2.0);
    m.MII = x * ((L - r.dblA2()) * (R / L)) - (R / L) * std::pow(x, 2.0) - ulaz.P1 * ulaz.e;
    const double MI = kaoNapisano(m.MI);
    const double MII = kaoNapisano(m.MII);
    m.extM = MII >= MI ? MII : MI;
    return m;
}

TransverzalnaSilaUPreseku transverzalnaSilaUPreseku(const RezultatiProracuna &r, double x)
{
    // The bounds at full precision: the two lines of an envelope meet there, and nowhere else,
    // so a bound rounded for display would pick the wrong line just beside it.
    const double bMax = r.dblMaxTIIZonaVazenjaDesno();
    const double bMin = r.dblMinTIZonaVazenjaDesno();
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
