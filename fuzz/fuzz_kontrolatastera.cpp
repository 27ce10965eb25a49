// SPDX-License-Identifier: GPL-3.0-or-later
// A numeric field's entry rule over keystrokes, pastes and selections. Byte 0 picks the text the
// program wrote and the field's maximum length; then 0xFF n c... pastes n % 8 characters, 0xFE a b
// selects from a to b (a click when equal), any other byte types that classic character code.
// The field never holds a comma nor grows past its limit, and while only typed, its text is
// empty, "." or a number.

#include "Svojstvo.h"

#include "core/NumberText.h"
#include "core/UnosBroja.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::u16string pocetni[] { u"", u"206", u"10", u"9998.9" };
    const std::size_t duzine[] { 5, 4, 2 };
    const std::size_t max = duzine[data[0] / 4 % 3];
    UnosBroja::Polje p { pocetni[data[0] % 4], 0, 0 };
    bool kucano = p.tekst.size() <= max;
    for (std::size_t i = 1; i < size; ++i) {
        const std::size_t pre = p.tekst.size();
        const auto sledeci = [&] { return i + 1 < size ? data[++i] : 0; };
        std::optional<UnosBroja::Polje> posle;
        if (data[i] == 0xFF) {
            std::u16string umetak;
            for (int n = sledeci() % 8; n > 0; --n)
                umetak += char16_t(sledeci());
            posle = UnosBroja::nalepi(p, umetak, max);
            kucano = kucano && !posle;
        } else if (data[i] == 0xFE) {
            p.sidro = sledeci() % (pre + 1);
            p.kursor = sledeci() % (pre + 1);
        } else {
            const int kod = data[i];
            posle = UnosBroja::otkucaj(p, kod, max);
            SVOJSTVO(!posle || kod == 8 || kod == '.' || kod == ',' || (kod >= '0' && kod <= '9'));
        }
        if (posle)
            p = *posle;
        SVOJSTVO(p.kursor <= p.tekst.size() && p.sidro <= p.tekst.size());
        SVOJSTVO(
            p.tekst.find(u',') == std::u16string::npos && p.tekst.size() <= std::max(max, pre));
        const std::string ascii(p.tekst.begin(), p.tekst.end());
        SVOJSTVO(!kucano || ascii.empty() || ascii == "."
            || (std::u16string(ascii.begin(), ascii.end()) == p.tekst
                && NumberText::parseField(ascii)));
    }
    return 0;
}
