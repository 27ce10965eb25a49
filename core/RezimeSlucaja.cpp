// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/RezimeSlucaja.h"

#include "core/MerodavneVrednosti.h"

#include <algorithm>
#include <cmath>

using namespace TacneAnvelope;

RezimeSlucaja rezimeSlucaja(const RezultatiProracuna &r, const Poredjenje &p)
{
    RezimeSlucaja s;
    s.ulaz = r.ulaz();
    s.klasicniMaksimum = apsolutniMaksimum(p.klasicne);
    const MerodavneVrednosti::Merodavne m = MerodavneVrednosti::merodavne(p, r);
    s.tacniMaksimum = { m.moment.M, m.moment.x, m.moment.polozaj };
    s.silaA = { m.A.T, m.A.polozaj };
    s.silaB = { m.B.T, m.B.polozaj };
    for (const Velicina v : sveVelicine) {
        // Below the display's rounding the envelopes agree, as the summary lines say.
        const Razlika &razlika = p.razlike[v];
        s.razlika[v] = razlika.razlikujuSe() ? razlika.najveca : 0.0;
        s.procenat[v] = razlika.razlikujuSe() ? razlika.procenat : 0.0;
    }
    return s;
}

Skale skale(const RezultatiProracuna &r, const RezimeSlucaja &s)
{
    Skale k;
    const auto uzmi = [&k](Jedinica j, double v) {
        double &najveca = k.poJedinici[static_cast<std::size_t>(j)];
        najveca = std::max(najveca, std::abs(v));
    };
    for (const PoljeRezultata &p : r.polja())
        uzmi(p.jedinica, p.vrednost);
    const UlazniParametri &u = s.ulaz;
    for (const double v : { u.e, u.L })
        uzmi(Jedinica::m, v);
    for (const double v : { u.P1, u.P2, s.silaA.vrednost, s.silaB.vrednost })
        uzmi(Jedinica::kN, v);
    // Parabola I at the right support is -P2 e, its lowest value on the span; the record holds
    // the other extremes of both parabolas.
    for (const double v : { s.tacniMaksimum.M, s.klasicniMaksimum.M, u.P2 * u.e })
        uzmi(Jedinica::kNm, v);
    return k;
}
