// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/DijagramAnvelopa.h"

#include "core/KlasicnaAnvelopa.h"
#include "core/NumberText.h"
#include "core/RazmereDijagrama.h"

#include <cmath>

namespace {

// The one sampling loop of every stage: start, end and step are fixed before the first dot, the
// variable grows by repeated addition and a dot is drawn for every value up to and including the
// end. The variable is the window's own, so it keeps the value that ended the loop.
template <typename DrawDot>
void sample(double &variable, double start, double end, double step, DrawDot drawDot)
{
    for (variable = start; variable <= end; variable += step)
        drawDot(variable);
}

void reportProgress(ProgressDisplay &progress, int stage)
{
    progress.setValue(progressValue(stage));
    progress.setLabel(progressLabel(stage));
}

void writeText(DrawingSurface &surface, double x, double y, double points, const std::string &text)
{
    surface.setTextPosition(x, y);
    surface.setFontSize(points);
    surface.text(text);
}

} // namespace

void nacrtajDijagram(const RezultatiProracuna &r, DrawingSurface &surface,
    ProgressDisplay &progress, PetljaDijagrama &loop)
{
    progress.showBar(true);
    progress.setRange(0, 100);

    const RazmereDijagrama s = razmereDijagrama(r);
    const double sx = s.sx;
    const double sM = s.sM;
    const double sT = s.sT;
    const double L = r.ulaz().L;
    const double e = r.ulaz().e;
    const double R = r.dblR();
    using namespace KlasicnaAnvelopa;

    surface.setPixelUnits();
    double &x = loop.dblXgrafik;
    double &y = loop.dblYgrafik;
    int stage = 0;
    // Every stage sets its pen width after each dot, so its first dot keeps the width that the
    // stage before left behind.
    const auto finishStage = [&] { reportProgress(progress, ++stage); };

    // Stage 1: the beam line, pixel by pixel.
    sample(x, 25, 530, 1, [&](double px) {
        surface.dot(px, 25);
        surface.setPenWidth(4);
    });
    finishStage();

    double hx = korakGrede(L);

    // Stage 2: parabola I, thick where it governs (left of the intersection). Its coordinates are
    // truncated to whole pixels.
    sample(x, r.dblX01I(), r.dblX02I(), hx, [&](double xi) {
        y = parabolaI(r, xi);
        surface.dot(std::floor(25 + sx * xi), std::floor(25 + sM * y));
        surface.setPenWidth(xi < r.dblXpreseka() ? 4 : 1);
    });
    finishStage();

    // Stage 3: parabola II, thick right of the intersection.
    sample(x, r.dblX01II(), r.dblX02II(), hx, [&](double xi) {
        y = parabolaII(r, xi);
        surface.dot(25 + sx * xi, 25 + sM * y);
        surface.setPenWidth(xi > r.dblXpreseka() ? 4 : 1);
    });
    finishStage();

    // Stages 4 to 6: verticals down to both maxima and to the intersection.
    const double hM = korakMomenta(s.Mref);
    const auto momentVertical = [&](double x0, double mEnd) {
        sample(y, 0, mEnd, hM, [&](double m) {
            surface.dot(25 + sx * x0, 25 + sM * m);
            surface.setPenWidth(4);
        });
        finishStage();
    };
    momentVertical(r.dblXmaxI(), r.dblMmaxI());
    momentVertical(r.dblXmaxII(), r.dblMmaxII());
    momentVertical(r.dblXpreseka(), r.dblMpreseka());

    // Stage 7: the shear base line, ending 5 pixels short of the right support.
    sample(x, 25, 525, 1, [&](double px) {
        surface.dot(px, 300);
        surface.setPenWidth(4);
    });
    finishStage();

    hx = korakGrede(L);

    // Stages 8 to 15: the shear lines along the beam. y holds the shear negated, so that it maps
    // downwards like a moment.
    const auto shearLine = [&](double from, double to, int penWidth, auto negatedShear) {
        sample(x, from, to, hx, [&](double xi) {
            y = negatedShear(xi);
            surface.dot(25 + sx * xi, 300 + sT * y);
            surface.setPenWidth(penWidth);
        });
        finishStage();
    };
    shearLine(r.dblMaxTIIZonaVazenjaLevo(), r.dblMaxTIIZonaVazenjaDesno(), 4,
        [&](double xi) { return -maxTII(r, xi); });
    shearLine(0, r.dblMaxTIZonaVazenjaLevo(), 1, [&](double xi) { return -maxTI(r, xi); });
    shearLine(r.dblMaxTIZonaVazenjaLevo(), r.dblMaxTIZonaVazenjaDesno(), 4,
        [&](double xi) { return -maxTI(r, xi); });
    shearLine(0, L, 1, [&](double xi) { return -maxTRezultante(r, xi); });
    shearLine(r.dblMinTIZonaVazenjaLevo(), r.dblMinTIZonaVazenjaDesno(), 4,
        [&](double xi) { return -minTI(r, xi); });
    shearLine(r.dblMinTIZonaVazenjaDesno(), L, 1, [&](double xi) { return -minTI(r, xi); });
    shearLine(r.dblMinTIIZonaVazenjaLevo(), r.dblMinTIIZonaVazenjaDesno(), 4,
        [&](double xi) { return -minTII(r, xi); });

    // Stage 15: the negative reference line of R, truncated to whole pixels.
    sample(x, 0, L, hx, [&](double xi) {
        y = -minTRezultante(r, xi);
        surface.dot(std::floor(25 + sx * xi), std::floor(300 + sT * y));
        surface.setPenWidth(1);
    });
    finishStage();

    // Stages 16 to 23: thick verticals from the base line to the envelope, continued thin to the
    // reference line of R. maxT lies above the base line, minT below it.
    const double hT = korakSile(s.Tref);
    const auto shearVertical
        = [&](double px, double tFrom, double tTo, double direction, int penWidth) {
              sample(y, tFrom, tTo, hT, [&](double t) {
                  surface.dot(px, 300 + direction * (sT * t));
                  surface.setPenWidth(penWidth);
              });
              finishStage();
          };
    constexpr double up = -1;
    constexpr double down = 1;
    const double xMaxTII = 25 + sx * r.dblMaxTIIZonaVazenjaDesno();
    const KarakteristicneSile k = karakteristicneSile(r);
    const double t18 = k.maxTKrajZone;
    const double t20 = -k.minTDesno;
    const double xMinTI = 25 + sx * r.dblMinTIZonaVazenjaDesno();
    const double t22 = -k.minTKrajZone;
    shearVertical(25, 0, k.maxTLevo, up, 4);
    shearVertical(25, k.maxTLevo, R, up, 1);
    shearVertical(xMaxTII, 0, t18, up, 4);
    shearVertical(xMaxTII, t18, maxTRezultante(r, r.dblMaxTIIZonaVazenjaDesno()), up, 1);
    shearVertical(530, 0, t20, down, 4);
    shearVertical(530, t20, R, down, 1);
    shearVertical(xMinTI, 0, t22, down, 4);
    shearVertical(xMinTI, t22, -minTRezultante(r, r.dblMinTIZonaVazenjaDesno()), down, 1);

    // Stage 24: legends, the two circles and the characteristic values.
    writeText(surface, 60, 150, 15, "maxT");
    writeText(surface, 455, 430, 15, "minT");

    surface.setTextPosition(550, 100);
    surface.setFontSize(15);
    surface.setPenWidth(3);
    surface.text("extM");
    surface.circle(570, 112, 25);

    surface.setTextPosition(550, 285);
    surface.setFontSize(15);
    surface.setPenWidth(3);
    surface.text("extT");
    surface.circle(570, 297, 25);

    writeText(
        surface, sx * r.dblXmaxI(), 30 + sM * r.dblMmaxI(), 10, NumberText::dve(r.dblMmaxI()));
    writeText(surface, sx * r.dblXpreseka(), 42 + sM * r.dblMpreseka(), 10,
        NumberText::dve(r.dblMpreseka()));
    writeText(
        surface, sx * r.dblXmaxII(), 30 + sM * r.dblMmaxII(), 10, NumberText::dve(r.dblMmaxII()));

    // The values are written as magnitudes, minT's without its sign.
    writeText(surface, 30, 270 - sT * k.maxTLevo, 10, NumberText::dve(k.maxTLevo));
    writeText(surface, sx * L + 30, 330 + sT * -k.minTDesno, 10, NumberText::dve(-k.minTDesno));
    writeText(
        surface, sx * (L - e) + 30, 270 - sT * k.maxTKrajZone, 10, NumberText::dve(k.maxTKrajZone));
    writeText(
        surface, sx * e + 30, 330 + sT * -k.minTKrajZone, 10, NumberText::dve(-k.minTKrajZone));
    finishStage();

    progress.showBar(false);
}
