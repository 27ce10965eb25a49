// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/Proracun.h"

namespace Proracun {

Ishod izTekstova(const KontroleUnosa::TekstoviUlaza &tekstovi)
{
    Ishod ishod;
    ishod.provera = KontroleUnosa::KontrolaVrednosti(tekstovi);
    if (ishod.provera.prihvaceno) {
        ishod.rezultati.emplace();
        ishod.rezultati->proracunaj(ishod.provera.ulaz);
    }
    return ishod;
}

} // namespace Proracun
