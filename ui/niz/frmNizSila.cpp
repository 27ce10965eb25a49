// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/niz/frmNizSila.h"

#include "core/KontroleUnosa.h"
#include "core/ListingLines.h"
#include "core/NizSilaTekst.h"
#include "core/TacneAnvelopeTekst.h"
#include "output/TekstBroja.h"
#include "ui/Controls.h"
#include "ui/DatotekaMenu.h"
#include "ui/Messages.h"
#include "ui/basGlavni.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace TacneAnvelope;

namespace {

QString tekst(const std::string &s)
{
    return QString::fromStdString(s);
}

QString broj(double v)
{
    return tekst(NumberText::general(v));
}

// The cells of the forces' table are typed as the program's numeric fields are.
class NumerickaCelija : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget *createEditor(
        QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &index) const override
    {
        auto *editor = new QLineEdit(parent);
        editor->setObjectName(QStringLiteral("txtCelija"));
        NumericField::attach(editor, index.column() == 0 ? 5 : 4);
        return editor;
    }
};

QLabel *oznaka(const QString &text, const char *name, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    if (name)
        l->setObjectName(QLatin1String(name));
    return l;
}

QLineEdit *polje(const char *name, const QString &text, int maxLength, QWidget *parent)
{
    auto *f = new QLineEdit(text, parent);
    f->setObjectName(QLatin1String(name));
    f->setMaximumWidth(90);
    NumericField::attach(f, maxLength);
    return f;
}

QPushButton *dugme(const char *name, const QString &text, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

} // namespace

frmNizSila::frmNizSila(const UlazniParametri &par, QWidget *parent)
    : MenuDialog(parent)
    , m_par(par)
    , m_saveQuestion(this, "CommonDialog1", tr("Niz pokretnih sila - preseci"),
          QStringLiteral("nizSila"), QStringLiteral("csv"))
    , m_dlgIzvestaj(this, "dlgIzvestaj", tr("Niz pokretnih sila - proracunski list"),
          QStringLiteral("Izvestaj"), QStringLiteral("pdf"))
{
    setObjectName(QStringLiteral("frmNizSila"));
    setWindowTitle(tr("Niz pokretnih sila"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(arial(9.75, false));

    auto *prozor = new QVBoxLayout(this);
    prozor->setContentsMargins(0, 0, 0, 0);
    prozor->setMenuBar(menuBar());
    prozor->addWidget(client());
    auto *sadrzaj = new QHBoxLayout(client());
    sadrzaj->addWidget(createUlaz());
    auto *desno = new QVBoxLayout;
    desno->addWidget(createRezultati());
    m_pctNizAnvelope = new PlotNiza(client());
    desno->addWidget(m_pctNizAnvelope, 1);
    auto *dole = new QHBoxLayout;
    dole->addWidget(createPresek());
    dole->addWidget(createTabela(), 1);
    desno->addLayout(dole);
    sadrzaj->addLayout(desno, 1);
    createMenu();
    prozor->activate();
    // Within the screen's available area, however small.
    const QSize zeljena(1180, 860);
    const QSize raspolozivo = screen() ? screen()->availableGeometry().size() * 0.95 : zeljena;
    resize(zeljena.boundedTo(raspolozivo).expandedTo(minimumSizeHint()));
    centerOnFirstShow(this);

    cmbPredlozak_Activated(0);
    cmdProracunaj_Click();
    m_txtPresek->setText(broj(m_niz.L / 2.0));
    cmdPresek_Click();
}

QWidget *frmNizSila::createUlaz()
{
    auto *g = new QGroupBox(tr("Niz sila"), client());
    g->setObjectName(QStringLiteral("fraUlaz"));
    auto *l = new QGridLayout(g);
    m_cmbPredlozak = new QComboBox(g);
    m_cmbPredlozak->setObjectName(QStringLiteral("cmbPredlozak"));
    m_cmbPredlozak->addItems({ tr("Par sila iz ulaznog prozora"),
        tr("Dve dizalice sa po dva tocka (4 x 100 kN)"), tr("Tandem osovina 2 x 300 kN") });
    connect(m_cmbPredlozak, &QComboBox::activated, this, &frmNizSila::cmbPredlozak_Activated);
    l->addWidget(m_cmbPredlozak, 0, 0, 1, 2);

    m_tblSile = new QTableWidget(0, 2, g);
    m_tblSile->setObjectName(QStringLiteral("tblSile"));
    m_tblSile->setHorizontalHeaderLabels({ tr("P [kN]"), tr("a [m]") });
    m_tblSile->setItemDelegate(new NumerickaCelija(m_tblSile));
    m_tblSile->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_tblSile->setEditTriggers(QAbstractItemView::AllEditTriggers);
    m_tblSile->setMinimumWidth(220);
    l->addWidget(m_tblSile, 1, 0, 1, 2);
    m_cmdDodajSilu = dugme("cmdDodajSilu", tr("Dodaj silu"), g);
    m_cmdUkloniSilu = dugme("cmdUkloniSilu", tr("Ukloni silu"), g);
    connect(m_cmdDodajSilu, &QPushButton::clicked, this, &frmNizSila::cmdDodajSilu_Click);
    connect(m_cmdUkloniSilu, &QPushButton::clicked, this, &frmNizSila::cmdUkloniSilu_Click);
    l->addWidget(m_cmdDodajSilu, 2, 0);
    l->addWidget(m_cmdUkloniSilu, 2, 1);

    l->addWidget(oznaka(tr("L [m] ="), "lblRaspon", g), 3, 0);
    m_txtRaspon = polje("txtRaspon", broj(m_par.L), 4, g);
    l->addWidget(m_txtRaspon, 3, 1);
    l->addWidget(oznaka(tr("g [kN/m] ="), "lblG", g), 4, 0);
    m_txtG = polje("txtG", QStringLiteral("0"), 5, g);
    l->addWidget(m_txtG, 4, 1);
    l->addWidget(oznaka(tr("\u03c6 ="), "lblFi", g), 5, 0);
    m_txtFi = polje("txtFi", QStringLiteral("1.00"), 4, g);
    l->addWidget(m_txtFi, 5, 1);
    m_chkObaSmera = new QCheckBox(tr("U oba smera"), g);
    m_chkObaSmera->setObjectName(QStringLiteral("chkObaSmera"));
    l->addWidget(m_chkObaSmera, 6, 0, 1, 2);
    auto *proracunaj = dugme("cmdProracunaj", tr("Proracunaj"), g);
    connect(proracunaj, &QPushButton::clicked, this, &frmNizSila::cmdProracunaj_Click);
    l->addWidget(proracunaj, 7, 0, 1, 2);
    l->setRowStretch(1, 1);
    return g;
}

QWidget *frmNizSila::createRezultati()
{
    auto *g = new QGroupBox(tr("Rezultati"), client());
    g->setObjectName(QStringLiteral("fraRezultati"));
    auto *l = new QVBoxLayout(g);
    m_lblApsolutniMaksimum = oznaka(QString(), "lblApsolutniMaksimum", g);
    m_lblReakcije = oznaka(QString(), "lblReakcije", g);
    for (QLabel *r : { m_lblApsolutniMaksimum, m_lblReakcije }) {
        r->setWordWrap(true);
        r->setTextInteractionFlags(Qt::TextSelectableByMouse);
        l->addWidget(r);
    }
    return g;
}

QWidget *frmNizSila::createPresek()
{
    auto *g = new QGroupBox(tr("Vrednosti u preseku"), client());
    g->setObjectName(QStringLiteral("fraPresek"));
    auto *l = new QGridLayout(g);
    l->addWidget(oznaka(tr("x [m] ="), "lblPresek", g), 0, 0);
    m_txtPresek = polje("txtPresek", QStringLiteral("0"), 5, g);
    l->addWidget(m_txtPresek, 0, 1);
    auto *presek = dugme("cmdPresek", tr("Vrednosti u preseku x"), g);
    connect(presek, &QPushButton::clicked, this, &frmNizSila::cmdPresek_Click);
    l->addWidget(presek, 0, 2);
    const char *imena[3] = { "lblPresekExtM", "lblPresekMaxT", "lblPresekMinT" };
    for (int i = 0; i < 3; ++i) {
        m_vrednosti[i] = oznaka(QString(), imena[i], g);
        m_vrednosti[i]->setWordWrap(true);
        m_vrednosti[i]->setMinimumWidth(280);
        l->addWidget(m_vrednosti[i], i + 1, 0, 1, 3);
    }
    l->setRowStretch(4, 1);
    return g;
}

QWidget *frmNizSila::createTabela()
{
    auto *g = new QGroupBox(tr("Preseci grede"), client());
    g->setObjectName(QStringLiteral("fraPreseci"));
    auto *l = new QGridLayout(g);
    l->addWidget(oznaka(tr("Broj polja ="), "lblBrojPolja", g), 0, 0);
    m_txtBrojPolja
        = polje("txtBrojPolja", QString::fromUtf8(KontroleUnosa::pocetniBrojPolja), 2, g);
    l->addWidget(m_txtBrojPolja, 0, 1);
    l->setColumnStretch(2, 1);
    m_tblPreseci = new QTableWidget(0, 4, g);
    m_tblPreseci->setObjectName(QStringLiteral("tblPreseci"));
    m_tblPreseci->setHorizontalHeaderLabels(
        { tr("x [m]"), tr("extM [kNm]"), tr("maxT [kN]"), tr("minT [kN]") });
    m_tblPreseci->verticalHeader()->hide();
    m_tblPreseci->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    m_tblPreseci->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tblPreseci->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_tblPreseci->setMinimumSize(380, 160);
    l->addWidget(m_tblPreseci, 1, 0, 1, 3);
    return g;
}

void frmNizSila::createMenu()
{
    QMenu *datoteka = addNamedMenu(menuBar(), "mnuDatoteka", tr("Datoteka"));
    addNamedCommand(
        datoteka, "mnuDatotekaSnimi", tr("Snimi"), this, &frmNizSila::mnuDatotekaSnimi_Click);
    addNamedCommand(datoteka, "mnuDatotekaIzvestaj", tr("Izvestaj (PDF)..."), this,
        &frmNizSila::mnuDatotekaIzvestaj_Click);
    addNamedCommand(
        datoteka, "mnuDatotekaStampa", tr("Stampa..."), this, &frmNizSila::mnuDatotekaStampa_Click);
    addNamedCommand(
        datoteka, "mnuDatotekaIzlaz", tr("Izlaz"), this, &frmNizSila::mnuDatotekaIzlaz_Click);
}

void frmNizSila::dodajRed(const QString &P, const QString &a)
{
    const int red = m_tblSile->rowCount();
    m_tblSile->insertRow(red);
    m_tblSile->setItem(red, 0, new QTableWidgetItem(P));
    m_tblSile->setItem(red, 1, new QTableWidgetItem(a));
    urediPrviRed();
}

// Rows are named P1, P2, ...; the first force has no distance before it.
void frmNizSila::urediPrviRed()
{
    for (int red = 0; red < m_tblSile->rowCount(); ++red) {
        m_tblSile->setVerticalHeaderItem(
            red, new QTableWidgetItem(QStringLiteral("P%1").arg(red + 1)));
        QTableWidgetItem *a = m_tblSile->item(red, 1);
        if (!a)
            m_tblSile->setItem(red, 1, a = new QTableWidgetItem);
        if (red == 0) {
            a->setText(QString());
            a->setFlags(Qt::ItemIsEnabled);
        } else {
            a->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
        }
    }
    m_cmdDodajSilu->setEnabled(m_tblSile->rowCount() < KontroleNiza::najviseSila);
    m_cmdUkloniSilu->setEnabled(m_tblSile->rowCount() > 1);
}

void frmNizSila::postaviSile(const NizSila &sile)
{
    m_tblSile->setRowCount(0);
    for (std::size_t i = 0; i < sile.size(); ++i)
        dodajRed(broj(sile[i].P), i ? broj(sile[i].pomak - sile[i - 1].pomak) : QString());
}

void frmNizSila::cmbPredlozak_Activated(int index)
{
    switch (index) {
    case 1:
        postaviSile({ { 100, 0 }, { 100, 3 }, { 100, 4 }, { 100, 7 } });
        break;
    case 2:
        postaviSile({ { 300, 0 }, { 300, 1.2 } });
        break;
    default:
        // A pair with P1 = 0 is the single force P2, as the input window takes it.
        postaviSile(m_par.P1 == 0.0 ? NizSila { { m_par.P2, 0.0 } } : par(m_par));
    }
}

void frmNizSila::cmdDodajSilu_Click()
{
    const int poslednji = m_tblSile->rowCount() - 1;
    const QString P
        = poslednji >= 0 ? m_tblSile->item(poslednji, 0)->text() : QStringLiteral("100");
    dodajRed(P, QStringLiteral("1"));
    m_tblSile->setCurrentCell(m_tblSile->rowCount() - 1, 0);
}

void frmNizSila::cmdUkloniSilu_Click()
{
    if (m_tblSile->rowCount() <= 1)
        return;
    const int red
        = m_tblSile->currentRow() >= 0 ? m_tblSile->currentRow() : m_tblSile->rowCount() - 1;
    m_tblSile->removeRow(red);
    urediPrviRed();
}

KontroleNiza::TekstoviNiza frmNizSila::tekstovi() const
{
    KontroleNiza::TekstoviNiza t;
    for (int red = 0; red < m_tblSile->rowCount(); ++red) {
        const auto celija = [&](int k) {
            const QTableWidgetItem *i = m_tblSile->item(red, k);
            return i ? i->text().toStdString() : std::string();
        };
        t.sile.push_back(celija(0));
        t.razmaci.push_back(celija(1));
    }
    t.L = m_txtRaspon->text().toStdString();
    t.g = m_txtG->text().toStdString();
    t.fi = m_txtFi->text().toStdString();
    return t;
}

// The message, then the focus into the cell or field it names.
void frmNizSila::pokaziGresku(const KontroleNiza::Greska &greska)
{
    Messages::error(
        this, QString::fromUtf8(KontroleUnosa::naslovGreske), tekst(KontroleNiza::poruka(greska)));
    using enum KontroleNiza::Polje;
    switch (greska.polje) {
    case Sila:
    case Razmak:
        m_tblSile->setFocus();
        m_tblSile->setCurrentCell(greska.red - 1, greska.polje == Sila ? 0 : 1);
        break;
    case Raspon:
        NumericField::focus(m_txtRaspon);
        break;
    case G:
        NumericField::focus(m_txtG);
        break;
    case Fi:
        NumericField::focus(m_txtFi);
        break;
    case BrojSila:
        break;
    }
}

bool frmNizSila::cmdProracunaj_Click()
{
    const KontroleNiza::ProveraNiza provera
        = KontroleNiza::proveri(tekstovi(), m_chkObaSmera->isChecked());
    if (!provera.prihvaceno()) {
        for (const KontroleNiza::Greska &g : provera.greske)
            pokaziGresku(g);
        return false;
    }
    if (!KontrolaBrojaPolja(m_txtBrojPolja))
        return false;
    m_niz = provera.niz;
    m_rezultat = proracunajNiz(m_niz);
    const int n = static_cast<int>(m_niz.sile.size());
    m_lblApsolutniMaksimum->setText(
        tr("Apsolutni maksimum: %1").arg(tekst(linijaMaksimuma(m_rezultat.maksimum, n))));
    m_lblReakcije->setText(
        tr("Najvece reakcije: %1").arg(tekst(linijaReakcija(m_rezultat.reakcije, n))));
    m_pctNizAnvelope->prikazi(m_rezultat, m_niz.L);

    m_preseci = preseciNiza(m_niz, *NumericField::value(m_txtBrojPolja));
    m_tblPreseci->setRowCount(int(m_preseci.size()));
    for (int red = 0; red < int(m_preseci.size()); ++red) {
        const VrednostiUPreseku &p = m_preseci[red];
        QStringList celije { tri(p.x) };
        for (const Velicina v : sveVelicine)
            celije << dve(p.vrednosti[v].vrednost);
        for (int k = 0; k < celije.size(); ++k) {
            auto *c = new QTableWidgetItem(celije[k]);
            c->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (k > 0) {
                const Velicina v = sveVelicine[k - 1];
                c->setToolTip(tekst(opisPolozaja(v, p.vrednosti[v].polozaj, n)));
            }
            m_tblPreseci->setItem(red, k, c);
        }
    }
    for (QLabel *l : m_vrednosti)
        l->clear();
    return true;
}

void frmNizSila::cmdPresek_Click()
{
    if (!KontrolaPreseka(m_txtPresek, m_niz.L))
        return;
    const std::vector<std::string> linije = linijePreseka(
        vrednostiNiza(m_niz, *NumericField::value(m_txtPresek)), int(m_niz.sile.size()));
    for (int i = 0; i < 3; ++i)
        m_vrednosti[i]->setText(tekst(linije[i]));
}

void frmNizSila::mnuDatotekaSnimi_Click()
{
    const QString path = m_saveQuestion.ask();
    if (path.isEmpty())
        return;
    QStringList lines;
    for (const std::string &line : csvNiza(m_preseci))
        lines.append(tekst(line));
    saveLines(this, path, lines);
}

void frmNizSila::mnuDatotekaIzlaz_Click()
{
    reject();
}
