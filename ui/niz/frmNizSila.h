// SPDX-License-Identifier: GPL-3.0-or-later

// frmNizSila: a train of up to 20 moving forces on the simple span, with self-weight, a dynamic
// factor and travel one way or both. The forces are typed into a table or taken from a preset;
// the exact absolute maximum moment, the largest support shears, the plot of the exact envelopes,
// the values at a section and a table at n + 1 sections follow from one calculation in core
// (NizSila); the calculation sheet as a PDF or on paper. Opened modally from the input window with
// its pair and span.

#pragma once

#include "core/KontroleNiza.h"
#include "core/NizSila.h"
#include "core/RezultatiProracuna.h"
#include "output/ProracunskiListNiz.h"
#include "ui/MenuDialog.h"
#include "ui/SaveQuestion.h"

#include <QImage>
#include <QWidget>

#include <optional>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

// pctNizAnvelope: the exact envelopes of the train with an x axis, kept in an image that is
// painted again only when its size or the results change.
class PlotNiza : public QWidget
{
    Q_OBJECT

public:
    explicit PlotNiza(QWidget *parent);
    void prikazi(const TacneAnvelope::RezultatNiza &rezultat, double L);
    const QImage &image() const { return m_image; }

protected:
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void nacrtaj();

    TacneAnvelope::Poredjenje m_crtez; // the train's envelopes, no classical ones
    double m_L = 0.0;
    QImage m_image;
};

class frmNizSila : public MenuDialog
{
    Q_OBJECT

public:
    // par: the pair and span the window opens with (the input window's, when they pass its checks).
    frmNizSila(const UlazniParametri &par, QWidget *parent);

    const TacneAnvelope::RezultatNiza &rezultat() const { return m_rezultat; }

    void cmdDodajSilu_Click();
    void cmdUkloniSilu_Click();
    void cmbPredlozak_Activated(int index);
    bool cmdProracunaj_Click();
    void cmdPresek_Click();
    void mnuDatotekaSnimi_Click();
    void mnuDatotekaIzvestaj_Click();
    void mnuDatotekaStampa_Click();
    void mnuDatotekaIzlaz_Click();

private:
    QWidget *createUlaz();
    QWidget *createRezultati();
    QWidget *createPresek();
    QWidget *createTabela();
    void createMenu();
    std::optional<ProracunskiList::SadrzajNiza> sadrzajIzvestaja();
    void postaviSile(const TacneAnvelope::NizSila &sile);
    void dodajRed(const QString &P, const QString &a);
    void urediPrviRed();
    KontroleNiza::TekstoviNiza tekstovi() const;
    void pokaziGresku(const KontroleNiza::Greska &greska);

    UlazniParametri m_par;
    TacneAnvelope::Niz m_niz;
    TacneAnvelope::RezultatNiza m_rezultat;
    std::vector<TacneAnvelope::VrednostiUPreseku> m_preseci;
    SaveQuestion m_saveQuestion;
    SaveQuestion m_dlgIzvestaj;

    QTableWidget *m_tblSile = nullptr;
    QPushButton *m_cmdDodajSilu = nullptr;
    QPushButton *m_cmdUkloniSilu = nullptr;
    QComboBox *m_cmbPredlozak = nullptr;
    QLineEdit *m_txtRaspon = nullptr;
    QLineEdit *m_txtG = nullptr;
    QLineEdit *m_txtFi = nullptr;
    QCheckBox *m_chkObaSmera = nullptr;
    QLabel *m_lblApsolutniMaksimum = nullptr;
    QLabel *m_lblReakcije = nullptr;
    PlotNiza *m_pctNizAnvelope = nullptr;
    QLineEdit *m_txtPresek = nullptr;
    QLabel *m_vrednosti[3] = {};
    QLineEdit *m_txtBrojPolja = nullptr;
    QTableWidget *m_tblPreseci = nullptr;
};
