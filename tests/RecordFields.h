#pragma once

// All 36 fields of the calculation record in their declared order, for tests that compare whole
// records or check every field.

#include "core/RezultatiProracuna.h"

#include <vector>

inline std::vector<double> sviFields(const RezultatiProracuna &r)
{
    return { r.dblR(), r.dblXr(), r.dblA1(), r.dblA2(), r.dblX01I(), r.dblX02I(), r.dblXmaxI(),
        r.dblX01II(), r.dblX02II(), r.dblXmaxII(), r.dblXpreseka(), r.dblMmaxI(), r.dblMmaxII(),
        r.dblMpreseka(), r.dblKonstantaAI(), r.dblKonstantaBI(), r.dblKonstantaAII(),
        r.dblKonstantaBII(), r.dblKonstantaCII(), r.dblZonaVazenjaParaboleI(),
        r.dblZonaVazenjaParaboleII(), r.dblKAmaxTII(), r.dblKBmaxTII(), r.dblKAmaxTI(),
        r.dblKBmaxTI(), r.dblKAminTI(), r.dblKAminTII(), r.dblKBminTII(),
        r.dblMaxTIIZonaVazenjaLevo(), r.dblMaxTIIZonaVazenjaDesno(), r.dblMaxTIZonaVazenjaLevo(),
        r.dblMaxTIZonaVazenjaDesno(), r.dblMinTIZonaVazenjaLevo(), r.dblMinTIZonaVazenjaDesno(),
        r.dblMinTIIZonaVazenjaLevo(), r.dblMinTIIZonaVazenjaDesno() };
}
