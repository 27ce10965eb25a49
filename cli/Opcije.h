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

    std::string P1, P2, e, L; // as given
    std::optional<std::string> presek; // -x
    std::string brojPolja = "10"; // -n
    bool brojPoljaZadat = false;
    Listing listing = Listing::None;
    bool tacne = false;
    Format format = Format::Text;
    std::optional<std::string> pdf;
    std::optional<std::string> png;
    PodaciDokumenta dokument; // --project, --element, --author, --checker, --revision
    bool pomoc = false;
    bool verzija = false;
};

struct CitanjeOpcija
{
    OpcijeKalkulatora opcije;
    std::string greska; // empty when the line was read
};

CitanjeOpcija procitajOpcije(const std::vector<std::string> &argumenti);

// The usage text that --help prints.
std::string uputstvo();
