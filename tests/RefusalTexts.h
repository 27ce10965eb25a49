// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The refusals the tests expect, spelled once: the caption of every refusal box of the input and
// results windows and each check's message, exactly as the user reads them.

#include <QString>

#include <map>

inline const QString naslovGreske = QStringLiteral("Greska pri unosu parametara proracuna!");
inline const QString porukaP1
    = QStringLiteral("U polje za unos vrednosti sile P1 mora biti unet decimalan broj!");
inline const QString porukaP2
    = QStringLiteral("U polje za unos vrednosti sile P2 mora biti unet decimalan broj!");
inline const QString porukaP2Nula = QStringLiteral(
    "Ako se na gredi nalazi samo jedna sila nesme se usvojiti da je vrednost sile P2 nula!");
inline const QString porukaRazmak = QStringLiteral(
    "U polje za unos vrednosti razmaka izmedu sila mora biti unet decimalan broj cija je "
    "vrednost jednaka ili manja  od vrednosti raspona grede!");
inline const QString porukaRaspon
    = QStringLiteral("U polje za unos vrednosti raspona grede mora biti unet decimalan broj!");
inline const QString porukaRastojanje = QStringLiteral(
    "Rastojanje izmedu sila nesme imati jednaku ili vecu vrednost od raspona grede!");
inline const QString porukaPreseka = QStringLiteral(
    "U polje za unos vrednosti promenljive X mora biti unesen decimalan broj cija se vrednost "
    "krece izmedu nule i velicine raspona grede!");
// The field of the input window that each of its messages puts the focus into.
inline const std::map<QString, QString> fokusPoruke {
    { porukaP1, QStringLiteral("txtSila1") },
    { porukaP2, QStringLiteral("txtSila2") },
    { porukaP2Nula, QStringLiteral("txtSila2") },
    { porukaRazmak, QStringLiteral("txtRazmakSila") },
    { porukaRaspon, QStringLiteral("txtRasponGrede") },
    { porukaRastojanje, QStringLiteral("txtRasponGrede") },
};
