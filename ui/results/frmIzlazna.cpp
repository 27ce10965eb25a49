// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/results/frmIzlazna.h"

#include "core/EvaluacijaPreseka.h"
#include "core/KontroleUnosa.h"
#include "core/NumberText.h"
#include "core/TacneAnvelopeTekst.h"
#include "ui/Controls.h"
#include "ui/Messages.h"
#include "ui/SaveQuestion.h"
#include "ui/Twips.h"
#include "ui/basGlavni.h"
#include "ui/dijagram/PlatnoDijagrama.h"
#include "ui/dijagram/WidgetProgress.h"
#include "ui/dlgPodaciDokumenta.h"
#include "ui/exact/frmTacneAnvelope.h"
#include "ui/listing/frmListingExtM.h"
#include "ui/listing/frmListingExtT.h"
#include "ui/results/UpozorenjeKlasicne.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTabBar>

namespace {

// The designed window sizes are outer sizes of a classic desktop frame: 4-pixel borders, a
// 23-pixel caption and a 20-pixel menu bar around the client area. Qt draws its own frame and
// menu bar, so the window gets that client area and its own menu bar above it.
constexpr int okvirSirina = 2 * 4; // pixels
constexpr int okvirVisina = 2 * 4 + 23 + 20; // pixels

QSize klijentskaVelicina(int sirinaTwips, int visinaTwips)
{
    return QSize(twips(sirinaTwips) - okvirSirina, twips(visinaTwips) - okvirVisina);
}

const double poljeTacaka = 11.25; // text fields, group captions and the sign labels
const double oznakaTacaka = 9.75; // labels and buttons

QGroupBox *grupa(QWidget *parent, const char *name, const QString &caption, QRect rect)
{
    auto *g = new QGroupBox(caption, parent);
    g->setObjectName(QLatin1String(name));
    g->setFont(arial(poljeTacaka, true));
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
    b->setFont(arial(oznakaTacaka, true));
    b->setGeometry(rect);
    b->setAutoDefault(false);
    return b;
}

std::string tekst(const QLineEdit *field)
{
    return field->text().toStdString();
}

void upisi(QLineEdit *field, double value)
{
    field->setText(QString::fromStdString(NumberText::general(value)));
}

} // namespace

frmIzlazna::frmIzlazna(const RezultatiProracuna &rezultati, QWidget *parent)
    : MenuDialog(parent)
    , m_rezultati(rezultati)
    , m_dlgIzvestaj(this, "dlgIzvestaj", QStringLiteral("Rezultati proracuna - proracunski list"),
          QStringLiteral("Izvestaj"), QStringLiteral("pdf"))
{
    setObjectName(QStringLiteral("frmIzlazna"));
    setFont(arial(oznakaTacaka, true));

    createTabStrip();
    createExtMPanel();
    createExtTPanel();
    createGrafik();
    createMenu();
    Form_Load();
    centerOnFirstShow(this);
    m_fileNameQuestion = [this] { return m_dlgIzvestaj.ask(); };
}

frmIzlazna::~frmIzlazna() = default;

void frmIzlazna::createTabStrip()
{
    m_TabStrip1 = new QTabBar(client());
    m_TabStrip1->setObjectName(QStringLiteral("TabStrip1"));
    m_TabStrip1->setFont(arial(12, false));
    m_TabStrip1->setExpanding(false);
    m_TabStrip1->setDrawBase(true);
    for (const char *caption : { "extM", "extT", "dijagram" })
        m_TabStrip1->addTab(QLatin1String(caption));
    m_TabStrip1->setGeometry(twipsRect(45, 90, 9240, 375));
    ignoreWheel(m_TabStrip1);
    // A changed selection, and a click on the tab already selected, both run the handler.
    connect(m_TabStrip1, &QTabBar::currentChanged, this, &frmIzlazna::TabStrip1_Click);
    connect(m_TabStrip1, &QTabBar::tabBarClicked, this, [this](int index) {
        if (index == m_TabStrip1->currentIndex())
            TabStrip1_Click();
    });
}

QLineEdit *frmIzlazna::displayField(QWidget *parent, const char *name, QRect rect)
{
    auto *f = new QLineEdit(parent);
    f->setObjectName(QLatin1String(name));
    f->setFont(arial(poljeTacaka, true));
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
    l->setFont(arial(oznakaTacaka, true));
    l->setGeometry(rect);
    l->setAlignment(alignment | Qt::AlignTop);
    return l;
}

void frmIzlazna::createExtMPanel()
{
    m_fraExtM = grupa(client(), "fraExtM",
        QStringLiteral("Proracun extremnih vrednosti momenata savijanja"),
        twipsRect(45, 540, 8835, 5685));

    QGroupBox *f3 = grupa(m_fraExtM, "Frame3",
        QStringLiteral("Jednacine dijagrama extremnih vednosti momenata savijanja"),
        twipsRect(90, 360, 8655, 1455));
    label(f3, "lblJednacinaPrveParabole", QStringLiteral("Jednacina parabole I ="),
        twipsRect(135, 495, 2325, 315));
    recordField(
        f3, "txtKonstantaAI", twipsRect(2445, 465, 1455, 390), &RezultatiProracuna::dblKonstantaAI);
    label(f3, "lblXI", QStringLiteral("*X-"), twipsRect(4005, 525, 375, 255));
    recordField(
        f3, "txtKonstantaBI", twipsRect(4365, 465, 1455, 390), &RezultatiProracuna::dblKonstantaBI);
    label(f3, "lblXNaKvadratI", QStringLiteral("*X^2 "), twipsRect(5925, 525, 495, 255),
        Qt::AlignHCenter);
    label(f3, "lblJednacinaDrugeParabole", QStringLiteral("Jednacina parabole II ="),
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

    QGroupBox *f1 = grupa(m_fraExtM, "Frame1", QStringLiteral("Extremne vrednosti "),
        twipsRect(90, 1890, 8655, 1680));
    label(f1, "lblNule", QStringLiteral("Nulte tacke"), twipsRect(4245, 180, 1215, 285));
    label(f1, "lblPresekParabola", QStringLiteral("Presek parabola I i II"),
        twipsRect(6255, 180, 2175, 255), Qt::AlignHCenter);
    label(f1, "lblXmax", QStringLiteral("Xmax [m]"), twipsRect(1365, 420, 975, 375));
    label(f1, "lblMmax", QStringLiteral("Mmax [kNm]"), twipsRect(2445, 420, 1335, 375));
    label(f1, "lblX01", QStringLiteral("Xo1[m]"), twipsRect(4005, 420, 975, 375));
    label(f1, "lblX02", QStringLiteral("Xo2[m]"), twipsRect(5085, 420, 975, 375));
    label(f1, "lblXpreseka", QStringLiteral("X preseka [m]"), twipsRect(6135, 675, 1020, 570),
        Qt::AlignHCenter)
        ->setWordWrap(true);
    label(f1, "lblMpreseka", QStringLiteral("Mpreseka [kNm]"), twipsRect(7245, 675, 1335, 570),
        Qt::AlignHCenter)
        ->setWordWrap(true);
    label(f1, "lblParabola1", QStringLiteral("Parabola I  ="), twipsRect(45, 780, 1335, 285));
    recordField(f1, "txtXmax1", twipsRect(1365, 720, 975, 390), &RezultatiProracuna::dblXmaxI);
    m_txtMmax1 = recordField(
        f1, "txtMmax1", twipsRect(2445, 720, 1335, 390), &RezultatiProracuna::dblMmaxI);
    recordField(f1, "txtX011", twipsRect(3885, 720, 975, 390), &RezultatiProracuna::dblX01I);
    recordField(f1, "txtX021", twipsRect(4965, 720, 975, 390), &RezultatiProracuna::dblX02I);
    label(f1, "lblParabola2", QStringLiteral("Parabola II ="), twipsRect(45, 1260, 1335, 285));
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
        m_fraExtM, "Frame2", QStringLiteral("Zone vazenja"), twipsRect(90, 3645, 8655, 735));
    label(f2, "lblZonaVazenjaParaboleI", QStringLiteral("Zona vazenja parabole I  \u00B5[m]="),
        twipsRect(135, 345, 3255, 255));
    recordField(f2, "txtZonaVazenjaParaboleI", twipsRect(3255, 270, 855, 390),
        &RezultatiProracuna::dblZonaVazenjaParaboleI);
    label(f2, "lblZonaVazenjaParaboleII", QStringLiteral("Zona vazenja parabole II \u00B5[m]="),
        twipsRect(4605, 345, 3255, 255));
    recordField(f2, "txtZonaVazenjaParaboleII", twipsRect(7725, 270, 855, 390),
        &RezultatiProracuna::dblZonaVazenjaParaboleII);

    QGroupBox *f4 = grupa(m_fraExtM, "Frame4",
        QStringLiteral("Extremne vrednosti momenta savijanja u zadatom preseku"),
        twipsRect(90, 4455, 8655, 1140));
    connect(dugme(f4, "cmdMomentSavijanjaUProizvoljnomPreseku", QStringLiteral("extM u preseku x"),
                twipsRect(90, 360, 1215, 645)),
        &QPushButton::clicked, this, &frmIzlazna::cmdMomentSavijanjaUProizvoljnomPreseku_Click);
    label(f4, "lblProizvoljnoX", QStringLiteral("X[m]"), twipsRect(1530, 360, 615, 255),
        Qt::AlignHCenter);
    m_txtProizvoljnoX = displayField(f4, "txtProizvoljnoX", twipsRect(1410, 630, 855, 375));
    label(f4, "lblNaOsnovuPI", QStringLiteral("Parabola I"), twipsRect(2370, 360, 1455, 255),
        Qt::AlignHCenter);
    m_txtProizvoljnoKNmPI
        = displayField(f4, "txtProizvoljnoKNmPI", twipsRect(2370, 630, 1455, 375));
    label(f4, "lblNaOsnovuPII", QStringLiteral("Parabola II"), twipsRect(3930, 360, 1455, 255),
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
    m_fraExtT = grupa(client(), "fraExtT",
        QStringLiteral("Proracun extremnih vrednosti transverzalnih sila"),
        twipsRect(45, 540, 8835, 4020));

    QGroupBox *f5 = grupa(m_fraExtT, "Frame5",
        QStringLiteral("Jednacine dijagrama extremnih vrednosti transverzalnih sila"),
        twipsRect(90, 315, 8655, 2400));
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
            ->setFont(arial(poljeTacaka, true));
        recordField(f5, r.a, twipsRect(1080, r.poljeTop, 1455, 390), r.vA);
        label(f5, r.xLabel, QLatin1String(r.xText), twipsRect(2550, r.oznakaTop, 375, 255));
        if (r.b)
            recordField(f5, r.b, twipsRect(2940, r.poljeTop, 1455, 390), r.vB);
        recordField(f5, r.levo, twipsRect(5520, r.zonaTop, 855, 390), r.vLevo);
        label(f5, r.zona, QStringLiteral("=<X[m]<="), twipsRect(6345, r.oznakaTop, 1095, 255),
            Qt::AlignHCenter);
        recordField(f5, r.desno, twipsRect(7425, r.zonaTop, 855, 390), r.vDesno);
    }

    QGroupBox *f6 = grupa(m_fraExtT, "Frame6",
        QStringLiteral("Extremne vrednosti transverzalnih sila u zadatom preseku"),
        twipsRect(90, 2790, 8655, 1140));
    connect(dugme(f6, "cmdTransverzalnaSilaUProizvoljnomPreseku",
                QStringLiteral("extT u preseku x"), twipsRect(90, 405, 1215, 645)),
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
    m_lblProcenat->setFont(arial(oznakaTacaka, true));
}

void frmIzlazna::createMenu()
{
    QMenu *datoteka = addNamedMenu(menuBar(), "mnuDatoteka", QStringLiteral("Datoteka"));
    addNamedCommand(datoteka, "mnuDatotekaIzvestaj", QStringLiteral("Izvestaj (PDF)..."), this,
        &frmIzlazna::mnuDatotekaIzvestaj_Click);
    addNamedCommand(datoteka, "mnuDatotekaStampa", QStringLiteral("Stampa..."), this,
        &frmIzlazna::mnuDatotekaStampa_Click);
    addNamedCommand(datoteka, "mnuDatotekaIzlaz", QStringLiteral("Izlaz"), this,
        &frmIzlazna::mnuDatotekaIzlaz_Click);
    QMenu *proracun = addNamedMenu(menuBar(), "mnuProracun", QStringLiteral("Proracun"));
    addNamedCommand(proracun, "mnuProracunPromenaUlaznihParametara",
        QStringLiteral("Promena ulaznih parametara"), this,
        &frmIzlazna::mnuProracunPromenaUlaznihParametara_Click);
    addNamedCommand(proracun, "mnuProracunExtMUProizvoljnimPresecima",
        QStringLiteral("Proracun extM u proizvoljnim presecima"), this,
        &frmIzlazna::mnuProracunExtMUProizvoljnimPresecima_Click);
    addNamedCommand(proracun, "mnuProracunExtTUProizvoljnimPresecima",
        QStringLiteral("Proracun extT u proizvoljnim presecima"), this,
        &frmIzlazna::mnuProracunExtTUProizvoljnimPresecima_Click);
    addNamedCommand(proracun, "mnuProracunTacneAnvelope",
        QStringLiteral("Tacne anvelope (svi polozaji sila)"), this,
        &frmIzlazna::mnuProracunTacneAnvelope_Click);
}

QLineEdit *frmIzlazna::recordField(QWidget *parent, const char *name, QRect rect, Vrednost value)
{
    QLineEdit *f = displayField(parent, name, rect);
    m_poljaZapisa.push_back({ f, value });
    return f;
}

// Every opening shows the record afresh, both section inputs at 0 and the extM tab.
void frmIzlazna::Form_Load()
{
    for (const auto &[f, value] : m_poljaZapisa)
        upisi(f, (m_rezultati.*value)());
    m_txtProizvoljnoX->setText(QStringLiteral("0"));
    m_txtProizvoljnoXZaExtT->setText(QStringLiteral("0"));
    preformatiraj();
    UpozorenjeKlasicne::napomeniMaksimum(m_txtMmax1, m_txtMmax2, m_rezultati);
    m_TabStrip1->setCurrentIndex(TabExtM);
    TabStrip1_Click();
}

void frmIzlazna::preformatiraj()
{
    for (QLineEdit *f : m_tekstovi)
        f->setText(QString::fromStdString(NumberText::reformat(tekst(f), 2)));
}

void frmIzlazna::setOuterSize(int widthTwips, int heightTwips)
{
    setClientSize(klijentskaVelicina(widthTwips, heightTwips));
}

void frmIzlazna::setHighlights(int highlighted)
{
    for (int i = 0; i < m_TabStrip1->count(); ++i) {
        const bool on = i == highlighted;
        m_TabStrip1->setTabData(i, on);
        m_TabStrip1->setTabTextColor(
            i, on ? palette().color(QPalette::Highlight) : palette().color(QPalette::WindowText));
    }
}

bool frmIzlazna::isTabHighlighted(int index) const
{
    return m_TabStrip1->tabData(index).toBool();
}

void frmIzlazna::TabStrip1_Click()
{
    const int izabran = m_TabStrip1->currentIndex();
    if (izabran == TabExtM) {
        setHighlights(TabExtM);
        m_fraExtT->hide();
        m_pctGrafik->hide();
        setOuterSize(9015, 7050);
        m_TabStrip1->resize(m_fraExtM->width(), m_TabStrip1->height());
        m_fraExtM->show();
        setWindowTitle(
            QStringLiteral("Rezultati proracuna - Extremne vrednosti momenata savijanja"));
    }
    if (izabran == TabExtT) {
        setHighlights(TabExtT);
        m_fraExtM->hide();
        m_pctGrafik->hide();
        setOuterSize(9015, 5370);
        m_TabStrip1->resize(m_fraExtT->width(), m_TabStrip1->height());
        m_fraExtT->show();
        setWindowTitle(
            QStringLiteral("Rezultati proracuna - Extremne vrednosti transverzalnih sila"));
    }
    if (izabran != TabDijagram)
        return;
    setHighlights(TabDijagram);
    m_fraExtM->hide();
    m_fraExtT->hide();
    setOuterSize(9480, 8355);
    m_TabStrip1->resize(m_pctGrafik->width(), m_TabStrip1->height());
    m_pctGrafik->show();
    setWindowTitle(QStringLiteral("Rezultati proracuna - Dijagram extremnih vrednosti"));
    // The drawing holds the thread: show the new panel, strip and caption before it starts.
    repaint();
    nacrtajDijagram();
}

void frmIzlazna::nacrtajDijagram()
{
    WidgetProgress progress(m_ProgressBar1, m_lblProcenat);
    ::nacrtajDijagram(m_rezultati, m_pctGrafik->surface(), progress, m_petlja);
    m_pctGrafik->update();
}

// A refused field gets the focus only where the user can see it.
bool frmIzlazna::KontrolaPreseka()
{
    const auto odbijanja = KontroleUnosa::KontrolaPreseka(
        tekst(m_txtProizvoljnoX), tekst(m_txtProizvoljnoXZaExtT), m_rezultati.ulaz().L);
    for (const KontroleUnosa::OdbijanjePreseka &o : odbijanja) {
        const bool zaExtM = o.polje == KontroleUnosa::Presek::ZaExtM;
        QLineEdit *field = zaExtM ? m_txtProizvoljnoX : m_txtProizvoljnoXZaExtT;
        Messages::error(
            this, QString::fromUtf8(KontroleUnosa::naslovGreske), QString::fromStdString(o.poruka));
        field->setText(QString::fromStdString(o.reset));
        if ((zaExtM ? m_fraExtM : m_fraExtT)->isVisible())
            NumericField::focus(field);
    }
    return odbijanja.empty();
}

void frmIzlazna::cmdMomentSavijanjaUProizvoljnomPreseku_Click()
{
    if (!KontrolaPreseka())
        return;
    const double x = NumericField::value(m_txtProizvoljnoX).value_or(0.0);
    const MomentUPreseku m = momentUPreseku(m_rezultati, x);
    upisi(m_txtProizvoljnoKNmPI, m.MI);
    upisi(m_txtProizvoljnoKNmPII, m.MII);
    upisi(m_txtEXTMProizvoljniPresek, m.extM);
    UpozorenjeKlasicne::napomeni(m_txtEXTMProizvoljniPresek, Velicina::ExtM, m.extM,
        TacneAnvelope::tacneVrednosti(m_rezultati, x)[Velicina::ExtM]);
    preformatiraj();
}

void frmIzlazna::cmdTransverzalnaSilaUProizvoljnomPreseku_Click()
{
    if (!KontrolaPreseka())
        return;
    const double x = NumericField::value(m_txtProizvoljnoXZaExtT).value_or(0.0);
    const TransverzalnaSilaUPreseku t = transverzalnaSilaUPreseku(m_rezultati, x);
    upisi(m_txtProizvoljnoMaxT, t.maxT);
    upisi(m_txtProizvoljnoMinT, t.minT);
    const TacneAnvelope::TacneVrednosti tacne = TacneAnvelope::tacneVrednosti(m_rezultati, x);
    UpozorenjeKlasicne::napomeni(
        m_txtProizvoljnoMaxT, Velicina::MaxT, t.maxT, tacne[Velicina::MaxT]);
    UpozorenjeKlasicne::napomeni(
        m_txtProizvoljnoMinT, Velicina::MinT, t.minT, tacne[Velicina::MinT]);
    preformatiraj();
}

// Both menu commands go back to the input window, which then puts the focus into its first field;
// the close box closes without that.
void frmIzlazna::mnuDatotekaIzlaz_Click()
{
    accept();
}

void frmIzlazna::mnuProracunPromenaUlaznihParametara_Click()
{
    accept();
}

void frmIzlazna::mnuProracunExtMUProizvoljnimPresecima_Click()
{
    frmListingExtM listing(m_rezultati, this);
    listing.exec();
}

void frmIzlazna::mnuProracunExtTUProizvoljnimPresecima_Click()
{
    frmListingExtT listing(m_rezultati, this);
    listing.exec();
}

std::optional<ProracunskiList::Sadrzaj> frmIzlazna::sadrzajIzvestaja()
{
    const std::optional<PodaciDokumenta> dokument = dlgPodaciDokumenta::pitaj(this);
    if (!dokument)
        return std::nullopt;
    return ProracunskiList::Sadrzaj { m_rezultati.ulaz(), *dokument, QDateTime::currentDateTime() };
}

void frmIzlazna::mnuDatotekaIzvestaj_Click()
{
    const auto sadrzaj = sadrzajIzvestaja();
    if (!sadrzaj)
        return;
    const QString path = m_fileNameQuestion();
    if (path.isEmpty())
        return;
    saveWithMessage(this, path, ProracunskiList::pdf(m_rezultati, *sadrzaj),
        QStringLiteral("Greska pri snimanju izvestaja!"), QStringLiteral("Izvestaj"));
}

void frmIzlazna::mnuDatotekaStampa_Click()
{
    const auto sadrzaj = sadrzajIzvestaja();
    if (!sadrzaj)
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setFullPage(true);
    printer.setPageSize(QPageSize(QPageSize::A4));
    QPrintDialog dialog(&printer, this);
    dialog.setObjectName(QStringLiteral("dlgStampa"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    // Printing to a file is a save like any other: written whole by the save routine, which
    // never blocks on a pipe and keeps the old file when the disk is full.
    if (!printer.outputFileName().isEmpty()) {
        saveWithMessage(this, printer.outputFileName(), ProracunskiList::pdf(m_rezultati, *sadrzaj),
            QStringLiteral("Greska pri stampanju izvestaja!"), QStringLiteral("Izvestaj"));
        return;
    }
    if (ProracunskiList::nacrtaj(printer, m_rezultati, *sadrzaj) == 0) {
        Messages::error(this, QStringLiteral("Greska pri stampanju izvestaja!"),
            QStringLiteral("Izvestaj nije odstampan."));
    }
}

void frmIzlazna::mnuProracunTacneAnvelope_Click()
{
    frmTacneAnvelope prozor(m_rezultati, this);
    prozor.exec();
}
