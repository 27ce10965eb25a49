// SPDX-License-Identifier: GPL-3.0-or-later

// A train of moving forces: the largest train (20 forces) at the 101 sections of a table, one way
// and both, the envelopes over the span, and frmNizSila opened and painted as the user waits for
// it.

#include "BenchMain.h"
#include "core/NizSila.h"
#include "ui/niz/frmNizSila.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

// 20 wheels of 50 to 240 kN at 0.8 to 2.6 m, longer than the span.
TacneAnvelope::Niz dvadesetSila(bool obaSmera)
{
    TacneAnvelope::Niz n { {}, 24.0, 5.0, 1.2, obaSmera };
    double pomak = 0.0;
    for (int i = 0; i < 20; ++i) {
        n.sile.push_back({ 50.0 + 10.0 * i, pomak });
        pomak += 0.8 + 0.1 * (i % 19);
    }
    return n;
}

void BM_TwentyForcesAt101Sections(benchmark::State &state)
{
    const TacneAnvelope::Niz n = dvadesetSila(state.range(0) != 0);
    for (auto _ : state)
        benchmark::DoNotOptimize(TacneAnvelope::preseciNiza(n, 100));
}

void BM_TwentyForcesWholeSpan(benchmark::State &state)
{
    const TacneAnvelope::Niz n = dvadesetSila(state.range(0) != 0);
    for (auto _ : state)
        benchmark::DoNotOptimize(TacneAnvelope::proracunajNiz(n));
}

// The window built with its first calculation, laid out, its plot drawn and painted, then closed.
void BM_WindowOpenAndPaint(benchmark::State &state)
{
    for (auto _ : state) {
        frmNizSila w({ 206, 208, 5, 9 }, nullptr);
        w.show();
        QCoreApplication::processEvents();
        w.repaint();
        benchmark::DoNotOptimize(w.isVisible());
    }
}

} // namespace

BENCHMARK(BM_TwentyForcesAt101Sections)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TwentyForcesWholeSpan)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WindowOpenAndPaint)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    return runBenchmarks<QApplication>(argc, argv);
}
