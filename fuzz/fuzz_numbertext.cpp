// SPDX-License-Identifier: GPL-3.0-or-later
// The text-to-number parser of the fields: a text it accepts is a finite, non-negative number
// whose printed forms read back. general() keeps 15 significant digits, so its text reads back
// within that rounding and is a fixed point: printing what it reads gives the same text.

#include "Svojstvo.h"

#include "core/NumberText.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view ulaz = kaoTekst(data, size);
    const auto v = NumberText::parseField(ulaz);
    const auto s = NumberText::parseSigned(ulaz);
    svojstvo(v.has_value() == (s.has_value() && !(ulaz.size() > 0 && ulaz[0] == '-')),
        "parseSigned agrees with parseField on an unsigned text", ulaz);
    if (!v)
        return 0;
    svojstvo(std::isfinite(*v) && *v >= 0.0, "an accepted text is a finite number >= 0", ulaz);
    svojstvo(*s == *v, "parseSigned reads what parseField reads", ulaz);

    const std::string tekst = NumberText::general(*v);
    const auto nazad = NumberText::parseField(tekst);
    svojstvo(nazad.has_value(), "general() prints a text the field reads", ulaz);
    svojstvo(std::fabs(*nazad - *v) <= 5e-15 * *v, "general() reads back within 15 digits", ulaz);
    svojstvo(NumberText::general(*nazad) == tekst, "general() reads back to itself", ulaz);
    const auto negativan = NumberText::parseSigned(NumberText::general(-*v));
    svojstvo(negativan && *negativan == -*nazad, "a negative value prints and reads back", ulaz);

    for (const int decimala : { 0, 2, 3 }) {
        const std::string f = NumberText::fixed(*v, decimala);
        const auto fv = NumberText::parseField(f);
        svojstvo(fv.has_value(), "fixed() prints a text the field reads", ulaz);
        svojstvo(std::fabs(*fv - *nazad) <= 0.5 * std::pow(10.0, -decimala) + 1e-14 * *v,
            "fixed() is within half a last digit", ulaz);
        svojstvo(NumberText::reformat(ulaz, decimala) == f, "reformat() is fixed()", ulaz);
    }
    return 0;
}
