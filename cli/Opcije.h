// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The command line of kelvane-calc, read into plain values: no check of the numbers here, only of
// the shape of the line. The inputs stay texts, so that the input window's rules judge them
// exactly as they judge what is typed.

#include "core/PodaciDokumenta.h"

#include <optional>
#include <string>
#include <vector>

struct OpcijeKalkulatora
{
    enum class Format { Text, Csv, Json };
    enum class Listing { None, Moment, Sila };
    enum class Dijalekt { Standard, ExcelSr };

    std::string P1, P2, e, L; // as given; L is empty in a study of spans
    std::optional<std::string> presek; // -x
    std::string brojPolja = "10"; // -n
    bool brojPoljaZadat = false;
    Listing listing = Listing::None;
    bool tacne = false;
    Format format = Format::Text;
    std::optional<std::string> pdf;
    std::optional<std::string> png;
    PodaciDokumenta dokument; // --project, --element, --author, --checker, --revision
    Dijalekt dijalekt = Dijalekt::Standard;
    // A study: the spans FROM:TO:STEP for P1 P2 e, or the file of cases ("-": standard input).
    std::optional<std::string> rasponi;
    std::optional<std::string> slucajevi;
    bool pomoc = false;
    bool verzija = false;
};

struct CitanjeOpcija
{
    OpcijeKalkulatora opcije;
    std::string greska; // empty when the line was read
};

// Reads the line; a study admits no option for one case (-x, -n, --listing, --pdf, --png).
CitanjeOpcija procitajOpcije(const std::vector<std::string> &argumenti);

// The usage text that --help prints.
std::string uputstvo();
