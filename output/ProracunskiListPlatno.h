// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The calculation sheet's drawing layer: the page in millimetres (Platno), its fonts and colours,
// a grid table, section headings, and the block (Blok) that the pages are laid out from. The
// blocks themselves live in ProracunskiListBlokovi and ProracunskiListDijagram.

#include "output/TekstBroja.h"

#include <QColor>
#include <QCoreApplication>
#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace ProracunskiList {

// The page in millimetres: A4 with a wider binding margin on the left.
inline constexpr double levo = 20.0;
inline constexpr double desno = 195.0;
inline constexpr double sirina = desno - levo;
inline constexpr double zaglavljeVrh = 12.0;
inline constexpr double zaglavljeVisina = 14.0;
inline constexpr double teloVrh = 32.0;
inline constexpr double teloDno = 280.0;
inline constexpr double podnozjeLinija = 283.0;

inline constexpr double naslovVisina = 10.0; // a section heading with its rule
inline constexpr double razmak = 4.0; // after every section

// The listing on the sheet uses the listing windows' first field count.
inline constexpr double brojPolja = 10;

inline const QColor crna(0x00, 0x00, 0x00);
inline const QColor akcenat(0x1f, 0x3a, 0x5f); // headings and rules
inline const QColor siva(0x5f, 0x66, 0x6d); // captions and the footer
inline const QColor linijaTabele(0x8a, 0x94, 0x9e);
inline const QColor zaglavljeTabele(0xe4, 0xe9, 0xef);
inline const QColor senka(0xf5, 0xf7, 0xf9); // every other row of a long table
inline const QColor ispuna(0xe6, 0xe6, 0xe6); // the area under the governing envelope

// The sheet's texts, in one translation context.
struct Tekst
{
    Q_DECLARE_TR_FUNCTIONS(Tekst)
};

// A value that falls short of the exact one, in the listing and on the diagram.
inline const QColor upozorenje(0xfb, 0xe0, 0xd4);

QString verzija();
QFont slova(double points, bool bold = false);

// An input as typed.
QString ulazni(double value);

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
    // One line in the box; a text wider than the box is set smaller until it fits, so that no
    // value ever runs past its cell or the margin.
    void tekst(double x, double y, double w, double h, const QString &text, const QFont &font,
        Qt::Alignment poravnanje = Qt::AlignLeft | Qt::AlignVCenter, const QColor &boja = crna);
    // Text broken into lines at blanks within the width w (mm), from the top y; returns the
    // height it takes (mm). visinaPreloma measures without painting.
    double prelom(double x, double y, double w, const QString &text, const QFont &font,
        const QColor &boja = crna);
    double visinaPreloma(double w, const QString &text, const QFont &font) const;
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

// A grid table: column edges in mm, a heading row and body rows of texts, each aligned right
// unless it is the first column.
struct Tabela
{
    std::vector<double> ivice;
    double visinaZaglavlja;
    double visinaReda;
    bool senceniRedovi = false;
    std::vector<std::vector<bool>> oznacene = {}; // [row][column]: filled in the warning colour
};

void crtajTabelu(Platno &c, double y, const Tabela &t, const QStringList &zaglavlje,
    const std::vector<QStringList> &redovi);
void naslovOdeljka(Platno &c, double y, int broj, const QString &naslov);
void podnaslov(Platno &c, double x, double y, const QString &text);

} // namespace ProracunskiList
