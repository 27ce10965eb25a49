// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The blocks of the calculation sheet, in the order it reads: the page heading and footer, the
// title, the inputs with the beam sketch, the moment and shear equations and the listing. The
// diagram's block is in ProracunskiListDijagram, the summary and method in ProracunskiListRezime.

#include "output/ProracunskiListPlatno.h"

#include "core/RezultatiProracuna.h"

#include <QByteArray>
#include <QDateTime>
#include <QPagedPaintDevice>

#include <functional>
#include <string>
#include <vector>

namespace ProracunskiList {

// Lays the blocks out on pages and paints them with the heading and the "strana k od N" footer;
// returns the number of pages painted.
int nacrtajStrane(Platno &c, const std::function<bool()> &novaStrana,
    const std::vector<Blok> &blokovi, const QDateTime &vremeIzrade);

// Sets the device to A4 portrait without margins and runs crtaj with a painter on it and the
// device's dots per millimetre; returns what crtaj returns.
int naA4(QPagedPaintDevice &uredjaj, const std::function<int(QPainter &, double)> &crtaj);

// A PDF file's bytes of what crtaj paints on the writer.
QByteArray pdf(const std::function<void(QPagedPaintDevice &)> &crtaj);

// The heading of every page: program, subject, date and time in a framed title block.
// A filled arrowhead with its tip at (x, y), pointing down: a force on a sketch.
void strelica(Platno &c, double x, double y);
void zaglavlje(Platno &c, const QString &vreme);
void podnozje(Platno &c, int strana, int ukupno);

// The sheet's title and, under it, what the sheet is about.
Blok naslovLista(const QString &podnaslov);
Blok ulazniParametri(int broj, const UlazniParametri &u);
Blok momenti(int broj, const RezultatiProracuna &r);
Blok sile(int broj, const RezultatiProracuna &r);
Blok listing(int broj, const RezultatiProracuna &r);

} // namespace ProracunskiList
