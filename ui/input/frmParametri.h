// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// frmParametri: the input window the program starts with. It owns the calculation record for the
// whole run, checks the four inputs (KontrolaDuzine, KontrolaVrednosti), fills the record and shows
// the results window frmIzlazna over itself. Its menu also opens frmAbout and frmPomoc.

#include "core/KontroleUnosa.h"
#include "core/RezultatiProracuna.h"

#include <QMainWindow>
#include <QPointer>

class QLineEdit;
class frmPomoc;

class frmParametri : public QMainWindow
{
    Q_OBJECT

public:
    explicit frmParametri(QWidget *parent = nullptr);
    ~frmParametri() override;

    const RezultatiProracuna &rezultati() const { return m_rezultati; }

    // The four fields; their texts hold the inputs of the record while any result is shown.
    QLineEdit *txtSila1() const { return m_txtSila1; }
    QLineEdit *txtSila2() const { return m_txtSila2; }
    QLineEdit *txtRazmakSila() const { return m_txtRazmakSila; }
    QLineEdit *txtRasponGrede() const { return m_txtRasponGrede; }

    bool KontrolaDuzine() const;

private:
    void mnuDatotekaIzlaz_Click();
    void mnuProracunExtMExtT_Click();
    void mnuProracunNizSila_Click();
    void about_Click();
    void mnuPomocPomoc_Click();

    void createControls(QWidget *client);
    void createMenu();
    bool KontrolaVrednosti(const KontroleUnosa::ProveraUlaza &provera);
    KontroleUnosa::TekstoviUlaza tekstovi() const;
    QLineEdit *polje(KontroleUnosa::Ulaz ulaz) const;

    RezultatiProracuna m_rezultati;
    QLineEdit *m_txtSila1 = nullptr;
    QLineEdit *m_txtSila2 = nullptr;
    QLineEdit *m_txtRazmakSila = nullptr;
    QLineEdit *m_txtRasponGrede = nullptr;
    QPointer<frmPomoc> m_pomoc; // modeless, lives on after this window if the user keeps it
};
