// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The lines of the two section listings, exactly as the list shows them and the file holds them:
// extM, or maxT with minT, at the sections x = 0, L/n, 2L/n, ... up to L. No Qt here, so tests
// check the lines without a window.

#include <string>
#include <vector>

class RezultatiProracuna;

namespace ListingLines {

// The sections: floor(n) + 1 of them, x starting at 0 and growing by repeated addition of L/n, so
// that for a whole n the last one is L as the additions round it (9 m in 10 fields ends at
// 9.000000000000002). A fraction below 1 gives x = 0 alone. Empty when L or n is not positive.
std::vector<double> preseci(double L, double n);

// The listings' values as numbers, one row per section, for outputs that lay them out themselves.
struct RedMomenta
{
    double x = 0.0; // m
    double M = 0.0; // kNm
};
struct RedSila
{
    double x = 0.0; // m
    double maxT = 0.0, minT = 0.0; // kN
};

// The rows behind momenti() and transverzalneSile(), with the same values and zero rule.
std::vector<RedMomenta> redoviMomenata(const RezultatiProracuna &r, double n);
std::vector<RedSila> redoviSila(const RezultatiProracuna &r, double n);

// One line per section: "x[m]= " x, two tabs, "M[kNm]= " M, numbers as "#0.000". M is the larger
// of parabolas I and II; a moment below 1e-6 is listed as zero.
std::vector<std::string> momenti(const RezultatiProracuna &r, double n);

// One line per section: "x[m]= " x, two tabs, "maxT[kN]= " maxT, two tabs, "minT[kN]= " minT.
// A section on a zone boundary takes maxT line II and minT line I; a maxT below 1e-6 and a minT
// above -1e-6 are listed as zero.
std::vector<std::string> transverzalneSile(const RezultatiProracuna &r, double n);

// A listing's text file: every line followed by CR LF, with no header, no byte-order mark and
// nothing after the last line end.
std::string datoteka(const std::vector<std::string> &linije);

} // namespace ListingLines
