// SPDX-License-Identifier: GPL-3.0-or-later

#include "output/CrtezAnvelopa.h"

#include "output/TekstBroja.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

using namespace TacneAnvelope;

namespace {

// World (m; kNm or kN) to device units, computed once per panel: y grows downward with the value
// for the moment (drawn below the beam, as in the results window's diagram), upward for shear.
struct Preslikavanje
{
    double x0, sx; // device units at x = 0, per metre
    double y0, sy; // device units at the value 0, per kNm or kN

    QPointF operator()(double x, double y) const { return { x0 + sx * x, y0 + sy * y }; }
};

// A piece as one quadratic Bezier segment: exact for a parabola, and the map to the device is
// affine, so the curve stays exact on any device.
void dodajDeo(QPainterPath &path, const Deo &d, const Preslikavanje &m, bool prvi)
{
    const Jednacina &j = d.jednacina;
    const double a = d.xOd, b = d.xDo;
    const QPointF pocetak = m(a, j(a));
    if (prvi)
        path.moveTo(pocetak);
    else
        path.lineTo(pocetak);
    const double nagib = j.c1 + 2.0 * j.c2 * a;
    path.quadTo(m(0.5 * (a + b), j(a) + nagib * 0.5 * (b - a)), m(b, j(b)));
}

QPainterPath kriva(const std::vector<Deo> &delovi, const Preslikavanje &m)
{
    QPainterPath path;
    for (std::size_t i = 0; i < delovi.size(); ++i)
        dodajDeo(path, delovi[i], m, i == 0);
    return path;
}

// The part of an envelope over [od, do_], as pieces cut to that zone.
std::vector<Deo> isecak(const std::vector<Deo> &delovi, double od, double doX)
{
    std::vector<Deo> deo;
    for (Deo d : delovi) {
        d.xOd = std::max(d.xOd, od);
        d.xDo = std::min(d.xDo, doX);
        if (d.xOd < d.xDo)
            deo.push_back(d);
    }
    return deo;
}

// The area between the exact and the classical envelope in each zone where they differ, over a
// light band the height of the panel, so that a narrow difference still shows.
void osenci(QPainter &painter, const Razlika &r, const std::vector<Deo> &tacne,
    const std::vector<Deo> &klasicne, const Preslikavanje &m, const QRectF &panel, QColor boja)
{
    for (const Zona &z : r.zone) {
        boja.setAlpha(28);
        painter.fillRect(
            QRectF(QPointF(m(z.xOd, 0).x(), panel.top()), QPointF(m(z.xDo, 0).x(), panel.bottom())),
            boja);
        QPainterPath povrsina = kriva(isecak(tacne, z.xOd, z.xDo), m);
        const QPainterPath nazad = kriva(isecak(klasicne, z.xOd, z.xDo), m).toReversed();
        povrsina.connectPath(nazad);
        povrsina.closeSubpath();
        boja.setAlpha(110);
        painter.fillPath(povrsina, boja);
    }
}

struct Olovke
{
    QPen tacna, klasicna, osa;
};

Olovke olovke(double px, QColor boja)
{
    QPen tacna(boja, 2.0 * px);
    tacna.setJoinStyle(Qt::RoundJoin);
    QPen klasicna(bojaKlasicne, 1.5 * px, Qt::DashLine);
    return { tacna, klasicna, QPen(Qt::black, 1.5 * px) };
}

double najveca(const std::vector<Deo> &delovi, double znak)
{
    double m = 0.0;
    for (const Deo &d : delovi)
        m = std::max({ m, znak * d.jednacina(d.xOd), znak * d.jednacina(d.xDo) });
    return m;
}

void natpis(QPainter &painter, QPointF gdeLevoGore, const QString &s)
{
    const QFontMetricsF fm(painter.font(), painter.device());
    painter.drawText(gdeLevoGore + QPointF(0, fm.ascent()), s);
}

// The classical entry only where classical envelopes are drawn (not for a train).
void legenda(QPainter &painter, QPointF gde, double px, QColor boja, const QString &tacnaTekst,
    bool klasicna)
{
    const Olovke o = olovke(px, boja);
    const QFontMetricsF fm(painter.font(), painter.device());
    const double duzina = 28 * px;
    const double y = gde.y() + fm.height() / 2;
    painter.setPen(o.tacna);
    painter.drawLine(QPointF(gde.x(), y), QPointF(gde.x() + duzina, y));
    painter.setPen(Qt::black);
    natpis(painter, QPointF(gde.x() + duzina + 6 * px, gde.y()), tacnaTekst);
    if (!klasicna)
        return;
    const double x2 = gde.x() + duzina + 12 * px + fm.horizontalAdvance(tacnaTekst);
    painter.setPen(o.klasicna);
    painter.drawLine(QPointF(x2, y), QPointF(x2 + duzina, y));
    painter.setPen(Qt::black);
    natpis(painter, QPointF(x2 + duzina + 6 * px, gde.y()),
        QCoreApplication::translate("CrtezAnvelopa", "klasicna"));
}

// A tick step of 1, 2 or 5 times a power of ten that gives about eight ticks over the span.
double korakPodele(double L)
{
    const double grubo = L / 8.0;
    const double red = std::pow(10.0, std::floor(std::log10(grubo)));
    for (const double k : { 1.0, 2.0, 5.0 }) {
        if (k * red >= grubo)
            return k * red;
    }
    return 10.0 * red;
}

// Ticks on both base lines, their values in metres under the plot's bottom edge and left of
// desnaIvica.
void osa(QPainter &painter, const Preslikavanje &mM, const Preslikavanje &mT, double L,
    double yNatpisa, double desnaIvica, double px)
{
    const QFontMetricsF fm(painter.font(), painter.device());
    const double korak = korakPodele(L);
    painter.setPen(QPen(Qt::black, 1.0 * px));
    const int n = int(std::floor(L / korak + 1e-9));
    for (int i = 0; i <= n; ++i) {
        const double x = i * korak;
        for (const Preslikavanje *m : { &mM, &mT }) {
            const QPointF t = (*m)(x, 0);
            painter.drawLine(t - QPointF(0, 4 * px), t + QPointF(0, 4 * px));
        }
        const QString s = qtekst(NumberText::general(x));
        const double w = fm.horizontalAdvance(s);
        natpis(painter, QPointF(std::min(mT(x, 0).x() - w / 2, desnaIvica - w), yNatpisa), s);
    }
    const QString jedinica = QStringLiteral("x [m]");
    natpis(painter, QPointF(mT(L, 0).x() - fm.horizontalAdvance(jedinica), yNatpisa + fm.height()),
        jedinica);
}

} // namespace

void nacrtajAnvelope(
    QPainter &painter, const QRectF &rect, const Poredjenje &p, double L, bool osaX)
{
    if (!(L > 0.0) || p.tacne[Velicina::ExtM].empty() || rect.width() <= 0 || rect.height() <= 0)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(rect);
    // One screen pixel at 96 dots per inch, in device units.
    const double px = painter.device() ? painter.device()->logicalDpiX() / 96.0 : 1.0;
    const QFontMetricsF fm(painter.font(), painter.device());
    const double red = fm.height();
    // The values at the supports, where each shear envelope is largest, stand left of the plot.
    const double T0 = p.tacne[Velicina::MaxT].front().jednacina(0.0);
    const double TL = p.tacne[Velicina::MinT].back().jednacina(L);
    const QString t0 = dve(T0) + QStringLiteral(" kN");
    const QString tL = dve(TL) + QStringLiteral(" kN");
    const double levo
        = rect.left() + 12 * px + std::max(fm.horizontalAdvance(t0), fm.horizontalAdvance(tL));
    const double desno = rect.right() - 16 * px;
    const double sx = (desno - levo) / L;

    // extM: the upper 55 %, the beam line under a legend, the largest moment at the bottom.
    const QRectF gornji(rect.left(), rect.top(), rect.width(), rect.height() * 0.55);
    const double Mmax = std::max(p.maksimum.M, 1e-12);
    const double vrhM = gornji.top() + 2 * red + 8 * px;
    const Preslikavanje mM { levo, sx, vrhM, (gornji.bottom() - red - 8 * px - vrhM) / Mmax };
    painter.setPen(Qt::black);
    natpis(painter, gornji.topLeft() + QPointF(4 * px, 2 * px), QStringLiteral("extM [kNm]"));
    legenda(painter, QPointF(levo + 90 * px, gornji.top() + 2 * px), px, bojaMomenta,
        QCoreApplication::translate("CrtezAnvelopa", "tacna (svi polozaji sila)"),
        !p.klasicne[Velicina::ExtM].empty());
    osenci(painter, p.razlike[Velicina::ExtM], p.tacne[Velicina::ExtM], p.klasicne[Velicina::ExtM],
        mM, gornji, bojaMomenta);
    const Olovke oM = olovke(px, bojaMomenta);
    painter.setPen(oM.osa);
    painter.drawLine(mM(0, 0), mM(L, 0));
    painter.setPen(oM.klasicna);
    painter.drawPath(kriva(p.klasicne[Velicina::ExtM], mM));
    painter.setPen(oM.tacna);
    painter.drawPath(kriva(p.tacne[Velicina::ExtM], mM));
    // The absolute maximum: a dot on the curve, its value and section beside it.
    const QPointF vrh = mM(p.maksimum.x, p.maksimum.M);
    painter.setBrush(bojaMomenta);
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(vrh, 4 * px, 4 * px);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(Qt::black);
    const QString maks
        = QStringLiteral("max M = %1 kNm, x = %2").arg(dve(p.maksimum.M), tri(p.maksimum.x));
    const double sirina = fm.horizontalAdvance(maks);
    const double xNatpisa = std::clamp(vrh.x() - sirina / 2, levo, desno - sirina);
    natpis(painter, QPointF(xNatpisa, vrh.y() + 4 * px), maks);
    natpis(painter,
        mM(0, 0) + QPointF(-4 * px - fm.horizontalAdvance(QStringLiteral("0")), -red / 2),
        QStringLiteral("0"));

    // maxT above and minT below their base line, in the lower 45 %.
    // The axis's values take two text rows under the lower panel.
    const double ispodOse = osaX ? 2 * red + 4 * px : 0.0;
    const QRectF donji(
        rect.left(), gornji.bottom(), rect.width(), rect.height() - gornji.height() - ispodOse);
    const double gore = std::max(najveca(p.tacne[Velicina::MaxT], 1.0), 1e-12);
    const double dole = najveca(p.tacne[Velicina::MinT], -1.0);
    const double vrhT = donji.top() + red + 8 * px;
    const double visina = donji.bottom() - 6 * px - vrhT;
    const double sy = -visina / (gore + dole);
    const Preslikavanje mT { levo, sx, vrhT - sy * gore, sy };
    painter.setPen(Qt::black);
    natpis(painter, donji.topLeft() + QPointF(4 * px, 2 * px), QStringLiteral("maxT, minT [kN]"));
    legenda(painter, QPointF(levo + 110 * px, donji.top() + 2 * px), px, bojaSile,
        QCoreApplication::translate("CrtezAnvelopa", "tacna (svi polozaji sila)"),
        !p.klasicne[Velicina::ExtM].empty());
    osenci(painter, p.razlike[Velicina::MaxT], p.tacne[Velicina::MaxT], p.klasicne[Velicina::MaxT],
        mT, donji, bojaSile);
    osenci(painter, p.razlike[Velicina::MinT], p.tacne[Velicina::MinT], p.klasicne[Velicina::MinT],
        mT, donji, bojaSile);
    const Olovke oT = olovke(px, bojaSile);
    painter.setPen(oT.osa);
    painter.drawLine(mT(0, 0), mT(L, 0));
    for (const auto *pair : { &p.klasicne[Velicina::MaxT], &p.klasicne[Velicina::MinT] }) {
        painter.setPen(oT.klasicna);
        painter.drawPath(kriva(*pair, mT));
    }
    for (const auto *pair : { &p.tacne[Velicina::MaxT], &p.tacne[Velicina::MinT] }) {
        painter.setPen(oT.tacna);
        painter.drawPath(kriva(*pair, mT));
    }
    painter.setPen(Qt::black);
    natpis(painter, mT(0, T0) + QPointF(-4 * px - fm.horizontalAdvance(t0), -red / 2), t0);
    natpis(painter, mT(L, TL) + QPointF(-4 * px - fm.horizontalAdvance(tL), -red - 2 * px), tL);
    if (osaX)
        osa(painter, mM, mT, L, donji.bottom() + 2 * px, rect.right(), px);
    painter.restore();
}
