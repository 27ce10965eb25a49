// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// frmIzlazna: the results window, modal over the input window. It shows the calculation record in
// display fields on the tabs "extM" and "extT", draws the diagram on "dijagram", evaluates both
// envelopes at a section (KontrolaPreseka guards both section inputs) and opens the listings.
// It keeps no numbers of its own: everything it shows lives in the texts of its fields. Its menu
// also writes the calculation sheet as a PDF file or prints it. It gets the record and the inputs
// it was computed from as values and never reaches back into the window that opened it: exec()
// returns Accepted when the user went back through the menu, after which the opener puts the focus
// into its first field.

#include "core/DijagramAnvelopa.h"
#include "core/RezultatiProracuna.h"
#include "output/ProracunskiList.h"
#include "ui/MenuDialog.h"
#include "ui/SaveQuestion.h"

#include <functional>
#include <optional>
#include <utility>
#include <vector>

class PlatnoDijagrama;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QTabBar;
class QWidget;

class frmIzlazna : public MenuDialog
{
    Q_OBJECT

public:
    // The designed font sizes, points.
    static constexpr double poljeTacaka = 11.25; // text fields, group captions and the sign labels
    static constexpr double oznakaTacaka = 9.75; // labels and buttons

    // The designed window sizes per tab are outer sizes in twips; see klijentskaVelicina().
    enum Tab { TabExtM = 0, TabExtT = 1, TabDijagram = 2 };

    frmIzlazna(const RezultatiProracuna &rezultati, QWidget *parent);
    ~frmIzlazna() override;

    // Whether the tab at index carries the highlighted look (separate from the selection).
    bool isTabHighlighted(int index) const;

    // Asks for the path of the sheet's PDF file; the empty text means that nothing is saved.
    using FileNameQuestion = std::function<QString()>;
    // Replaces the save dialog, so that a test can name the file without one.
    void setFileNameQuestion(FileNameQuestion question)
    {
        m_fileNameQuestion = std::move(question);
    }

private:
    void mnuDatotekaIzvestaj_Click();
    void mnuDatotekaStampa_Click();
    void mnuDatotekaIzlaz_Click();
    void mnuProracunPromenaUlaznihParametara_Click();
    void mnuProracunExtMUProizvoljnimPresecima_Click();
    void mnuProracunExtTUProizvoljnimPresecima_Click();
    void mnuProracunTacneAnvelope_Click();
    void cmdMomentSavijanjaUProizvoljnomPreseku_Click();
    void cmdTransverzalnaSilaUProizvoljnomPreseku_Click();
    void TabStrip1_Click();
    bool KontrolaPreseka();
    void createTabStrip();
    void createExtMPanel();
    void createExtTPanel();
    void createGrafik();
    void createMenu();
    void Form_Load();
    void preformatiraj();
    void setOuterSize(int widthTwips, int heightTwips);
    void setHighlights(int highlighted);
    void nacrtajDijagram();
    // The sheet's contents with the document fields the user confirms; nothing on cancel.
    std::optional<ProracunskiList::Sadrzaj> sadrzajIzvestaja();

    QLineEdit *displayField(QWidget *parent, const char *name, QRect rect);
    QLabel *label(QWidget *parent, const char *name, const QString &text, QRect rect,
        Qt::Alignment alignment = Qt::AlignLeft);
    // A display field that shows the record value that value reads.
    using Vrednost = double (RezultatiProracuna::*)() const;
    QLineEdit *recordField(QWidget *parent, const char *name, QRect rect, Vrednost value);

    const RezultatiProracuna m_rezultati;

    QTabBar *m_TabStrip1 = nullptr;
    QGroupBox *m_fraExtM = nullptr;
    QGroupBox *m_fraExtT = nullptr;
    PlatnoDijagrama *m_pctGrafik = nullptr;
    QProgressBar *m_ProgressBar1 = nullptr;
    QLabel *m_lblProcenat = nullptr;
    QLineEdit *m_txtMmax1 = nullptr;
    QLineEdit *m_txtMmax2 = nullptr;
    QLineEdit *m_txtProizvoljnoX = nullptr;
    QLineEdit *m_txtProizvoljnoXZaExtT = nullptr;
    QLineEdit *m_txtProizvoljnoKNmPI = nullptr;
    QLineEdit *m_txtProizvoljnoKNmPII = nullptr;
    QLineEdit *m_txtEXTMProizvoljniPresek = nullptr;
    QLineEdit *m_txtProizvoljnoMaxT = nullptr;
    QLineEdit *m_txtProizvoljnoMinT = nullptr;
    std::vector<QLineEdit *> m_tekstovi; // all text fields, for the re-format pass
    std::vector<std::pair<QLineEdit *, Vrednost>> m_poljaZapisa; // the fields of the record
    PetljaDijagrama m_petlja; // dblXgrafik, dblYgrafik
    FileNameQuestion m_fileNameQuestion;
    SaveQuestion m_dlgIzvestaj;
};
