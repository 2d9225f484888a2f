// Calculate click on a real sheet until every result field is written.
#include "design_sheet.h"
#include "load_case.h"

#include <QAbstractButton>
#include <benchmark/benchmark.h>

namespace {

using namespace varnok;

void CalculateClick(benchmark::State& bench, LoadCaseButton caseButton) {
    ProgramState state;
    const SheetKind kind = ChooseLoadCase(state.loadCase, caseButton);
    sheets::DesignSheet sheet(state, kind, {});
    sheet.show();
    auto& a = sheet.access();
    for (auto [name, value] : {std::pair{"Text2", "6"},
                               {"Text3", "2"},
                               {"Text4", "3"},
                               {"Text5", "2.5"},
                               {"Text6", "0.5"},
                               {"Text8", "4"},
                               {"Text9", "2"},
                               {"Text10", "3"}})
        a.setText(name, value);
    auto* calculate = sheet.findChild<QAbstractButton*>("Command1");
    for (auto _ : bench) {
        calculate->click();
        benchmark::DoNotOptimize(a.text("Label80"));
    }
}

void BM_CalculateSimpleBeam(benchmark::State& s) {
    CalculateClick(s, LoadCaseButton::TwoPoints);
}
void BM_CalculateUniform(benchmark::State& s) {
    CalculateClick(s, LoadCaseButton::UniformOnly);
}
void BM_CalculateCantilever(benchmark::State& s) {
    CalculateClick(s, LoadCaseButton::Cantilever);
}
BENCHMARK(BM_CalculateSimpleBeam)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CalculateUniform)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CalculateCantilever)->Unit(benchmark::kMicrosecond);

} // namespace
