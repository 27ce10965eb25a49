// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/DatotekaMenu.h"

#include "core/KontroleUnosa.h"
#include "ui/Messages.h"
#include "ui/basGlavni.h"

#include <QLineEdit>

bool KontrolaPreseka(QLineEdit *txtPresek, double L)
{
    const auto odbijanja = KontroleUnosa::KontrolaPreseka(txtPresek->text().toStdString(), "0", L);
    for (const KontroleUnosa::OdbijanjePreseka &o : odbijanja) {
        Messages::refusal(txtPresek->window(), o.poruka);
        txtPresek->setText(QString::fromStdString(o.reset));
        NumericField::focus(txtPresek);
    }
    return odbijanja.empty();
}

bool KontrolaBrojaPolja(QLineEdit *txtBrojPolja)
{
    if (KontroleUnosa::KontrolaBrojaPolja(txtBrojPolja->text().toStdString()))
        return true;
    txtBrojPolja->setText(QString::fromUtf8(KontroleUnosa::pocetniBrojPolja));
    NumericField::focus(txtBrojPolja);
    return false;
}
