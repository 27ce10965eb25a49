// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/Studija.h"

#include "core/NumberText.h"

#include <cmath>
#include <vector>

namespace Studija {

namespace {

std::string_view bezRazmaka(std::string_view s)
{
    constexpr std::string_view razmaci = " \t\r\n\v\f";
    const auto prvi = s.find_first_not_of(razmaci);
    if (prvi == std::string_view::npos)
        return {};
    return s.substr(prvi, s.find_last_not_of(razmaci) - prvi + 1);
}

std::vector<std::string_view> polja(std::string_view red, char separator)
{
    std::vector<std::string_view> p;
    for (;;) {
        const auto kraj = red.find(separator);
        p.push_back(bezRazmaka(red.substr(0, kraj)));
        if (kraj == std::string_view::npos)
            return p;
        red.remove_prefix(kraj + 1);
    }
}

} // namespace

RedSlucaja procitajRed(std::string_view red, bool prvi)
{
    constexpr std::string_view bom = "\xEF\xBB\xBF";
    if (red.substr(0, bom.size()) == bom)
        red.remove_prefix(bom.size());
    red = bezRazmaka(red);
    RedSlucaja r;
    if (red.empty() || red.front() == '#')
        return r;
    const std::vector<std::string_view> p = polja(red, ',');
    bool brojeva = false;
    for (const std::string_view polje : p)
        brojeva = brojeva || NumberText::parseField(polje).has_value();
    if (prvi && !brojeva)
        return r;
    r.brojPolja = p.size();
    for (std::size_t i = 0; i < p.size() && i < r.tekstovi.size(); ++i)
        r.tekstovi[i] = std::string(p[i]);
    r.vrsta = p.size() == r.tekstovi.size() ? Vrsta::Slucaj : Vrsta::Odbijen;
    return r;
}

std::string Rasponi::raspon(std::size_t i) const
{
    return NumberText::general(od + static_cast<double>(i) * korak);
}

std::optional<Rasponi> procitajRaspone(std::string_view tekst)
{
    const std::vector<std::string_view> p = polja(tekst, ':');
    if (p.size() != 3)
        return std::nullopt;
    const auto od = NumberText::parseField(p[0]);
    const auto doRaspona = NumberText::parseField(p[1]);
    const auto korak = NumberText::parseField(p[2]);
    if (!od || !doRaspona || !korak || !(*korak > 0.0) || *doRaspona < *od)
        return std::nullopt;
    // A TO reached by the steps up to rounding (0:0.3:0.1) belongs to the range.
    const double koraka = std::floor((*doRaspona - *od) / *korak * (1.0 + 1e-12));
    if (!(koraka < 1e9))
        return std::nullopt;
    return Rasponi { *od, *korak, static_cast<std::size_t>(koraka) + 1 };
}

} // namespace Studija
