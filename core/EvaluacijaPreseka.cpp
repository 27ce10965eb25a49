// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/EvaluacijaPreseka.h"

#include "core/KlasicnaAnvelopa.h"
#include "core/NumberText.h"

namespace {

// A value as the window writes it into a field and reads it back.
double kaoNapisano(double value)
{
    return NumberText::parseSigned(NumberText::general(value)).value_or(value);
}

} // namespace

MomentUPreseku momentUPreseku(const RezultatiProracuna &r, double x)
{
    MomentUPreseku m;
    m.MI = KlasicnaAnvelopa::parabolaI(r, x);
    m.MII = KlasicnaAnvelopa::parabolaII(r, x);
    const double MI = kaoNapisano(m.MI);
    const double MII = kaoNapisano(m.MII);
    m.extM = MII >= MI ? MII : MI;
    return m;
}

TransverzalnaSilaUPreseku transverzalnaSilaUPreseku(const RezultatiProracuna &r, double x)
{
    return { KlasicnaAnvelopa::maxT(r, x), KlasicnaAnvelopa::minT(r, x) };
}

PoVelicini<double> klasicneVrednosti(const RezultatiProracuna &r, double x)
{
    const TransverzalnaSilaUPreseku t = transverzalnaSilaUPreseku(r, x);
    return { { momentUPreseku(r, x).extM, t.maxT, t.minT } };
}
