// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/input/frmParametri.h"

#include "core/Proracun.h"
#include "ui/Controls.h"
#include "ui/LineSketch.h"
#include "ui/Messages.h"
#include "ui/Twips.h"
#include "ui/about/frmAbout.h"
#include "ui/about/frmPomoc.h"
#include "ui/basGlavni.h"
#include "ui/niz/frmNizSila.h"
#include "ui/results/frmIzlazna.h"

#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>

namespace {

// The beam with its supports, the two forces and the dimensions of e and L.
std::vector<SketchLine> skicaGrede()
{
    return {
        { 330, 1440, 6810, 1440, 4 }, // beam
        { 210, 1680, 330, 1440, 2 }, // left support
        { 330, 1440, 450, 1680, 2 },
        { 90, 1680, 590, 1680, 2 },
        { 6690, 1680, 6810, 1440, 2 }, // right support, movable
        { 6810, 1440, 6930, 1680, 2 },
        { 6570, 1680, 7070, 1680, 2 },
        { 6570, 1755, 7070, 1755, 2 },
        { 2610, 720, 2610, 1440, 2 }, // P1
        { 2490, 1200, 2610, 1440, 2 },
        { 2730, 1200, 2610, 1440, 2 },
        { 5490, 720, 5490, 1440, 2 }, // P2
        { 5370, 1200, 5490, 1440, 2 },
        { 5610, 1200, 5490, 1440, 2 },
        { 2490, 960, 5610, 960, 1 }, // dimension of e
        { 2490, 1080, 2730, 840, 1 },
        { 5370, 1080, 5610, 840, 1 },
        { 210, 2400, 6930, 2400, 1 }, // dimension of L
        { 210, 2520, 450, 2280, 1 },
        { 6690, 2520, 6930, 2280, 1 },
        { 330, 1800, 330, 2520, 1 },
        { 6810, 1800, 6810, 2520, 1 },
    };
}

} // namespace

frmParametri::frmParametri(QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmParametri"));
    setWindowTitle(tr("Ulazni parametri proracuna"));
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
        | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFont(arial(11.25, false));

    auto *client = new QWidget(this);
    client->setFixedSize(twips(7365), twips(2580));
    setCentralWidget(client);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    createControls(client);
    createMenu();
    centerOnFirstShow(this);
    // Showing the window gives the field the focus without the select-all of an entry.
    NumericField::focus(m_txtSila1);
}

frmParametri::~frmParametri() = default;

void frmParametri::createControls(QWidget *client)
{
    auto *sketch = new LineSketch(skicaGrede(), client);
    sketch->setObjectName(QStringLiteral("skicaGrede"));
    sketch->setGeometry(client->rect());

    const auto label = [client](const char *name, const QString &text, QRect rect, double pt) {
        auto *l = new QLabel(text, client);
        l->setObjectName(QLatin1String(name));
        l->setFont(arial(pt, true));
        l->setGeometry(rect);
        return l;
    };
    label("lblSila1", QStringLiteral("P1 ="), twipsRect(810, 360, 495, 255), 12);
    label("lblSila1JM", QStringLiteral("[kN]"), twipsRect(2370, 360, 495, 255), 12);
    label("lblSila2", QStringLiteral("P2 ="), twipsRect(5250, 360, 495, 255), 12);
    label("lblSila2JM", QStringLiteral("[kN]"), twipsRect(6810, 360, 495, 255), 12);
    label("lblRazmakSila", QStringLiteral("e ="), twipsRect(3210, 555, 375, 255), 12);
    label("lblRazmakSilaJM", QStringLiteral("[m]"), twipsRect(4530, 555, 375, 255), 11.25);
    label("lblRaspon", QStringLiteral("L ="), twipsRect(2850, 1995, 375, 255), 12);
    label("lblRasponJM", QStringLiteral("[m]"), twipsRect(4170, 1995, 375, 255), 12);

    const auto field = [client](const char *name, const QString &text, QRect rect, int maxLength) {
        auto *f = new QLineEdit(text, client);
        f->setObjectName(QLatin1String(name));
        f->setFont(arial(12, true));
        f->setGeometry(rect);
        NumericField::attach(f, maxLength);
        return f;
    };
    // Created in tab order.
    m_txtSila1 = field("txtSila1", QStringLiteral("206"), twipsRect(1410, 300, 855, 405), 5);
    m_txtSila2 = field("txtSila2", QStringLiteral("208"), twipsRect(5850, 300, 855, 405), 5);
    m_txtRazmakSila
        = field("txtRazmakSila", QStringLiteral("5"), twipsRect(3690, 495, 735, 405), 4);
    m_txtRasponGrede
        = field("txtRasponGrede", QStringLiteral("9"), twipsRect(3330, 1935, 735, 405), 4);
}

void frmParametri::createMenu()
{
    QMenuBar *bar = menuBar();
    addNamedCommand(addNamedMenu(bar, "mnuDatoteka", tr("Datoteka")), "mnuDatotekaIzlaz",
        tr("Izlaz"), this, &frmParametri::mnuDatotekaIzlaz_Click);
    QMenu *proracun = addNamedMenu(bar, "mnuProracun", tr("Proracun"));
    addNamedCommand(proracun, "mnuProracunExtMExtT", tr("extM i extT"), this,
        &frmParametri::mnuProracunExtMExtT_Click);
    addNamedCommand(proracun, "mnuProracunNizSila", tr("Niz pokretnih sila..."), this,
        &frmParametri::mnuProracunNizSila_Click);
    addNamedCommand(addNamedMenu(bar, "mnuOProgramu", tr("O programu")), "about", tr("O programu"),
        this, &frmParametri::about_Click);
    addNamedCommand(addNamedMenu(bar, "mnuPomoc", tr("Pomoc")), "mnuPomocPomoc", tr("Pomoc"), this,
        &frmParametri::mnuPomocPomoc_Click);
}

KontroleUnosa::TekstoviUlaza frmParametri::tekstovi() const
{
    const auto tekst = [](const QLineEdit *f) { return f->text().toStdString(); };
    return { tekst(m_txtSila1), tekst(m_txtSila2), tekst(m_txtRazmakSila),
        tekst(m_txtRasponGrede) };
}

QLineEdit *frmParametri::polje(KontroleUnosa::Ulaz ulaz) const
{
    using enum KontroleUnosa::Ulaz;
    switch (ulaz) {
    case Sila1:
        return m_txtSila1;
    case Sila2:
        return m_txtSila2;
    case RazmakSila:
        return m_txtRazmakSila;
    case RasponGrede:
        break;
    }
    return m_txtRasponGrede;
}

bool frmParametri::KontrolaDuzine() const
{
    return KontroleUnosa::KontrolaDuzine(tekstovi());
}

// Carries out the steps of the value checks in their order: message, reset, focus.
bool frmParametri::KontrolaVrednosti(const KontroleUnosa::ProveraUlaza &provera)
{
    for (const KontroleUnosa::Ispravka &i : provera.ispravke) {
        if (i.poruka)
            Messages::refusal(this, *i.poruka);
        polje(i.polje)->setText(QString::fromStdString(i.reset));
        if (i.fokus)
            NumericField::focus(polje(*i.fokus));
    }
    return provera.prihvaceno;
}

void frmParametri::mnuProracunExtMExtT_Click()
{
    if (!KontrolaDuzine())
        return;
    const Proracun::Ishod ishod = Proracun::izTekstova(tekstovi());
    if (!KontrolaVrednosti(ishod.provera))
        return;
    m_rezultati = *ishod.rezultati;
    frmIzlazna izlazna(m_rezultati, this);
    if (izlazna.exec() != QDialog::Accepted)
        return;
    // Closed through its menu: the user goes back to the inputs, starting with P1.
    activateWindow();
    NumericField::focus(m_txtSila1);
}

// The train window starts from the pair and span typed here when they pass the checks, quietly:
// the typed texts are only a suggestion there.
void frmParametri::mnuProracunNizSila_Click()
{
    UlazniParametri par { 206, 208, 5, 9 };
    if (KontrolaDuzine()) {
        if (const Proracun::Ishod ishod = Proracun::izTekstova(tekstovi()); ishod.rezultati)
            par = ishod.rezultati->ulaz();
    }
    frmNizSila niz(par, this);
    niz.exec();
}

void frmParametri::mnuDatotekaIzlaz_Click()
{
    if (!Messages::question(this, tr("Izlaz?"), tr("Da li zelite da izadjete iz programa?")))
        return;
    // close() hides the window itself; a window hidden first would not end the program.
    close();
}

void frmParametri::about_Click()
{
    frmAbout about(this);
    about.exec();
}

void frmParametri::mnuPomocPomoc_Click()
{
    if (!m_pomoc)
        m_pomoc = new frmPomoc();
    m_pomoc->show();
    m_pomoc->raise();
    m_pomoc->activateWindow();
}
