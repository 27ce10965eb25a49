// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/TacneAnvelopeTekst.h"

#include "core/EvaluacijaPreseka.h"
#include "core/Language.h"
#include "core/NumberText.h"

namespace TacneAnvelope {

namespace {

std::string prevedi(std::string_view source)
{
    return translatedText("TacneAnvelope", source);
}

std::string jedinica(Velicina v)
{
    return v == Velicina::ExtM ? "kNm" : "kN";
}

std::string imeSile(int i)
{
    return "P" + std::to_string(i + 1);
}

std::string rezimeVelicine(Velicina v, const Razlika &r)
{
    std::string linija = naziv(v) + ": ";
    if (!r.razlikujuSe())
        return linija
            + prevedi(KELVANE_TEXT(
                "TacneAnvelope", "klasicna i tacna anvelopa se slazu na celom rasponu"));
    linija += prevedi(KELVANE_TEXT(
        "TacneAnvelope", "klasicna anvelopa je po apsolutnoj vrednosti manja od tacne za "));
    for (std::size_t i = 0; i < r.zone.size(); ++i) {
        if (i > 0)
            linija += i + 1 == r.zone.size() ? prevedi(KELVANE_TEXT("TacneAnvelope", " i ")) : ", ";
        linija += argText(argText(prevedi(KELVANE_TEXT("TacneAnvelope", "x = %1 do %2")),
                              NumberText::tri(r.zone[i].xOd)),
            NumberText::tri(r.zone[i].xDo));
    }
    std::string kraj = prevedi(
        KELVANE_TEXT("TacneAnvelope", "; najveca razlika %1 %2 (%3 % tacne vrednosti) u x = %4"));
    for (const std::string &vrednost : { NumberText::dve(r.najveca), jedinica(v),
             NumberText::fixed(r.procenat, 1), NumberText::tri(r.x) })
        kraj = argText(kraj, vrednost);
    return linija + kraj;
}

} // namespace

std::string naziv(Velicina v)
{
    static const PoVelicini<std::string> nazivi { { "extM", "maxT", "minT" } };
    return nazivi[v];
}

std::string opisPolozaja(Velicina v, Polozaj p, int brojSila)
{
    static const PoVelicini<const char *> mesta { { KELVANE_TEXT("TacneAnvelope", " u preseku"),
        KELVANE_TEXT("TacneAnvelope", " neposredno desno od preseka"),
        KELVANE_TEXT("TacneAnvelope", " neposredno levo od preseka") } };
    std::string opis = imeSile(p.uPreseku) + prevedi(mesta[v]);
    if (brojSila == 2) {
        const int druga = 1 - p.uPreseku;
        return opis + ", " + imeSile(druga)
            + prevedi(p.naGrediJe(druga) ? KELVANE_TEXT("TacneAnvelope", " na gredi")
                                         : KELVANE_TEXT("TacneAnvelope", " van grede"));
    }
    std::string ostale;
    for (int i = 0; i < brojSila; ++i) {
        if (i != p.uPreseku && p.naGrediJe(i))
            ostale += (ostale.empty() ? "" : ", ") + imeSile(i);
    }
    if (brojSila == 1)
        return opis;
    opis += ostale.empty() ? prevedi(KELVANE_TEXT("TacneAnvelope", ", ostale van grede"))
                           : prevedi(KELVANE_TEXT("TacneAnvelope", "; na gredi i ")) + ostale;
    return p.obrnuto ? opis + prevedi(KELVANE_TEXT("TacneAnvelope", "; niz u suprotnom smeru"))
                     : opis;
}

std::vector<std::string> rezime(const Poredjenje &p)
{
    std::vector<std::string> linije;
    for (const Velicina v : sveVelicine)
        linije.push_back(rezimeVelicine(v, p.razlike[v]));
    return linije;
}

std::string napomena(Velicina v, double klasicna, const TacnaVrednost &tacna)
{
    if (!manjaOdTacne(v, klasicna, tacna.vrednost))
        return {};
    return prevedi(KELVANE_TEXT("TacneAnvelope", "Tacna vrednost (svi polozaji sila): "))
        + NumberText::dve(tacna.vrednost) + ", " + opisPolozaja(v, tacna.polozaj);
}

std::vector<std::string> csvLinije(const RezultatiProracuna &r, const std::vector<double> &xs)
{
    std::string zaglavlje;
    for (const std::string_view kolona : csvKolone)
        (zaglavlje += zaglavlje.empty() ? "" : ",") += kolona;
    std::vector<std::string> linije { zaglavlje };
    for (const double x : xs) {
        const PoVelicini<double> k = klasicneVrednosti(r, x);
        const TacneVrednosti t = tacneVrednosti(r, x);
        std::string linija = NumberText::general(x);
        for (const Velicina v : sveVelicine) {
            linija += ',' + NumberText::general(k[v]);
            linija += ',' + NumberText::general(t[v].vrednost);
        }
        linije.push_back(linija);
    }
    return linije;
}

} // namespace TacneAnvelope
