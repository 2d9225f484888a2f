// The list window on a long list: a 10 000-row list read, every row checked
// and the window shown; one edited cell's row rechecked and repainted; and
// the memory the open list takes beside the list's own size.
#include "list_table.h"
#include "list_window.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <fstream>
#include <malloc.h>
#include <memory>

namespace varnok::listwindow {
namespace {

constexpr std::string_view kHeader =
    "\xEF\xBB\xBF部材名,荷重形式,スパン(m),座屈長さ(m),w単位荷重(kN/m2),w負担幅(m),w追加荷重(kN/m),"
    "P単位荷重(kN/m2),P負担幅(m),P負担長さ(m),P追加荷重(kN),w2単位荷重(kN/m2),w2負担幅(m),"
    "w2追加荷重(kN/m),系列,長期短期,指定断面,備考\r\n";
// The template's rows: every arrangement, chosen sections and proposals.
constexpr std::string_view kRows[] = {
    ",１点集中荷重,6,,3.5,1.5,0.3,3.5,3,2,,,,,細幅,長期,H-300x150x6.5x9,座屈長さ空欄",
    ",２点集中荷重,7.2,,4,1.2,,4,2.4,2.4,,,,,細幅,長期,,",
    ",３点集中荷重,8,2,3,1,0.5,3,2.5,2,,,,,中幅,長期,,",
    ",４点集中荷重,9,,3,1,,3,1.8,1.8,2,,,,中幅,短期,H-340x250x9x14,短期荷重",
    ",等分布荷重,6,2,3.5,2.5,0.5,,,,,1.2,1,0.2,細幅,長期,H-298x149x5.5x8,",
    ",片持梁,2,,5,1,,,,,3,,,,細幅,長期,H-200x100x5.5x8,",
};

std::string LongList(int rows) {
    std::string text(kHeader);
    for (int i = 0; i < rows; ++i)
        text += "B" + std::to_string(i + 1) + std::string(kRows[i % 6]) + "\r\n";
    return text;
}

/// The process's resident memory now, in MB.
double ResidentMB() {
    std::ifstream status("/proc/self/status");
    std::string key;
    double kb = 0;
    while (status >> key) {
        if (key == "VmRSS:") {
            status >> kb;
            break;
        }
        status.ignore(1 << 12, '\n');
    }
    return kb / 1024.0;
}

/// The heap in use now, in MB: what the open list holds, whatever the
/// allocator keeps from earlier runs.
double HeapMB() {
    return double(mallinfo2().uordblks + mallinfo2().hblkhd) / (1024.0 * 1024.0);
}

/// The heap the open list holds: after its document is read, and with its
/// window shown and painted.
struct OpenHeap {
    double document = 0;
    double window = 0;
};

std::unique_ptr<ListWindow> OpenWindow(const std::string& bytes, OpenHeap* heap = nullptr) {
    const double before = HeapMB();
    ListDocument document = ListDocument::Read(bytes);
    const double read = HeapMB();
    auto window =
        std::make_unique<ListWindow>(std::move(document), QString(), ListWindowServices{});
    window->show();
    QApplication::processEvents(); // laid out and painted
    if (heap != nullptr)
        *heap = {read - before, HeapMB() - before};
    return window;
}

/// Opens, checks and shows a list of state.range(0) rows. The 100-row run
/// comes first: the heap of its window beside its rows (the window's pixels,
/// its widgets, the fonts and glyphs of a screenful of rows, as any window of
/// the program has them) is the window's own; what a longer list takes beyond
/// it is the list's, which should stay within three times the list's size.
void BM_OpenCheckAndShow(benchmark::State& state) {
    static double windowOwnMB = 0;
    const std::string bytes = LongList(int(state.range(0)));
    const double before = ResidentMB();
    double grown = 0;
    OpenHeap heap;
    for (auto _ : state) {
        auto window = OpenWindow(bytes, &heap);
        grown = ResidentMB() - before;
        benchmark::DoNotOptimize(window.get());
        state.PauseTiming();
        window.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    if (windowOwnMB == 0)
        windowOwnMB = heap.window - heap.document;
    const double listMB = double(bytes.size()) / (1024.0 * 1024.0);
    state.counters["list_MB"] = listMB;
    state.counters["resident_growth_MB"] = grown;
    state.counters["document_heap_MB"] = heap.document; // the rows read and checked
    state.counters["window_heap_MB"] = heap.window;     // and shown in the window
    state.counters["list_heap_per_list"] = (heap.window - windowOwnMB) / listMB;
}
BENCHMARK(BM_OpenCheckAndShow)
    ->Arg(100)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

void BM_EditOneCellRecheckAndRepaint(benchmark::State& state) {
    auto window = OpenWindow(LongList(10000));
    ListModel& model = *window->model();
    const int span = model.document().positionOf(batch::Column::Span);
    window->table()->goTo(3, span);
    QApplication::processEvents();
    int i = 0;
    for (auto _ : state) {
        model.setData(model.index(3, span), (++i % 2) ? QStringLiteral("9.5") : QStringLiteral("9"),
                      Qt::EditRole);
        QApplication::processEvents(); // the row repainted
    }
    state.counters["NG"] = model.document().row(3).verdict.result()->passes() ? 0 : 1;
}
BENCHMARK(BM_EditOneCellRecheckAndRepaint)->Unit(benchmark::kMicrosecond);

void BM_EditAMemberName(benchmark::State& state) {
    // A name is compared with every other row's: the whole list is looked over.
    auto window = OpenWindow(LongList(10000));
    ListModel& model = *window->model();
    int i = 0;
    for (auto _ : state) {
        model.setData(model.index(3, 0), (++i % 2) ? QStringLiteral("X4") : QStringLiteral("B4"),
                      Qt::EditRole);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_EditAMemberName)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace varnok::listwindow
