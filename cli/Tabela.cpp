// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/Tabela.h"

#include "cli/Catalogue.h"
#include "core/NumberText.h"
#include "core/TacneAnvelopeTekst.h"

#include <algorithm>

using namespace TacneAnvelope;

namespace {

constexpr std::size_t brojKljuceva = kljuceviRezimea.size();

// One value of the summary: a number with its scale, or a text.
struct Vrednost
{
    double broj = 0.0;
    double skala = 0.0;
    std::string tekst;
    bool jeTekst = false;
};

using Vrednosti = std::array<Vrednost, brojKljuceva - 1>; // every key but "poruka"

Vrednosti vrednosti(const RezimeSlucaja &r, const Skale &s)
{
    const double m = s[Jedinica::m];
    const double kN = s[Jedinica::kN];
    const double kNm = s[Jedinica::kNm];
    const auto tekst = [](std::string t) { return Vrednost { 0.0, 0.0, std::move(t), true }; };
    const auto broj = [](double v, double skala) { return Vrednost { v, skala, {}, false }; };
    const PoVelicini<double> skalaRazlike { { kNm, kN, kN } };
    Vrednosti v { {
        broj(r.ulaz.P1, kN),
        broj(r.ulaz.P2, kN),
        broj(r.ulaz.e, m),
        broj(r.ulaz.L, m),
        broj(r.klasicniMaksimum.M, kNm),
        broj(r.klasicniMaksimum.x, m),
        broj(r.tacniMaksimum.M, kNm),
        broj(r.tacniMaksimum.x, m),
        tekst(opisPolozaja(Velicina::ExtM, r.tacniMaksimum.polozaj)),
        broj(r.silaA.vrednost, kN),
        tekst(opisPolozaja(Velicina::MaxT, r.silaA.polozaj)),
        broj(r.silaB.vrednost, kN),
        tekst(opisPolozaja(Velicina::MinT, r.silaB.polozaj)),
    } };
    std::size_t i = 13;
    for (const Velicina q : sveVelicine) {
        v[i++] = broj(r.razlika[q], skalaRazlike[q]);
        v[i++] = broj(r.procenat[q], s.procenat);
    }
    return v;
}

void dodajUtf8(std::string &izlaz, unsigned kod)
{
    izlaz += static_cast<char>(0xE0 | (kod >> 12));
    izlaz += static_cast<char>(0x80 | ((kod >> 6) & 0x3F));
    izlaz += static_cast<char>(0x80 | (kod & 0x3F));
}

// The length of the UTF-8 sequence at the start of s, or 0 when it is none.
std::size_t duzinaUtf8(std::string_view s)
{
    const auto b = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned c = b(0);
    std::size_t n = 0;
    unsigned kod = 0;
    if (c >= 0xC2 && c <= 0xDF) {
        n = 2;
        kod = c & 0x1F;
    } else if (c >= 0xE0 && c <= 0xEF) {
        n = 3;
        kod = c & 0x0F;
    } else if (c >= 0xF0 && c <= 0xF4) {
        n = 4;
        kod = c & 0x07;
    } else {
        return 0;
    }
    if (s.size() < n)
        return 0;
    for (std::size_t i = 1; i < n; ++i) {
        if ((b(i) & 0xC0) != 0x80)
            return 0;
        kod = (kod << 6) | (b(i) & 0x3F);
    }
    // Overlong forms, surrogates and values beyond Unicode are no UTF-8.
    const unsigned najmanji[5] = { 0, 0, 0x80, 0x800, 0x10000 };
    if (kod < najmanji[n] || (kod >= 0xD800 && kod <= 0xDFFF) || kod > 0x10FFFF)
        return 0;
    return n;
}

} // namespace

void csvPolje(std::string &izlaz, std::string_view tekst, const CsvDijalekt &d)
{
    const auto posebna
        = [&d](char c) { return c == d.separator || c == '"' || c == '\r' || c == '\n'; };
    if (std::none_of(tekst.begin(), tekst.end(), posebna)) {
        izlaz += tekst;
        return;
    }
    izlaz += '"';
    for (const char c : tekst) {
        if (c == '"')
            izlaz += '"';
        izlaz += c;
    }
    izlaz += '"';
}

void csvBroj(std::string &izlaz, double vrednost, double skala, const CsvDijalekt &d)
{
    izlaz += NumberText::tidy(vrednost, skala, d.decimala);
}

void jsonTekst(std::string &izlaz, std::string_view tekst)
{
    izlaz += '"';
    while (!tekst.empty()) {
        const unsigned char c = static_cast<unsigned char>(tekst.front());
        if (c >= 0x80) {
            const std::size_t n = duzinaUtf8(tekst);
            if (n == 0) {
                dodajUtf8(izlaz, 0xFFFD);
                tekst.remove_prefix(1);
            } else {
                izlaz += tekst.substr(0, n);
                tekst.remove_prefix(n);
            }
            continue;
        }
        if (c == '"' || c == '\\') {
            izlaz += '\\';
            izlaz += static_cast<char>(c);
        } else if (c < 0x20 || c == 0x7F) {
            static const char hex[] = "0123456789abcdef";
            izlaz += "\\u00";
            izlaz += hex[c >> 4];
            izlaz += hex[c & 0xF];
        } else {
            izlaz += static_cast<char>(c);
        }
        tekst.remove_prefix(1);
    }
    izlaz += '"';
}

void csvZaglavljeRezimea(std::string &izlaz, const CsvDijalekt &d)
{
    for (std::size_t i = 0; i < brojKljuceva; ++i) {
        if (i > 0)
            izlaz += d.separator;
        izlaz += kljuceviRezimea[i];
    }
    izlaz += '\n';
}

void csvRezime(std::string &izlaz, const RezimeSlucaja &r, const Skale &s, const CsvDijalekt &d)
{
    for (const Vrednost &v : vrednosti(r, s)) {
        if (v.jeTekst)
            csvPolje(izlaz, v.tekst, d);
        else
            csvBroj(izlaz, v.broj, v.skala, d);
        izlaz += d.separator;
    }
    izlaz += '\n'; // no refusal
}

void csvOdbijen(std::string &izlaz, const KontroleUnosa::TekstoviUlaza &tekstovi,
    std::string_view poruka, const CsvDijalekt &d)
{
    for (const std::string &t : tekstovi) {
        csvPolje(izlaz, t, d);
        izlaz += d.separator;
    }
    izlaz.append(brojKljuceva - 1 - tekstovi.size(), d.separator);
    csvPolje(izlaz, poruka, d);
    izlaz += '\n';
}

void jsonRezime(std::string &izlaz, const RezimeSlucaja &r, const Skale &s)
{
    const Vrednosti v = vrednosti(r, s);
    izlaz += '{';
    for (std::size_t i = 0; i < v.size(); ++i) {
        if (i > 0)
            izlaz += ", ";
        jsonTekst(izlaz, kljuceviRezimea[i]);
        izlaz += ": ";
        if (v[i].jeTekst)
            jsonTekst(izlaz, v[i].tekst);
        else
            izlaz += NumberText::tidy(v[i].broj, v[i].skala);
    }
    izlaz += '}';
}

void jsonOdbijen(
    std::string &izlaz, const KontroleUnosa::TekstoviUlaza &tekstovi, std::string_view poruka)
{
    izlaz += '{';
    for (std::size_t i = 0; i < tekstovi.size(); ++i) {
        jsonTekst(izlaz, kljuceviRezimea[i]);
        izlaz += ": ";
        jsonTekst(izlaz, tekstovi[i]);
        izlaz += ", ";
    }
    jsonTekst(izlaz, kljuceviRezimea.back());
    izlaz += ": ";
    jsonTekst(izlaz, poruka);
    izlaz += '}';
}

std::string linijaUlaza(const UlazniParametri &u)
{
    const auto broj = [](double v) { return NumberText::general(v); };
    return Catalogue::translate("kelvane-calc", "Ulazni parametri:") + " P1 = " + broj(u.P1)
        + " kN, P2 = " + broj(u.P2) + " kN, e = " + broj(u.e) + " m, L = " + broj(u.L) + " m";
}

std::vector<std::string> linijeRezimea(const RezimeSlucaja &r)
{
    const auto &k = r.klasicniMaksimum;
    const auto &t = r.tacniMaksimum;
    const auto tekst = [](const char *izvor, double a, double b = 0.0) {
        return "  "
            + Catalogue::arg(
                Catalogue::arg(Catalogue::translate("kelvane-calc", izvor), NumberText::dve(a)),
                NumberText::dve(b));
    };
    return {
        tekst(
            KELVANE_TEXT("kelvane-calc", "Klasicni maksimum momenta %1 kNm u x = %2 m"), k.M, k.x),
        tekst(
            KELVANE_TEXT("kelvane-calc", "Apsolutni maksimum momenta %1 kNm u x = %2 m"), t.M, t.x)
            + " (" + opisPolozaja(Velicina::ExtM, t.polozaj) + ")",
        tekst(KELVANE_TEXT("kelvane-calc", "Najveca transverzalna sila na osloncu A %1 kN"),
            r.silaA.vrednost)
            + " (" + opisPolozaja(Velicina::MaxT, r.silaA.polozaj) + ")",
        tekst(KELVANE_TEXT("kelvane-calc", "Najmanja transverzalna sila na osloncu B %1 kN"),
            r.silaB.vrednost)
            + " (" + opisPolozaja(Velicina::MinT, r.silaB.polozaj) + ")",
    };
}
