// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The calculation record: the 36 derived quantities of the moment and shear envelopes of a simply
// supported beam under a moving pair of coupled forces. Only proracunaj() writes it; every window
// reads it through a const reference and the accessors named after the fields.

#include <vector>

// The four inputs as the user typed them: P1 left force (kN), P2 right force (kN), e distance from
// P1 to P2 (m), L span (m).
struct UlazniParametri
{
    double P1 = 0.0;
    double P2 = 0.0;
    double e = 0.0;
    double L = 0.0;
};

// The unit of a field: values of one unit are one quantity for output that rounds them alike.
enum class Jedinica { m, kN, kNm, kNPoM };

// One field of the record by its name, for output that lists them all.
struct PoljeRezultata
{
    const char *ime;
    double vrednost;
    Jedinica jedinica;
};

class RezultatiProracuna
{
public:
    // Overwrites every field: the moment envelope first, then the shear envelope, which reuses
    // dblR. The input window calls it only with inputs its checks have accepted.
    void proracunaj(const UlazniParametri &ulaz);

    // The inputs the record was calculated from: whoever holds the record holds them too.
    const UlazniParametri &ulaz() const { return m_ulaz; }

    double dblR() const { return m_dblR; }
    double dblXr() const { return m_dblXr; }
    double dblA1() const { return m_dblA1; }
    double dblA2() const { return m_dblA2; }
    double dblX01I() const { return m_dblX01I; }
    double dblX02I() const { return m_dblX02I; }
    double dblXmaxI() const { return m_dblXmaxI; }
    double dblX01II() const { return m_dblX01II; }
    double dblX02II() const { return m_dblX02II; }
    double dblXmaxII() const { return m_dblXmaxII; }
    double dblXpreseka() const { return m_dblXpreseka; }
    double dblMmaxI() const { return m_dblMmaxI; }
    double dblMmaxII() const { return m_dblMmaxII; }
    double dblMpreseka() const { return m_dblMpreseka; }
    double dblKonstantaAI() const { return m_dblKonstantaAI; }
    double dblKonstantaBI() const { return m_dblKonstantaBI; }
    double dblKonstantaAII() const { return m_dblKonstantaAII; }
    double dblKonstantaBII() const { return m_dblKonstantaBII; }
    double dblKonstantaCII() const { return m_dblKonstantaCII; }
    double dblZonaVazenjaParaboleI() const { return m_dblZonaVazenjaParaboleI; }
    double dblZonaVazenjaParaboleII() const { return m_dblZonaVazenjaParaboleII; }
    double dblKAmaxTII() const { return m_dblKAmaxTII; }
    double dblKBmaxTII() const { return m_dblKBmaxTII; }
    double dblKAmaxTI() const { return m_dblKAmaxTI; }
    double dblKBmaxTI() const { return m_dblKBmaxTI; }
    double dblKAminTI() const { return m_dblKAminTI; }
    double dblKAminTII() const { return m_dblKAminTII; }
    double dblKBminTII() const { return m_dblKBminTII; }
    double dblMaxTIIZonaVazenjaLevo() const { return m_dblMaxTIIZonaVazenjaLevo; }
    double dblMaxTIIZonaVazenjaDesno() const { return m_dblMaxTIIZonaVazenjaDesno; }
    double dblMaxTIZonaVazenjaLevo() const { return m_dblMaxTIZonaVazenjaLevo; }
    double dblMaxTIZonaVazenjaDesno() const { return m_dblMaxTIZonaVazenjaDesno; }
    double dblMinTIZonaVazenjaLevo() const { return m_dblMinTIZonaVazenjaLevo; }
    double dblMinTIZonaVazenjaDesno() const { return m_dblMinTIZonaVazenjaDesno; }
    double dblMinTIIZonaVazenjaLevo() const { return m_dblMinTIIZonaVazenjaLevo; }
    double dblMinTIIZonaVazenjaDesno() const { return m_dblMinTIIZonaVazenjaDesno; }

    // All 36 fields in their declared order, each under its accessor's name.
    std::vector<PoljeRezultata> polja() const;

private:
    void proracunajMomente(const UlazniParametri &ulaz);
    void proracunajTransverzalneSile(const UlazniParametri &ulaz);

    UlazniParametri m_ulaz;
    double m_dblR = 0.0;
    double m_dblXr = 0.0;
    double m_dblA1 = 0.0;
    double m_dblA2 = 0.0;
    double m_dblX01I = 0.0;
    double m_dblX02I = 0.0;
    double m_dblXmaxI = 0.0;
    double m_dblX01II = 0.0;
    double m_dblX02II = 0.0;
    double m_dblXmaxII = 0.0;
    double m_dblXpreseka = 0.0;
    double m_dblMmaxI = 0.0;
    double m_dblMmaxII = 0.0;
    double m_dblMpreseka = 0.0;
    double m_dblKonstantaAI = 0.0;
    double m_dblKonstantaBI = 0.0;
    double m_dblKonstantaAII = 0.0;
    double m_dblKonstantaBII = 0.0;
    double m_dblKonstantaCII = 0.0;
    double m_dblZonaVazenjaParaboleI = 0.0;
    double m_dblZonaVazenjaParaboleII = 0.0;
    double m_dblKAmaxTII = 0.0;
    double m_dblKBmaxTII = 0.0;
    double m_dblKAmaxTI = 0.0;
    double m_dblKBmaxTI = 0.0;
    double m_dblKAminTI = 0.0;
    double m_dblKAminTII = 0.0;
    double m_dblKBminTII = 0.0;
    double m_dblMaxTIIZonaVazenjaLevo = 0.0;
    double m_dblMaxTIIZonaVazenjaDesno = 0.0;
    double m_dblMaxTIZonaVazenjaLevo = 0.0;
    double m_dblMaxTIZonaVazenjaDesno = 0.0;
    double m_dblMinTIZonaVazenjaLevo = 0.0;
    double m_dblMinTIZonaVazenjaDesno = 0.0;
    double m_dblMinTIIZonaVazenjaLevo = 0.0;
    double m_dblMinTIIZonaVazenjaDesno = 0.0;
};
