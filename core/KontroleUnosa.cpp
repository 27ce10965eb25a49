// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/KontroleUnosa.h"

#include "core/NumberText.h"

namespace KontroleUnosa {

namespace {

// The largest values the fields hold when typed, their maximum lengths in nines. A larger value
// can only have been placed there without typing, and it would keep the diagram and the listings
// at work for ever.
constexpr double najvecaSila = 99999; // kN, txtSila1 and txtSila2
constexpr double najvecaDuzina = 9999; // m, txtRazmakSila and txtRasponGrede
constexpr double najveciBrojPolja = 99; // txtBrojPolja

constexpr std::size_t indeks(Ulaz u)
{
    return static_cast<std::size_t>(u);
}

} // namespace

std::string_view tekst(Poruka poruka)
{
    switch (poruka) {
    case Poruka::P1:
        return KELVANE_TEXT(
            "KontroleUnosa", "U polje za unos vrednosti sile P1 mora biti unet decimalan broj!");
    case Poruka::P2:
        return KELVANE_TEXT(
            "KontroleUnosa", "U polje za unos vrednosti sile P2 mora biti unet decimalan broj!");
    case Poruka::P2Nula:
        return KELVANE_TEXT("KontroleUnosa",
            "Ako se na gredi nalazi samo jedna sila nesme se usvojiti da je vrednost sile P2 "
            "nula!");
    case Poruka::Razmak:
        return KELVANE_TEXT("KontroleUnosa",
            "U polje za unos vrednosti razmaka izmedu sila mora biti unet decimalan broj cija je "
            "vrednost jednaka ili manja  od vrednosti raspona grede!");
    case Poruka::Raspon:
        return KELVANE_TEXT("KontroleUnosa",
            "U polje za unos vrednosti raspona grede mora biti unet decimalan broj!");
    case Poruka::Rastojanje:
        return KELVANE_TEXT("KontroleUnosa",
            "Rastojanje izmedu sila nesme imati jednaku ili vecu vrednost od raspona grede!");
    case Poruka::Presek:
        break;
    }
    return KELVANE_TEXT("KontroleUnosa",
        "U polje za unos vrednosti promenljive X mora biti unesen decimalan broj cija se "
        "vrednost krece izmedu nule i velicine raspona grede!");
}

bool KontrolaDuzine(const TekstoviUlaza &tekstovi)
{
    bool rezultat = true;
    for (const std::string &t : tekstovi) {
        if (t.empty())
            rezultat = false;
    }
    return rezultat;
}

// A text that is no number (the lone "." the key filter lets through, or a pasted text) or beyond
// what its field takes when typed is refused like the lone "."; texts these checks write stay
// within it (L - 0.1 for a span of at most 9999).
ProveraUlaza KontrolaVrednosti(const TekstoviUlaza &tekstovi)
{
    ProveraUlaza p;
    p.prihvaceno = true;
    p.tekstovi = tekstovi;
    const auto vrednost = [&p](Ulaz u) { return NumberText::parseField(p.tekstovi[indeks(u)]); };
    const auto nijeBroj = [&](Ulaz u) {
        const auto v = vrednost(u);
        return !v || *v > (u == Ulaz::Sila1 || u == Ulaz::Sila2 ? najvecaSila : najvecaDuzina);
    };
    const auto jeNula = [&](Ulaz u) { return vrednost(u) == 0.0; };
    const auto ispravi = [&p](Ulaz polje, std::optional<Poruka> poruka, std::string reset,
                             std::optional<Ulaz> fokus) {
        if (poruka)
            p.prihvaceno = false;
        p.tekstovi[indeks(polje)] = reset;
        p.ispravke.push_back({ polje, poruka, std::move(reset), fokus });
    };
    using enum Ulaz;

    if (nijeBroj(Sila1))
        ispravi(Sila1, Poruka::P1, "206", Sila1);
    // A single force is entered as P1 = 0; the distance then means nothing.
    if (jeNula(Sila1))
        ispravi(RazmakSila, std::nullopt, "0", std::nullopt);
    if (nijeBroj(Sila2))
        ispravi(Sila2, Poruka::P2, "208", Sila2);
    if (jeNula(Sila2))
        ispravi(Sila2, Poruka::P2Nula, "208", Sila2);
    if (nijeBroj(RazmakSila))
        ispravi(RazmakSila, Poruka::Razmak, "5", RazmakSila);
    if (nijeBroj(RasponGrede))
        ispravi(RasponGrede, Poruka::Raspon, "9", RasponGrede);
    if (jeNula(RasponGrede))
        ispravi(RasponGrede, Poruka::Raspon, "9", RasponGrede);
    const double e = vrednost(RazmakSila).value_or(0.0);
    const double L = vrednost(RasponGrede).value_or(0.0);
    if (!(e < L)) {
        // L - 0.1 is negative for a span under 0.1 m, and a negative distance between the forces
        // gives a meaningless envelope: such a span gets the distance 0 instead.
        const double predlog = L - 0.1;
        ispravi(RazmakSila, Poruka::Rastojanje, predlog < 0 ? "0" : NumberText::general(predlog),
            RasponGrede);
    }
    if (p.prihvaceno) {
        p.ulaz
            = { *vrednost(Sila1), *vrednost(Sila2), *vrednost(RazmakSila), *vrednost(RasponGrede) };
    }
    return p;
}

std::vector<OdbijanjePreseka> KontrolaPreseka(
    std::string_view zaExtM, std::string_view zaExtT, double L)
{
    std::vector<OdbijanjePreseka> odbijanja;
    for (const auto &[polje, tekst] :
        { std::pair { Presek::ZaExtM, zaExtM }, std::pair { Presek::ZaExtT, zaExtT } }) {
        // A text that is no number reads as 0 after its reset and so passes the range test.
        const auto x = NumberText::parseField(tekst);
        if (!x || !(L >= *x))
            odbijanja.push_back({ polje, Poruka::Presek, "0" });
    }
    return odbijanja;
}

// Besides the lone "." that the key filter lets through, an emptied field, a pasted text that is
// no number or a count larger than the field takes when typed reaches the command through the
// menu; all are refused.
std::optional<double> KontrolaBrojaPolja(std::string_view tekst)
{
    const auto n = NumberText::parseField(tekst);
    if (!n || *n == 0.0 || *n > najveciBrojPolja)
        return std::nullopt;
    return n;
}

} // namespace KontroleUnosa
