// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/results/frmIzlazna.h"

#include "core/EvaluacijaPreseka.h"
#include "core/KontroleUnosa.h"
#include "core/NumberText.h"
#include "core/TacneAnvelopeTekst.h"
#include "ui/Controls.h"
#include "ui/Messages.h"
#include "ui/SaveQuestion.h"
#include "ui/StampaLista.h"
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
    , m_dlgIzvestaj(this, "dlgIzvestaj", tr("Rezultati proracuna - proracunski list"),
          tr("Izvestaj"), QStringLiteral("pdf"))
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
    for (const char *caption : { "extM", "extT", QT_TR_NOOP("dijagram") })
        m_TabStrip1->addTab(tr(caption));
    m_TabStrip1->setGeometry(twipsRect(45, 90, 9240, 375));
    ignoreWheel(m_TabStrip1);
    // A changed selection, and a click on the tab already selected, both run the handler.
    connect(m_TabStrip1, &QTabBar::currentChanged, this, &frmIzlazna::TabStrip1_Click);
    connect(m_TabStrip1, &QTabBar::tabBarClicked, this, [this](int index) {
        if (index == m_TabStrip1->currentIndex())
            TabStrip1_Click();
    });
}

void frmIzlazna::createMenu()
{
    QMenu *datoteka = addNamedMenu(menuBar(), "mnuDatoteka", tr("Datoteka"));
    addNamedCommand(datoteka, "mnuDatotekaIzvestaj", tr("Izvestaj (PDF)..."), this,
        &frmIzlazna::mnuDatotekaIzvestaj_Click);
    addNamedCommand(
        datoteka, "mnuDatotekaStampa", tr("Stampa..."), this, &frmIzlazna::mnuDatotekaStampa_Click);
    addNamedCommand(
        datoteka, "mnuDatotekaIzlaz", tr("Izlaz"), this, &frmIzlazna::mnuDatotekaIzlaz_Click);
    QMenu *proracun = addNamedMenu(menuBar(), "mnuProracun", tr("Proracun"));
    addNamedCommand(proracun, "mnuProracunPromenaUlaznihParametara",
        tr("Promena ulaznih parametara"), this,
        &frmIzlazna::mnuProracunPromenaUlaznihParametara_Click);
    addNamedCommand(proracun, "mnuProracunExtMUProizvoljnimPresecima",
        tr("Proracun extM u proizvoljnim presecima"), this,
        &frmIzlazna::mnuProracunExtMUProizvoljnimPresecima_Click);
    addNamedCommand(proracun, "mnuProracunExtTUProizvoljnimPresecima",
        tr("Proracun extT u proizvoljnim presecima"), this,
        &frmIzlazna::mnuProracunExtTUProizvoljnimPresecima_Click);
    addNamedCommand(proracun, "mnuProracunTacneAnvelope", tr("Tacne anvelope (svi polozaji sila)"),
        this, &frmIzlazna::mnuProracunTacneAnvelope_Click);
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
        setWindowTitle(tr("Rezultati proracuna - Extremne vrednosti momenata savijanja"));
    }
    if (izabran == TabExtT) {
        setHighlights(TabExtT);
        m_fraExtM->hide();
        m_pctGrafik->hide();
        setOuterSize(9015, 5370);
        m_TabStrip1->resize(m_fraExtT->width(), m_TabStrip1->height());
        m_fraExtT->show();
        setWindowTitle(tr("Rezultati proracuna - Extremne vrednosti transverzalnih sila"));
    }
    if (izabran != TabDijagram)
        return;
    setHighlights(TabDijagram);
    m_fraExtM->hide();
    m_fraExtT->hide();
    setOuterSize(9480, 8355);
    m_TabStrip1->resize(m_pctGrafik->width(), m_TabStrip1->height());
    m_pctGrafik->show();
    setWindowTitle(tr("Rezultati proracuna - Dijagram extremnih vrednosti"));
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
        Messages::refusal(this, o.poruka);
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
        tr("Greska pri snimanju izvestaja!"), tr("Izvestaj"));
}

void frmIzlazna::mnuDatotekaStampa_Click()
{
    const auto sadrzaj = sadrzajIzvestaja();
    if (!sadrzaj)
        return;
    stampajList(
        this, [&] { return ProracunskiList::pdf(m_rezultati, *sadrzaj); },
        [&](QPagedPaintDevice &printer) {
            return ProracunskiList::nacrtaj(printer, m_rezultati, *sadrzaj);
        });
}

void frmIzlazna::mnuProracunTacneAnvelope_Click()
{
    frmTacneAnvelope prozor(m_rezultati, this);
    prozor.exec();
}
