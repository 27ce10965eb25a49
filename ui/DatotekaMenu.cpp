// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/DatotekaMenu.h"

#include "core/KontroleUnosa.h"
#include "ui/basGlavni.h"

#include <QLineEdit>

bool KontrolaBrojaPolja(QLineEdit *txtBrojPolja)
{
    if (KontroleUnosa::KontrolaBrojaPolja(txtBrojPolja->text().toStdString()))
        return true;
    txtBrojPolja->setText(QString::fromUtf8(KontroleUnosa::pocetniBrojPolja));
    NumericField::focus(txtBrojPolja);
    return false;
}
