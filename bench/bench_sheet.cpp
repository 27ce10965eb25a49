// SPDX-License-Identifier: GPL-3.0-or-later

// The calculation sheet for the start values of the input window written as a PDF: the bytes
// alone, and the bytes saved to a file. Only Qt Gui is linked, on the offscreen platform, as the
// command-line calculator will run it. The first case is one sheet in a fresh process: it pays
// for loading the fonts, which the user pays once per run.

#include "BenchMain.h"
#include "output/ProracunskiList.h"

#include <QGuiApplication>
#include <QSaveFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

const UlazniParametri startValues { 206, 208, 5, 9 };

// Every document field filled, as a signed sheet has them; the sheet works out the exact
// envelopes, the governing values and the marked listing itself, inside the measured time.
ProracunskiList::Sadrzaj sadrzaj()
{
    return { startValues,
        { "Most preko potoka", "Glavni nosac", "M. Petrovic", "J. Jovanovic", "B" },
        QDateTime(QDate(2025, 3, 14), QTime(9, 30)) };
}

RezultatiProracuna calculate()
{
    RezultatiProracuna r;
    r.proracunaj(startValues);
    return r;
}

void BM_Sheet_FirstInProcess(benchmark::State &state)
{
    const RezultatiProracuna r = calculate();
    for (auto _ : state)
        benchmark::DoNotOptimize(ProracunskiList::pdf(r, sadrzaj()).size());
}

void BM_Sheet_PdfBytes(benchmark::State &state)
{
    const RezultatiProracuna r = calculate();
    qint64 bytes = 0;
    for (auto _ : state) {
        bytes = ProracunskiList::pdf(r, sadrzaj()).size();
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["bytes"] = double(bytes);
}

void BM_Sheet_PdfFile(benchmark::State &state)
{
    const RezultatiProracuna r = calculate();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("list.pdf"));
    for (auto _ : state) {
        QSaveFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(ProracunskiList::pdf(r, sadrzaj()));
        benchmark::DoNotOptimize(file.commit());
    }
}

} // namespace

BENCHMARK(BM_Sheet_FirstInProcess)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Sheet_PdfBytes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Sheet_PdfFile)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    return runBenchmarks<QGuiApplication>(argc, argv);
}
