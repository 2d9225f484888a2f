// main() of every benchmark that needs widgets: an offscreen QApplication set
// up with the program's typefaces, then Google Benchmark.
#include "fonts.h"

#include <QApplication>
#include <benchmark/benchmark.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    varnok::ui::InstallFontSubstitutions();
    varnok::ui::UseProgramDefaultFont();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
