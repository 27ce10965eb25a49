// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The calculation sheet: the inputs with the beam sketch, the envelope equations with their zones
// and characteristic values, the diagram as vector paths, the exact-envelope summary and the
// listing at eleven sections, on A4 portrait pages with "strana k od N" in every footer.
// One painter serves the PDF file and the printer, so that paper and file never differ; it needs
// no widget, so the command-line calculator writes the same sheet.

#include "core/RezultatiProracuna.h"

#include <QByteArray>
#include <QDateTime>

#include <string>
#include <vector>

class QPagedPaintDevice;

namespace ProracunskiList {

// What the sheet shows besides the record.
struct Sadrzaj
{
    UlazniParametri ulaz; // P1, P2 (kN), e, L (m) from which the record was calculated
    std::vector<std::string> tacnaAnvelopa; // summary lines of the exact-envelope comparison
    QDateTime vreme; // printed in every page's heading
};

// Sets the device to A4 portrait without margins and paints every page, starting on the
// device's current page; returns the number of pages. The painter's origin must be the paper's
// corner: true of a QPdfWriter, and of a QPrinter in full-page mode.
int nacrtaj(QPagedPaintDevice &uredjaj, const RezultatiProracuna &r, const Sadrzaj &sadrzaj);

// The sheet as the bytes of a PDF file; text stays text (selectable and searchable).
QByteArray pdf(const RezultatiProracuna &r, const Sadrzaj &sadrzaj);

} // namespace ProracunskiList
