// Time to build and show the start-up window, against an empty window shown
// the same way (offscreen, events processed so layout and painting happen).

#include "fonts.h"
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

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    varnok::ui::InstallFontSubstitutions();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
