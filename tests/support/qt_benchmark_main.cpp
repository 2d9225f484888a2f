// main() of every benchmark that needs widgets: an offscreen QApplication set
// up with the program's typefaces, then Google Benchmark.
#include "test_application.h"

#include <benchmark/benchmark.h>

int main(int argc, char** argv) {
    const auto app = varnok::testing::MakeTestApplication(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
