// SPDX-License-Identifier: GPL-3.0-or-later

// What frmNizSila draws and prints: its plot, and its calculation sheet saved or on paper.

#include "ui/niz/frmNizSila.h"

#include "output/CrtezAnvelopa.h"
#include "ui/Messages.h"
#include "ui/StampaLista.h"
#include "ui/dlgPodaciDokumenta.h"

#include <QPainter>

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

void frmNizSila::mnuDatotekaStampa_Click()
{
    const auto sadrzaj = sadrzajIzvestaja();
    if (!sadrzaj)
        return;
    stampajList(
        this, [&] { return ProracunskiList::pdfNiza(*sadrzaj); },
        [&](QPagedPaintDevice &printer) { return ProracunskiList::nacrtajNiz(printer, *sadrzaj); });
}
