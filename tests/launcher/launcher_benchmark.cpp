// Time to build and show the start-up window, against an empty window shown
// the same way (offscreen, events processed so layout and painting happen).

#include "launcher_window.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

void BM_EmptyWidgetShown(benchmark::State& state) {
    for (auto _ : state) {
        QWidget window;
        window.resize(560, 420);
        window.show();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_EmptyWidgetShown)->Unit(benchmark::kMicrosecond);

void BM_LauncherShown(benchmark::State& state) {
    varnok::ProgramState program;
    for (auto _ : state) {
        varnok::launcher::LauncherWindow window(program);
        window.show();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_LauncherShown)->Unit(benchmark::kMicrosecond);

} // namespace
