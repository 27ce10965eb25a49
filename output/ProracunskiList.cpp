// SPDX-License-Identifier: GPL-3.0-or-later

#include "output/ProracunskiList.h"

#include "core/ListingLines.h"
#include "core/NumberText.h"
#include "core/RazmereDijagrama.h"
#include "core/VersionText.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>

#include <algorithm>
#include <functional>

namespace ProracunskiList {

namespace {

// The page in millimetres: A4 with a wider binding margin on the left.
constexpr double levo = 20.0;
constexpr double desno = 195.0;
constexpr double sirina = desno - levo;
constexpr double zaglavljeVrh = 12.0;
constexpr double zaglavljeVisina = 14.0;
constexpr double teloVrh = 32.0;
constexpr double teloDno = 280.0;
constexpr double podnozjeLinija = 283.0;

constexpr double naslovVisina = 10.0; // a section heading with its rule
constexpr double razmak = 4.0; // after every section

// The listing on the sheet uses the listing windows' first field count.
constexpr double brojPolja = 10;

const QColor crna(0x00, 0x00, 0x00);
const QColor akcenat(0x1f, 0x3a, 0x5f); // headings and rules
const QColor siva(0x5f, 0x66, 0x6d); // captions and the footer
const QColor linijaTabele(0x8a, 0x94, 0x9e);
const QColor zaglavljeTabele(0xe4, 0xe9, 0xef);
const QColor senka(0xf5, 0xf7, 0xf9); // every other row of a long table
const QColor ispuna(0xe6, 0xe6, 0xe6); // the area under the governing envelope

QString verzijaPrograma()
{
    return QString::fromUtf8(verzija().data(), qsizetype(verzija().size()));
}

QFont slova(double points, bool bold = false)
{
    QFont f(QStringLiteral("Arial"));
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

// As the results window shows a record value: "#0.00".
QString dve(double value)
{
    return QString::fromStdString(NumberText::fixed(value, 2));
}

// An input as typed.
QString ulazni(double value)
{
    return QString::fromStdString(NumberText::general(value));
}

// The value texts of a listing line, in order: what follows each "= ".
QStringList vrednostiLinije(const std::string &linija)
{
    QStringList vrednosti;
    for (const QString &deo : QString::fromStdString(linija).split(QStringLiteral("\t\t")))
        vrednosti.append(deo.section(QStringLiteral("= "), 1));
    return vrednosti;
}

// Millimetres on the page mapped onto the device; pens and boxes are given in millimetres.
class Platno
{
public:
    Platno(QPainter &painter, double tacakaPoMm)
        : m_p(painter)
        , m_k(tacakaPoMm)
    { }

    QPainter &painter() { return m_p; }
    QPointF tacka(double x, double y) const { return { x * m_k, y * m_k }; }
    double mm(double value) const { return value * m_k; }
    double sirinaTeksta(const QString &text, const QFont &font) const
    {
        return QFontMetricsF(font, m_p.device()).horizontalAdvance(text) / m_k;
    }
    QRectF pravougaonik(double x, double y, double w, double h) const
    {
        return { x * m_k, y * m_k, w * m_k, h * m_k };
    }
    QPen olovka(double debljina, const QColor &boja = crna) const
    {
        return QPen(boja, debljina * m_k, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    }

    void linija(
        double x1, double y1, double x2, double y2, double debljina, const QColor &boja = crna)
    {
        m_p.setPen(olovka(debljina, boja));
        m_p.drawLine(tacka(x1, y1), tacka(x2, y2));
    }
    void okvir(double x, double y, double w, double h, double debljina, const QColor &boja = crna)
    {
        m_p.setPen(olovka(debljina, boja));
        m_p.setBrush(Qt::NoBrush);
        m_p.drawRect(pravougaonik(x, y, w, h));
    }
    void popuni(double x, double y, double w, double h, const QColor &boja)
    {
        m_p.fillRect(pravougaonik(x, y, w, h), boja);
    }
    void tekst(double x, double y, double w, double h, const QString &text, const QFont &font,
        Qt::Alignment poravnanje = Qt::AlignLeft | Qt::AlignVCenter, const QColor &boja = crna)
    {
        m_p.setFont(font);
        m_p.setPen(boja);
        m_p.drawText(pravougaonik(x, y, w, h), int(poravnanje), text);
    }
    void putanja(const QPainterPath &path, const QPen &pen, const QBrush &brush = Qt::NoBrush)
    {
        m_p.setPen(pen);
        m_p.setBrush(brush);
        m_p.drawPath(path);
    }

private:
    QPainter &m_p;
    double m_k; // device dots per millimetre
};

// One part of the sheet: its height and how it paints itself with its top at y (mm). A part
// never splits across pages.
struct Blok
{
    double visina;
    std::function<void(Platno &, double y)> crtaj;
};

void naslovOdeljka(Platno &c, double y, int broj, const QString &naslov)
{
    c.tekst(levo, y, sirina, 7, QStringLiteral("%1. %2").arg(broj).arg(naslov), slova(11, true),
        Qt::AlignLeft | Qt::AlignVCenter, akcenat);
    c.linija(levo, y + 7.5, desno, y + 7.5, 0.3, akcenat);
}

void podnaslov(Platno &c, double x, double y, const QString &text)
{
    c.tekst(x, y, sirina, 5, text, slova(9, true), Qt::AlignLeft | Qt::AlignVCenter, akcenat);
}

// The heading of an envelope's section: its title, the caption of its equations and their units
// on the right. Returns where the equations start.
double zaglavljeJednacina(Platno &c, double y, int broj, const QString &naslov,
    const QString &jednacine, const QString &jedinice)
{
    naslovOdeljka(c, y, broj, naslov);
    const double yr = y + naslovVisina + 1;
    podnaslov(c, levo, yr, jednacine);
    c.tekst(levo + 110, yr, desno - levo - 110, 5, jedinice, slova(8),
        Qt::AlignRight | Qt::AlignVCenter, siva);
    return yr;
}

// The heading of every page: program, subject, date and time in a framed title block.
void zaglavlje(Platno &c, const QString &vreme)
{
    struct Polje
    {
        double x, w;
        QString natpis, vrednost;
    };
    const Polje polja[] = {
        { levo, 50, QStringLiteral("Program"), QStringLiteral("Kelvane ") + verzijaPrograma() },
        { levo + 50, 90, QStringLiteral("Proracunski list"),
            QStringLiteral("Prosta greda pod pokretnim parom sila") },
        { levo + 140, sirina - 140, QStringLiteral("Datum i vreme"), vreme },
    };
    const double y = zaglavljeVrh;
    c.popuni(levo, y, sirina, 4.6, zaglavljeTabele);
    for (const Polje &p : polja) {
        c.tekst(p.x + 2, y + 0.4, p.w - 4, 4, p.natpis, slova(6.5),
            Qt::AlignLeft | Qt::AlignVCenter, siva);
        c.tekst(p.x + 2, y + 5, p.w - 4, 8.5, p.vrednost, slova(10, true));
        if (p.x > levo)
            c.linija(p.x, y, p.x, y + zaglavljeVisina, 0.25, linijaTabele);
    }
    c.okvir(levo, y, sirina, zaglavljeVisina, 0.4, akcenat);
}

void podnozje(Platno &c, int strana, int ukupno)
{
    c.linija(levo, podnozjeLinija, desno, podnozjeLinija, 0.25, siva);
    c.tekst(levo, podnozjeLinija + 1, 120, 5,
        QStringLiteral("Kelvane %1 - anvelope extM i extT proste grede").arg(verzijaPrograma()),
        slova(7.5), Qt::AlignLeft | Qt::AlignVCenter, siva);
    c.tekst(desno - 60, podnozjeLinija + 1, 60, 5,
        QStringLiteral("strana %1 od %2").arg(strana).arg(ukupno), slova(8.5, true),
        Qt::AlignRight | Qt::AlignVCenter);
}

Blok naslovLista()
{
    return { 18, [](Platno &c, double y) {
                c.tekst(levo, y, sirina, 8, QStringLiteral("Proracunski list"), slova(16, true));
                c.tekst(levo, y + 8, sirina, 6,
                    QStringLiteral("Extremne vrednosti momenata savijanja i transverzalnih sila "
                                   "proste grede pod pokretnim parom spregnutih sila"),
                    slova(9.5), Qt::AlignLeft | Qt::AlignVCenter, siva);
            } };
}

// A filled arrowhead with its tip at (x, y), pointing down.
void strelica(Platno &c, double x, double y)
{
    QPainterPath glava;
    glava.moveTo(c.tacka(x, y));
    glava.lineTo(c.tacka(x - 1.1, y - 3.2));
    glava.lineTo(c.tacka(x + 1.1, y - 3.2));
    glava.closeSubpath();
    c.putanja(glava, c.olovka(0.1), crna);
}

// A dimension line with the slashes of the input window at both ends and its text above.
void kota(Platno &c, double x1, double x2, double y, const QString &text)
{
    c.linija(x1 - 1.5, y, x2 + 1.5, y, 0.18);
    for (const double x : { x1, x2 })
        c.linija(x - 1.2, y + 1.2, x + 1.2, y - 1.2, 0.3);
    c.tekst(x1, y - 5, x2 - x1, 4.6, text, slova(9, true), Qt::AlignHCenter | Qt::AlignVCenter);
}

// The beam sketch of the input window, in its proportions: the beam on a fixed and a movable
// support, P1 and P2 on it with the distance e between them, and the span L below.
void skicaGrede(Platno &c, double x, double y, double w, const UlazniParametri &u)
{
    const double yg = y + 21; // the beam line
    const double xa = x + 0.06 * w;
    const double xb = x + 0.94 * w;
    const double raspon = xb - xa;
    // The forces where the input window draws them: at 2610 and 5490 twips on a beam from 330
    // to 6810.
    const double x1 = xa + 0.352 * raspon;
    const double x2 = xa + 0.796 * raspon;

    const auto oslonac = [&](double xo) {
        QPainterPath trougao;
        trougao.moveTo(c.tacka(xo, yg + 0.4));
        trougao.lineTo(c.tacka(xo - 2.4, yg + 4.2));
        trougao.lineTo(c.tacka(xo + 2.4, yg + 4.2));
        trougao.closeSubpath();
        c.putanja(trougao, c.olovka(0.3), Qt::white);
    };
    oslonac(xa);
    c.linija(xa - 4, yg + 4.2, xa + 4, yg + 4.2, 0.35);
    for (int i = 0; i < 5; ++i) {
        const double xs = xa - 3.6 + 1.8 * i;
        c.linija(xs, yg + 4.2, xs - 1.4, yg + 5.8, 0.18);
    }
    oslonac(xb);
    c.linija(xb - 4, yg + 4.2, xb + 4, yg + 4.2, 0.35);
    c.linija(xb - 4, yg + 5.4, xb + 4, yg + 5.4, 0.35);
    c.linija(xa, yg, xb, yg, 0.7);

    for (const auto &[xp, text] :
        { std::pair { x1, QStringLiteral("P1 = %1 kN").arg(ulazni(u.P1)) },
            std::pair { x2, QStringLiteral("P2 = %1 kN").arg(ulazni(u.P2)) } }) {
        c.linija(xp, yg - 14, xp, yg - 2.5, 0.35);
        strelica(c, xp, yg - 0.4);
        c.tekst(xp - 20, yg - 19.5, 40, 4.6, text, slova(9, true), Qt::AlignCenter);
    }
    kota(c, x1, x2, yg - 8.5, QStringLiteral("e = %1 m").arg(ulazni(u.e)));
    for (const double xo : { xa, xb })
        c.linija(xo, yg + 7, xo, yg + 13.5, 0.18);
    kota(c, xa, xb, yg + 12, {});
    c.tekst(xa, yg + 12.8, raspon, 4.6, QStringLiteral("L = %1 m").arg(ulazni(u.L)), slova(9, true),
        Qt::AlignCenter);
}

// A grid table: column edges in mm, a heading row and body rows of texts, each aligned right
// unless it is the first column.
struct Tabela
{
    std::vector<double> ivice;
    double visinaZaglavlja;
    double visinaReda;
    bool senceniRedovi = false;
};

void crtajTabelu(Platno &c, double y, const Tabela &t, const QStringList &zaglavlje,
    const std::vector<QStringList> &redovi)
{
    const double x0 = t.ivice.front();
    const double w = t.ivice.back() - x0;
    const double h = t.visinaZaglavlja + t.visinaReda * double(redovi.size());
    c.popuni(x0, y, w, t.visinaZaglavlja, zaglavljeTabele);
    for (std::size_t i = 0; i < redovi.size(); ++i) {
        const double yr = y + t.visinaZaglavlja + t.visinaReda * double(i);
        if (t.senceniRedovi && i % 2 == 1)
            c.popuni(x0, yr, w, t.visinaReda, senka);
        c.linija(x0, yr, x0 + w, yr, 0.15, linijaTabele);
        for (qsizetype k = 0; k < redovi[i].size(); ++k) {
            const double xl = t.ivice[k];
            const double xr = t.ivice[k + 1];
            const Qt::Alignment a = k == 0 ? Qt::AlignHCenter : Qt::AlignRight;
            c.tekst(xl + 2, yr, xr - xl - 4, t.visinaReda, redovi[i][k], slova(9, k > 0),
                a | Qt::AlignVCenter);
        }
    }
    for (qsizetype k = 0; k < zaglavlje.size(); ++k) {
        const double xl = t.ivice[k];
        c.tekst(xl + 1, y, t.ivice[k + 1] - xl - 2, t.visinaZaglavlja, zaglavlje[k],
            slova(8.5, true), Qt::AlignCenter);
    }
    for (std::size_t k = 1; k + 1 < t.ivice.size(); ++k)
        c.linija(t.ivice[k], y, t.ivice[k], y + h, 0.15, linijaTabele);
    c.okvir(x0, y, w, h, 0.35);
}

Blok ulazniParametri(int broj, const UlazniParametri &u)
{
    return { naslovVisina + 38 + razmak, [=](Platno &c, double y) {
                naslovOdeljka(c, y, broj, QStringLiteral("Ulazni parametri"));
                const double yt = y + naslovVisina + 2;
                const Tabela t { { levo, levo + 16, levo + 54, levo + 74, levo + 88 }, 6, 6 };
                crtajTabelu(c, yt, t,
                    { QStringLiteral("Oznaka"), QStringLiteral("Opis"), QStringLiteral("Vrednost"),
                        QStringLiteral("Jedinica") },
                    {
                        { QStringLiteral("P1"), {}, ulazni(u.P1), QStringLiteral("kN") },
                        { QStringLiteral("P2"), {}, ulazni(u.P2), QStringLiteral("kN") },
                        { QStringLiteral("e"), {}, ulazni(u.e), QStringLiteral("m") },
                        { QStringLiteral("L"), {}, ulazni(u.L), QStringLiteral("m") },
                    });
                // The descriptions read left-aligned, in the regular face.
                const QString opisi[] = { QStringLiteral("sila levo"), QStringLiteral("sila desno"),
                    QStringLiteral("razmak sila"), QStringLiteral("raspon grede") };
                for (int i = 0; i < 4; ++i)
                    c.tekst(levo + 18, yt + 6 + 6 * i, 34, 6, opisi[i], slova(9));
                skicaGrede(c, levo + 95, y + naslovVisina, desno - levo - 95, u);
            } };
}

Blok momenti(int broj, const RezultatiProracuna &r)
{
    return { naslovVisina + 66 + razmak, [&r, broj](Platno &c, double y) {
                double yr = zaglavljeJednacina(c, y, broj,
                    QStringLiteral("Proracun extremnih vrednosti momenata savijanja"),
                    QStringLiteral("Jednacine dijagrama extremnih vednosti momenata savijanja"),
                    QStringLiteral("X [m], M [kNm]"));
                yr += 5.5;
                // The rows read as the tab shows them: M = A*X - B*X^2 and M = A*X - B*X^2 - C.
                const auto jednacina = [&](double yj, const QString &oznaka, double A, double B,
                                           const QString &kvadrat, const QString &C) {
                    c.tekst(levo + 4, yj, 42, 6, oznaka, slova(9));
                    c.tekst(levo + 44, yj, 22, 6, dve(A), slova(9.5, true),
                        Qt::AlignRight | Qt::AlignVCenter);
                    c.tekst(levo + 67, yj, 10, 6, QStringLiteral("*X-"), slova(9));
                    c.tekst(levo + 75, yj, 22, 6, dve(B), slova(9.5, true),
                        Qt::AlignRight | Qt::AlignVCenter);
                    c.tekst(levo + 98, yj, 12, 6, kvadrat, slova(9));
                    c.tekst(levo + 108, yj, 22, 6, C, slova(9.5, true),
                        Qt::AlignRight | Qt::AlignVCenter);
                };
                jednacina(yr, QStringLiteral("Jednacina parabole I ="), r.dblKonstantaAI(),
                    r.dblKonstantaBI(), QStringLiteral("*X^2"), {});
                jednacina(yr + 6, QStringLiteral("Jednacina parabole II ="), r.dblKonstantaAII(),
                    r.dblKonstantaBII(), QStringLiteral("*X^2-"), dve(r.dblKonstantaCII()));
                yr += 14;

                podnaslov(c, levo, yr, QStringLiteral("Extremne vrednosti"));
                yr += 6;
                // Heading over two rows: the zero points and the intersection have a group
                // heading, the maxima a heading of their own.
                const double e[] = { levo, levo + 28, levo + 50, levo + 76, levo + 98, levo + 120,
                    levo + 146, desno };
                const double hz = 5.5;
                const double hr = 6.5;
                c.popuni(levo, yr, sirina, 2 * hz, zaglavljeTabele);
                const auto naslovKolone
                    = [&](int od, int doKolone, double yn, double hn, const QString &text) {
                          c.tekst(e[od] + 1, yn, e[doKolone] - e[od] - 2, hn, text,
                              slova(8.5, true), Qt::AlignCenter);
                      };
                naslovKolone(1, 2, yr, 2 * hz, QStringLiteral("Xmax [m]"));
                naslovKolone(2, 3, yr, 2 * hz, QStringLiteral("Mmax [kNm]"));
                naslovKolone(3, 5, yr, hz, QStringLiteral("Nulte tacke"));
                naslovKolone(3, 4, yr + hz, hz, QStringLiteral("Xo1[m]"));
                naslovKolone(4, 5, yr + hz, hz, QStringLiteral("Xo2[m]"));
                naslovKolone(5, 7, yr, hz, QStringLiteral("Presek parabola I i II"));
                naslovKolone(5, 6, yr + hz, hz, QStringLiteral("X preseka [m]"));
                naslovKolone(6, 7, yr + hz, hz, QStringLiteral("Mpreseka [kNm]"));
                c.linija(e[3], yr + hz, e[7], yr + hz, 0.15, linijaTabele);
                const double yp = yr + 2 * hz;
                const auto celija = [&](int k, double yc, double hc, double v) {
                    c.tekst(e[k] + 2, yc, e[k + 1] - e[k] - 4, hc, dve(v), slova(9.5, true),
                        Qt::AlignRight | Qt::AlignVCenter);
                };
                const double redI[] = { r.dblXmaxI(), r.dblMmaxI(), r.dblX01I(), r.dblX02I() };
                const double redII[] = { r.dblXmaxII(), r.dblMmaxII(), r.dblX01II(), r.dblX02II() };
                c.tekst(e[0] + 2, yp, e[1] - e[0] - 2, hr, QStringLiteral("Parabola I"), slova(9));
                c.tekst(e[0] + 2, yp + hr, e[1] - e[0] - 2, hr, QStringLiteral("Parabola II"),
                    slova(9));
                for (int k = 0; k < 4; ++k) {
                    celija(k + 1, yp, hr, redI[k]);
                    celija(k + 1, yp + hr, hr, redII[k]);
                }
                // The intersection belongs to both parabolas: one cell over both rows.
                celija(5, yp, 2 * hr, r.dblXpreseka());
                celija(6, yp, 2 * hr, r.dblMpreseka());
                c.linija(e[0], yp, e[7], yp, 0.15, linijaTabele);
                c.linija(e[0], yp + hr, e[5], yp + hr, 0.15, linijaTabele);
                for (int k = 1; k < 7; ++k) {
                    const double od = k == 4 || k == 6 ? yr + hz : yr;
                    c.linija(e[k], od, e[k], yp + 2 * hr, 0.15, linijaTabele);
                }
                c.okvir(levo, yr, sirina, 2 * hz + 2 * hr, 0.35);
                yr = yp + 2 * hr + 2;

                podnaslov(c, levo, yr, QStringLiteral("Zone vazenja"));
                yr += 5.5;
                c.tekst(levo + 4, yr, 60, 6, QStringLiteral("Zona vazenja parabole I  \u00B5[m]="),
                    slova(9));
                c.tekst(levo + 58, yr, 20, 6, dve(r.dblZonaVazenjaParaboleI()), slova(9.5, true),
                    Qt::AlignRight | Qt::AlignVCenter);
                c.tekst(levo + 92, yr, 60, 6, QStringLiteral("Zona vazenja parabole II \u00B5[m]="),
                    slova(9));
                c.tekst(levo + 146, yr, 20, 6, dve(r.dblZonaVazenjaParaboleII()), slova(9.5, true),
                    Qt::AlignRight | Qt::AlignVCenter);
            } };
}

Blok sile(int broj, const RezultatiProracuna &r)
{
    return { naslovVisina + 40 + razmak, [&r, broj](Platno &c, double y) {
                double yr = zaglavljeJednacina(c, y, broj,
                    QStringLiteral("Proracun extremnih vrednosti transverzalnih sila"),
                    QStringLiteral("Jednacine dijagrama extremnih vrednosti transverzalnih sila"),
                    QStringLiteral("X [m], T [kN]"));
                yr += 6;

                // maxT = -A*X + B (rows 1, 2), minT = -A*X (row 3), minT = -A*X + B (row 4),
                // each with its zone.
                const double e[] = { levo, levo + 20, levo + 100, levo + 124, levo + 150, desno };
                const double hz = 6;
                const double hr = 6.5;
                c.popuni(levo, yr, sirina, hz, zaglavljeTabele);
                c.tekst(e[1], yr, e[2] - e[1], hz, QStringLiteral("Jednacina"), slova(8.5, true),
                    Qt::AlignCenter);
                c.tekst(e[2], yr, e[5] - e[2], hz, QStringLiteral("Zona vazenja"), slova(8.5, true),
                    Qt::AlignCenter);
                struct Red
                {
                    double A;
                    const char *x;
                    bool imaB;
                    double B, levo, desno;
                };
                const Red redovi[] = {
                    { r.dblKAmaxTII(), "*X+", true, r.dblKBmaxTII(), r.dblMaxTIIZonaVazenjaLevo(),
                        r.dblMaxTIIZonaVazenjaDesno() },
                    { r.dblKAmaxTI(), "*X+", true, r.dblKBmaxTI(), r.dblMaxTIZonaVazenjaLevo(),
                        r.dblMaxTIZonaVazenjaDesno() },
                    { r.dblKAminTI(), "*X", false, 0, r.dblMinTIZonaVazenjaLevo(),
                        r.dblMinTIZonaVazenjaDesno() },
                    { r.dblKAminTII(), "*X+", true, r.dblKBminTII(), r.dblMinTIIZonaVazenjaLevo(),
                        r.dblMinTIIZonaVazenjaDesno() },
                };
                const double yp = yr + hz;
                for (int i = 0; i < 4; ++i) {
                    const Red &red = redovi[i];
                    const double yi = yp + hr * i;
                    const QFont cifre = slova(9.5, true);
                    const auto desnoPoravnat = Qt::AlignRight | Qt::AlignVCenter;
                    c.tekst(e[1] + 4, yi, 4, hr, QStringLiteral("-"), cifre);
                    c.tekst(e[1] + 7, yi, 22, hr, dve(red.A), cifre, desnoPoravnat);
                    c.tekst(e[1] + 30, yi, 10, hr, QLatin1String(red.x), slova(9));
                    if (red.imaB)
                        c.tekst(e[1] + 38, yi, 22, hr, dve(red.B), cifre, desnoPoravnat);
                    c.tekst(e[2] + 2, yi, e[3] - e[2] - 4, hr, dve(red.levo), cifre, desnoPoravnat);
                    c.tekst(e[3], yi, e[4] - e[3], hr, QStringLiteral("=<X[m]<="), slova(9),
                        Qt::AlignCenter);
                    c.tekst(
                        e[4] + 2, yi, e[5] - e[4] - 4, hr, dve(red.desno), cifre, desnoPoravnat);
                    if (i > 0)
                        c.linija(i == 2 ? e[0] : e[1], yi, e[5], yi, 0.15, linijaTabele);
                }
                c.tekst(e[0], yp, e[1] - e[0] - 1, 2 * hr, QStringLiteral("maxT ="),
                    slova(9.5, true), Qt::AlignRight | Qt::AlignVCenter);
                c.tekst(e[0], yp + 2 * hr, e[1] - e[0] - 1, 2 * hr, QStringLiteral("minT ="),
                    slova(9.5, true), Qt::AlignRight | Qt::AlignVCenter);
                c.linija(e[0], yp, e[5], yp, 0.15, linijaTabele);
                for (int k = 1; k < 5; ++k) {
                    const bool uZaglavlju = k == 1 || k == 2;
                    c.linija(e[k], uZaglavlju ? yr : yp, e[k], yp + 4 * hr, 0.15, linijaTabele);
                }
                c.okvir(levo, yr, sirina, hz + 4 * hr, 0.35);
            } };
}

// The diagram of the "dijagram" tab as vector paths: its geometry in the tab's drawing-area
// pixels (beam line at 25, shear base line at 300, span from 25 to 530), scaled onto the page.
void dijagram(Platno &c, double y, const RezultatiProracuna &r, const UlazniParametri &u)
{
    const RazmereDijagrama s = razmereDijagrama(r);
    constexpr double k = 0.25; // mm per drawing-area pixel
    constexpr double vrhPiksela = 15; // the first pixel row the drawing uses
    const double ox = levo + (sirina - 600 * k) / 2;
    const double oy = y - vrhPiksela * k;
    const double L = u.L;
    const double e = u.e;
    const double R = r.dblR();

    const auto piksel = [&](double xp, double yp) { return c.tacka(ox + k * xp, oy + k * yp); };
    const auto m = [&](double x, double M) { return piksel(25 + s.sx * x, 25 + s.sM * M); };
    // Shear maps upwards: maxT above the base line, minT below it.
    const auto t = [&](double x, double T) { return piksel(25 + s.sx * x, 300 - s.sT * T); };

    const QPen debela = c.olovka(0.5);
    const QPen tanka = c.olovka(0.15);

    // A parabola M = a*x - b*x^2 - c0 between x0 and x1 is exactly one quadratic Bezier segment.
    const auto luk
        = [&](QPainterPath &p, double a, double b, double c0, double x0, double x1, bool nastavak) {
              const auto f = [&](double x) { return a * x - b * x * x - c0; };
              const double nagib = a - 2 * b * x0;
              if (nastavak)
                  p.lineTo(m(x0, f(x0)));
              else
                  p.moveTo(m(x0, f(x0)));
              p.quadTo(m((x0 + x1) / 2, f(x0) + nagib * (x1 - x0) / 2), m(x1, f(x1)));
          };
    const double aI = r.dblKonstantaAI(), bI = r.dblKonstantaBI();
    const double aII = r.dblKonstantaAII(), bII = r.dblKonstantaBII(), cII = r.dblKonstantaCII();
    const double xPreseka = r.dblXpreseka();
    const double krajI = std::min(xPreseka, r.dblX02I());
    const double pocetakII = std::max(xPreseka, r.dblX01II());

    // The governing envelopes, filled, so that their areas read at a glance.
    QPainterPath oblastM;
    luk(oblastM, aI, bI, 0, r.dblX01I(), krajI, false);
    luk(oblastM, aII, bII, cII, pocetakII, r.dblX02II(), true);
    oblastM.lineTo(m(r.dblX02II(), 0));
    oblastM.lineTo(m(r.dblX01I(), 0));
    oblastM.closeSubpath();
    c.putanja(oblastM, Qt::NoPen, ispuna);

    const double maxT0 = r.dblKBmaxTII();
    const double maxTZona = r.dblKBmaxTII() - r.dblKAmaxTII() * r.dblMaxTIIZonaVazenjaDesno();
    const double minTZona = -r.dblKAminTI() * r.dblMinTIZonaVazenjaDesno();
    const double minTL = -(L * r.dblKAminTII() - r.dblKBminTII());
    QPolygonF oblastMaxT { t(0, 0), t(0, maxT0), t(L - e, maxTZona), t(L, 0) };
    QPolygonF oblastMinT { t(0, 0), t(e, minTZona), t(L, minTL), t(L, 0) };
    for (const QPolygonF &p : { oblastMaxT, oblastMinT }) {
        QPainterPath path;
        path.addPolygon(p);
        path.closeSubpath();
        c.putanja(path, Qt::NoPen, ispuna);
    }

    // Thin: both parabolas whole, the shear lines beyond their zones and the reference lines of
    // R; thick: what governs, the base lines and the verticals at the characteristic sections.
    QPainterPath tanko;
    luk(tanko, aI, bI, 0, r.dblX01I(), r.dblX02I(), false);
    luk(tanko, aII, bII, cII, r.dblX01II(), r.dblX02II(), false);
    const auto prava = [&](QPainterPath &p, double x0, double x1, auto T) {
        p.moveTo(t(x0, T(x0)));
        p.lineTo(t(x1, T(x1)));
    };
    const auto maxTII = [&](double x) { return r.dblKBmaxTII() - r.dblKAmaxTII() * x; };
    const auto maxTI = [&](double x) { return r.dblKBmaxTI() - r.dblKAmaxTI() * x; };
    const auto minTI = [&](double x) { return -r.dblKAminTI() * x; };
    const auto minTII = [&](double x) { return r.dblKBminTII() - r.dblKAminTII() * x; };
    const auto gornjaR = [&](double x) { return R - (R / L) * x; };
    const auto donjaR = [&](double x) { return -(R / L) * x; };
    prava(tanko, 0, r.dblMaxTIZonaVazenjaLevo(), maxTI);
    prava(tanko, 0, L, gornjaR);
    prava(tanko, r.dblMinTIZonaVazenjaDesno(), L, minTI);
    prava(tanko, 0, L, donjaR);
    const auto vertikala = [&](QPainterPath &p, double x, double T0, double T1) {
        p.moveTo(t(x, T0));
        p.lineTo(t(x, T1));
    };
    vertikala(tanko, 0, maxT0, R);
    vertikala(tanko, L - e, maxTZona, gornjaR(L - e));
    vertikala(tanko, L, minTL, -R);
    vertikala(tanko, e, minTZona, donjaR(e));
    c.putanja(tanko, tanka);

    QPainterPath debelo;
    luk(debelo, aI, bI, 0, r.dblX01I(), krajI, false);
    luk(debelo, aII, bII, cII, pocetakII, r.dblX02II(), false);
    debelo.moveTo(m(0, 0));
    debelo.lineTo(m(L, 0));
    for (const auto &[x, M] :
        { std::pair { r.dblXmaxI(), r.dblMmaxI() }, std::pair { r.dblXmaxII(), r.dblMmaxII() },
            std::pair { xPreseka, r.dblMpreseka() } }) {
        debelo.moveTo(m(x, 0));
        debelo.lineTo(m(x, M));
    }
    debelo.moveTo(t(0, 0));
    debelo.lineTo(t(L, 0));
    prava(debelo, r.dblMaxTIIZonaVazenjaLevo(), r.dblMaxTIIZonaVazenjaDesno(), maxTII);
    prava(debelo, r.dblMaxTIZonaVazenjaLevo(), r.dblMaxTIZonaVazenjaDesno(), maxTI);
    prava(debelo, r.dblMinTIZonaVazenjaLevo(), r.dblMinTIZonaVazenjaDesno(), minTI);
    prava(debelo, r.dblMinTIIZonaVazenjaLevo(), r.dblMinTIIZonaVazenjaDesno(), minTII);
    vertikala(debelo, 0, 0, maxT0);
    vertikala(debelo, L - e, 0, maxTZona);
    vertikala(debelo, L, 0, minTL);
    vertikala(debelo, e, 0, minTZona);
    QPen spoj = debela;
    spoj.setCapStyle(Qt::SquareCap);
    c.putanja(debelo, spoj);

    // Texts at drawing-area pixels: (xp, yp) is the anchor, the alignment says which side. Close
    // characteristic sections would put their values over each other: a value that would cover
    // one already written moves away from its curve by a line.
    std::vector<QRectF> zauzeto;
    const auto natpis
        = [&](double xp, double yp, const QString &text, double points, Qt::Alignment a) {
              const double x = ox + k * xp;
              const double yt = oy + k * yp;
              const double w = 30; // mm, wider than any value
              const double h = points * 0.3528 * 1.3; // mm, one line
              const double x0 = a.testFlag(Qt::AlignRight) ? x - w
                  : a.testFlag(Qt::AlignHCenter)           ? x - w / 2
                                                           : x;
              double y0 = a.testFlag(Qt::AlignBottom) ? yt - h
                  : a.testFlag(Qt::AlignVCenter)      ? yt - h / 2
                                                      : yt;
              const QFont font = slova(points, points > 9);
              // The text's own extent, not its box, decides what it covers.
              const double sirinaTeksta = c.sirinaTeksta(text, font);
              const double xt = a.testFlag(Qt::AlignRight) ? x0 + w - sirinaTeksta
                  : a.testFlag(Qt::AlignHCenter)           ? x0 + (w - sirinaTeksta) / 2
                                                           : x0;
              const auto zauzet = [&] {
                  const QRectF r(xt, y0, sirinaTeksta, h);
                  return std::any_of(zauzeto.begin(), zauzeto.end(),
                      [&](const QRectF &z) { return z.intersects(r); });
              };
              while (zauzet())
                  y0 += a.testFlag(Qt::AlignBottom) ? -h : h;
              zauzeto.emplace_back(xt, y0, sirinaTeksta, h);
              c.tekst(x0, y0, w, h, text, font, a);
          };
    const auto ispod = Qt::AlignHCenter | Qt::AlignTop;
    const auto iznadDesno = Qt::AlignLeft | Qt::AlignBottom;
    const auto ispodDesno = Qt::AlignLeft | Qt::AlignTop;
    const auto ispodLevo = Qt::AlignRight | Qt::AlignTop;
    const auto px = [&](double x) { return 25 + s.sx * x; };
    const auto pyM = [&](double M) { return 25 + s.sM * M; };
    const auto pyT = [&](double T) { return 300 - s.sT * T; };
    // The names first: the values give way to them.
    natpis(60, 150, QStringLiteral("maxT"), 11, Qt::AlignLeft | Qt::AlignTop);
    natpis(455, 430, QStringLiteral("minT"), 11, Qt::AlignLeft | Qt::AlignTop);
    for (const auto &[yp, text] : { std::pair { 112.0, QStringLiteral("extM") },
             std::pair { 297.0, QStringLiteral("extT") } }) {
        QPainterPath krug;
        krug.addEllipse(piksel(570, yp), c.mm(25 * k), c.mm(25 * k));
        c.putanja(krug, c.olovka(0.35));
        natpis(570, yp, text, 11, Qt::AlignCenter);
        zauzeto.emplace_back(ox + k * 545, oy + k * (yp - 25), k * 50, k * 50);
    }
    // The maxima below the envelope (a maximum outside its zone lies inside the envelope); the
    // intersection's value lower, clear of both curves.
    const auto anvelopa
        = [&](double x) { return std::max(aI * x - bI * x * x, aII * x - bII * x * x - cII); };
    natpis(px(r.dblXmaxI()), pyM(anvelopa(r.dblXmaxI())) + 4, dve(r.dblMmaxI()), 8, ispod);
    natpis(px(r.dblXmaxII()), pyM(anvelopa(r.dblXmaxII())) + 4, dve(r.dblMmaxII()), 8, ispod);
    natpis(px(xPreseka), pyM(r.dblMpreseka()) + 17, dve(r.dblMpreseka()), 8, ispod);
    natpis(px(0) + 5, pyT(maxT0) - 3, dve(maxT0), 8, iznadDesno);
    natpis(px(L - e) + 5, pyT(maxTZona) - 3, dve(maxTZona), 8, iznadDesno);
    natpis(px(e) - 4, pyT(minTZona) + 3, dve(-minTZona), 8, ispodLevo);
    natpis(px(L) + 5, pyT(minTL) + 3, dve(-minTL), 8, ispodDesno);
}

Blok dijagramBlok(int broj, const RezultatiProracuna &r, const UlazniParametri &u)
{
    constexpr double visinaCrteza = 110; // mm: drawing-area pixels 15 to 455 at 0.25 mm
    return { naslovVisina + visinaCrteza + 7 + razmak, [&r, u, broj](Platno &c, double y) {
                naslovOdeljka(c, y, broj, QStringLiteral("Dijagram extremnih vrednosti"));
                dijagram(c, y + naslovVisina + 1, r, u);
                // The legend: what thick, thin and the filled areas mean.
                const double yl = y + naslovVisina + 1 + visinaCrteza + 1.5;
                c.linija(levo + 4, yl + 2.5, levo + 14, yl + 2.5, 0.5);
                c.tekst(levo + 16, yl, 50, 5, QStringLiteral("merodavna anvelopa"), slova(8),
                    Qt::AlignLeft | Qt::AlignVCenter, siva);
                c.linija(levo + 62, yl + 2.5, levo + 72, yl + 2.5, 0.15);
                c.tekst(levo + 74, yl, 62, 5, QStringLiteral("parabole i prave van zona vazenja"),
                    slova(8), Qt::AlignLeft | Qt::AlignVCenter, siva);
                c.popuni(levo + 128, yl + 1, 10, 3, ispuna);
                c.tekst(levo + 140, yl, 40, 5, QStringLiteral("oblast anvelope"), slova(8),
                    Qt::AlignLeft | Qt::AlignVCenter, siva);
            } };
}

Blok tacnaAnvelopa(int broj, const std::vector<std::string> &linije)
{
    constexpr double visinaLinije = 5;
    return { naslovVisina + 1 + visinaLinije * double(linije.size()) + razmak,
        [&linije, broj](Platno &c, double y) {
            naslovOdeljka(c, y, broj, QStringLiteral("Poredjenje sa tacnom anvelopom"));
            double yl = y + naslovVisina + 1;
            for (const std::string &linija : linije) {
                c.tekst(levo + 4, yl, sirina - 4, visinaLinije, QString::fromStdString(linija),
                    slova(9));
                yl += visinaLinije;
            }
        } };
}

Blok listing(int broj, const RezultatiProracuna &r, const UlazniParametri &u)
{
    const std::vector<std::string> momentneLinije = ListingLines::momenti(r, brojPolja);
    const std::vector<std::string> linijeSila = ListingLines::transverzalneSile(r, brojPolja);
    std::vector<QStringList> redovi;
    for (std::size_t i = 0; i < momentneLinije.size() && i < linijeSila.size(); ++i) {
        const QStringList moment = vrednostiLinije(momentneLinije[i]);
        const QStringList sila = vrednostiLinije(linijeSila[i]);
        redovi.push_back(
            { QString::number(i), moment.value(0), moment.value(1), sila.value(1), sila.value(2) });
    }
    const Tabela t { { levo, levo + 22, levo + 60, levo + 98, levo + 136, desno }, 6.5, 5.5, true };
    return { naslovVisina + 2 + t.visinaZaglavlja + t.visinaReda * double(redovi.size()) + razmak,
        [t, redovi, broj](Platno &c, double y) {
            naslovOdeljka(c, y, broj,
                QStringLiteral("Extremne vrednosti u presecima grede (n = %1)")
                    .arg(ulazni(brojPolja)));
            crtajTabelu(c, y + naslovVisina + 2, t,
                { QStringLiteral("Presek"), QStringLiteral("x [m]"), QStringLiteral("extM [kNm]"),
                    QStringLiteral("maxT [kN]"), QStringLiteral("minT [kN]") },
                redovi);
        } };
}

std::vector<Blok> sastavi(const RezultatiProracuna &r, const Sadrzaj &s)
{
    int broj = 0;
    std::vector<Blok> blokovi;
    blokovi.push_back(naslovLista());
    blokovi.push_back(ulazniParametri(++broj, s.ulaz));
    blokovi.push_back(momenti(++broj, r));
    blokovi.push_back(sile(++broj, r));
    blokovi.push_back(dijagramBlok(++broj, r, s.ulaz));
    if (!s.tacnaAnvelopa.empty())
        blokovi.push_back(tacnaAnvelopa(++broj, s.tacnaAnvelopa));
    blokovi.push_back(listing(++broj, r, s.ulaz));
    return blokovi;
}

} // namespace

int nacrtaj(QPagedPaintDevice &uredjaj, const RezultatiProracuna &r, const Sadrzaj &sadrzaj)
{
    QPageLayout a4(
        QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(), QPageLayout::Millimeter);
    a4.setMode(QPageLayout::FullPageMode);
    uredjaj.setPageLayout(a4);

    // Lay out first, so that every footer knows the number of pages.
    const std::vector<Blok> blokovi = sastavi(r, sadrzaj);
    std::vector<std::vector<std::pair<const Blok *, double>>> strane(1);
    double y = teloVrh;
    for (const Blok &b : blokovi) {
        if (y + b.visina > teloDno && !strane.back().empty()) {
            strane.emplace_back();
            y = teloVrh;
        }
        strane.back().emplace_back(&b, y);
        y += b.visina;
    }

    QPainter painter;
    if (!painter.begin(&uredjaj))
        return 0;
    painter.setRenderHint(QPainter::Antialiasing);
    Platno c(painter, uredjaj.logicalDpiX() / 25.4);
    const QString vreme = sadrzaj.vreme.toString(QStringLiteral("dd.MM.yyyy. HH:mm"));
    const int ukupno = int(strane.size());
    for (int i = 0; i < ukupno; ++i) {
        if (i > 0)
            uredjaj.newPage();
        zaglavlje(c, vreme);
        podnozje(c, i + 1, ukupno);
        for (const auto &[blok, yb] : strane[i])
            blok->crtaj(c, yb);
    }
    painter.end();
    return ukupno;
}

QByteArray pdf(const RezultatiProracuna &r, const Sadrzaj &sadrzaj)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(QStringLiteral("Proracunski list"));
        writer.setCreator(QStringLiteral("Kelvane ") + verzijaPrograma());
        nacrtaj(writer, r, sadrzaj);
    }
    return buffer.data();
}

} // namespace ProracunskiList
