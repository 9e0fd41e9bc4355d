#pragma once
// The main of the world clock's window benchmarks: Qt's offscreen platform unless another is
// asked for, an application object, then the benchmarks named on the command line.
#include <QApplication>

#include <benchmark/benchmark.h>

namespace orbel {

inline int RunWindowBenchmarks(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}

} // namespace orbel
