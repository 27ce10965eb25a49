// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the windows that list values at the sections of the span share: their "Datoteka" menu
// ("Proracun", "Snimi", "Izlaz") and the check of their field count.

#include "ui/Controls.h"

class QLineEdit;
class QMenuBar;

template <typename Window>
QMenu *addDatotekaMenu(QMenuBar *bar, Window *window, void (Window::*proracun)(),
    void (Window::*snimi)(), void (Window::*izlaz)())
{
    QMenu *datoteka = addNamedMenu(bar, "mnuDatoteka", QStringLiteral("Datoteka"));
    addNamedCommand(datoteka, "mnuDatotekaProracun", QStringLiteral("Proracun"), window, proracun);
    addNamedCommand(datoteka, "mnuDatotekaSnimi", QStringLiteral("Snimi"), window, snimi);
    addNamedCommand(datoteka, "mnuDatotekaIzlaz", QStringLiteral("Izlaz"), window, izlaz);
    return datoteka;
}

// True when the field holds a count the listings accept; otherwise, without a message, the field
// gets its start text back and the focus.
bool KontrolaBrojaPolja(QLineEdit *txtBrojPolja);
