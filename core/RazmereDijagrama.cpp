// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/RazmereDijagrama.h"

#include "core/KlasicnaAnvelopa.h"
#include "core/NumberText.h"

RazmereDijagrama razmereDijagrama(const RezultatiProracuna &r)
{
    RazmereDijagrama s;
    s.sx = 505 / r.ulaz().L;
    s.Mref = r.dblMmaxI() > r.dblMmaxII() ? r.dblMmaxI() : r.dblMmaxII();
    s.sM = 150 / s.Mref;
    s.q = -KlasicnaAnvelopa::karakteristicneSile(r).minTDesno;
    const double maxTLevo = KlasicnaAnvelopa::karakteristicneSile(r).maxTLevo;
    s.Tref = s.q < maxTLevo ? maxTLevo : s.q;
    s.sT = 100 / s.Tref;
    return s;
}

double korakGrede(double L)
{
    if (L < 0.5)
        return 0.00001;
    if (L <= 1)
        return 0.0001;
    if (L <= 10)
        return 0.001;
    if (L <= 100)
        return 0.01;
    if (L <= 1000)
        return 0.1;
    return 1;
}

double korakMomenta(double Mref)
{
    if (Mref < 0.1)
        return 0.0000001;
    if (Mref <= 0.5)
        return 0.0001;
    if (Mref <= 1)
        return 0.001;
    if (Mref <= 10)
        return 0.01;
    if (Mref <= 100)
        return 0.1;
    if (Mref <= 1000)
        return 1;
    if (Mref <= 10000)
        return 10;
    if (Mref <= 100000)
        return 100;
    if (Mref <= 1000000)
        return 1000;
    return 10000;
}

// Differs from the moment table below 0.1 (ten times coarser) and above 100000 (never above 200).
double korakSile(double Tref)
{
    if (Tref < 0.1)
        return 0.000001;
    if (Tref <= 0.5)
        return 0.0001;
    if (Tref <= 1)
        return 0.001;
    if (Tref <= 10)
        return 0.01;
    if (Tref <= 100)
        return 0.1;
    if (Tref <= 1000)
        return 1;
    if (Tref <= 10000)
        return 10;
    if (Tref <= 100000)
        return 100;
    return 200;
}

float progressValue(int stage)
{
    return static_cast<float>(stage) * 100.0f / 24.0f;
}

std::string progressLabel(int stage)
{
    return NumberText::fixed(stage * 100.0 / 24.0, 0) + "%";
}
