// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The plot of the exact and the classical envelopes: extM above, maxT and minT below, the exact
// ones solid and in colour, the classical ones dashed and grey, the zones where the classical
// falls short shaded, the absolute maximum moment marked. It paints with any QPainter (the window,
// a PDF page, paper) and uses Qt GUI only, never a widget.

#include "core/TacneAnvelope.h"

#include <QColor>

class QPainter;
class QRectF;

// The colours of the exact moment and shear envelopes and of the classical ones, for legends.
inline const QColor bojaMomenta(190, 30, 45);
inline const QColor bojaSile(25, 90, 190);
inline const QColor bojaKlasicne(128, 128, 128);

// Paints the comparison p for the span L (m) into rect, in the painter's device units; pens and
// margins scale with the device's resolution. With osaX an x axis in metres with ticks runs under
// the plot (the calculation sheet's reader has no cursor to read positions with). Without
// classical envelopes (empty pieces) only the exact ones are drawn and named.
void nacrtajAnvelope(QPainter &painter, const QRectF &rect, const TacneAnvelope::Poredjenje &p,
    double L, bool osaX = false);
