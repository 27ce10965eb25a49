// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/KlasicnaAnvelopa.h"

#include <algorithm>

namespace KlasicnaAnvelopa {

double parabolaI(const RezultatiProracuna &r, double x)
{
    return r.dblKonstantaAI() * x - r.dblKonstantaBI() * (x * x);
}

double parabolaII(const RezultatiProracuna &r, double x)
{
    return r.dblKonstantaAII() * x - r.dblKonstantaBII() * (x * x) - r.dblKonstantaCII();
}

double maxTII(const RezultatiProracuna &r, double x)
{
    return (x * r.dblKAmaxTII() - r.dblKBmaxTII()) * (-1.0);
}

double maxTI(const RezultatiProracuna &r, double x)
{
    return (x * r.dblKAmaxTI() - r.dblKBmaxTI()) * (-1.0);
}

double minTI(const RezultatiProracuna &r, double x)
{
    return x * (r.dblKAminTI() * (-1.0));
}

double minTII(const RezultatiProracuna &r, double x)
{
    return (x * r.dblKAminTII() - r.dblKBminTII()) * (-1.0);
}

double maxTRezultante(const RezultatiProracuna &r, double x)
{
    const double L = r.ulaz().L;
    return (x * (r.dblR() / L) - r.dblR()) * (-1.0);
}

double minTRezultante(const RezultatiProracuna &r, double x)
{
    return x * ((r.dblR() / r.ulaz().L) * (-1.0));
}

double maxT(const RezultatiProracuna &r, double x)
{
    // The bound at full precision: the two lines meet there and nowhere else, so a bound rounded
    // for display would pick the wrong line just beside it.
    return r.dblMaxTIIZonaVazenjaDesno() >= x ? maxTII(r, x) : maxTI(r, x);
}

double minT(const RezultatiProracuna &r, double x)
{
    return r.dblMinTIZonaVazenjaDesno() >= x ? minTI(r, x) : minTII(r, x);
}

KarakteristicneSile karakteristicneSile(const RezultatiProracuna &r)
{
    return {
        maxTII(r, 0.0),
        maxTII(r, r.dblMaxTIIZonaVazenjaDesno()),
        minTI(r, r.dblMinTIZonaVazenjaDesno()),
        minTII(r, r.dblMinTIIZonaVazenjaDesno()),
    };
}

namespace {

struct Linija
{
    Polozaj polozaj;
    Jednacina jednacina;
};

// A classical envelope: the first equation up to the bound, the second beyond it.
void dvaDela(std::vector<Deo> &delovi, double L, double granica, Linija prva, Linija druga)
{
    granica = std::clamp(granica, 0.0, L);
    if (granica > 0.0)
        delovi.push_back({ 0.0, granica, prva.polozaj, prva.jednacina });
    if (granica < L)
        delovi.push_back({ granica, L, druga.polozaj, druga.jednacina });
}

// P1 (force 0) or P2 (force 1) at the section, the other one counted or not.
constexpr Polozaj P1Obe { 0, 0b11 };
constexpr Polozaj P1Sama { 0, 0b01 };
constexpr Polozaj P2Obe { 1, 0b11 };
constexpr Polozaj P2Sama { 1, 0b10 };

} // namespace

Anvelope anvelope(const RezultatiProracuna &r)
{
    Anvelope a;
    const double L = r.ulaz().L;
    if (!(L > 0.0))
        return a;
    dvaDela(a[Velicina::ExtM], L, r.dblXpreseka(),
        { P1Obe, { 0.0, r.dblKonstantaAI(), -r.dblKonstantaBI() } },
        { P2Obe, { -r.dblKonstantaCII(), r.dblKonstantaAII(), -r.dblKonstantaBII() } });
    dvaDela(a[Velicina::MaxT], L, r.dblMaxTIIZonaVazenjaDesno(),
        { P1Obe, { r.dblKBmaxTII(), -r.dblKAmaxTII(), 0.0 } },
        { P1Sama, { r.dblKBmaxTI(), -r.dblKAmaxTI(), 0.0 } });
    dvaDela(a[Velicina::MinT], L, r.dblMinTIZonaVazenjaDesno(),
        { P2Sama, { 0.0, -r.dblKAminTI(), 0.0 } },
        { P2Obe, { r.dblKBminTII(), -r.dblKAminTII(), 0.0 } });
    return a;
}

} // namespace KlasicnaAnvelopa
