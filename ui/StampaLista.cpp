// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/StampaLista.h"

#include "ui/Messages.h"
#include "ui/SaveQuestion.h"

#include <QCoreApplication>
#include <QPrintDialog>
#include <QPrinter>

void stampajList(QWidget *parent, const std::function<QByteArray()> &pdf,
    const std::function<int(QPagedPaintDevice &)> &nacrtaj)
{
    const auto tr
        = [](const char *text) { return QCoreApplication::translate("frmIzlazna", text); };
    QPrinter printer(QPrinter::HighResolution);
    printer.setFullPage(true);
    printer.setPageSize(QPageSize(QPageSize::A4));
    QPrintDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("dlgStampa"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    // Printing to a file is a save like any other: written whole by the save routine, which
    // never blocks on a pipe and keeps the old file when the disk is full.
    if (!printer.outputFileName().isEmpty()) {
        saveWithMessage(parent, printer.outputFileName(), pdf(),
            tr("Greska pri stampanju izvestaja!"), tr("Izvestaj"));
        return;
    }
    if (nacrtaj(printer) == 0)
        Messages::error(
            parent, tr("Greska pri stampanju izvestaja!"), tr("Izvestaj nije odstampan."));
}
