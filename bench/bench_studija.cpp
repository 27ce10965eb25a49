// SPDX-License-Identifier: GPL-3.0-or-later

// A study of 10,000 cases in one process, as kelvane-calc runs it: every case through the input
// window's checks, the calculation, the exact envelopes and its summary, and its row written. The
// goal is under 100 ms for CSV. No Qt: the tool links none.

#include "cli/Opcije.h"
#include "cli/Studija.h"

#include <benchmark/benchmark.h>

#include <ostream>
#include <sstream>
#include <streambuf>

namespace {

// Standard output as the study sees it, without the cost of keeping megabytes of rows: each piece
// is handed over and forgotten, as a pipe does.
class Odbacivanje : public std::streambuf
{
protected:
    std::streamsize xsputn(const char *, std::streamsize n) override { return n; }
    int overflow(int c) override { return c; }
};

OpcijeKalkulatora opcije(OpcijeKalkulatora::Format format)
{
    OpcijeKalkulatora o;
    o.format = format;
    return o;
}

// The crane of the README over spans of 4 to 13.999 m in steps of a millimetre.
void BM_Spans10000(benchmark::State &state, OpcijeKalkulatora::Format format)
{
    OpcijeKalkulatora o = opcije(format);
    o.P1 = o.P2 = "120";
    o.e = "3.6";
    o.rasponi = "4:13.999:0.001";
    for (auto _ : state) {
        Odbacivanje odbacivanje;
        std::ostream izlaz(&odbacivanje);
        benchmark::DoNotOptimize(studijaRaspona(o, izlaz).slucajeva);
    }
}

// 10,000 lines of different forces, distances and spans, one in a hundred refused (e = L).
void BM_Batch10000(benchmark::State &state)
{
    std::string linije = "P1,P2,e,L\n";
    for (int i = 0; i < 10000; ++i) {
        const int L = 4 + i % 20;
        const std::string e = i % 100 == 0 ? std::to_string(L) : std::to_string(1 + i % 3) + ".5";
        linije += std::to_string(100 + i % 150) + "," + std::to_string(80 + i % 170) + "," + e + ","
            + std::to_string(L) + "\n";
    }
    const OpcijeKalkulatora o = opcije(OpcijeKalkulatora::Format::Csv);
    for (auto _ : state) {
        std::istringstream ulaz(linije);
        Odbacivanje odbacivanje;
        std::ostream izlaz(&odbacivanje);
        benchmark::DoNotOptimize(studijaSlucajeva(o, ulaz, izlaz).slucajeva);
    }
}

} // namespace

BENCHMARK_CAPTURE(BM_Spans10000, csv, OpcijeKalkulatora::Format::Csv)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Spans10000, json, OpcijeKalkulatora::Format::Json)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Spans10000, text, OpcijeKalkulatora::Format::Text)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Batch10000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
