// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The calculation sheet: the document fields, the inputs with the beam sketch, the governing
// values (absolute maximum moment, support shears, where the classical envelope is short), the
// method and assumptions, the envelope equations with their zones and characteristic values, the
// exact and classical envelopes drawn, and the listing at eleven sections with both envelopes
// side by side, on A4 portrait pages with "strana k od N" in every footer.
// One painter serves the PDF file and the printer, so that paper and file never differ; it needs
// no widget, so the command-line calculator writes the same sheet.

#include "core/PodaciDokumenta.h"
#include "core/RezultatiProracuna.h"

#include <QByteArray>
#include <QDateTime>

#include <functional>
#include <string>
#include <vector>

class QPagedPaintDevice;
class QPainter;

namespace ProracunskiList {

// What the sheet shows besides the record.
struct Sadrzaj
{
    UlazniParametri ulaz; // P1, P2 (kN), e, L (m) from which the record was calculated
    PodaciDokumenta dokument;
    QDateTime vreme; // printed in every page's heading
};

// Paints every page on the painter, whose origin is the paper's corner, at the given device dots
// per millimetre; novaStrana moves to a fresh page and says whether it could. Returns the number
// of pages painted. Any paint device serves: a PDF, a printer, an image of one page.
int nacrtaj(QPainter &painter, double tackePoMm, const std::function<bool()> &novaStrana,
    const RezultatiProracuna &r, const Sadrzaj &sadrzaj);

// Sets the device to A4 portrait without margins and paints every page, starting on the
// device's current page; returns the number of pages. The painter's origin must be the paper's
// corner: true of a QPdfWriter, and of a QPrinter in full-page mode.
int nacrtaj(QPagedPaintDevice &uredjaj, const RezultatiProracuna &r, const Sadrzaj &sadrzaj);

// The sheet as the bytes of a PDF file; text stays text (selectable and searchable).
QByteArray pdf(const RezultatiProracuna &r, const Sadrzaj &sadrzaj);

} // namespace ProracunskiList
