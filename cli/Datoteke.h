// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The files of kelvane-calc, the calculation sheet and the diagram's picture, written by a
// module that the tool loads only when a file is asked for: Qt's painting brings dozens of
// libraries that a text result would otherwise wait for at every start.

#include "core/Language.h"
#include "core/NizSila.h"
#include "core/PodaciDokumenta.h"
#include "core/RezultatiProracuna.h"

#include <string>
#include <vector>

struct ZahtevDatoteka
{
    const RezultatiProracuna *rezultati = nullptr;
    UlazniParametri ulaz;
    PodaciDokumenta dokument; // the sheet's document fields
    std::string pdf, png; // paths; empty when not asked for
    Language jezik = Language::Serbian; // of the sheet and the messages
    const TacneAnvelope::Niz *niz = nullptr; // a train's files instead of the pair's
};

// Writes what the request names; on failure adds one line per file, naming it and the system's
// reason, to greske. True when every file was written.
extern "C" bool kelvaneCalcDatoteke(const ZahtevDatoteka &zahtev, std::string &greske);
using KelvaneCalcDatoteke = bool (*)(const ZahtevDatoteka &, std::string &);

// The module's file name; beside the tool in the build, under the library folder when installed.
inline constexpr const char *modulDatoteka = "kelvane-calc-datoteke.so";
