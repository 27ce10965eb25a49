// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/Studija.h"

#include "cli/Ispis.h"
#include "cli/Tabela.h"
#include "core/Studija.h"

#include <istream>
#include <ostream>
#include <vector>

namespace {

std::string greskaBrojaPolja(std::size_t red, std::size_t polja)
{
    return "Red " + std::to_string(red) + " ima " + std::to_string(polja)
        + " polja; slucaj je red od cetiri polja P1,P2,e,L.";
}

// Writes the rows as the cases come, in pieces large enough that writing costs nothing.
class Pisac
{
public:
    Pisac(const OpcijeKalkulatora &o, std::ostream &izlaz)
        : m_format(o.format)
        , m_dijalekt(dijalekt(o))
        , m_izlaz(izlaz)
    {
        if (m_format == OpcijeKalkulatora::Format::Csv)
            csvZaglavljeRezimea(m_bafer, m_dijalekt);
        else if (m_format == OpcijeKalkulatora::Format::Json)
            m_bafer += "{\n  \"format_version\": " + std::to_string(formatJson)
                + ",\n  \"slucajevi\": [";
    }

    void slucaj(const KontroleUnosa::TekstoviUlaza &tekstovi)
    {
        const ProracunKalkulatora p = proracunajSlucaj(tekstovi);
        if (p.prihvacen)
            prihvacen(p);
        else
            odbijen(tekstovi, p.poruke);
    }

    void odbijen(
        const KontroleUnosa::TekstoviUlaza &tekstovi, const std::vector<std::string> &poruke)
    {
        ++m_ishod.slucajeva;
        ++m_ishod.odbijenih;
        std::string poruka;
        for (const std::string &p : poruke)
            (poruka += poruka.empty() ? "" : " ") += p;
        switch (m_format) {
        case OpcijeKalkulatora::Format::Csv:
            csvOdbijen(m_bafer, tekstovi, poruka, m_dijalekt);
            break;
        case OpcijeKalkulatora::Format::Json:
            sledeciObjekat();
            jsonOdbijen(m_bafer, tekstovi, poruka);
            break;
        case OpcijeKalkulatora::Format::Text:
            m_bafer += m_ishod.slucajeva > 1 ? "\n" : "";
            m_bafer += "Ulazni parametri: P1 = " + tekstovi[0] + ", P2 = " + tekstovi[1]
                + ", e = " + tekstovi[2] + ", L = " + tekstovi[3] + " (odbijeno)\n";
            for (const std::string &p : poruke)
                m_bafer += "  " + p + "\n";
            break;
        }
        isprazni(false);
    }

    IshodStudije zavrsi()
    {
        if (m_format == OpcijeKalkulatora::Format::Json)
            m_bafer += m_ishod.slucajeva > 0 ? "\n  ]\n}\n" : "]\n}\n";
        isprazni(true);
        return m_ishod;
    }

private:
    void prihvacen(const ProracunKalkulatora &p)
    {
        ++m_ishod.slucajeva;
        switch (m_format) {
        case OpcijeKalkulatora::Format::Csv:
            csvRezime(m_bafer, p.rezime, p.skale, m_dijalekt);
            break;
        case OpcijeKalkulatora::Format::Json:
            sledeciObjekat();
            jsonRezime(m_bafer, p.rezime, p.skale);
            break;
        case OpcijeKalkulatora::Format::Text:
            m_bafer += m_ishod.slucajeva > 1 ? "\n" : "";
            m_bafer += linijaUlaza(p.rezime.ulaz) + "\n";
            for (const std::string &linija : linijeRezimea(p.rezime))
                m_bafer += linija + "\n";
            for (const std::string &linija : TacneAnvelope::rezime(p.poredjenje))
                m_bafer += "  " + linija + "\n";
            break;
        }
        isprazni(false);
    }

    void sledeciObjekat() { m_bafer += m_ishod.slucajeva > 1 ? ",\n    " : "\n    "; }

    void isprazni(bool sve)
    {
        constexpr std::size_t komad = 1 << 16;
        if (sve || m_bafer.size() >= komad) {
            m_izlaz.write(m_bafer.data(), static_cast<std::streamsize>(m_bafer.size()));
            m_bafer.clear();
        }
    }

    OpcijeKalkulatora::Format m_format;
    CsvDijalekt m_dijalekt;
    std::ostream &m_izlaz;
    std::string m_bafer;
    IshodStudije m_ishod;
};

} // namespace

IshodStudije studijaRaspona(const OpcijeKalkulatora &o, std::ostream &izlaz)
{
    const auto rasponi = Studija::procitajRaspone(o.rasponi.value_or(""));
    Pisac pisac(o, izlaz);
    for (std::size_t i = 0; rasponi && i < rasponi->broj; ++i)
        pisac.slucaj({ o.P1, o.P2, o.e, rasponi->raspon(i) });
    return pisac.zavrsi();
}

IshodStudije studijaSlucajeva(const OpcijeKalkulatora &o, std::istream &ulaz, std::ostream &izlaz)
{
    Pisac pisac(o, izlaz);
    std::string red;
    bool prvi = true;
    for (std::size_t broj = 1; std::getline(ulaz, red); ++broj) {
        const Studija::RedSlucaja r = Studija::procitajRed(red, prvi);
        if (r.vrsta == Studija::Vrsta::Preskocen)
            continue;
        prvi = false;
        if (r.vrsta == Studija::Vrsta::Slucaj)
            pisac.slucaj(r.tekstovi);
        else
            pisac.odbijen(r.tekstovi, { greskaBrojaPolja(broj, r.brojPolja) });
    }
    return pisac.zavrsi();
}
