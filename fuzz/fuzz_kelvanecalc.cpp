// SPDX-License-Identifier: GPL-3.0-or-later
// kelvane-calc's command line, split from the input at NUL bytes into arguments, run as main runs
// it up to its files (which need Qt): a line is either refused with exit status 2 and a message,
// or it gives output whose every number is finite.

#include "Svojstvo.h"

#include "cli/Ispis.h"
#include "cli/Opcije.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

std::vector<std::string> argumenti(std::string_view ulaz)
{
    std::vector<std::string> a;
    std::size_t od = 0;
    while (od <= ulaz.size() && a.size() < 16) {
        const auto kraj = ulaz.find('\0', od);
        a.emplace_back(ulaz.substr(od, kraj == std::string_view::npos ? kraj : kraj - od));
        if (kraj == std::string_view::npos)
            break;
        od = kraj + 1;
    }
    return a;
}

// NumberText writes infinity as "i.nf" and NaN as "n.an"; to_chars (JSON) as "inf" and "nan".
bool bezNekonacnih(const std::string &izlaz)
{
    for (const char *znak : { "inf", "nan", "i.nf", "n.an" }) {
        if (izlaz.find(znak) != std::string::npos)
            return false;
    }
    return true;
}

// The sections printed: the lines of a listing or of the text's table, the rows of a CSV.
std::size_t preseka(const std::string &izlaz, const OpcijeKalkulatora &o)
{
    std::size_t n = 0;
    if (o.format == OpcijeKalkulatora::Format::Csv && o.listing == OpcijeKalkulatora::Listing::None)
        return std::count(izlaz.begin(), izlaz.end(), '\n') - 1;
    for (auto at = izlaz.find("x[m]= "); at != std::string::npos; at = izlaz.find("x[m]= ", at + 1))
        ++n;
    return n;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view ulaz = kaoTekst(data, size);
    const CitanjeOpcija citanje = procitajOpcije(argumenti(ulaz));
    const OpcijeKalkulatora &o = citanje.opcije;
    if (!citanje.greska.empty() || o.pomoc || o.verzija)
        return 0;
    const Proracun p = proracunaj(o);
    if (!p.prihvacen) {
        svojstvo(!p.poruke.empty(), "a refused line says why", ulaz);
        return 0;
    }
    for (const PoljeRezultata &polje : p.rezultati.polja())
        svojstvo(std::isfinite(polje.vrednost), "the record is finite", ulaz);
    const std::string izlaz = ispisi(p, o);
    svojstvo(!izlaz.empty(), "an accepted line prints something", ulaz);
    svojstvo(preseka(izlaz, o) <= std::ceil(p.n) + 1, "at most n + 1 sections are printed", ulaz);
    svojstvo(bezNekonacnih(izlaz + upozorenje(p, o)), "every number printed is finite", ulaz);
    return 0;
}
