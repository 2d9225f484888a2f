// Building one report and writing it as the Shift-JIS file (goal: well under 1 ms).

#include "report_lines.h"
#include "report_scenarios.h"
#include "text_report_file.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

using namespace varnok;

void BM_BuildReport(benchmark::State& state) {
    const testing::Scenario s = testing::CantileverWeldFailLong();
    for (auto _ : state)
        benchmark::DoNotOptimize(
            reports::BuildReport(s.design, s.memberName, reports::ReportTarget::TextFile));
}
BENCHMARK(BM_BuildReport);

void BM_BuildEncodeAndWriteReport(benchmark::State& state) {
    const testing::Scenario s = testing::CantileverWeldFailLong();
    QTemporaryDir dir;
    const QString path = reports::ReportFilePath(dir.path(), QStringLiteral("B1"));
    for (auto _ : state) {
        const reports::Report report =
            reports::BuildReport(s.design, s.memberName, reports::ReportTarget::TextFile);
        const reports::EncodedReport encoded = reports::EncodeReport(report.lines);
        if (!reports::WriteReportFile(path, encoded.bytes))
            state.SkipWithError("write failed");
    }
}
BENCHMARK(BM_BuildEncodeAndWriteReport)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
