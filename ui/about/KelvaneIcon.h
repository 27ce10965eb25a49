// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The program's icon: a beam on two supports under two downward forces. The window shows it at
// 32 x 32 pixels; the desktop's icon files are painted by the same function at other sizes.

#include <QIcon>
#include <QImage>

class QPainter;

// Paints the icon into the square from (0, 0) to (size, size) of the painter's device. At 32
// pixels it is drawn pixel by pixel without smoothing; at other sizes the same shapes are scaled
// and their slanted edges smoothed. Leaves the painter's state as it found it.
void paintKelvaneIcon(QPainter &painter, int size);

// The 32 x 32 window icon. Needs no QGuiApplication.
QImage kelvaneIconImage();

QIcon kelvaneIcon();
