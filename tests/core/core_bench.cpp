// Speed of the engine: a calculation from the typed texts, a whole check run
// on a calculated design, and the reader and formatter on their own.
#include "beam_design.h"
#include "display_mask.h"
#include "read_number.h"

#include <benchmark/benchmark.h>

#include <variant>

namespace varnok {
namespace {

BeamInput TypedFor(SheetKind kind, LoadCaseButton button) {
    BeamInput input;
    input.arrangement = button;
    const char* texts[] = {"6", "3", "3.5", "2.5", "0.5", "3", "2.5", "2", "10"};
    std::size_t i = 0;
    for (int n : InputFieldsOf(kind))
        if (i < std::size(texts))
            input.texts[static_cast<std::size_t>(n)] = texts[i++];
    return input;
}

void RecheckOn(benchmark::State& s, SheetKind kind, LoadCaseButton button) {
    const BeamDesign design = std::get<BeamDesign>(Calculate(TypedFor(kind, button)));
    for (auto _ : s)
        benchmark::DoNotOptimize(Recheck(design, OptionsOf(design.input)).check.deflection);
}

void BM_Recheck_SimpleBeam(benchmark::State& s) {
    RecheckOn(s, SheetKind::kei3_b1, LoadCaseButton::TwoPoints);
}
void BM_Recheck_UniformLoad(benchmark::State& s) {
    RecheckOn(s, SheetKind::kei3_b2, LoadCaseButton::UniformOnly);
}
void BM_Recheck_Cantilever(benchmark::State& s) {
    RecheckOn(s, SheetKind::kei3_cg, LoadCaseButton::Cantilever);
}

void BM_Calculate_SimpleBeam(benchmark::State& s) {
    const BeamInput input = TypedFor(SheetKind::kei3_b1, LoadCaseButton::TwoPoints);
    for (auto _ : s)
        benchmark::DoNotOptimize(Calculate(input));
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

BENCHMARK(BM_Recheck_SimpleBeam);
BENCHMARK(BM_Recheck_UniformLoad);
BENCHMARK(BM_Recheck_Cantilever);
BENCHMARK(BM_Calculate_SimpleBeam);
BENCHMARK(BM_ReadNumber);
BENCHMARK(BM_FormatMask);
BENCHMARK(BM_FormatMask_ReportLine);

} // namespace
} // namespace varnok

BENCHMARK_MAIN();
