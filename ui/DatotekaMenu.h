// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the windows that list values at the sections of the span share: their "Datoteka" menu
// ("Proracun", "Snimi", "Izlaz") and the check of their field count.

#include "ui/Controls.h"

#include <QCoreApplication>

class QLineEdit;
class QMenuBar;

template <typename Window>
QMenu *addDatotekaMenu(QMenuBar *bar, Window *window, void (Window::*proracun)(),
    void (Window::*snimi)(), void (Window::*izlaz)())
{
    QMenu *datoteka
        = addNamedMenu(bar, "mnuDatoteka", QCoreApplication::translate("DatotekaMenu", "Datoteka"));
    addNamedCommand(datoteka, "mnuDatotekaProracun",
        QCoreApplication::translate("DatotekaMenu", "Proracun"), window, proracun);
    addNamedCommand(datoteka, "mnuDatotekaSnimi",
        QCoreApplication::translate("DatotekaMenu", "Snimi"), window, snimi);
    addNamedCommand(datoteka, "mnuDatotekaIzlaz",
        QCoreApplication::translate("DatotekaMenu", "Izlaz"), window, izlaz);
    return datoteka;
}

// The results window's section rule on a window's one section field: true when it holds a section
// of the span [0, L] (m); otherwise the refusal, the field's reset and the focus.
bool KontrolaPreseka(QLineEdit *txtPresek, double L);

// True when the field holds a count the listings accept; otherwise, without a message, the field
// gets its start text back and the focus.
bool KontrolaBrojaPolja(QLineEdit *txtBrojPolja);
