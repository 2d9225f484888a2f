#include "batch_command.h"

#include "fonts.h"
#include "summary_window.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHashFunctions>

#include <csignal>
#include <cstdio>

#ifdef _WIN32
#include <io.h>
#include <windows.h>

#include <shellapi.h> // needs windows.h first
#else
#include <unistd.h>
#endif

namespace varnok::batch {

namespace {

bool ErrorStreamIsTerminal() {
#ifdef _WIN32
    return _isatty(_fileno(stderr)) != 0;
#else
    return isatty(fileno(stderr)) != 0;
#endif
}

bool IsCsv(const QString& argument) {
    return !argument.startsWith(u'-') && argument.endsWith(u".csv", Qt::CaseInsensitive);
}

std::optional<reports::Typeface> FaceNamed(const QString& name) {
    const QString n = name.toLower();
    if (n == u"gothic" || n == u"g" || n == u"ゴシック")
        return reports::Typeface::Gothic;
    if (n == u"mincho" || n == u"m" || n == u"明朝")
        return reports::Typeface::Mincho;
    return std::nullopt;
}

std::optional<ListEncoding> EncodingNamed(const QString& name) {
    const QString n = name.toLower().remove(u'-').remove(u'_');
    if (n == u"shiftjis" || n == u"sjis" || n == u"cp932" || n == u"windows31j")
        return ListEncoding::ShiftJis;
    if (n == u"utf8")
        return ListEncoding::Utf8;
    if (n == u"utf8bom")
        return ListEncoding::Utf8WithBom;
    return std::nullopt;
}

void Print(std::FILE* stream, const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
    std::fflush(stream);
}

/// A progress line on a terminal, once the run has taken about a second.
class ProgressLine {
public:
    ProgressLine()
        : terminal_(ErrorStreamIsTerminal()) {
        clock_.start();
    }
    ~ProgressLine() { clear(); }

    void show(JobStage stage, int done, int total) {
        if (!terminal_ || clock_.elapsed() < 1000 || clock_.elapsed() - last_ < 100)
            return;
        last_ = clock_.elapsed();
        const QString what = stage == JobStage::Checking ? QStringLiteral("チェック中")
                                                         : QStringLiteral("計算書を作成中");
        const QString count = total > 0 ? QStringLiteral("%1 / %2 ページ").arg(done).arg(total)
                                        : QStringLiteral("%1 本").arg(done);
        Print(stderr, QStringLiteral("\r%1 %2   ").arg(what, count));
        shown_ = true;
    }
    void clear() {
        if (shown_)
            Print(stderr, QStringLiteral("\r%1\r").arg(QString(40, u' ')));
        shown_ = false;
    }

private:
    bool terminal_;
    QElapsedTimer clock_;
    qint64 last_ = 0;
    bool shown_ = false;
};

int RunInTerminal(const JobOptions& options) {
    ProgressLine progress;
    JobCallbacks callbacks;
    callbacks.problem = [&](const RowProblem& p) {
        progress.clear();
        Print(stderr, ProblemLine(options.list, p) + u'\n');
    };
    callbacks.warning = [&](const QString& warning) {
        progress.clear();
        Print(stderr,
              QStringLiteral("%1: %2\n").arg(QDir::toNativeSeparators(options.list), warning));
    };
    callbacks.progress = [&](JobStage stage, int done, int total) {
        progress.show(stage, done, total);
    };
    const JobSummary summary = RunJob(options, callbacks);
    progress.clear();
    if (!summary.outcome)
        Print(stderr, QStringLiteral("varnok3: %1\n").arg(summary.outcome.reason()));
    Print(summary.outcome ? stdout : stderr, SummaryText(summary));
    return summary.exitStatus();
}

} // namespace

QStringList ProgramArguments(int argc, char** argv) {
    QStringList arguments;
#ifdef _WIN32
    (void)argv;
    int count = 0;
    if (wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count)) {
        for (int i = 1; i < count; ++i)
            arguments << QString::fromWCharArray(wide[i]);
        LocalFree(wide);
        return arguments;
    }
#endif
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

bool IsBatchCommandLine(const QStringList& arguments) {
    if (arguments.contains(u"--batch") || arguments.contains(u"--help") ||
        arguments.contains(u"-h"))
        return true;
    return arguments.size() == 1 && IsCsv(arguments.front());
}

CommandLine ParseCommandLine(const QStringList& arguments) {
    CommandLine line;
    if (arguments.contains(u"--help") || arguments.contains(u"-h")) {
        line.mode = CommandLine::Mode::Help;
        return line;
    }
    if (arguments.size() == 1 && IsCsv(arguments.front())) {
        line.mode = CommandLine::Mode::Window;
        line.options.list = arguments.front();
        return line;
    }
    auto fail = [&](const QString& error) {
        line.mode = CommandLine::Mode::Error;
        line.error = error;
        return line;
    };
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        const bool takesValue = a == u"--batch" || a == u"--out" || a == u"--face" ||
                                a == u"--encoding" || a == u"--select" || a == u"--project" ||
                                a == u"--engineer" || a == u"--date";
        if (takesValue && i + 1 >= arguments.size())
            return fail(QStringLiteral("%1 の後に値がありません。").arg(a));
        if (a == u"--batch") {
            line.options.list = arguments[++i];
        } else if (a == u"--out") {
            line.options.outputFolder = arguments[++i];
        } else if (a == u"--face") {
            const auto face = FaceNamed(arguments[++i]);
            if (!face)
                return fail(QStringLiteral("書体「%1」は使えません（gothic か mincho）。")
                                .arg(arguments[i]));
            line.options.face = *face;
        } else if (a == u"--encoding") {
            const auto encoding = EncodingNamed(arguments[++i]);
            if (!encoding)
                return fail(QStringLiteral("文字コード「%1」は使えません"
                                           "（shift_jis、utf-8、utf-8-bom）。")
                                .arg(arguments[i]));
            line.options.tableEncoding = encoding;
        } else if (a == u"--select") {
            const QString how = arguments[++i].toLower();
            if (how == u"all" || how == u"全検定")
                line.options.selectAll = true;
            else if (how == u"bending" || how == u"曲げ")
                line.options.selectAll = false;
            else
                return fail(
                    QStringLiteral("選定「%1」は使えません（all か bending）。").arg(arguments[i]));
        } else if (a == u"--project") {
            line.options.project = arguments[++i];
        } else if (a == u"--engineer") {
            line.options.engineer = arguments[++i];
        } else if (a == u"--date") {
            line.options.date = arguments[++i];
        } else if (a == u"--no-reports") {
            line.options.reports = false;
        } else if (a == u"--no-pdf") {
            line.options.book = false;
        } else if (a == u"--check-only") {
            line.options.write = false;
        } else {
            return fail(QStringLiteral("「%1」は分からないオプションです。").arg(a));
        }
    }
    if (line.options.list.isEmpty())
        return fail(QStringLiteral("梁リストの CSV ファイルを --batch の後に指定して下さい。"));
    line.mode = CommandLine::Mode::Run;
    return line;
}

QString HelpText() {
    return QStringLiteral(
        "使い方: varnok3 --batch 梁リスト.csv [オプション]\n"
        "        varnok3 梁リスト.csv   （梁リストの画面で開く）\n"
        "\n"
        "梁リスト（CSV、UTF-8 または Shift-JIS）の梁を、設計シートで計算したときと同じに\n"
        "すべてチェックし、出力フォルダに結果一覧（CSV）、梁ごとのテキストレポート\n"
        "（部材名.TXT）、計算書（PDF、A4）を書きます。途中で失敗したときは何も書き換えません。\n"
        "\n"
        "  --batch 梁リスト.csv  チェックする梁リスト\n"
        "  --out フォルダ        出力フォルダ（既定: 梁リストと同じ場所の「リスト名_計算書」）\n"
        "  --face gothic|mincho  計算書の書体（既定: gothic）\n"
        "  --encoding 文字コード 結果一覧の文字コード: shift_jis, utf-8, utf-8-bom\n"
        "                        （既定: 梁リストが Shift-JIS なら Shift-JIS、ほかは utf-8-bom）\n"
        "  --select all|bending  断面の選定: all = 全検定（曲げ・たわみ・溶接部がすべてＯＫ\n"
        "                        になるまで系列内で断面を上げる）、bending = 曲げ（既定、\n"
        "                        各行の「選定」列に従う）\n"
        "  --project 物件名      表紙と各ページ上端の物件名（梁リストの「物件名」行より優先）\n"
        "  --engineer 設計者     表紙の設計者（「設計者」行より優先）\n"
        "  --date 作成日         表紙と各ページ上端の作成日（既定: 実行した日、\n"
        "                        SOURCE_DATE_EPOCH があればその日）\n"
        "  --no-reports          テキストレポートを書かない\n"
        "  --no-pdf              計算書（PDF）を書かない\n"
        "  --check-only          チェックだけして何も書かない\n"
        "  --help                この説明\n"
        "\n"
        "終了コード: 0 すべての梁がＯＫ、1 ＮＧの梁がある、2 梁リストに誤りがある、\n"
        "            3 出力を書けなかった\n"
        "\n"
        "Usage: varnok3 --batch LIST.csv [options]\n"
        "       varnok3 LIST.csv   (opens the list in its list window)\n"
        "\n"
        "Checks every beam of a CSV beam list (UTF-8 or Shift-JIS) exactly as its design\n"
        "sheet would, and writes into the output folder a results table (CSV), one text\n"
        "report per beam (MEMBER.TXT) and an A4 PDF calc book. A failure changes nothing.\n"
        "\n"
        "  --batch LIST.csv      the beam list to check\n"
        "  --out DIR             output folder (default: \"<list name>_計算書\" beside the list)\n"
        "  --face gothic|mincho  typeface of the calc book (default: gothic)\n"
        "  --encoding NAME       encoding of the results table: shift_jis, utf-8, utf-8-bom\n"
        "                        (default: Shift-JIS for a Shift-JIS list, else utf-8-bom)\n"
        "  --select all|bending  section choice: all = raise the section within its series\n"
        "                        until bending, deflection and weld checks all pass;\n"
        "                        bending = the sheet's choice (default: each row's 選定)\n"
        "  --project NAME        project on the cover and every page (over the list's row)\n"
        "  --engineer NAME       engineer on the cover (over the list's row)\n"
        "  --date DATE           date on the cover and every page (default: the day of the\n"
        "                        run, or that of SOURCE_DATE_EPOCH)\n"
        "  --no-reports          write no text reports\n"
        "  --no-pdf              write no calc book\n"
        "  --check-only          check only, write nothing\n"
        "  --help                this text\n"
        "\n"
        "Exit status: 0 every beam passes, 1 a beam fails a check, 2 the list has errors,\n"
        "             3 the output could not be written\n");
}

QString ProblemLine(const QString& list, const RowProblem& p) {
    const QString column = p.column > 0 ? QStringLiteral("%1:").arg(p.column) : QString();
    return QStringLiteral("%1:%2:%3 %4: %5")
        .arg(QDir::toNativeSeparators(list))
        .arg(p.line)
        .arg(column, QString::fromStdString(p.columnName), QString::fromStdString(p.reason));
}

QString FailureLine(const QString& list, const TableRow& row) {
    auto text = [&](ResultCell cell) {
        const std::string_view t = ResultText(*row.result, cell);
        return QString::fromUtf8(t.data(), qsizetype(t.size()));
    };
    QString checks =
        QStringLiteral("曲げ %1/%2 %3、たわみ L/δ %4 %5")
            .arg(text(ResultCell::StressRatio), text(ResultCell::Limit),
                 text(ResultCell::BendingVerdict), text(ResultCell::SpanOverDeflection),
                 text(ResultCell::DeflectionVerdict));
    if (!text(ResultCell::WeldRatio).isEmpty())
        checks += QStringLiteral("、溶接部 %1 %2")
                      .arg(text(ResultCell::WeldRatio), text(ResultCell::WeldVerdict));
    return QStringLiteral("%1:%2: %3 %4（%5 %6）")
        .arg(QDir::toNativeSeparators(list))
        .arg(row.line)
        .arg(QString::fromStdString(row.memberName), text(ResultCell::Overall),
             text(ResultCell::Section), checks);
}

QString SummaryText(const JobSummary& s) {
    QString text = QStringLiteral("梁 %1 本: ＯＫ %2、ＮＧ %3、入力エラー %4\n")
                       .arg(s.beams)
                       .arg(s.passed)
                       .arg(s.failed)
                       .arg(s.bad);
    if (s.raised > 0)
        text += QStringLiteral("全検定で断面を上げた梁: %1 本\n").arg(s.raised);
    for (const QString& note : s.notes)
        text += note + u'\n';
    if (s.wrote)
        // Absolute: the summary window is opened from a desktop, with no folder to be relative to.
        text += QStringLiteral("出力先: %1\n")
                    .arg(QDir::toNativeSeparators(QFileInfo(s.outputFolder).absoluteFilePath()));
    else if (s.mixed)
        text += QStringLiteral("出力先の一部を元に戻せませんでした（上の説明を参照）。\n");
    else
        text += QStringLiteral("何も書き込んでいません。\n");
    return text;
}

#ifdef _WIN32
namespace {
/// The Windows program is a GUI one and gets no console of its own: started
/// from a command prompt, the calc book writes to that prompt's console, unless
/// its output already goes to a file or a pipe.
void UseTheCallersConsole() {
    const auto unconnected = [](DWORD which) {
        return GetFileType(GetStdHandle(which)) == FILE_TYPE_UNKNOWN;
    };
    const bool out = unconnected(STD_OUTPUT_HANDLE), err = unconnected(STD_ERROR_HANDLE);
    if ((out || err) && AttachConsole(ATTACH_PARENT_PROCESS)) {
        if (out)
            (void)std::freopen("CONOUT$", "w", stdout);
        if (err)
            (void)std::freopen("CONOUT$", "w", stderr);
    }
}
} // namespace
#endif

int RunBatchProgram(int argc, char** argv) {
    // The PDF's fonts are kept in hashes; a seed of the process's own would
    // order them differently from run to run, and the book's bytes with them.
    QHashSeed::setDeterministicGlobalSeed();
#ifdef _WIN32
    UseTheCallersConsole();
    SetConsoleOutputCP(CP_UTF8);
#else
    // Past a file-size limit a write is to fail and be told (exit 3), not to
    // end the program without a word.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    const CommandLine line = ParseCommandLine(ProgramArguments(argc, argv));
    switch (line.mode) {
    case CommandLine::Mode::Help:
        Print(stdout, HelpText());
        return 0;
    case CommandLine::Mode::Error:
        Print(stderr, QStringLiteral("varnok3: %1\n詳しくは varnok3 --help\n").arg(line.error));
        return 2;
    case CommandLine::Mode::Window: {
        QApplication application(argc, argv);
        ui::InstallFontSubstitutions();
        ui::UseProgramDefaultFont();
        return RunSummaryWindow(line.options);
    }
    case CommandLine::Mode::Run:
        break;
    }
    if (!line.options.write || !line.options.book) {
        // No page to draw: the core application is enough and starts quicker.
        QCoreApplication application(argc, argv);
        return RunInTerminal(line.options);
    }
#ifndef _WIN32
    // The book is drawn without a window; a terminal may have no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    QGuiApplication application(argc, argv);
    ui::InstallFontSubstitutions();
    return RunInTerminal(line.options);
}

} // namespace varnok::batch
