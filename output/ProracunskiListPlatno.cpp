// SPDX-License-Identifier: GPL-3.0-or-later

#include "output/ProracunskiListPlatno.h"

#include "core/NumberText.h"
#include "core/VersionText.h"

#include <QFontMetricsF>

namespace ProracunskiList {

QString verzija()
{
    const std::string_view v = ::verzija();
    return QString::fromUtf8(v.data(), qsizetype(v.size()));
}

QFont slova(double points, bool bold)
{
    QFont f(QStringLiteral("Arial"));
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

// An input as typed.
QString ulazni(double value)
{
    return QString::fromStdString(NumberText::general(value));
}

void Platno::tekst(double x, double y, double w, double h, const QString &text, const QFont &font,
    Qt::Alignment poravnanje, const QColor &boja)
{
    QFont f = font;
    const double sirinaTeksta = QFontMetricsF(f, m_p.device()).horizontalAdvance(text);
    if (sirinaTeksta > mm(w) && sirinaTeksta > 0.0)
        f.setPointSizeF(f.pointSizeF() * mm(w) / sirinaTeksta * 0.98);
    m_p.setFont(f);
    m_p.setPen(boja);
    m_p.drawText(pravougaonik(x, y, w, h), int(poravnanje), text);
}

double Platno::visinaPreloma(double w, const QString &text, const QFont &font) const
{
    const QRectF okvir = QFontMetricsF(font, m_p.device())
                             .boundingRect(QRectF(0, 0, mm(w), mm(1000)),
                                 Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
    return okvir.height() / m_k;
}

double Platno::prelom(
    double x, double y, double w, const QString &text, const QFont &font, const QColor &boja)
{
    const double h = visinaPreloma(w, text, font);
    m_p.setFont(font);
    m_p.setPen(boja);
    m_p.drawText(pravougaonik(x, y, w, h), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
    return h;
}

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
            if (i < t.oznacene.size() && std::size_t(k) < t.oznacene[i].size() && t.oznacene[i][k])
                c.popuni(xl, yr, xr - xl, t.visinaReda, upozorenje);
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

} // namespace ProracunskiList
