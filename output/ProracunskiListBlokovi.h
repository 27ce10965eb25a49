// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The blocks of the calculation sheet, in the order it reads: the page heading and footer, the
// title, the inputs with the beam sketch, the moment and shear equations and the listing. The
// diagram's block is in ProracunskiListDijagram, the summary and method in ProracunskiListRezime.

#include "output/ProracunskiListPlatno.h"

#include "core/RezultatiProracuna.h"

#include <string>
#include <vector>

namespace ProracunskiList {

// The heading of every page: program, subject, date and time in a framed title block.
void zaglavlje(Platno &c, const QString &vreme);
void podnozje(Platno &c, int strana, int ukupno);

Blok naslovLista();
Blok ulazniParametri(int broj, const UlazniParametri &u);
Blok momenti(int broj, const RezultatiProracuna &r);
Blok sile(int broj, const RezultatiProracuna &r);
Blok listing(int broj, const RezultatiProracuna &r);

} // namespace ProracunskiList
