// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/NizSilaTekst.h"

#include "core/NumberText.h"
#include "core/TacneAnvelopeTekst.h"

#include <cmath>

namespace TacneAnvelope {

namespace {

std::string jedinica(Velicina v)
{
    return v == Velicina::ExtM ? " kNm" : " kN";
}

} // namespace

std::string linijaMaksimuma(const ApsolutniMaksimum &m, int brojSila)
{
    return "max M = " + NumberText::dve(m.M) + " kNm u x = " + NumberText::tri(m.x)
        + " m: " + opisPolozaja(Velicina::ExtM, m.polozaj, brojSila);
}

std::string linijaReakcija(const Reakcije &r, int brojSila)
{
    return "max TA = " + NumberText::dve(r.A.vrednost)
        + " kN: " + opisPolozaja(Velicina::MaxT, r.A.polozaj, brojSila)
        + "; max TB = " + NumberText::dve(std::abs(r.B.vrednost))
        + " kN: " + opisPolozaja(Velicina::MinT, r.B.polozaj, brojSila);
}

std::vector<std::string> linijePreseka(const TacneVrednosti &t, int brojSila)
{
    std::vector<std::string> linije;
    for (const Velicina v : sveVelicine) {
        linije.push_back(naziv(v) + " = " + NumberText::dve(t[v].vrednost) + jedinica(v) + ": "
            + opisPolozaja(v, t[v].polozaj, brojSila));
    }
    return linije;
}

std::vector<std::string> csvNiza(const std::vector<VrednostiUPreseku> &preseci)
{
    std::vector<std::string> linije { "x [m],extM [kNm],maxT [kN],minT [kN]" };
    for (const VrednostiUPreseku &p : preseci) {
        std::string linija = NumberText::general(p.x);
        for (const Velicina v : sveVelicine)
            linija += ',' + NumberText::general(p.vrednosti[v].vrednost);
        linije.push_back(linija);
    }
    return linije;
}

} // namespace TacneAnvelope
