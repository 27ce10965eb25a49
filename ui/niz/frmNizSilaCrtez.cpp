// SPDX-License-Identifier: GPL-3.0-or-later

// What frmNizSila draws and prints: its plot, and its calculation sheet saved or on paper.

#include "ui/niz/frmNizSila.h"

#include "output/CrtezAnvelopa.h"
#include "ui/Messages.h"
#include "ui/dlgPodaciDokumenta.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

using namespace TacneAnvelope;

PlotNiza::PlotNiza(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("pctNizAnvelope"));
    setMinimumSize(480, 300);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void PlotNiza::prikazi(const RezultatNiza &rezultat, double L)
{
    m_crtez = {};
    m_crtez.tacne = rezultat.anvelope;
    m_crtez.maksimum = rezultat.maksimum;
    m_L = L;
    nacrtaj();
    update();
}

void PlotNiza::nacrtaj()
{
    m_image = QImage(size(), QImage::Format_ARGB32_Premultiplied);
    m_image.fill(Qt::white);
    QPainter painter(&m_image);
    painter.setFont(font());
    nacrtajAnvelope(painter, QRectF(m_image.rect()), m_crtez, m_L, true);
}

void PlotNiza::resizeEvent(QResizeEvent *)
{
    nacrtaj();
}

void PlotNiza::paintEvent(QPaintEvent *)
{
    QPainter(this).drawImage(0, 0, m_image);
}

std::optional<ProracunskiList::SadrzajNiza> frmNizSila::sadrzajIzvestaja()
{
    const std::optional<PodaciDokumenta> dokument = dlgPodaciDokumenta::pitaj(this);
    if (!dokument)
        return std::nullopt;
    return ProracunskiList::SadrzajNiza { m_niz, *dokument, QDateTime::currentDateTime() };
}

void frmNizSila::mnuDatotekaIzvestaj_Click()
{
    const auto sadrzaj = sadrzajIzvestaja();
    if (!sadrzaj)
        return;
    const QString path = m_dlgIzvestaj.ask();
    if (path.isEmpty())
        return;
    saveWithMessage(this, path, ProracunskiList::pdfNiza(*sadrzaj),
        tr("Greska pri snimanju izvestaja!"), tr("Izvestaj"));
}

// As the results window prints: printing to a file goes through the save routine.
void frmNizSila::mnuDatotekaStampa_Click()
{
    const auto sadrzaj = sadrzajIzvestaja();
    if (!sadrzaj)
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setFullPage(true);
    printer.setPageSize(QPageSize(QPageSize::A4));
    QPrintDialog dialog(&printer, this);
    dialog.setObjectName(QStringLiteral("dlgStampa"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!printer.outputFileName().isEmpty()) {
        saveWithMessage(this, printer.outputFileName(), ProracunskiList::pdfNiza(*sadrzaj),
            tr("Greska pri stampanju izvestaja!"), tr("Izvestaj"));
        return;
    }
    if (ProracunskiList::nacrtajNiz(printer, *sadrzaj) == 0)
        Messages::error(
            this, tr("Greska pri stampanju izvestaja!"), tr("Izvestaj nije odstampan."));
}
