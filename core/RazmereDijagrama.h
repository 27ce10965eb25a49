// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The numbers that fix the diagram's geometry before the first dot: the three scales with their
// reference values, the three sampling steps, and the progress after each of the 24 stages.

#include "core/RezultatiProracuna.h"

#include <string>

struct RazmereDijagrama
{
    double sx = 0.0; // pixels per metre: x = 0 at pixel 25, x = L at pixel 530
    double Mref = 0.0; // the larger parabola maximum
    double sM = 0.0; // pixels per kNm: Mref lies 150 pixels below the beam line
    double q = 0.0; // magnitude of the minT line II at the right end of its zone
    double Tref = 0.0; // the larger of maxT at the left support and q
    double sT = 0.0; // pixels per kN: Tref lies 100 pixels from the shear base line
};

// Computed in this order: sx, then Mref and sM, then q, Tref and sT.
RazmereDijagrama razmereDijagrama(const RezultatiProracuna &r);

// The step tables are closed at their upper ends: a value on a boundary takes the lower step.
double korakGrede(double L); // hx in m
double korakMomenta(double Mref); // hM in kNm
double korakSile(double Tref); // hT in kN

// Progress after stage k of 24: the bar's value k*100/24 in single precision, and the label text,
// the same share as a whole number ("#0") followed by "%".
float progressValue(int stage);
std::string progressLabel(int stage);
