// SPDX-License-Identifier: GPL-3.0-or-later
// kelvane-calc's command line, split into arguments at line ends, run as its main runs it up to
// the files (which need Qt), for the pair and for a train of forces: refused with a message (exit
// status 2), or output in which every number is finite and at most n + 1 sections are listed.

#include "Svojstvo.h"

#include "cli/Ispis.h"
#include "cli/NizIspis.h"
#include "cli/Opcije.h"

#include <algorithm>
#include <vector>

namespace {

// NumberText writes infinity as "i.nf" and NaN as "n.an", JSON's to_chars "inf" and "nan".
bool konacno(const std::string &izlaz)
{
    for (const char *nekonacan : { "inf", "nan", "i.nf", "n.an" }) {
        if (izlaz.find(nekonacan) != std::string::npos)
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    std::vector<std::string> argumenti(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == '\n')
            argumenti.emplace_back();
        else
            argumenti.back() += char(data[i]);
    }
    if (jeNiz(argumenti)) {
        const IshodNiza niz = racunajNiz(argumenti);
        SVOJSTVO(niz.status == 0 || (niz.status == 2 && !niz.greske.empty()));
        SVOJSTVO(konacno(niz.izlaz));
        return 0;
    }
    const CitanjeOpcija c = procitajOpcije(argumenti);
    const OpcijeKalkulatora &o = c.opcije;
    if (!c.greska.empty() || o.pomoc || o.verzija)
        return 0;
    const ProracunKalkulatora p = proracunaj(o);
    SVOJSTVO(p.prihvacen || !p.poruke.empty());
    if (!p.prihvacen)
        return 0;
    const std::string izlaz = ispisi(p, o);
    SVOJSTVO(konacno(izlaz + upozorenje(p, o)));
    // A section is a line "x[m]= ..." of a listing or of the text's table, or a row of a CSV.
    const bool csv = o.format == OpcijeKalkulatora::Format::Csv
        && o.listing == OpcijeKalkulatora::Listing::None;
    std::size_t preseka = csv ? std::count(izlaz.begin(), izlaz.end(), '\n') - 1 : 0;
    for (auto at = izlaz.find("x[m]= "); !csv && at != std::string::npos;
         at = izlaz.find("x[m]= ", at + 1))
        ++preseka;
    SVOJSTVO(preseka <= std::floor(p.n) + 1);
    return 0;
}
