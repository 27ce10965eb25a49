// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/TacneAnvelope.h"

#include "core/EvaluacijaPreseka.h"
#include "core/NumberText.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace TacneAnvelope {

namespace {

// Whether the other force, at p, stands on the span for the section x. A force on a support
// carries nothing into the beam and counts as off it, unless it shares the section with the first
// force (e = 0).
bool naGredi(double p, double x, double L)
{
    return p == x || (p > 0.0 && p < L);
}

// The influence ordinates of a unit force at p on the span for the section x. For the shear the
// force at the section stands just to its right (maxT) or just to its left (minT); the other force
// of a pair with e = 0 stands at the same point and on the same side.
double momentOd(double p, double x, double L)
{
    return p <= x ? p * (L - x) / L : x * (L - p) / L;
}

double silaDesnoOd(double p, double x, double L)
{
    return p >= x ? (L - p) / L : -p / L;
}

double silaLevoOd(double p, double x, double L)
{
    return p <= x ? -p / L : (L - p) / L;
}

// -1 for minT, whose extreme is the smaller value: multiplied in, every extreme is a largest one.
double predznak(Velicina v)
{
    return v == Velicina::MinT ? -1.0 : 1.0;
}

double sila(const UlazniParametri &u, Sila s)
{
    return s == Sila::P1 ? u.P1 : u.P2;
}

// Where the other force stands relative to the section when s stands at it.
double pomakDruge(const UlazniParametri &u, Sila s)
{
    return s == Sila::P1 ? u.e : -u.e;
}

Jednacina operator-(Jednacina a, const Jednacina &b)
{
    a.c0 -= b.c0;
    a.c1 -= b.c1;
    a.c2 -= b.c2;
    return a;
}

Jednacina operator*(double k, Jednacina a)
{
    a.c0 *= k;
    a.c1 *= k;
    a.c2 *= k;
    return a;
}

// The equation in x of the position p: the force at the section plus, while it stands on the
// span, the other one at the distance d from the section.
Jednacina jednacinaPolozaja(Velicina v, Polozaj p, const UlazniParametri &u)
{
    const double L = u.L;
    const double Pa = sila(u, p.uPreseku);
    const double Pb = sila(u, p.uPreseku == Sila::P1 ? Sila::P2 : Sila::P1);
    const double d = pomakDruge(u, p.uPreseku);
    Jednacina j;
    switch (v) {
    case Velicina::ExtM: // Pa x (L - x) / L
        j.c1 = Pa;
        j.c2 = -Pa / L;
        if (p.drugaNaGredi) { // Pb x (L - x - d) / L to the right, Pb (x + d)(L - x) / L to the
                              // left
            j.c0 += d < 0.0 ? Pb * d : 0.0;
            j.c1 += Pb * (L - d) / L;
            j.c2 -= Pb / L;
        }
        break;
    case Velicina::MaxT: // Pa (L - x) / L
    case Velicina::MinT: // -Pa x / L
        j.c0 = v == Velicina::MaxT ? Pa : 0.0;
        j.c1 = -Pa / L;
        if (p.drugaNaGredi) { // Pb (L - x - d) / L to the right, -Pb (x + d) / L to the left
            const bool desno = d > 0.0 || (d == 0.0 && v == Velicina::MaxT);
            j.c0 += desno ? Pb * (L - d) / L : -Pb * d / L;
            j.c1 -= Pb / L;
        }
        break;
    }
    return j;
}

// Of two positions that give the same value, the one with the heavier force at the section is
// named (P1 for equal forces): 0 for P1 at the section, 1 for P2.
int prednost(const UlazniParametri &u)
{
    return u.P1 >= u.P2 ? 0 : 1;
}

// The two candidate positions at x; the first is P1 at the section.
void kandidati(const UlazniParametri &u, double x, Polozaj out[2])
{
    out[0] = { Sila::P1, naGredi(x + u.e, x, u.L) };
    out[1] = { Sila::P2, naGredi(x - u.e, x, u.L) };
}

// |j| bounded over [0, b].
double granica(const Jednacina &j, double b)
{
    return std::abs(j.c0) + std::abs(j.c1) * b + std::abs(j.c2) * b * b;
}

// The roots of j strictly inside (a, b), ascending. The stable form of the quadratic formula keeps
// the root of a nearly linear j exact.
int koreni(const Jednacina &j, double a, double b, double out[2])
{
    double r[2];
    int n = 0;
    if (j.c2 == 0.0) {
        if (j.c1 != 0.0)
            r[n++] = -j.c0 / j.c1;
    } else {
        const double D = j.c1 * j.c1 - 4.0 * j.c2 * j.c0;
        if (D >= 0.0) {
            const double q = -0.5 * (j.c1 + std::copysign(std::sqrt(D), j.c1));
            if (q != 0.0) {
                r[n++] = q / j.c2;
                r[n++] = j.c0 / q;
            } else {
                r[n++] = 0.0; // c1 = c0 = 0
            }
        }
    }
    int k = 0;
    for (int i = 0; i < n; ++i) {
        if (r[i] > a && r[i] < b)
            out[k++] = r[i];
    }
    if (k == 2 && out[0] > out[1])
        std::swap(out[0], out[1]);
    return k;
}

bool isti(const Polozaj &a, const Polozaj &b)
{
    return a.uPreseku == b.uPreseku && a.drugaNaGredi == b.drugaNaGredi;
}

void dodaj(std::vector<Deo> &delovi, double a, double b, Polozaj p, const Jednacina &j)
{
    if (!delovi.empty() && isti(delovi.back().polozaj, p) && delovi.back().xDo == a)
        delovi.back().xDo = b;
    else
        delovi.push_back({ a, b, p, j });
}

// The span cut at the points where a force of the pair enters or leaves it with the other at x.
std::vector<double> tackePodele(const UlazniParametri &u)
{
    std::vector<double> t { 0.0, u.L };
    for (const double p : { u.e, -u.e, u.L - u.e, u.L + u.e }) {
        if (p > 0.0 && p < u.L)
            t.push_back(p);
    }
    std::sort(t.begin(), t.end());
    t.erase(std::unique(t.begin(), t.end()), t.end());
    return t;
}

std::vector<Deo> anvelopa(Velicina v, const UlazniParametri &u, const std::vector<double> &tacke)
{
    const double s = predznak(v);
    std::vector<Deo> delovi;
    for (std::size_t i = 0; i + 1 < tacke.size(); ++i) {
        const double a = tacke[i];
        const double b = tacke[i + 1];
        Polozaj p[2];
        kandidati(u, 0.5 * (a + b), p);
        const Jednacina j1 = jednacinaPolozaja(v, p[0], u);
        const Jednacina j2 = jednacinaPolozaja(v, p[1], u);
        const Jednacina razlika = s * (j1 - j2);
        // Equations equal up to rounding (e = 0) have no crossing to look for.
        const bool iste = !(granica(razlika, b) > 1e-12 * (granica(j1, b) + granica(j2, b)));
        double x[4] = { a, 0.0, 0.0, 0.0 };
        int n = 1;
        if (!iste)
            n += koreni(razlika, a, b, x + 1);
        x[n] = b;
        for (int k = 0; k < n; ++k) {
            const double r = razlika(0.5 * (x[k] + x[k + 1]));
            const int izbor = iste || r == 0.0 ? prednost(u) : r > 0.0 ? 0 : 1;
            dodaj(delovi, x[k], x[k + 1], p[izbor], izbor == 0 ? j1 : j2);
        }
    }
    return delovi;
}

const Deo &deoU(const std::vector<Deo> &delovi, double x)
{
    for (const Deo &d : delovi) {
        if (x <= d.xDo)
            return d;
    }
    return delovi.back();
}

Razlika razlika(Velicina v, const Anvelope &tacne, const Anvelope &klasicne)
{
    const std::vector<Deo> &ta = tacne.delovi(v);
    const std::vector<Deo> &kl = klasicne.delovi(v);
    Razlika r;
    if (ta.empty() || kl.empty())
        return r;
    std::vector<double> tacke;
    for (const auto *delovi : { &ta, &kl }) {
        for (const Deo &d : *delovi) {
            tacke.push_back(d.xOd);
            tacke.push_back(d.xDo);
        }
    }
    std::sort(tacke.begin(), tacke.end());
    tacke.erase(std::unique(tacke.begin(), tacke.end()), tacke.end());

    const double s = predznak(v);
    r.najveca = -std::numeric_limits<double>::infinity();
    for (std::size_t i = 0; i + 1 < tacke.size(); ++i) {
        const double a = tacke[i];
        const double b = tacke[i + 1];
        const double sredina = 0.5 * (a + b);
        const Jednacina &jt = deoU(ta, sredina).jednacina;
        const Jednacina &jk = deoU(kl, sredina).jednacina;
        const Jednacina d = s * (jt - jk);

        // A shortfall is the share of a force that the classical position keeps beyond a support:
        // linear (shear) or convex (moment) in x, so it peaks at an end of [a, b].
        for (const double x : { a, b }) {
            if (d(x) > r.najveca) {
                r.najveca = d(x);
                r.x = x;
                r.tacna = jt(x);
                r.klasicna = jk(x);
            }
        }

        Jednacina prag = d;
        prag.c0 -= zaokruzivanje;
        double x[4] = { a, 0.0, 0.0, 0.0 };
        const int n = 1 + koreni(prag, a, b, x + 1);
        x[n] = b;
        for (int k = 0; k < n; ++k) {
            if (!(prag(0.5 * (x[k] + x[k + 1])) > 0.0))
                continue;
            if (!r.zone.empty() && r.zone.back().xDo == x[k])
                r.zone.back().xDo = x[k + 1];
            else
                r.zone.push_back({ x[k], x[k + 1] });
        }
    }
    if (r.tacna != 0.0)
        r.procenat = 100.0 * r.najveca / std::abs(r.tacna);
    return r;
}

struct Linija
{
    Polozaj polozaj;
    Jednacina jednacina;
};

// A classical envelope: the first equation up to the bound, the second beyond it.
void dvaDela(std::vector<Deo> &delovi, double L, double granica, Linija prva, Linija druga)
{
    granica = std::clamp(granica, 0.0, L);
    if (granica > 0.0)
        delovi.push_back({ 0.0, granica, prva.polozaj, prva.jednacina });
    if (granica < L)
        delovi.push_back({ granica, L, druga.polozaj, druga.jednacina });
}

std::string broj(double value, int decimals)
{
    return NumberText::fixed(value, decimals);
}

std::string jedinica(Velicina v)
{
    return v == Velicina::ExtM ? "kNm" : "kN";
}

std::string rezimeVelicine(Velicina v, const Razlika &r)
{
    std::string linija = naziv(v) + ": ";
    if (!r.razlikujuSe())
        return linija + "klasicna i tacna anvelopa se slazu na celom rasponu";
    linija += "klasicna anvelopa je po apsolutnoj vrednosti manja od tacne za ";
    for (std::size_t i = 0; i < r.zone.size(); ++i) {
        if (i > 0)
            linija += i + 1 == r.zone.size() ? " i " : ", ";
        linija += "x = " + broj(r.zone[i].xOd, 3) + " do " + broj(r.zone[i].xDo, 3);
    }
    return linija + "; najveca razlika " + broj(r.najveca, 2) + " " + jedinica(v) + " ("
        + broj(r.procenat, 1) + " % tacne vrednosti) u x = " + broj(r.x, 3);
}

} // namespace

TacneVrednosti tacneVrednosti(const UlazniParametri &u, double x)
{
    const double L = u.L;
    const double P1 = u.P1;
    const double P2 = u.P2;
    const double p2 = x + u.e; // P2 with P1 at the section
    const double p1 = x - u.e; // P1 with P2 at the section
    const bool p2NaGredi = naGredi(p2, x, L);
    const bool p1NaGredi = naGredi(p1, x, L);
    TacneVrednosti t;

    const double m = x * (L - x) / L;
    const double m1 = P1 * m + (p2NaGredi ? P2 * momentOd(p2, x, L) : 0.0);
    const double m2 = P2 * m + (p1NaGredi ? P1 * momentOd(p1, x, L) : 0.0);
    const bool prvaPrednost = prednost(u) == 0;
    t.extM = m1 > m2 || (m1 == m2 && prvaPrednost) ? TacnaVrednost { m1, { Sila::P1, p2NaGredi } }
                                                   : TacnaVrednost { m2, { Sila::P2, p1NaGredi } };

    const double desno = (L - x) / L;
    const double t1 = P1 * desno + (p2NaGredi ? P2 * silaDesnoOd(p2, x, L) : 0.0);
    const double t2 = P2 * desno + (p1NaGredi ? P1 * silaDesnoOd(p1, x, L) : 0.0);
    t.maxT = t1 > t2 || (t1 == t2 && prvaPrednost) ? TacnaVrednost { t1, { Sila::P1, p2NaGredi } }
                                                   : TacnaVrednost { t2, { Sila::P2, p1NaGredi } };

    const double levo = -x / L;
    const double s1 = P1 * levo + (p2NaGredi ? P2 * silaLevoOd(p2, x, L) : 0.0);
    const double s2 = P2 * levo + (p1NaGredi ? P1 * silaLevoOd(p1, x, L) : 0.0);
    t.minT = s1 < s2 || (s1 == s2 && prvaPrednost) ? TacnaVrednost { s1, { Sila::P1, p2NaGredi } }
                                                   : TacnaVrednost { s2, { Sila::P2, p1NaGredi } };
    return t;
}

KlasicneVrednosti klasicneVrednosti(const RezultatiProracuna &r, const UlazniParametri &u, double x)
{
    const MomentUPreseku m = momentUPreseku(r, u, x);
    const TransverzalnaSilaUPreseku t = transverzalnaSilaUPreseku(r, x);
    return { m.extM, t.maxT, t.minT };
}

const std::vector<Deo> &Anvelope::delovi(Velicina v) const
{
    return v == Velicina::ExtM ? extM : v == Velicina::MaxT ? maxT : minT;
}

Anvelope tacneAnvelope(const UlazniParametri &u)
{
    Anvelope a;
    if (!(u.L > 0.0))
        return a;
    const std::vector<double> tacke = tackePodele(u);
    a.extM = anvelopa(Velicina::ExtM, u, tacke);
    a.maxT = anvelopa(Velicina::MaxT, u, tacke);
    a.minT = anvelopa(Velicina::MinT, u, tacke);
    return a;
}

Anvelope klasicneAnvelope(const RezultatiProracuna &r, const UlazniParametri &u)
{
    Anvelope a;
    if (!(u.L > 0.0))
        return a;
    dvaDela(a.extM, u.L, r.dblXpreseka(),
        { { Sila::P1, true }, { 0.0, r.dblKonstantaAI(), -r.dblKonstantaBI() } },
        { { Sila::P2, true },
            { -r.dblKonstantaCII(), r.dblKonstantaAII(), -r.dblKonstantaBII() } });
    dvaDela(a.maxT, u.L, r.dblMaxTIIZonaVazenjaDesno(),
        { { Sila::P1, true }, { r.dblKBmaxTII(), -r.dblKAmaxTII(), 0.0 } },
        { { Sila::P1, false }, { r.dblKBmaxTI(), -r.dblKAmaxTI(), 0.0 } });
    dvaDela(a.minT, u.L, r.dblMinTIZonaVazenjaDesno(),
        { { Sila::P2, false }, { 0.0, -r.dblKAminTI(), 0.0 } },
        { { Sila::P2, true }, { r.dblKBminTII(), -r.dblKAminTII(), 0.0 } });
    return a;
}

ApsolutniMaksimum apsolutniMaksimum(const Anvelope &tacne)
{
    ApsolutniMaksimum m;
    bool prvi = true;
    for (const Deo &d : tacne.extM) {
        const Jednacina &j = d.jednacina;
        double x[3] = { d.xOd, d.xDo, d.xOd };
        int n = 2;
        if (j.c2 != 0.0) {
            const double teme = -j.c1 / (2.0 * j.c2);
            if (teme > d.xOd && teme < d.xDo)
                x[n++] = teme;
        }
        for (int k = 0; k < n; ++k) {
            const double M = j(x[k]);
            if (prvi || M > m.M || (M == m.M && x[k] < m.x)) {
                m = { M, x[k], d.polozaj };
                prvi = false;
            }
        }
    }
    return m;
}

const Razlika &Poredjenje::razlika(Velicina v) const
{
    return v == Velicina::ExtM ? extM : v == Velicina::MaxT ? maxT : minT;
}

Poredjenje uporedi(const RezultatiProracuna &r, const UlazniParametri &u)
{
    Poredjenje p;
    p.tacne = tacneAnvelope(u);
    p.klasicne = klasicneAnvelope(r, u);
    p.maksimum = apsolutniMaksimum(p.tacne);
    p.extM = razlika(Velicina::ExtM, p.tacne, p.klasicne);
    p.maxT = razlika(Velicina::MaxT, p.tacne, p.klasicne);
    p.minT = razlika(Velicina::MinT, p.tacne, p.klasicne);
    return p;
}

std::string naziv(Velicina v)
{
    return v == Velicina::ExtM ? "extM" : v == Velicina::MaxT ? "maxT" : "minT";
}

std::string opisPolozaja(Velicina v, Polozaj p)
{
    const bool prva = p.uPreseku == Sila::P1;
    const std::string mesto = v == Velicina::ExtM ? " u preseku"
        : v == Velicina::MaxT                     ? " neposredno desno od preseka"
                                                  : " neposredno levo od preseka";
    return std::string(prva ? "P1" : "P2") + mesto + ", " + (prva ? "P2" : "P1")
        + (p.drugaNaGredi ? " na gredi" : " van grede");
}

std::vector<std::string> rezime(const Poredjenje &p)
{
    return {
        rezimeVelicine(Velicina::ExtM, p.extM),
        rezimeVelicine(Velicina::MaxT, p.maxT),
        rezimeVelicine(Velicina::MinT, p.minT),
    };
}

std::string napomena(Velicina v, double klasicna, const TacnaVrednost &tacna)
{
    if (!(predznak(v) * (tacna.vrednost - klasicna) > zaokruzivanje))
        return {};
    return "Tacna vrednost (svi polozaji sila): " + broj(tacna.vrednost, 2) + ", "
        + opisPolozaja(v, tacna.polozaj);
}

std::vector<std::string> csvLinije(
    const RezultatiProracuna &r, const UlazniParametri &u, const std::vector<double> &xs)
{
    std::vector<std::string> linije {
        "x [m],extM klasicna [kNm],extM tacna [kNm],maxT klasicna [kN],maxT tacna [kN],"
        "minT klasicna [kN],minT tacna [kN]",
    };
    for (const double x : xs) {
        const KlasicneVrednosti k = klasicneVrednosti(r, u, x);
        const TacneVrednosti t = tacneVrednosti(u, x);
        std::string linija = NumberText::general(x);
        for (const double value :
            { k.extM, t.extM.vrednost, k.maxT, t.maxT.vrednost, k.minT, t.minT.vrednost }) {
            linija += ',';
            linija += NumberText::general(value);
        }
        linije.push_back(linija);
    }
    return linije;
}

} // namespace TacneAnvelope
