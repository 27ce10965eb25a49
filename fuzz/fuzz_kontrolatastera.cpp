// SPDX-License-Identifier: GPL-3.0-or-later
// The numeric field's entry rule over a sequence of keystrokes, pastes, clicks and selections,
// read from the input as byte codes (below). Whatever the sequence, the field never holds a comma
// and never grows beyond its maximum length; while nothing was pasted or written by the program,
// its text is empty, a lone "." or a number the parser accepts.
//
// Input: byte 0 picks the text the program wrote and the maximum length, then per step:
//   0xFF len text   pastes len % 8 bytes (each a UTF-16 unit from 0 to 255)
//   0xFE pos        puts the cursor at pos (a click), nothing selected
//   0xFD            selects the whole text (entry into the field)
//   0xFC a b        selects from a to b
//   other           types that classic character code

#include "Svojstvo.h"

#include "core/NumberText.h"
#include "core/UnosBroja.h"

#include <array>
#include <string>

namespace {

// What the windows write into their fields and their maximum lengths.
constexpr std::array<std::u16string_view, 8> pocetni { u"", u"206", u"208", u"5", u"9", u"10",
    u"12.24", u"9998.9" };
constexpr std::array<std::size_t, 3> duzine { 5, 4, 2 };

bool samoKucano(const std::u16string &t)
{
    if (t.empty() || t == u".")
        return true;
    std::string ascii;
    for (const char16_t c : t) {
        if (c > 0x7f)
            return false;
        ascii += char(c);
    }
    return NumberText::parseField(ascii).has_value();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view ulaz = kaoTekst(data, size);
    if (size == 0)
        return 0;
    const std::size_t maxDuzina = duzine[(data[0] >> 4) % duzine.size()];
    UnosBroja::Polje polje;
    polje.tekst = pocetni[data[0] % pocetni.size()];
    polje.kursor = polje.tekst.size();
    // The program may write a text longer than the user may type; only typed keys keep the rule.
    bool cistoKucano = polje.tekst.size() <= maxDuzina;
    const auto bajt = [&](std::size_t &i) -> std::size_t { return i < size ? data[i++] : 0; };

    for (std::size_t i = 1; i < size;) {
        const std::size_t kod = bajt(i);
        const std::size_t duzinaPre = polje.tekst.size();
        if (kod == 0xFF) {
            std::u16string umetak;
            for (std::size_t n = bajt(i) % 8; n > 0 && i < size; --n)
                umetak += char16_t(bajt(i));
            if (const auto posle = UnosBroja::nalepi(polje, umetak, maxDuzina)) {
                polje = *posle;
                cistoKucano = false;
            }
        } else if (kod == 0xFE) {
            polje.kursor = polje.sidro = bajt(i) % (polje.tekst.size() + 1);
        } else if (kod == 0xFD) {
            polje.sidro = 0;
            polje.kursor = polje.tekst.size();
        } else if (kod == 0xFC) {
            polje.sidro = bajt(i) % (polje.tekst.size() + 1);
            polje.kursor = bajt(i) % (polje.tekst.size() + 1);
        } else {
            const auto posle = UnosBroja::otkucaj(polje, int(kod), maxDuzina);
            const bool dozvoljen
                = kod == 8 || (kod >= '0' && kod <= '9') || kod == '.' || kod == ',';
            svojstvo(dozvoljen || !posle, "only digits, Backspace, a point or a comma pass", ulaz);
            if (posle)
                polje = *posle;
        }
        svojstvo(polje.kursor <= polje.tekst.size() && polje.sidro <= polje.tekst.size(),
            "cursor and selection stay within the text", ulaz);
        svojstvo(polje.tekst.find(u',') == std::u16string::npos, "the field holds no comma", ulaz);
        svojstvo(polje.tekst.size() <= std::max(maxDuzina, duzinaPre),
            "an edit never lengthens the text beyond the maximum", ulaz);
        if (cistoKucano)
            svojstvo(samoKucano(polje.tekst), "a typed text is empty, \".\" or a number", ulaz);
    }
    return 0;
}
