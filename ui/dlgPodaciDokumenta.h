// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// dlgPodaciDokumenta: the document fields of the calculation sheet (project, element, author,
// checker, revision), asked for before the sheet is saved or printed. The fields start with what
// was entered last time and are kept for the next run when the user confirms; any may stay
// empty, and the sheet then leaves a line to fill by hand.

#include "core/PodaciDokumenta.h"

#include <QDialog>

#include <optional>

class QLineEdit;

class dlgPodaciDokumenta : public QDialog
{
    Q_OBJECT

public:
    explicit dlgPodaciDokumenta(QWidget *parent);

    // Shows the dialog; the fields as confirmed, or nothing when the user cancels.
    static std::optional<PodaciDokumenta> pitaj(QWidget *parent);

    PodaciDokumenta podaci() const;

private:
    void procitaj();
    void sacuvaj() const;

    QLineEdit *m_txtProjekat, *m_txtElement, *m_txtAutor, *m_txtKontrolisao, *m_txtRevizija;
};
