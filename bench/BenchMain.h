// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The main function of every benchmark: the application object that fonts (and widgets) need, on
// the offscreen platform unless another is named, so that no display is needed.

#include <benchmark/benchmark.h>

#include <QByteArray>
#include <QtGlobal>

template <typename Application> int runBenchmarks(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    Application app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
