// SPDX-License-Identifier: GPL-3.0-or-later
// The commands' checks in the windows' order over texts split at line ends: P1, P2, e, L of the
// input window (the one path from texts to record), the results window's two sections, a
// listing's field count. A refusal says why, and the texts it writes back pass the next press;
// what passes gives finite values and a listing of floor(n) + 1 sections.

#include "Svojstvo.h"

#include "core/EvaluacijaPreseka.h"
#include "core/KontroleUnosa.h"
#include "core/ListingLines.h"
#include "core/NumberText.h"
#include "core/Proracun.h"

#include <algorithm>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    std::vector<std::string> t(1);
    for (std::size_t i = 0; i < size && t.size() <= 7; ++i) {
        if (data[i] == '\n')
            t.emplace_back();
        else
            t.back() += char(data[i]);
    }
    t.resize(7, "0");
    if (!KontroleUnosa::KontrolaDuzine({ t[0], t[1], t[2], t[3] }))
        return 0;
    auto ishod = Proracun::izTekstova({ t[0], t[1], t[2], t[3] });
    if (!ishod.rezultati) {
        const auto &ispravke = ishod.provera.ispravke;
        SVOJSTVO(std::any_of(ispravke.begin(), ispravke.end(),
            [](const KontroleUnosa::Ispravka &i) { return i.poruka.has_value(); }));
        ishod = Proracun::izTekstova(ishod.provera.tekstovi);
        SVOJSTVO(ishod.rezultati);
    }
    const RezultatiProracuna &r = *ishod.rezultati;
    const UlazniParametri &u = r.ulaz();
    SVOJSTVO(u.P1 <= 99999 && u.P2 > 0 && u.P2 <= 99999 && u.e < u.L && u.L > 0 && u.L <= 9999);
    for (const PoljeRezultata &polje : r.polja())
        SVOJSTVO(std::isfinite(polje.vrednost));
    for (const std::string &presek : { t[4], t[5] }) {
        if (!KontroleUnosa::KontrolaPreseka(t[4], t[5], u.L).empty())
            break;
        const MomentUPreseku m = momentUPreseku(r, *NumberText::parseField(presek));
        const TransverzalnaSilaUPreseku s
            = transverzalnaSilaUPreseku(r, *NumberText::parseField(presek));
        SVOJSTVO(std::isfinite(m.MI + m.MII + m.extM + s.maxT + s.minT));
    }
    // n fields have floor(n) + 1 sections, none past L but by the rounding of the additions.
    if (const auto n = KontroleUnosa::KontrolaBrojaPolja(t[6])) {
        const std::vector<double> x = ListingLines::preseci(u.L, *n);
        SVOJSTVO(x.size() == std::floor(*n) + 1 && x.back() <= u.L * (1 + 1e-9));
    }
    return 0;
}
