// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// frmTacneAnvelope: the exact envelopes over every load position beside the classical ones of the
// results window. A summary per quantity, the plot of both (CrtezAnvelopa), the values at a
// section x with the governing position, and a table at n + 1 sections that "Snimi" saves as CSV.
// It gets the inputs and the record as values from whoever opens it, modally.

#include "core/RezultatiProracuna.h"
#include "core/TacneAnvelope.h"
#include "ui/MenuDialog.h"
#include "ui/SaveQuestion.h"

#include <QImage>
#include <QWidget>

#include <vector>

class QLabel;
class QLineEdit;
class QTableWidget;

// pctAnvelope: keeps the plot in an image, painted again only when its size changes.
class PlotAnvelope : public QWidget
{
    Q_OBJECT

public:
    PlotAnvelope(const TacneAnvelope::Poredjenje &poredjenje, double L, QWidget *parent);
    const QImage &image() const { return m_image; }

protected:
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    const TacneAnvelope::Poredjenje &m_poredjenje;
    double m_L;
    QImage m_image;
};

class frmTacneAnvelope : public MenuDialog
{
    Q_OBJECT

public:
    frmTacneAnvelope(RezultatiProracuna rezultati, QWidget *parent);

    void cmdPresek_Click();
    void mnuDatotekaProracun_Click();
    void mnuDatotekaSnimi_Click();
    void mnuDatotekaIzlaz_Click();

private:
    QWidget *createRezime();
    QWidget *createPresek();
    QWidget *createTabela();
    void createMenu();

    const RezultatiProracuna m_rezultati;
    const TacneAnvelope::Poredjenje m_poredjenje;
    std::vector<double> m_preseci; // the sections of the table, m
    SaveQuestion m_saveQuestion;

    PlotAnvelope *m_pctAnvelope = nullptr;
    QLineEdit *m_txtPresek = nullptr;
    QLineEdit *m_txtBrojPolja = nullptr;
    QTableWidget *m_tblPreseci = nullptr;
    // Per quantity (extM, maxT, minT): classical value, exact value, governing position.
    QLabel *m_vrednosti[3][3] = {};
};
