// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The envelope diagram as a picture file, exactly as the "dijagram" tab draws it: the same stages
// on the same raster surface at the tab's size, transparent where nothing is drawn. It needs no
// window, so the command line writes the same picture without a display.

#include "core/RezultatiProracuna.h"

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QSize>

namespace DijagramSlika {

// The tab's drawing area, 9300 x 6975 twips.
inline constexpr QSize velicina(620, 465);

QImage slika(const RezultatiProracuna &r, QColor boja = Qt::black);

// The picture as the bytes of a PNG file.
QByteArray png(const RezultatiProracuna &r);

} // namespace DijagramSlika
