// SPDX-License-Identifier: GPL-3.0-or-later
// The study mode's readers of outside text: one line of a batch file, and the spans FROM:TO:STEP.
// A line is a case of four fields (which then takes the input window's path like a typed case),
// a skipped line, or a refusal that says how many fields it had; spans are finite and in order.

#include "Svojstvo.h"

#include "core/Proracun.h"
#include "core/Studija.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view tekst(reinterpret_cast<const char *>(data), size);
    for (const bool prvi : { true, false }) {
        const Studija::RedSlucaja red = Studija::procitajRed(tekst, prvi);
        if (red.vrsta == Studija::Vrsta::Odbijen)
            SVOJSTVO(red.brojPolja != 4);
        if (red.vrsta != Studija::Vrsta::Slucaj)
            continue;
        SVOJSTVO(red.brojPolja == 4);
        const Proracun::Ishod ishod = Proracun::izTekstova(red.tekstovi);
        if (ishod.rezultati) {
            for (const PoljeRezultata &polje : ishod.rezultati->polja())
                SVOJSTVO(std::isfinite(polje.vrednost));
        }
    }
    if (const auto r = Studija::procitajRaspone(tekst)) {
        SVOJSTVO(std::isfinite(r->od) && r->korak > 0.0 && r->broj >= 1);
        if (r->broj > 1)
            SVOJSTVO(!r->raspon(r->broj - 1).empty());
    }
    return 0;
}
