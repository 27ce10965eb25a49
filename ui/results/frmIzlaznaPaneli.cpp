// SPDX-License-Identifier: GPL-3.0-or-later

// The results window's controls at their designed positions: the extM and extT panels, the
// drawing area and the fields that show the record. The window's behaviour is in frmIzlazna.cpp.

#include "ui/results/frmIzlazna.h"

#include "core/OznakeRezultata.h"
#include "ui/Controls.h"
#include "ui/Twips.h"
#include "ui/basGlavni.h"
#include "ui/dijagram/PlatnoDijagrama.h"
#include "ui/dijagram/WidgetProgress.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace {

QGroupBox *grupa(QWidget *parent, const char *name, const QString &caption, QRect rect)
{
    auto *g = new QGroupBox(caption, parent);
    g->setObjectName(QLatin1String(name));
    g->setFont(arial(frmIzlazna::poljeTacaka, true));
    g->setGeometry(rect);
    return g;
}

// A button whose caption wraps onto a second line, as the designed captions need at their size.
class WrappingButton : public QPushButton
{
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QStylePainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        option.text.clear();
        painter.drawControl(QStyle::CE_PushButton, option);
        const int margin = style()->pixelMetric(QStyle::PM_ButtonMargin, &option, this) / 2;
        painter.drawText(rect().adjusted(margin, margin, -margin, -margin),
            Qt::AlignCenter | Qt::TextWordWrap, text());
    }
};

QPushButton *dugme(QWidget *parent, const char *name, const QString &caption, QRect rect)
{
    auto *b = new WrappingButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    b->setFont(arial(frmIzlazna::oznakaTacaka, true));
    b->setGeometry(rect);
    b->setAutoDefault(false);
    return b;
}

} // namespace

QLineEdit *frmIzlazna::displayField(QWidget *parent, const char *name, QRect rect)
{
    auto *f = new QLineEdit(parent);
    f->setObjectName(QLatin1String(name));
    f->setFont(arial(frmIzlazna::poljeTacaka, true));
    f->setGeometry(rect);
    f->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    f->setEnabled(false);
    // Disabled keeps the results out of the focus chain; they must still read clearly.
    QPalette palette = f->palette();
    palette.setColor(
        QPalette::Disabled, QPalette::Text, palette.color(QPalette::Active, QPalette::Text));
    f->setPalette(palette);
    m_tekstovi.push_back(f);
    return f;
}

QLabel *frmIzlazna::label(
    QWidget *parent, const char *name, const QString &text, QRect rect, Qt::Alignment alignment)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    l->setFont(arial(frmIzlazna::oznakaTacaka, true));
    l->setGeometry(rect);
    l->setAlignment(alignment | Qt::AlignTop);
    return l;
}

void frmIzlazna::createExtMPanel()
{
    m_fraExtM = grupa(
        client(), "fraExtM", tr(OznakeRezultata::proracunMomenata), twipsRect(45, 540, 8835, 5685));

    QGroupBox *f3 = grupa(m_fraExtM, "Frame3",
        tr("Jednacine dijagrama extremnih vednosti momenata savijanja"),
        twipsRect(90, 360, 8655, 1455));
    label(f3, "lblJednacinaPrveParabole", tr(OznakeRezultata::jednacinaParaboleI),
        twipsRect(135, 495, 2325, 315));
    recordField(
        f3, "txtKonstantaAI", twipsRect(2445, 465, 1455, 390), &RezultatiProracuna::dblKonstantaAI);
    label(f3, "lblXI", QStringLiteral("*X-"), twipsRect(4005, 525, 375, 255));
    recordField(
        f3, "txtKonstantaBI", twipsRect(4365, 465, 1455, 390), &RezultatiProracuna::dblKonstantaBI);
    label(f3, "lblXNaKvadratI", QStringLiteral("*X^2 "), twipsRect(5925, 525, 495, 255),
        Qt::AlignHCenter);
    label(f3, "lblJednacinaDrugeParabole", tr(OznakeRezultata::jednacinaParaboleII),
        twipsRect(135, 975, 2325, 315));
    recordField(f3, "txtKonstantaAII", twipsRect(2445, 945, 1455, 390),
        &RezultatiProracuna::dblKonstantaAII);
    label(f3, "lblXII", QStringLiteral("*X-"), twipsRect(4005, 1005, 375, 255));
    recordField(f3, "txtKonstantaBII", twipsRect(4365, 945, 1455, 390),
        &RezultatiProracuna::dblKonstantaBII);
    label(f3, "lblXNaKvadratII", QStringLiteral("*X^2-"), twipsRect(5925, 1005, 615, 255),
        Qt::AlignHCenter);
    recordField(f3, "txtKonstantaCII", twipsRect(6570, 945, 1455, 390),
        &RezultatiProracuna::dblKonstantaCII);

    QGroupBox *f1 = grupa(m_fraExtM, "Frame1", tr(OznakeRezultata::ekstremneVrednosti),
        twipsRect(90, 1890, 8655, 1680));
    label(f1, "lblNule", tr(OznakeRezultata::nulteTacke), twipsRect(4245, 180, 1215, 285));
    label(f1, "lblPresekParabola", tr(OznakeRezultata::presekParabola),
        twipsRect(6255, 180, 2175, 255), Qt::AlignHCenter);
    label(f1, "lblXmax", QStringLiteral("Xmax [m]"), twipsRect(1365, 420, 975, 375));
    label(f1, "lblMmax", QStringLiteral("Mmax [kNm]"), twipsRect(2445, 420, 1335, 375));
    label(f1, "lblX01", QStringLiteral("Xo1[m]"), twipsRect(4005, 420, 975, 375));
    label(f1, "lblX02", QStringLiteral("Xo2[m]"), twipsRect(5085, 420, 975, 375));
    label(f1, "lblXpreseka", tr(OznakeRezultata::xPreseka), twipsRect(6135, 675, 1020, 570),
        Qt::AlignHCenter)
        ->setWordWrap(true);
    label(f1, "lblMpreseka", tr(OznakeRezultata::mPreseka), twipsRect(7245, 675, 1335, 570),
        Qt::AlignHCenter)
        ->setWordWrap(true);
    label(f1, "lblParabola1", tr("Parabola I  ="), twipsRect(45, 780, 1335, 285));
    recordField(f1, "txtXmax1", twipsRect(1365, 720, 975, 390), &RezultatiProracuna::dblXmaxI);
    m_txtMmax1 = recordField(
        f1, "txtMmax1", twipsRect(2445, 720, 1335, 390), &RezultatiProracuna::dblMmaxI);
    recordField(f1, "txtX011", twipsRect(3885, 720, 975, 390), &RezultatiProracuna::dblX01I);
    recordField(f1, "txtX021", twipsRect(4965, 720, 975, 390), &RezultatiProracuna::dblX02I);
    label(f1, "lblParabola2", tr("Parabola II ="), twipsRect(45, 1260, 1335, 285));
    recordField(f1, "txtXmax2", twipsRect(1365, 1200, 975, 390), &RezultatiProracuna::dblXmaxII);
    m_txtMmax2 = recordField(
        f1, "txtMmax2", twipsRect(2445, 1200, 1335, 390), &RezultatiProracuna::dblMmaxII);
    recordField(f1, "txtX012", twipsRect(3885, 1200, 975, 390), &RezultatiProracuna::dblX01II);
    recordField(f1, "txtX022", twipsRect(4965, 1200, 975, 390), &RezultatiProracuna::dblX02II);
    recordField(
        f1, "txtXpresek", twipsRect(6165, 1215, 975, 390), &RezultatiProracuna::dblXpreseka);
    recordField(
        f1, "txtMpresek", twipsRect(7245, 1215, 1335, 390), &RezultatiProracuna::dblMpreseka);

    // The character after the blanks is the micro sign of the Central European code page.
    QGroupBox *f2 = grupa(
        m_fraExtM, "Frame2", tr(OznakeRezultata::zoneVazenja), twipsRect(90, 3645, 8655, 735));
    label(f2, "lblZonaVazenjaParaboleI", tr(OznakeRezultata::zonaParaboleI),
        twipsRect(135, 345, 3255, 255));
    recordField(f2, "txtZonaVazenjaParaboleI", twipsRect(3255, 270, 855, 390),
        &RezultatiProracuna::dblZonaVazenjaParaboleI);
    label(f2, "lblZonaVazenjaParaboleII", tr(OznakeRezultata::zonaParaboleII),
        twipsRect(4605, 345, 3255, 255));
    recordField(f2, "txtZonaVazenjaParaboleII", twipsRect(7725, 270, 855, 390),
        &RezultatiProracuna::dblZonaVazenjaParaboleII);

    QGroupBox *f4 = grupa(
        m_fraExtM, "Frame4", tr(OznakeRezultata::momentUPreseku), twipsRect(90, 4455, 8655, 1140));
    connect(dugme(f4, "cmdMomentSavijanjaUProizvoljnomPreseku", tr("extM u preseku x"),
                twipsRect(90, 360, 1215, 645)),
        &QPushButton::clicked, this, &frmIzlazna::cmdMomentSavijanjaUProizvoljnomPreseku_Click);
    label(f4, "lblProizvoljnoX", QStringLiteral("X[m]"), twipsRect(1530, 360, 615, 255),
        Qt::AlignHCenter);
    m_txtProizvoljnoX = displayField(f4, "txtProizvoljnoX", twipsRect(1410, 630, 855, 375));
    label(f4, "lblNaOsnovuPI", tr(OznakeRezultata::parabolaI), twipsRect(2370, 360, 1455, 255),
        Qt::AlignHCenter);
    m_txtProizvoljnoKNmPI
        = displayField(f4, "txtProizvoljnoKNmPI", twipsRect(2370, 630, 1455, 375));
    label(f4, "lblNaOsnovuPII", tr(OznakeRezultata::parabolaII), twipsRect(3930, 360, 1455, 255),
        Qt::AlignHCenter);
    m_txtProizvoljnoKNmPII
        = displayField(f4, "txtProizvoljnoKNmPII", twipsRect(3930, 630, 1455, 375));
    label(f4, "lblExtremniMomentUProizvoljnomPreseku", QStringLiteral("ext M [kNm]"),
        twipsRect(5490, 360, 1455, 255), Qt::AlignHCenter);
    m_txtEXTMProizvoljniPresek
        = displayField(f4, "txtEXTMProizvoljniPresek", twipsRect(5490, 630, 1455, 375));
}

void frmIzlazna::createExtTPanel()
{
    m_fraExtT = grupa(
        client(), "fraExtT", tr(OznakeRezultata::proracunSila), twipsRect(45, 540, 8835, 4020));

    QGroupBox *f5 = grupa(
        m_fraExtT, "Frame5", tr(OznakeRezultata::jednacineSila), twipsRect(90, 315, 8655, 2400));
    label(f5, "lblMaxT", QStringLiteral("maxT ="), twipsRect(45, 675, 765, 255), Qt::AlignRight);
    label(f5, "lblMinT", QStringLiteral("minT ="), twipsRect(45, 1635, 765, 255), Qt::AlignRight);

    // One row per line: maxT = -A*X + B (rows 1, 2), minT = -A*X (row 3), minT = -A*X + B (row 4).
    struct Red
    {
        const char *minus, *xLabel, *xText, *zona;
        const char *a, *b, *levo, *desno;
        Vrednost vA, vB, vLevo, vDesno;
        int poljeTop, zonaTop, oznakaTop;
    };
    using R = RezultatiProracuna;
    const Red redovi[] = {
        { "lblMinus1", "lblXmaxTII", "*X+", "lblXmaxTIIZonaVazenja", "txtKAmaxTII", "txtKBmaxTII",
            "txtMaxTIIZonaVazenjaLevo", "txtMaxTIIZonaVazenjaDesno", &R::dblKAmaxTII,
            &R::dblKBmaxTII, &R::dblMaxTIIZonaVazenjaLevo, &R::dblMaxTIIZonaVazenjaDesno, 360, 360,
            435 },
        { "lblMinus2", "lblXmaxTI", "*X+", "lblXmaxTIZonaVazenja", "txtKAmaxTI", "txtKBmaxTI",
            "txtMaxTIZonaVazenjaLevo", "txtMaxTIZonaVazenjaDesno", &R::dblKAmaxTI, &R::dblKBmaxTI,
            &R::dblMaxTIZonaVazenjaLevo, &R::dblMaxTIZonaVazenjaDesno, 840, 840, 915 },
        { "lblMinus3", "lblXminTI", "*X", "lblXminTIZonaVazenja", "txtKAminTI", nullptr,
            "txtMinTIZonaVazenjaLevo", "txtMinTIZonaVazenjaDesno", &R::dblKAminTI, nullptr,
            &R::dblMinTIZonaVazenjaLevo, &R::dblMinTIZonaVazenjaDesno, 1305, 1305, 1380 },
        { "lblMinus4", "Label2", "*X+", "lblXminTIIZonaVazenja", "txtKAminTII", "txtKBminTII",
            "txtMinTIIZonaVazenjaLevo", "txtMinTIIZonaVazenjaDesno", &R::dblKAminTII,
            &R::dblKBminTII, &R::dblMinTIIZonaVazenjaLevo, &R::dblMinTIIZonaVazenjaDesno, 1845,
            1830, 1905 },
    };
    for (const Red &r : redovi) {
        label(f5, r.minus, QStringLiteral("-"), twipsRect(840, r.oznakaTop, 255, 255))
            ->setFont(arial(frmIzlazna::poljeTacaka, true));
        recordField(f5, r.a, twipsRect(1080, r.poljeTop, 1455, 390), r.vA);
        label(f5, r.xLabel, QLatin1String(r.xText), twipsRect(2550, r.oznakaTop, 375, 255));
        if (r.b)
            recordField(f5, r.b, twipsRect(2940, r.poljeTop, 1455, 390), r.vB);
        recordField(f5, r.levo, twipsRect(5520, r.zonaTop, 855, 390), r.vLevo);
        label(f5, r.zona, QStringLiteral("=<X[m]<="), twipsRect(6345, r.oznakaTop, 1095, 255),
            Qt::AlignHCenter);
        recordField(f5, r.desno, twipsRect(7425, r.zonaTop, 855, 390), r.vDesno);
    }

    QGroupBox *f6 = grupa(
        m_fraExtT, "Frame6", tr(OznakeRezultata::silaUPreseku), twipsRect(90, 2790, 8655, 1140));
    connect(dugme(f6, "cmdTransverzalnaSilaUProizvoljnomPreseku", tr("extT u preseku x"),
                twipsRect(90, 405, 1215, 645)),
        &QPushButton::clicked, this, &frmIzlazna::cmdTransverzalnaSilaUProizvoljnomPreseku_Click);
    label(f6, "lblProizvoljnoXZaExtT", QStringLiteral("X[m]"), twipsRect(1530, 405, 615, 255),
        Qt::AlignHCenter);
    m_txtProizvoljnoXZaExtT
        = displayField(f6, "txtProizvoljnoXZaExtT", twipsRect(1410, 675, 855, 375));
    label(f6, "lblNaOsnovuMaxT", QStringLiteral("maxT[kN]"), twipsRect(2370, 405, 1455, 255),
        Qt::AlignHCenter);
    m_txtProizvoljnoMaxT = displayField(f6, "txtProizvoljnoMaxT", twipsRect(2370, 675, 1455, 375));
    label(f6, "lblNaOsnovuMinT", QStringLiteral("minT[kN]"), twipsRect(3930, 405, 1455, 255),
        Qt::AlignHCenter);
    m_txtProizvoljnoMinT = displayField(f6, "txtProizvoljnoMinT", twipsRect(3930, 675, 1455, 375));

    // The two section inputs are the only editable fields.
    for (QLineEdit *f : { m_txtProizvoljnoX, m_txtProizvoljnoXZaExtT }) {
        f->setEnabled(true);
        NumericField::attach(f, 5);
    }
}

void frmIzlazna::createGrafik()
{
    m_pctGrafik = new PlatnoDijagrama(client());
    m_pctGrafik->setObjectName(QStringLiteral("pctGrafik"));
    m_pctGrafik->setGeometry(twipsRect(45, 540, 9300, 6975));

    m_ProgressBar1 = new QProgressBar(m_pctGrafik);
    m_ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    m_ProgressBar1->setGeometry(twipsRect(45, 45, 8640, 240));
    m_ProgressBar1->setTextVisible(false);

    m_lblProcenat = new QLabel(m_pctGrafik);
    m_lblProcenat->setObjectName(QStringLiteral("lblProcenat"));
    m_lblProcenat->setGeometry(twipsRect(8685, 45, 555, 240));
    m_lblProcenat->setFont(arial(frmIzlazna::oznakaTacaka, true));
}

QLineEdit *frmIzlazna::recordField(QWidget *parent, const char *name, QRect rect, Vrednost value)
{
    QLineEdit *f = displayField(parent, name, rect);
    m_poljaZapisa.push_back({ f, value });
    return f;
}
