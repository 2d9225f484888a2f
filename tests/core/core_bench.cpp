// Speed of the engine: a whole check run on an in-memory sheet, every field
// write included, and the reader and formatter on their own.
#include "beam_check.h"
#include "display_mask.h"
#include "memory_sheet.h"
#include "read_number.h"

#include <benchmark/benchmark.h>

namespace varnok {
namespace {

struct Fixture {
    explicit Fixture(SheetKind kind, LoadCaseButton button)
        : kind(kind) {
        FillCatalogue(state.catalogue);
        ChooseLoadCase(state.loadCase, button);
        const char* inputs[] = {"6", "3", "3.5", "2.5", "0.5", "3", "2.5", "2", "10"};
        int n = 2;
        for (const char* text : inputs)
            sheet.setText("Text" + std::to_string(n++), text);
        ComputeSheetLoads(state, sheet, kind);
        RunFullCheck(state, sheet, kind); // every control exists from here on
    }
    SheetKind kind;
    ProgramState state;
    MemorySheet sheet = MemorySheet::withDefaults();
};

void RunFullCheckOn(benchmark::State& s, SheetKind kind, LoadCaseButton button) {
    Fixture f(kind, button);
    for (auto _ : s) {
        RunFullCheck(f.state, f.sheet, f.kind);
        benchmark::DoNotOptimize(f.state.beamCheck.deflection);
    }
}

void BM_RunFullCheck_SimpleBeam(benchmark::State& s) {
    RunFullCheckOn(s, SheetKind::kei3_b1, LoadCaseButton::TwoPoints);
}
void BM_RunFullCheck_UniformLoad(benchmark::State& s) {
    RunFullCheckOn(s, SheetKind::kei3_b2, LoadCaseButton::UniformOnly);
}
void BM_RunFullCheck_Cantilever(benchmark::State& s) {
    RunFullCheckOn(s, SheetKind::kei3_cg, LoadCaseButton::Cantilever);
}

void BM_CalculateWithLoads_SimpleBeam(benchmark::State& s) {
    Fixture f(SheetKind::kei3_b1, LoadCaseButton::TwoPoints);
    for (auto _ : s) {
        ComputeSheetLoads(f.state, f.sheet, f.kind);
        RunFullCheck(f.state, f.sheet, f.kind);
    }
}

void BM_ReadNumber(benchmark::State& s) {
    for (auto _ : s)
        benchmark::DoNotOptimize(ReadNumber(" 12.345E1 "));
}

void BM_FormatMask(benchmark::State& s) {
    double v = 133.3454;
    for (auto _ : s) {
        benchmark::DoNotOptimize(FormatMask(v, "##0.000"));
        v += 1e-9;
    }
}

void BM_FormatMask_ReportLine(benchmark::State& s) {
    for (auto _ : s)
        benchmark::DoNotOptimize(
            FormatMask(36.0, "Ｍ ＝ ---･ｗ･Ｌ^2 ＋ ---･Ｐ･Ｌ ＝ ##0.000 kN･m"));
}

BENCHMARK(BM_RunFullCheck_SimpleBeam);
BENCHMARK(BM_RunFullCheck_UniformLoad);
BENCHMARK(BM_RunFullCheck_Cantilever);
BENCHMARK(BM_CalculateWithLoads_SimpleBeam);
BENCHMARK(BM_ReadNumber);
BENCHMARK(BM_FormatMask);
BENCHMARK(BM_FormatMask_ReportLine);

} // namespace
} // namespace varnok

BENCHMARK_MAIN();
