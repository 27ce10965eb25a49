// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The summary of a case in each output of kelvane-calc: a CSV row, a JSON object, text lines.
// The keys are the columns of a study and the members of the JSON summary, the same bytes in
// every language of the tool; numbers go through NumberText::tidy against the case's scales.

#include "core/KontroleUnosa.h"
#include "core/RezimeSlucaja.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

// The version of the JSON layout, its "format_version" member: raised when a member changes its
// meaning or goes away, not when one is added.
inline constexpr int formatJson = 1;

struct CsvDijalekt
{
    char separator = ',';
    char decimala = '.';
};

// A spreadsheet in a Serbian locale: ";" between fields, "," in numbers.
inline constexpr CsvDijalekt excelSr { ';', ',' };

// The keys of the summary, in order; "poruka" holds the refusal of a refused case.
inline constexpr std::array<std::string_view, 20> kljuceviRezimea { "P1", "P2", "e", "L",
    "Mmax_klasicna", "x_Mmax_klasicna", "Mmax_tacna", "x_Mmax_tacna", "polozaj_Mmax_tacna",
    "TA_tacna", "polozaj_TA_tacna", "TB_tacna", "polozaj_TB_tacna", "razlika_extM", "procenat_extM",
    "razlika_maxT", "procenat_maxT", "razlika_minT", "procenat_minT", "poruka" };

// A field of CSV, quoted when it holds the separator, a quote or a line break.
void csvPolje(std::string &izlaz, std::string_view tekst, const CsvDijalekt &d);
void csvBroj(std::string &izlaz, double vrednost, double skala, const CsvDijalekt &d);

// A JSON string: quotes, backslashes and control characters escaped, bytes that are no UTF-8
// replaced by U+FFFD.
void jsonTekst(std::string &izlaz, std::string_view tekst);

void csvZaglavljeRezimea(std::string &izlaz, const CsvDijalekt &d);
void csvRezime(std::string &izlaz, const RezimeSlucaja &r, const Skale &s, const CsvDijalekt &d);
// A refused case: the texts as given, empty values and the refusal.
void csvOdbijen(std::string &izlaz, const KontroleUnosa::TekstoviUlaza &tekstovi,
    std::string_view poruka, const CsvDijalekt &d);

// The summary as the members of one JSON object on one line: {"P1": 206, ...}.
void jsonRezime(std::string &izlaz, const RezimeSlucaja &r, const Skale &s);
void jsonOdbijen(
    std::string &izlaz, const KontroleUnosa::TekstoviUlaza &tekstovi, std::string_view poruka);

// "Ulazni parametri: P1 = 206 kN, P2 = 208 kN, e = 5 m, L = 9 m", the first line of a case in text.
std::string linijaUlaza(const UlazniParametri &u);

// The text lines of the results window's formats, each indented by two blanks: the classical and
// the exact maximum moment, the shears at the supports.
std::vector<std::string> linijeRezimea(const RezimeSlucaja &r);
