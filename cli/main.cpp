// SPDX-License-Identifier: GPL-3.0-or-later

// kelvane-calc: the calculation of the windows from the command line. The tool itself links no
// Qt, so that a text result comes at once; only --pdf and --png load the module that paints with
// Qt, on the offscreen platform, so that no display is needed.

#include "cli/Catalogue.h"
#include "cli/Datoteke.h"
#include "cli/Ispis.h"
#include "cli/NizIspis.h"
#include "cli/Opcije.h"
#include "cli/Studija.h"
#include "core/VersionText.h"

#include <dlfcn.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>

namespace {

constexpr int izlazUspeh = 0;
constexpr int izlazSnimanje = 1;
constexpr int izlazUnos = 2;

// The module that writes the files: beside the tool in the build tree, in the library folder of
// the installation.
void *otvoriModul(std::string &greska)
{
    std::error_code ec;
    const std::filesystem::path folder
        = std::filesystem::read_symlink("/proc/self/exe", ec).parent_path();
    for (const std::filesystem::path &modul :
        { folder / modulDatoteka, folder / ".." / KELVANE_MODUL_FOLDER / modulDatoteka }) {
        if (void *handle = dlopen(modul.c_str(), RTLD_NOW | RTLD_LOCAL))
            return handle;
        if (std::filesystem::exists(modul))
            greska = dlerror();
    }
    if (greska.empty())
        greska = std::string("nema modula ") + modulDatoteka;
    return nullptr;
}

// Writes text to standard output and makes sure it got there: a full disk or a closed output
// would otherwise lose the listing while the exit status says success. The stream's state and
// ferror are sticky, so a failure of an earlier write is seen too.
bool napisi(const std::string &text)
{
    errno = 0;
    std::cout << text;
    std::cout.flush();
    if (std::fflush(stdout) == 0 && std::cout && !std::ferror(stdout))
        return true;
    std::cerr << "Standardni izlaz nije zapisan: " << std::strerror(errno != 0 ? errno : EIO)
              << "\n";
    return false;
}

bool zapisiDatoteke(const ZahtevDatoteka &zahtev)
{
    std::string greske;
    void *modul = otvoriModul(greske);
    const auto zapisi = modul
        ? reinterpret_cast<KelvaneCalcDatoteke>(dlsym(modul, "kelvaneCalcDatoteke"))
        : nullptr;
    if (!zapisi) {
        std::cerr << Catalogue::translate("kelvane-calc", "Datoteke nisu snimljene: ") << greske
                  << "\n";
        return false;
    }
    const bool snimljeno = zapisi(zahtev, greske);
    std::cerr << greske;
    return snimljeno;
}

int studija(const OpcijeKalkulatora &o)
{
    IshodStudije ishod;
    if (o.rasponi) {
        ishod = studijaRaspona(o, std::cout);
    } else if (*o.slucajevi == "-") {
        ishod = studijaSlucajeva(o, std::cin, std::cout);
    } else {
        std::ifstream datoteka(*o.slucajevi);
        if (!datoteka) {
            std::cerr << "Datoteka " << *o.slucajevi << " nije procitana: " << std::strerror(errno)
                      << "\n";
            return izlazUnos;
        }
        ishod = studijaSlucajeva(o, datoteka, std::cout);
    }
    if (!napisi({}))
        return izlazSnimanje;
    return ishod.odbijenih > 0 ? izlazUnos : izlazUspeh;
}

} // namespace

int main(int argc, char *argv[])
{
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> argumenti(argv + 1, argv + argc);
    if (jeNiz(argumenti)) {
        const IshodNiza niz = racunajNiz(argumenti);
        std::cerr << niz.greske;
        if (niz.status != izlazUspeh)
            return niz.status;
        if (!napisi(niz.izlaz))
            return izlazSnimanje;
        if (niz.pdf.empty() && niz.png.empty())
            return izlazUspeh;
        const ZahtevDatoteka zahtev { nullptr, {}, {}, niz.pdf, niz.png,
            Catalogue::languageFromEnvironment(), &niz.niz };
        return zapisiDatoteke(zahtev) ? izlazUspeh : izlazSnimanje;
    }
    const CitanjeOpcija citanje = procitajOpcije(argumenti);
    const OpcijeKalkulatora &o = citanje.opcije;
    const Language jezik = o.jezik.value_or(Catalogue::languageFromEnvironment());
    Catalogue::setLanguage(jezik);
    if (!citanje.greska.empty()) {
        std::cerr << Catalogue::arg(
            Catalogue::translate("kelvane-calc", citanje.greska), citanje.vrednost)
                  << "\n"
                  << Catalogue::translate("kelvane-calc", "Uputstvo: kelvane-calc --help") << "\n";
        return izlazUnos;
    }
    if (o.pomoc || o.verzija)
        return napisi(o.pomoc ? uputstvo() : versionText("kelvane-calc")) ? izlazUspeh
                                                                          : izlazSnimanje;

    if (o.rasponi || o.slucajevi)
        return studija(o);

    const ProracunKalkulatora proracun = proracunaj(o);
    for (const std::string &poruka : proracun.poruke)
        std::cerr << poruka << "\n";
    if (!proracun.prihvacen) {
        std::cerr << napomenaZarez(o);
        return izlazUnos;
    }

    if (!napisi(ispisi(proracun, o)))
        return izlazSnimanje;
    std::cerr << upozorenje(proracun, o);
    if (!o.pdf && !o.png)
        return izlazUspeh;

    const ZahtevDatoteka zahtev { &proracun.rezultati, proracun.rezultati.ulaz(), o.dokument,
        o.pdf.value_or(""), o.png.value_or(""), jezik };
    const bool snimljeno = zapisiDatoteke(zahtev);
    return snimljeno ? izlazUspeh : izlazSnimanje;
}
