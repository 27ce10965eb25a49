// SPDX-License-Identifier: GPL-3.0-or-later

// The exact envelopes for the start values of the input window: the values at one section (what a
// tooltip or a table cell costs), the whole comparison with the classical envelopes, and
// frmTacneAnvelope opened and painted as the user waits for it.

#include "BenchMain.h"
#include "core/TacneAnvelope.h"
#include "ui/exact/frmTacneAnvelope.h"

#include <QApplication>
#include <QLoggingCategory>

#include <benchmark/benchmark.h>

namespace {

const UlazniParametri startValues { 206, 208, 5, 9 };

void BM_Section(benchmark::State &state)
{
    RezultatiProracuna r;
    r.proracunaj(startValues);
    double x = 0.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(TacneAnvelope::tacneVrednosti(r, x));
        x = x < 9.0 ? x + 0.001 : 0.0; // every kind of section, not one branch learnt by heart
    }
}

void BM_WholeSpanComparison(benchmark::State &state)
{
    RezultatiProracuna r;
    r.proracunaj(startValues);
    for (auto _ : state)
        benchmark::DoNotOptimize(TacneAnvelope::uporedi(r));
}

// The window built, laid out, its plot drawn and the whole window painted, then closed.
void BM_WindowOpenAndPaint(benchmark::State &state)
{
    RezultatiProracuna r;
    r.proracunaj(startValues);
    for (auto _ : state) {
        frmTacneAnvelope w(r, nullptr);
        w.show();
        QCoreApplication::processEvents();
        w.repaint();
        benchmark::DoNotOptimize(w.isVisible());
    }
}

} // namespace

BENCHMARK(BM_Section)->Unit(benchmark::kNanosecond);
BENCHMARK(BM_WholeSpanComparison)->Unit(benchmark::kMicrosecond);

BENCHMARK(BM_WindowOpenAndPaint)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    // The offscreen platform warns at every resizable window it creates; the timings matter here.
    QLoggingCategory::setFilterRules(QStringLiteral("default.warning=false"));
    return runBenchmarks<QApplication>(argc, argv);
}
