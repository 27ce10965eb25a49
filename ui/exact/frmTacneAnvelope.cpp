// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/exact/frmTacneAnvelope.h"

#include "core/EvaluacijaPreseka.h"
#include "core/KontroleUnosa.h"
#include "core/ListingLines.h"
#include "core/TacneAnvelopeTekst.h"
#include "output/CrtezAnvelopa.h"
#include "output/TekstBroja.h"
#include "ui/Controls.h"
#include "ui/DatotekaMenu.h"
#include "ui/Messages.h"
#include "ui/basGlavni.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace TacneAnvelope;

namespace {

// A cell where the exact value is higher than the classical one.
const QColor bojaOznake(255, 214, 170);

QLabel *oznaka(const QString &text, const char *name, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    if (name)
        l->setObjectName(QLatin1String(name));
    return l;
}

} // namespace

PlotAnvelope::PlotAnvelope(const Poredjenje &poredjenje, double L, QWidget *parent)
    : QWidget(parent)
    , m_poredjenje(poredjenje)
    , m_L(L)
{
    setObjectName(QStringLiteral("pctAnvelope"));
    setMinimumSize(480, 240);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void PlotAnvelope::resizeEvent(QResizeEvent *)
{
    m_image = QImage(size(), QImage::Format_ARGB32_Premultiplied);
    m_image.fill(Qt::white);
    QPainter painter(&m_image);
    painter.setFont(font());
    nacrtajAnvelope(painter, QRectF(m_image.rect()), m_poredjenje, m_L);
}

void PlotAnvelope::paintEvent(QPaintEvent *)
{
    QPainter(this).drawImage(0, 0, m_image);
}

frmTacneAnvelope::frmTacneAnvelope(RezultatiProracuna rezultati, QWidget *parent)
    : MenuDialog(parent)
    , m_rezultati(rezultati)
    , m_poredjenje(uporedi(m_rezultati))
    , m_saveQuestion(this, "CommonDialog1", tr("Rezultati proracuna - tacne anvelope"),
          QStringLiteral("tacneAnvelope"), QStringLiteral("csv"))
{
    setObjectName(QStringLiteral("frmTacneAnvelope"));
    setWindowTitle(tr("Tacne anvelope"));
    // Unlike the designed windows this one grows with the screen.
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(arial(9.75, false));

    auto *prozor = new QVBoxLayout(this);
    prozor->setContentsMargins(0, 0, 0, 0);
    prozor->setMenuBar(menuBar());
    // On a screen too small for the panels at their least sizes they scroll rather than overlap.
    auto *pomeranje = new QScrollArea(this);
    pomeranje->setObjectName(QStringLiteral("scrKlijent"));
    pomeranje->setFrameShape(QFrame::NoFrame);
    pomeranje->setWidgetResizable(true);
    pomeranje->setWidget(client());
    prozor->addWidget(pomeranje);
    auto *sadrzaj = new QVBoxLayout(client());
    sadrzaj->addWidget(createRezime());
    m_pctAnvelope = new PlotAnvelope(m_poredjenje, m_rezultati.ulaz().L, client());
    sadrzaj->addWidget(m_pctAnvelope, 1);
    auto *dole = new QHBoxLayout;
    dole->addWidget(createPresek());
    dole->addWidget(createTabela(), 1);
    sadrzaj->addLayout(dole);
    createMenu();
    resize(1120, 860);
    centerOnFirstShow(this); // which fits the window to a smaller screen

    mnuDatotekaProracun_Click();
    NumericField::focus(m_txtPresek);
}

QWidget *frmTacneAnvelope::createRezime()
{
    auto *g = new QGroupBox(tr("Klasicna i tacna anvelopa"), client());
    g->setObjectName(QStringLiteral("fraRezime"));
    auto *l = new QVBoxLayout(g);
    const std::vector<std::string> linije = rezime(m_poredjenje);
    const char *imena[3] = { "lblRezimeExtM", "lblRezimeMaxT", "lblRezimeMinT" };
    for (int i = 0; i < 3; ++i) {
        QLabel *r = oznaka(QString::fromStdString(linije[i]), imena[i], g);
        r->setWordWrap(true);
        r->setTextInteractionFlags(Qt::TextSelectableByMouse);
        l->addWidget(r);
    }
    return g;
}

QWidget *frmTacneAnvelope::createPresek()
{
    auto *g = new QGroupBox(tr("Vrednosti u preseku"), client());
    g->setObjectName(QStringLiteral("fraPresek"));
    auto *l = new QGridLayout(g);
    l->addWidget(oznaka(QStringLiteral("x [m] ="), "lblPresek", g), 0, 0);
    m_txtPresek = new QLineEdit(QStringLiteral("0"), g);
    m_txtPresek->setObjectName(QStringLiteral("txtPresek"));
    NumericField::attach(m_txtPresek, 5);
    l->addWidget(m_txtPresek, 0, 1);
    auto *dugme = new QPushButton(tr("Vrednosti u preseku x"), g);
    dugme->setObjectName(QStringLiteral("cmdPresek"));
    dugme->setAutoDefault(false);
    connect(dugme, &QPushButton::clicked, this, &frmTacneAnvelope::cmdPresek_Click);
    l->addWidget(dugme, 0, 2, 1, 2);

    const char *kolone[3]
        = { QT_TR_NOOP("klasicna"), QT_TR_NOOP("tacna"), QT_TR_NOOP("polozaj sila (tacna)") };
    for (int k = 0; k < 3; ++k)
        l->addWidget(oznaka(tr(kolone[k]), nullptr, g), 1, k + 1);
    const char *imena[3][3] = {
        { "lblKlasicnaExtM", "lblTacnaExtM", "lblPolozajExtM" },
        { "lblKlasicnaMaxT", "lblTacnaMaxT", "lblPolozajMaxT" },
        { "lblKlasicnaMinT", "lblTacnaMinT", "lblPolozajMinT" },
    };
    const char *jedinice[3] = { " [kNm]", " [kN]", " [kN]" };
    for (int i = 0; i < 3; ++i) {
        l->addWidget(
            oznaka(QString::fromStdString(naziv(sveVelicine[i])) + QLatin1String(jedinice[i]),
                nullptr, g),
            i + 2, 0);
        for (int k = 0; k < 3; ++k) {
            m_vrednosti[i][k] = oznaka(QString(), imena[i][k], g);
            if (k < 2)
                m_vrednosti[i][k]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            l->addWidget(m_vrednosti[i][k], i + 2, k + 1);
        }
    }
    l->setRowStretch(5, 1);
    // Room for the longest position from the start, so that the table keeps its width.
    l->setColumnMinimumWidth(3,
        fontMetrics().horizontalAdvance(
            QString::fromStdString(opisPolozaja(Velicina::MaxT, { 1, 0b10 }))));
    return g;
}

QWidget *frmTacneAnvelope::createTabela()
{
    auto *g = new QGroupBox(tr("Preseci grede"), client());
    g->setObjectName(QStringLiteral("fraPreseci"));
    auto *l = new QGridLayout(g);
    l->addWidget(oznaka(tr("Broj polja ="), "lblBrojPolja", g), 0, 0);
    m_txtBrojPolja = new QLineEdit(QString::fromUtf8(KontroleUnosa::pocetniBrojPolja), g);
    m_txtBrojPolja->setObjectName(QStringLiteral("txtBrojPolja"));
    m_txtBrojPolja->setMaximumWidth(60);
    NumericField::attach(m_txtBrojPolja, 2);
    l->addWidget(m_txtBrojPolja, 0, 1);
    l->setColumnStretch(2, 1);

    m_tblPreseci = new QTableWidget(0, 7, g);
    m_tblPreseci->setObjectName(QStringLiteral("tblPreseci"));
    m_tblPreseci->setHorizontalHeaderLabels(
        { QStringLiteral("x [m]"), tr("extM\nklasicna"), tr("extM\ntacna"), tr("maxT\nklasicna"),
            tr("maxT\ntacna"), tr("minT\nklasicna"), tr("minT\ntacna") });
    m_tblPreseci->verticalHeader()->hide();
    m_tblPreseci->verticalHeader()->setMinimumSectionSize(fontMetrics().height());
    m_tblPreseci->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    m_tblPreseci->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tblPreseci->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_tblPreseci->setMinimumHeight(160);
    l->addWidget(m_tblPreseci, 1, 0, 1, 3);
    return g;
}

void frmTacneAnvelope::createMenu()
{
    addDatotekaMenu(menuBar(), this, &frmTacneAnvelope::mnuDatotekaProracun_Click,
        &frmTacneAnvelope::mnuDatotekaSnimi_Click, &frmTacneAnvelope::mnuDatotekaIzlaz_Click);
}

void frmTacneAnvelope::cmdPresek_Click()
{
    if (!KontrolaPreseka(m_txtPresek, m_rezultati.ulaz().L))
        return;
    const double x = *NumericField::value(m_txtPresek);
    const PoVelicini<double> k = klasicneVrednosti(m_rezultati, x);
    const TacneVrednosti t = tacneVrednosti(m_rezultati, x);
    for (int i = 0; i < 3; ++i) {
        const Velicina v = sveVelicine[i];
        m_vrednosti[i][0]->setText(dve(k[v]));
        m_vrednosti[i][1]->setText(dve(t[v].vrednost));
        m_vrednosti[i][2]->setText(QString::fromStdString(opisPolozaja(v, t[v].polozaj)));
    }
}

void frmTacneAnvelope::mnuDatotekaProracun_Click()
{
    // A refused count keeps the table and what "Snimi" saves until a valid one replaces them.
    if (!KontrolaBrojaPolja(m_txtBrojPolja))
        return;
    m_tblPreseci->setRowCount(0);
    m_preseci = ListingLines::preseci(m_rezultati.ulaz().L, *NumericField::value(m_txtBrojPolja));
    m_tblPreseci->setRowCount(int(m_preseci.size()));
    for (int red = 0; red < int(m_preseci.size()); ++red) {
        const double x = m_preseci[red];
        const PoVelicini<double> k = klasicneVrednosti(m_rezultati, x);
        const TacneVrednosti t = tacneVrednosti(m_rezultati, x);
        auto *celijaX = new QTableWidgetItem(tri(x));
        celijaX->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_tblPreseci->setItem(red, 0, celijaX);
        for (int i = 0; i < 3; ++i) {
            const Velicina v = sveVelicine[i];
            const TacnaVrednost &tv = t[v];
            const double kv = k[v];
            auto *celijaK = new QTableWidgetItem(dve(kv));
            auto *celijaT = new QTableWidgetItem(dve(tv.vrednost));
            for (QTableWidgetItem *c : { celijaK, celijaT })
                c->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            const std::string napomenaTekst = napomena(v, kv, tv);
            if (!napomenaTekst.empty()) {
                celijaT->setBackground(bojaOznake);
                celijaT->setToolTip(QString::fromStdString(napomenaTekst));
            }
            m_tblPreseci->setItem(red, 1 + 2 * i, celijaK);
            m_tblPreseci->setItem(red, 2 + 2 * i, celijaT);
        }
    }
}

void frmTacneAnvelope::mnuDatotekaSnimi_Click()
{
    const QString path = m_saveQuestion.ask();
    if (path.isEmpty())
        return;
    QStringList lines;
    for (const std::string &line : csvLinije(m_rezultati, m_preseci))
        lines.append(QString::fromStdString(line));
    saveLines(this, path, lines);
}

void frmTacneAnvelope::mnuDatotekaIzlaz_Click()
{
    reject();
}
