// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/RezultatiProracuna.h"

#include <algorithm>
#include <cmath>

namespace {

// Squares go through the general power function, as the published examples were computed.
double kvadrat(double y)
{
    return std::pow(y, 2.0);
}

} // namespace

void RezultatiProracuna::proracunaj(const UlazniParametri &ulaz)
{
    m_ulaz = ulaz;
    proracunajMomente(ulaz);
    proracunajTransverzalneSile(ulaz);
}

// Each step keeps the grouping of the published formulas: fields computed by different sequences
// (dblXpreseka and dblZonaVazenjaParaboleI) may differ in the last bit, and users compare them.
void RezultatiProracuna::proracunajMomente(const UlazniParametri &ulaz)
{
    const double P1 = ulaz.P1;
    const double P2 = ulaz.P2;
    const double e = ulaz.e;
    const double L = ulaz.L;

    m_dblR = P2 + P1;
    m_dblXr = (e * P2) / m_dblR;
    m_dblA1 = m_dblXr;
    m_dblA2 = m_dblXr - e;
    m_dblXmaxI = (L - m_dblA1) / 2;
    m_dblXmaxII = (L - m_dblA2) / 2;
    m_dblX01I = 0;
    m_dblX02I = m_dblXmaxI + m_dblXmaxI;

    // D is ((L - e*P1/R)/2)^2 in real arithmetic; rounding can take it a hair below zero when
    // e*P1/R is within rounding of L (P2 tiny, e next to L), where both roots are XmaxII.
    const auto D = [&] { return std::max(0.0, kvadrat(m_dblXmaxII) - ((P1 * L) * e) / m_dblR); };
    m_dblX01II = m_dblXmaxII - std::sqrt(D());
    m_dblX02II = std::sqrt(D()) + m_dblXmaxII;

    m_dblXpreseka = (P1 * L) / m_dblR;
    m_dblMmaxI = (kvadrat(m_dblXmaxI) * m_dblR) / L;
    m_dblMmaxII = (kvadrat(m_dblXmaxII) * m_dblR) / L - P1 * e;
    // Parabola I at its intersection with parabola II, written out from the inputs.
    m_dblMpreseka = ((((m_dblR / L) * (L - m_dblA1)) * L / m_dblR) * P1)
        - (m_dblR / L) * kvadrat((L / m_dblR) * P1);
    m_dblKonstantaAI = (L - m_dblA1) * (m_dblR / L);
    m_dblKonstantaBI = m_dblR / L;
    m_dblKonstantaAII = (L - m_dblA2) * (m_dblR / L);
    m_dblKonstantaBII = m_dblR / L;
    m_dblKonstantaCII = P1 * e;
    m_dblZonaVazenjaParaboleI = (L / m_dblR) * P1;
    m_dblZonaVazenjaParaboleII = (L / m_dblR) * P2;
}

void RezultatiProracuna::proracunajTransverzalneSile(const UlazniParametri &ulaz)
{
    const double P1 = ulaz.P1;
    const double P2 = ulaz.P2;
    const double e = ulaz.e;
    const double L = ulaz.L;

    // Equal to R/L in real arithmetic; the longer form is kept for identical last digits.
    m_dblKAmaxTII = (1 / (L - e)) * (m_dblR * (1 - e / L));
    m_dblKBmaxTII = m_dblR - (P2 * e) / L;
    m_dblKAmaxTI = P1 / L;
    m_dblKBmaxTI = P1;
    m_dblKAminTI = P2 / L;
    m_dblKAminTII = m_dblR / L;
    m_dblKBminTII = (P1 / L) * e;
    m_dblMaxTIIZonaVazenjaLevo = 0;
    m_dblMaxTIIZonaVazenjaDesno = L - e;
    m_dblMaxTIZonaVazenjaLevo = L - e;
    m_dblMaxTIZonaVazenjaDesno = L;
    m_dblMinTIZonaVazenjaLevo = 0;
    m_dblMinTIZonaVazenjaDesno = e;
    m_dblMinTIIZonaVazenjaLevo = e;
    m_dblMinTIIZonaVazenjaDesno = L;
}

std::vector<PoljeRezultata> RezultatiProracuna::polja() const
{
    return {
        { "dblR", m_dblR, Jedinica::kN },
        { "dblXr", m_dblXr, Jedinica::m },
        { "dblA1", m_dblA1, Jedinica::m },
        { "dblA2", m_dblA2, Jedinica::m },
        { "dblX01I", m_dblX01I, Jedinica::m },
        { "dblX02I", m_dblX02I, Jedinica::m },
        { "dblXmaxI", m_dblXmaxI, Jedinica::m },
        { "dblX01II", m_dblX01II, Jedinica::m },
        { "dblX02II", m_dblX02II, Jedinica::m },
        { "dblXmaxII", m_dblXmaxII, Jedinica::m },
        { "dblXpreseka", m_dblXpreseka, Jedinica::m },
        { "dblMmaxI", m_dblMmaxI, Jedinica::kNm },
        { "dblMmaxII", m_dblMmaxII, Jedinica::kNm },
        { "dblMpreseka", m_dblMpreseka, Jedinica::kNm },
        { "dblKonstantaAI", m_dblKonstantaAI, Jedinica::kN },
        { "dblKonstantaBI", m_dblKonstantaBI, Jedinica::kNPoM },
        { "dblKonstantaAII", m_dblKonstantaAII, Jedinica::kN },
        { "dblKonstantaBII", m_dblKonstantaBII, Jedinica::kNPoM },
        { "dblKonstantaCII", m_dblKonstantaCII, Jedinica::kNm },
        { "dblZonaVazenjaParaboleI", m_dblZonaVazenjaParaboleI, Jedinica::m },
        { "dblZonaVazenjaParaboleII", m_dblZonaVazenjaParaboleII, Jedinica::m },
        { "dblKAmaxTII", m_dblKAmaxTII, Jedinica::kNPoM },
        { "dblKBmaxTII", m_dblKBmaxTII, Jedinica::kN },
        { "dblKAmaxTI", m_dblKAmaxTI, Jedinica::kNPoM },
        { "dblKBmaxTI", m_dblKBmaxTI, Jedinica::kN },
        { "dblKAminTI", m_dblKAminTI, Jedinica::kNPoM },
        { "dblKAminTII", m_dblKAminTII, Jedinica::kNPoM },
        { "dblKBminTII", m_dblKBminTII, Jedinica::kN },
        { "dblMaxTIIZonaVazenjaLevo", m_dblMaxTIIZonaVazenjaLevo, Jedinica::m },
        { "dblMaxTIIZonaVazenjaDesno", m_dblMaxTIIZonaVazenjaDesno, Jedinica::m },
        { "dblMaxTIZonaVazenjaLevo", m_dblMaxTIZonaVazenjaLevo, Jedinica::m },
        { "dblMaxTIZonaVazenjaDesno", m_dblMaxTIZonaVazenjaDesno, Jedinica::m },
        { "dblMinTIZonaVazenjaLevo", m_dblMinTIZonaVazenjaLevo, Jedinica::m },
        { "dblMinTIZonaVazenjaDesno", m_dblMinTIZonaVazenjaDesno, Jedinica::m },
        { "dblMinTIIZonaVazenjaLevo", m_dblMinTIIZonaVazenjaLevo, Jedinica::m },
        { "dblMinTIIZonaVazenjaDesno", m_dblMinTIIZonaVazenjaDesno, Jedinica::m },
    };
}
