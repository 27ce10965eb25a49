// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/UnosBroja.h"

#include <algorithm>

namespace UnosBroja {

int KontrolaTastera(int kod, std::u16string_view tekst)
{
    if (kod == kodBackspace || (kod >= '0' && kod <= '9'))
        return kod;
    if ((kod == '.' || kod == ',') && tekst.find(u'.') == std::u16string_view::npos)
        return '.';
    return 0;
}

std::optional<std::u16string> izmena(
    std::u16string_view stari, std::u16string_view novi, std::size_t maxDuzina)
{
    if (novi.size() > maxDuzina && novi.size() >= stari.size())
        return std::nullopt;
    std::u16string tekst(novi);
    std::replace(tekst.begin(), tekst.end(), u',', u'.');
    return tekst;
}

namespace {

// The field with [od, do) replaced by umetak and the cursor after it, under izmena's rule.
std::optional<Polje> zameni(const Polje &polje, std::size_t od, std::size_t doPozicije,
    std::u16string_view umetak, std::size_t maxDuzina)
{
    std::u16string novi = polje.tekst.substr(0, od);
    novi += umetak;
    novi += std::u16string_view(polje.tekst).substr(doPozicije);
    const auto tekst = izmena(polje.tekst, novi, maxDuzina);
    if (!tekst)
        return std::nullopt;
    const std::size_t kursor = od + umetak.size();
    return Polje { *tekst, kursor, kursor };
}

} // namespace

std::optional<Polje> otkucaj(const Polje &polje, int kod, std::size_t maxDuzina)
{
    const int znak = KontrolaTastera(kod, polje.tekst);
    if (znak == 0)
        return std::nullopt;
    const std::size_t od = std::min({ polje.kursor, polje.sidro, polje.tekst.size() });
    const std::size_t doPozicije
        = std::min(std::max(polje.kursor, polje.sidro), polje.tekst.size());
    if (znak != kodBackspace)
        return zameni(polje, od, doPozicije, std::u16string(1, char16_t(znak)), maxDuzina);
    if (od != doPozicije)
        return zameni(polje, od, doPozicije, {}, maxDuzina);
    if (od == 0)
        return Polje { polje.tekst, 0, 0 };
    return zameni(polje, od - 1, od, {}, maxDuzina);
}

std::optional<Polje> nalepi(const Polje &polje, std::u16string_view umetak, std::size_t maxDuzina)
{
    const std::size_t od = std::min({ polje.kursor, polje.sidro, polje.tekst.size() });
    const std::size_t doPozicije
        = std::min(std::max(polje.kursor, polje.sidro), polje.tekst.size());
    return zameni(polje, od, doPozicije, umetak, maxDuzina);
}

} // namespace UnosBroja
