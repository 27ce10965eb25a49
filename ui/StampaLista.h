// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// "Stampa..." of the windows that print a calculation sheet: the print dialog, then the sheet on
// the printer or, when the dialog names a file, the sheet's PDF through the save routine.

#include <QByteArray>

#include <functional>

class QPagedPaintDevice;
class QWidget;

// pdf gives the sheet's bytes, nacrtaj paints it on a printer and returns its page count.
void stampajList(QWidget *parent, const std::function<QByteArray()> &pdf,
    const std::function<int(QPagedPaintDevice &)> &nacrtaj);
