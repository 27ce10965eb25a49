// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The calculation sheet of a train of moving forces, on the pair's sheet's pages and blocks: the
// document fields, the inputs with a sketch of the train, the governing values with their load
// positions, the method and assumptions, the exact envelopes over an axis in metres and the
// values at eleven sections.

#include "core/NizSila.h"
#include "core/PodaciDokumenta.h"

#include <QByteArray>
#include <QDateTime>

class QPagedPaintDevice;

namespace ProracunskiList {

struct SadrzajNiza
{
    TacneAnvelope::Niz niz;
    PodaciDokumenta dokument;
    QDateTime vreme;
};

// Every page on the device (a printer in full-page mode); returns the number of pages.
int nacrtajNiz(QPagedPaintDevice &uredjaj, const SadrzajNiza &sadrzaj);

QByteArray pdfNiza(const SadrzajNiza &sadrzaj);

} // namespace ProracunskiList
