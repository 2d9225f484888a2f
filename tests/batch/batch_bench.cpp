// Speed and memory of the calc book. The whole program runs as a user starts
// it, on lists of 1 000 and 10 000 beams (and a million, for memory): checking and the results
// table only, the same run writing nothing, with the text reports, and with the PDF book. The book
// is also timed page by page in this process.
#include "beam_list.h"
#include "beam_run.h"
#include "calc_book.h"
#include "results_table.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

extern char** environ;

namespace varnok::batch {
namespace {

// Six rows, one per arrangement, repeated with numbered names and varied spans.
constexpr std::array<std::string_view, 6> kRows{
    ",１点集中荷重,%1,,3.5,1.5,0.3,3.5,3,2,,,,,細幅,長期,",
    ",２点集中荷重,%1,,4,1.2,,4,2.4,2.4,,,,,細幅,長期,",
    ",３点集中荷重,%1,2,3,1,0.5,3,2.5,2,,,,,中幅,長期,",
    ",４点集中荷重,%1,,3,1,,3,1.8,1.8,2,,,,中幅,短期,",
    ",等分布荷重,%1,2,3.5,2.5,0.5,,,,,1.2,1,0.2,細幅,長期,",
    ",片持梁,%1,,5,1,,,,,3,,,,細幅,長期,",
};

QString MakeList(const QTemporaryDir& dir, int beams) {
    std::string text = "部材名,荷重形式,スパン,座屈長さ,w単位荷重,w負担幅,w追加荷重,P単位荷重,"
                       "P負担幅,P負担長さ,P追加荷重,w2単位荷重,w2負担幅,w2追加荷重,系列,長期短期,"
                       "指定断面\r\n";
    for (int i = 0; i < beams; ++i) {
        const QString row = QString::fromUtf8(kRows[static_cast<std::size_t>(i % 6)].data())
                                .arg(2 + (i % 97) * 0.1, 0, 'f', 1);
        text += "B" + std::to_string(i + 1) + row.toStdString() + "\r\n";
    }
    const QString path = dir.filePath(QStringLiteral("beams%1.csv").arg(beams));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(text.data(), static_cast<qint64>(text.size()));
    return path;
}

/// Runs the program to its end; its peak resident memory in MiB.
double RunProgram(std::vector<std::string> arguments) {
    std::vector<char*> argv{const_cast<char*>(VARNOK3_PROGRAM)};
    for (std::string& a : arguments)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawn(&pid, VARNOK3_PROGRAM, nullptr, nullptr, argv.data(), environ) != 0)
        return -1;
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

enum class Writes { Nothing, Table, Reports, Everything };

void BM_WholeProcess(benchmark::State& state) {
    const int beams = static_cast<int>(state.range(0));
    const auto writes = static_cast<Writes>(state.range(1));
    QTemporaryDir dir;
    const QString list = MakeList(dir, beams);
    std::vector<std::string> arguments{"--batch", list.toStdString(), "--out",
                                       dir.filePath("out").toStdString()};
    switch (writes) {
    case Writes::Nothing:
        arguments.push_back("--check-only");
        break;
    case Writes::Table:
        arguments.push_back("--no-reports");
        [[fallthrough]];
    case Writes::Reports:
        arguments.push_back("--no-pdf");
        break;
    case Writes::Everything:
        break;
    }
    double peak = 0;
    for (auto _ : state)
        peak = std::max(peak, RunProgram(arguments));
    state.counters["peak_rss_MiB"] = peak;
    state.counters["beams_per_s"] =
        benchmark::Counter(static_cast<double>(beams) * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate);
}
// (beams, what is written): 0 nothing, 1 the table, 2 table and reports, 3 everything.
BENCHMARK(BM_WholeProcess)
    ->ArgsProduct({{1000, 10000}, {0, 1, 2}})
    ->Args({1000, 3})
    ->Args({10000, 3})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// A long list (a million rows, about 67 MB in UTF-8): checking only, and the
// table. Its peak memory is to stay within four times the list and 40 MB.
void BM_LongList(benchmark::State& state) {
    const int beams = static_cast<int>(state.range(0));
    QTemporaryDir dir;
    const QString list = MakeList(dir, beams);
    std::vector<std::string> arguments{"--batch", list.toStdString()};
    if (state.range(1) == 0)
        arguments.push_back("--check-only");
    else
        arguments.insert(arguments.end(),
                         {"--out", dir.filePath("out").toStdString(), "--no-reports", "--no-pdf"});
    double peak = 0;
    for (auto _ : state)
        peak = std::max(peak, RunProgram(arguments));
    const double listMiB = static_cast<double>(QFileInfo(list).size()) / (1024.0 * 1024.0);
    state.counters["list_MiB"] = listMiB;
    state.counters["peak_rss_MiB"] = peak;
    state.counters["peak_goal_MiB"] = 4 * listMiB + 40;
}
BENCHMARK(BM_LongList)
    ->Args({1000000, 0})
    ->Args({1000000, 1})
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();

void BM_CalcBookPages(benchmark::State& state) {
    const int beams = static_cast<int>(state.range(0));
    QTemporaryDir dir;
    QFile file(MakeList(dir, beams));
    file.open(QIODevice::ReadOnly);
    const QByteArray bytes = file.readAll();
    BeamList list = BeamList::Open(std::string_view(bytes.constData(), bytes.size()));
    std::vector<TableRow> rows;
    BeamRun run;
    ListRow row;
    while (list.next(row)) {
        run.check(*row.beam);
        rows.push_back(CheckedRow(row, run));
    }
    CalcBookSource source;
    source.heading.list = QStringLiteral("beams.csv");
    source.counts.beams = beams;
    source.rows = &rows;
    source.beamPages = beams;
    source.nextPage = [&](reports::ReportLines& lines) {
        list.next(row);
        run.check(*row.beam);
        lines = run.report(reports::ReportTarget::PrintedPage).lines;
    };
    double pages = 0;
    double beamPages = 0;
    for (auto _ : state) {
        list.rewind();
        QBuffer pdf;
        pdf.open(QIODevice::ReadWrite);
        pages += *WriteCalcBook(pdf, reports::Typeface::Gothic, source);
        beamPages += beams;
    }
    state.counters["pages_per_s"] = benchmark::Counter(pages, benchmark::Counter::kIsRate);
    state.counters["time_per_page"] =
        benchmark::Counter(pages, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    // The whole book (cover, basis and summary included) per beam.
    state.counters["time_per_beam"] =
        benchmark::Counter(beamPages, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_CalcBookPages)->Arg(1000)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
} // namespace varnok::batch
