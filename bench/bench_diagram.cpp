// SPDX-License-Identifier: GPL-3.0-or-later

// The envelope diagram drawn whole, dot by dot, for the start values of the input window and for
// the worst inputs the checks admit (about 3.2 million dots). Each case runs on the raster
// surface of the screen and on a surface that does nothing, the floor set by the arithmetic of
// the stages and one call per dot. The window case adds the real progress bar and label.

#include "BenchMain.h"
#include "core/DijagramAnvelopa.h"
#include "output/RasterSurface.h"
#include "ui/dijagram/PlatnoDijagrama.h"
#include "ui/dijagram/WidgetProgress.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>

#include <benchmark/benchmark.h>

namespace {

const UlazniParametri startValues { 206, 208, 5, 9 };
// Mref just under 0.1: the three moment verticals step by 0.0000001 kNm.
const UlazniParametri worstCase { 0.05, 0.05, 0.001, 4 };

class NullSurface : public DrawingSurface
{
public:
    void setPixelUnits() override { }
    void setPenWidth(int pixels) override { benchmark::DoNotOptimize(pixels); }
    void dot(double x, double y) override
    {
        benchmark::DoNotOptimize(x);
        benchmark::DoNotOptimize(y);
    }
    void circle(double, double, double) override { }
    void setTextPosition(double, double) override { }
    void setFontSize(double) override { }
    void text(const std::string &text) override { benchmark::DoNotOptimize(text.data()); }
};

RezultatiProracuna calculate(const UlazniParametri &ulaz)
{
    RezultatiProracuna r;
    r.proracunaj(ulaz);
    return r;
}

void drawOn(benchmark::State &state, const UlazniParametri &ulaz, DrawingSurface &surface)
{
    const RezultatiProracuna r = calculate(ulaz);
    NoProgress progress;
    PetljaDijagrama loop;
    for (auto _ : state)
        nacrtajDijagram(r, surface, progress, loop);
}

void BM_StartValues_Null(benchmark::State &state)
{
    NullSurface surface;
    drawOn(state, startValues, surface);
}

void BM_StartValues_Raster(benchmark::State &state)
{
    RasterSurface surface(QSize(620, 465), Qt::black);
    drawOn(state, startValues, surface);
}

void BM_WorstCase_Null(benchmark::State &state)
{
    NullSurface surface;
    drawOn(state, worstCase, surface);
}

void BM_WorstCase_Raster(benchmark::State &state)
{
    RasterSurface surface(QSize(620, 465), Qt::black);
    drawOn(state, worstCase, surface);
}

// What the user waits for: pctGrafik shown with ProgressBar1 and lblProcenat, both repainted
// after every stage.
void BM_StartValues_Window(benchmark::State &state)
{
    const RezultatiProracuna r = calculate(startValues);
    PlatnoDijagrama canvas(nullptr);
    auto *bar = new QProgressBar(&canvas);
    bar->setGeometry(3, 3, 576, 16);
    auto *label = new QLabel(&canvas);
    label->setGeometry(579, 3, 37, 16);
    canvas.show();
    QCoreApplication::processEvents();
    WidgetProgress progress(bar, label);
    PetljaDijagrama loop;
    for (auto _ : state) {
        nacrtajDijagram(r, canvas.surface(), progress, loop);
        state.PauseTiming();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK(BM_StartValues_Null)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartValues_Raster)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartValues_Window)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WorstCase_Null)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WorstCase_Raster)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    return runBenchmarks<QApplication>(argc, argv);
}
