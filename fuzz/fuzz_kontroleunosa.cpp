// SPDX-License-Identifier: GPL-3.0-or-later
// The checks in the windows' order over the texts of the fields, split from the input at line
// ends: P1, P2, e, L of the input window (KontrolaDuzine, then KontrolaVrednosti), the two
// sections of the results window (KontrolaPreseka) and a listing's field count
// (KontrolaBrojaPolja). Whatever they accept gives finite values: the record, the values at the
// sections, the listing's sections. What they refuse is said with a message and written back
// with texts that a second press of the command accepts.

#include "Svojstvo.h"

#include "core/EvaluacijaPreseka.h"
#include "core/KontroleUnosa.h"
#include "core/ListingLines.h"
#include "core/NumberText.h"

#include <string>
#include <vector>

namespace {

std::vector<std::string> redovi(std::string_view ulaz)
{
    std::vector<std::string> r;
    std::size_t od = 0;
    while (r.size() < 7) {
        const auto kraj = ulaz.find('\n', od);
        r.emplace_back(ulaz.substr(od, kraj == std::string_view::npos ? kraj : kraj - od));
        if (kraj == std::string_view::npos)
            break;
        od = kraj + 1;
    }
    r.resize(7, "0");
    return r;
}

bool konacan(const RezultatiProracuna &r)
{
    for (const PoljeRezultata &p : r.polja()) {
        if (!std::isfinite(p.vrednost))
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view ulaz = kaoTekst(data, size);
    const std::vector<std::string> t = redovi(ulaz);
    const KontroleUnosa::TekstoviUlaza tekstovi { t[0], t[1], t[2], t[3] };
    if (!KontroleUnosa::KontrolaDuzine(tekstovi))
        return 0;
    KontroleUnosa::ProveraUlaza p = KontroleUnosa::KontrolaVrednosti(tekstovi);
    if (!p.prihvaceno) {
        bool poruka = false;
        for (const KontroleUnosa::Ispravka &i : p.ispravke)
            poruka = poruka || !i.poruka.empty();
        svojstvo(poruka, "a refusal shows a message", ulaz);
        p = KontroleUnosa::KontrolaVrednosti(p.tekstovi);
        svojstvo(p.prihvaceno, "the texts written back are accepted on the next press", ulaz);
    }
    const UlazniParametri &u = p.ulaz;
    svojstvo(std::isfinite(u.P1) && std::isfinite(u.P2) && std::isfinite(u.e) && std::isfinite(u.L)
            && u.e < u.L && u.L > 0.0 && u.P2 > 0.0,
        "accepted inputs are finite, 0 <= e < L and P2 > 0", ulaz);
    RezultatiProracuna r;
    r.proracunaj(u);
    svojstvo(konacan(r), "the record of accepted inputs is finite", ulaz);

    if (KontroleUnosa::KontrolaPreseka(t[4], t[5], u.L).empty()) {
        for (const std::string &presek : { t[4], t[5] }) {
            const double x = *NumberText::parseField(presek);
            const MomentUPreseku m = momentUPreseku(r, u, x);
            const TransverzalnaSilaUPreseku s = transverzalnaSilaUPreseku(r, x);
            svojstvo(std::isfinite(m.MI) && std::isfinite(m.MII) && std::isfinite(m.extM)
                    && std::isfinite(s.maxT) && std::isfinite(s.minT),
                "the values at an accepted section are finite", ulaz);
        }
    }
    // The listing's fixed tolerance of 1e-6 m lists further sections past a span shorter than the
    // ".001" that the four characters of txtRasponGrede hold when typed.
    const double najmanjiRaspon = 0.001;
    const auto n = KontroleUnosa::KontrolaBrojaPolja(t[6]);
    if (n && u.L >= najmanjiRaspon) {
        // One section more than fields, and one more for a last addition that lands a hair
        // below L; none beyond the tolerance.
        const std::vector<double> x = ListingLines::preseci(u.L, *n);
        svojstvo(!x.empty() && x.size() <= std::ceil(*n) + 2, "a listing has about n + 1 sections",
            ulaz);
        svojstvo(x.back() <= u.L + 1e-6, "no section lies beyond the span", ulaz);
        svojstvo(ListingLines::momenti(r, u.L, u.P1, u.e, *n).size() == x.size()
                && ListingLines::transverzalneSile(r, u.L, *n).size() == x.size(),
            "each listing has a line per section", ulaz);
    }
    return 0;
}
