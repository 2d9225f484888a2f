// Printing one page to a PDF file: the whole printed-page path short of the
// spooler (font set-up at printer resolution, the lines, the PDF writer).
#include "printed_page.h"
#include "sample_page.h"

#include <QPrinter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void BM_PrintOnePageToPdf(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("page.pdf"));
    const varnok::reports::ReportLines page = varnok::testing::SampleSimpleBeamPage();
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        benchmark::DoNotOptimize(
            varnok::reports::RenderReportPage(printer, page, varnok::reports::Typeface::Gothic));
    }
}
BENCHMARK(BM_PrintOnePageToPdf)->Unit(benchmark::kMillisecond);

} // namespace
