#include "qt/QtPlatform.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdlib>

// Benchmarks that drive widgets need an application; they run headless.
int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QtPlatform::keepSettingsAway();
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
