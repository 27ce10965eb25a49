// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/RezultatiProracuna.h"

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

    // D is ((L - e*P1/R)/2)^2 in real arithmetic, so it is never negative for accepted inputs.
    const auto D = [&] { return kvadrat(m_dblXmaxII) - ((P1 * L) * e) / m_dblR; };
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
        { "dblR", m_dblR },
        { "dblXr", m_dblXr },
        { "dblA1", m_dblA1 },
        { "dblA2", m_dblA2 },
        { "dblX01I", m_dblX01I },
        { "dblX02I", m_dblX02I },
        { "dblXmaxI", m_dblXmaxI },
        { "dblX01II", m_dblX01II },
        { "dblX02II", m_dblX02II },
        { "dblXmaxII", m_dblXmaxII },
        { "dblXpreseka", m_dblXpreseka },
        { "dblMmaxI", m_dblMmaxI },
        { "dblMmaxII", m_dblMmaxII },
        { "dblMpreseka", m_dblMpreseka },
        { "dblKonstantaAI", m_dblKonstantaAI },
        { "dblKonstantaBI", m_dblKonstantaBI },
        { "dblKonstantaAII", m_dblKonstantaAII },
        { "dblKonstantaBII", m_dblKonstantaBII },
        { "dblKonstantaCII", m_dblKonstantaCII },
        { "dblZonaVazenjaParaboleI", m_dblZonaVazenjaParaboleI },
        { "dblZonaVazenjaParaboleII", m_dblZonaVazenjaParaboleII },
        { "dblKAmaxTII", m_dblKAmaxTII },
        { "dblKBmaxTII", m_dblKBmaxTII },
        { "dblKAmaxTI", m_dblKAmaxTI },
        { "dblKBmaxTI", m_dblKBmaxTI },
        { "dblKAminTI", m_dblKAminTI },
        { "dblKAminTII", m_dblKAminTII },
        { "dblKBminTII", m_dblKBminTII },
        { "dblMaxTIIZonaVazenjaLevo", m_dblMaxTIIZonaVazenjaLevo },
        { "dblMaxTIIZonaVazenjaDesno", m_dblMaxTIIZonaVazenjaDesno },
        { "dblMaxTIZonaVazenjaLevo", m_dblMaxTIZonaVazenjaLevo },
        { "dblMaxTIZonaVazenjaDesno", m_dblMaxTIZonaVazenjaDesno },
        { "dblMinTIZonaVazenjaLevo", m_dblMinTIZonaVazenjaLevo },
        { "dblMinTIZonaVazenjaDesno", m_dblMinTIZonaVazenjaDesno },
        { "dblMinTIIZonaVazenjaLevo", m_dblMinTIIZonaVazenjaLevo },
        { "dblMinTIIZonaVazenjaDesno", m_dblMinTIIZonaVazenjaDesno },
    };
}
