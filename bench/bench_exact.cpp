// The exact envelopes: the values at one section (what a tooltip or a table cell costs), the whole
// comparison with the classical envelopes (what opening the window costs before it paints), for
// the start values of the input window.

#include "core/TacneAnvelope.h"

#include <benchmark/benchmark.h>

namespace {

const UlazniParametri startValues { 206, 208, 5, 9 };

void BM_Section(benchmark::State &state)
{
    double x = 0.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(TacneAnvelope::tacneVrednosti(startValues, x));
        x = x < 9.0 ? x + 0.001 : 0.0; // every kind of section, not one branch learnt by heart
    }
}

void BM_WholeSpanComparison(benchmark::State &state)
{
    RezultatiProracuna r;
    r.proracunaj(startValues);
    for (auto _ : state)
        benchmark::DoNotOptimize(TacneAnvelope::uporedi(r, startValues));
}

void BM_SummaryLines(benchmark::State &state)
{
    RezultatiProracuna r;
    r.proracunaj(startValues);
    const TacneAnvelope::Poredjenje p = TacneAnvelope::uporedi(r, startValues);
    for (auto _ : state)
        benchmark::DoNotOptimize(TacneAnvelope::rezime(p));
}

} // namespace

BENCHMARK(BM_Section)->Unit(benchmark::kNanosecond);
BENCHMARK(BM_WholeSpanComparison)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SummaryLines)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
