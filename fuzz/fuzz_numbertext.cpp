// SPDX-License-Identifier: GPL-3.0-or-later
// The fields' text-to-number parser: an accepted text is a finite number >= 0 whose printed forms
// read back; general() keeps 15 significant digits, so it reads back within them and to itself.

#include "Svojstvo.h"

#include "core/NumberText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view tekst(reinterpret_cast<const char *>(data), size);
    const auto v = NumberText::parseField(tekst);
    if (!v)
        return 0;
    SVOJSTVO(std::isfinite(*v) && *v >= 0.0 && NumberText::parseSigned(tekst) == v);
    const std::string g = NumberText::general(*v);
    const auto nazad = NumberText::parseField(g);
    SVOJSTVO(nazad && std::fabs(*nazad - *v) <= 5.5e-15 * *v && NumberText::general(*nazad) == g);
    SVOJSTVO(NumberText::parseSigned(NumberText::general(-*v)) == -*nazad);
    for (const int decimala : { 0, 2, 3 }) {
        const auto f = NumberText::parseField(NumberText::fixed(*v, decimala));
        SVOJSTVO(f && std::fabs(*f - *nazad) <= 0.5 * std::pow(10.0, -decimala) + 1e-14 * *v);
    }
    return 0;
}
