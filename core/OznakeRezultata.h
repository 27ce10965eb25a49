// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The captions of the results window's panels and fields, which the calculation sheet and
// kelvane-calc repeat beside the same values: written once, as the window spells them, in the
// window's translation context "frmIzlazna".

#include "core/Language.h"

namespace OznakeRezultata {

inline constexpr const char *proracunMomenata
    = KELVANE_TEXT("frmIzlazna", "Proracun extremnih vrednosti momenata savijanja");
inline constexpr const char *jednacinaParaboleI
    = KELVANE_TEXT("frmIzlazna", "Jednacina parabole I =");
inline constexpr const char *jednacinaParaboleII
    = KELVANE_TEXT("frmIzlazna", "Jednacina parabole II =");
inline constexpr const char *ekstremneVrednosti = KELVANE_TEXT("frmIzlazna", "Extremne vrednosti ");
inline constexpr const char *nulteTacke = KELVANE_TEXT("frmIzlazna", "Nulte tacke");
inline constexpr const char *presekParabola = KELVANE_TEXT("frmIzlazna", "Presek parabola I i II");
inline constexpr const char *xPreseka = KELVANE_TEXT("frmIzlazna", "X preseka [m]");
inline constexpr const char *mPreseka = KELVANE_TEXT("frmIzlazna", "Mpreseka [kNm]");
inline constexpr const char *parabolaI = KELVANE_TEXT("frmIzlazna", "Parabola I");
inline constexpr const char *parabolaII = KELVANE_TEXT("frmIzlazna", "Parabola II");
inline constexpr const char *zoneVazenja = KELVANE_TEXT("frmIzlazna", "Zone vazenja");
inline constexpr const char *zonaParaboleI
    = KELVANE_TEXT("frmIzlazna", "Zona vazenja parabole I  \u00B5[m]=");
inline constexpr const char *zonaParaboleII
    = KELVANE_TEXT("frmIzlazna", "Zona vazenja parabole II \u00B5[m]=");
inline constexpr const char *proracunSila
    = KELVANE_TEXT("frmIzlazna", "Proracun extremnih vrednosti transverzalnih sila");
inline constexpr const char *jednacineSila
    = KELVANE_TEXT("frmIzlazna", "Jednacine dijagrama extremnih vrednosti transverzalnih sila");
inline constexpr const char *momentUPreseku
    = KELVANE_TEXT("frmIzlazna", "Extremne vrednosti momenta savijanja u zadatom preseku");
inline constexpr const char *silaUPreseku
    = KELVANE_TEXT("frmIzlazna", "Extremne vrednosti transverzalnih sila u zadatom preseku");

} // namespace OznakeRezultata
