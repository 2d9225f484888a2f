// A whole run: the files it writes, its exit status, the command line, and
// what a failure leaves behind (nothing new, the previous run untouched).
#include "batch_command.h"
#include "batch_job.h"
#include "calc_book.h"
#include "design_basis.h"
#include "pdf_tools.h"
#include "shift_jis.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace varnok::batch {
namespace {

using testing::Comparable;
using testing::PdfTextLines;
using testing::ReadPdfFacts;

constexpr std::string_view kHeader = "部材名,荷重形式,スパン,w単位荷重,w負担幅,P追加荷重,系列\n";
constexpr std::string_view kPasses = "B1,１点集中荷重,4,1,1,2,細幅\n";
constexpr std::string_view kFails = "B2,片持梁,2,5,1,3,細幅\n"; // L/δ 270
constexpr std::string_view kBad = "B3,１点集中荷重,六,1,1,,細幅\n";

/// The table's text; the system's code page 932 on Windows, as the program writes it.
QString FromShiftJis(const QByteArray& bytes) {
    return reports::FromShiftJis(bytes).value_or(QString());
}

QByteArray ReadFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class BatchJobTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString list = dir.filePath("梁リスト.csv");
    QString out = dir.filePath("out");

    void writeList(const std::string& utf8, bool shiftJis = false) {
        QFile f(list);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QByteArray bytes = QByteArray::fromStdString(utf8);
        if (shiftJis)
            bytes = *reports::ToShiftJis(QString::fromUtf8(bytes));
        f.write(bytes);
    }
    JobSummary run(JobOptions options = {}) {
        options.list = list;
        options.outputFolder = out;
        return RunJob(options);
    }
    /// What the output folder holds, the list's record of the run's files aside.
    QStringList written() const {
        QStringList names =
            QDir(out).entryList(QDir::Files | QDir::Hidden | QDir::AllDirs | QDir::NoDotAndDotDot);
        names.removeAll(RecordFileName(list));
        return names;
    }
};

TEST_F(BatchJobTest, WritesTheTableAReportPerCheckedBeamAndTheBook) {
    writeList(std::string(kHeader) + std::string(kPasses) + std::string(kFails) + std::string(kBad),
              /*shiftJis=*/true);
    const JobSummary s = run();
    EXPECT_EQ(s.beams, 3);
    EXPECT_EQ(s.passed, 1);
    EXPECT_EQ(s.failed, 1);
    EXPECT_EQ(s.bad, 1);
    EXPECT_EQ(s.exitStatus(), 2);
    EXPECT_EQ(written(),
              (QStringList{"B1.TXT", "B2.TXT", "梁リスト_結果一覧.csv", "梁リスト_計算書.pdf"}));

    // The table comes back in the list's own encoding.
    const QString table = FromShiftJis(ReadFile(QDir(out).filePath("梁リスト_結果一覧.csv")));
    const QStringList lines = table.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4);
    // What was checked (L, Lb as proposed, w, P) stands beside the results;
    // the errors and the user's remark have columns of their own.
    EXPECT_EQ(lines[0], QStringLiteral("行,部材名,荷重形式,系列,長期短期,選定,L(m),Lb(m),w(kN/m),"
                                       "P(kN),断面,M(kN・m),Zx(cm3),fb(N/mm2),応力度比,許容値,"
                                       "曲げ判定,δ(cm),L/δ,たわみ判定,溶接部比,溶接部判定,"
                                       "総合判定,入力エラー,備考"));
    EXPECT_EQ(
        lines[1],
        QStringLiteral("2,B1,１点集中荷重,細幅,長期,曲げ,4.000,2.000,1.000,2.000,"
                       "＜H-150x75以下＞,4.000,88.8,156,0.289,1.0,ＯＫ,0.439,910,ＯＫ,,,ＯＫ,,"));
    EXPECT_TRUE(lines[2].endsWith(QStringLiteral(",ＮＧ,,")));
    EXPECT_TRUE(lines[3].startsWith(QStringLiteral("4,B3,")));
    EXPECT_TRUE(
        lines[3].endsWith(QStringLiteral("入力エラー,スパン: 「六」は数値ではありません,")));

    // Cover, basis, one summary page, then a page per checked beam, each numbered.
    const QString pdf = QDir(out).filePath("梁リスト_計算書.pdf");
    const auto facts = ReadPdfFacts(pdf);
    ASSERT_TRUE(facts);
    EXPECT_EQ(facts->pages, 5);
    EXPECT_NEAR(facts->widthPt, 595, 1);
    const QString text = Comparable(PdfTextLines(pdf).join(u'\n'));
    for (const char* expected : {"梁3本", "ＯＫ1", "ＮＧ1", "入力エラー1", "-1/5-", "-5/5-",
                                 "［溶接部］", "ＵＳＥ：Ｈ－175×90×5×8"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected;
}

/// The pages of a PDF as pdftotext gives them, blanks removed.
QStringList PdfPages(const QString& pdf) {
    QStringList pages = PdfTextLines(pdf).join(u'\n').split(u'\f');
    if (!pages.isEmpty() && pages.back().trimmed().isEmpty())
        pages.pop_back();
    for (QString& page : pages)
        page = Comparable(page);
    return pages;
}

TEST_F(BatchJobTest, TheBookTellsWhoMadeItWhenFromWhichListAndOnWhatBasis) {
    writeList("物件名,〇〇ビル\n設計者,山田太郎\n作成日,2026年4月1日\n" + std::string(kHeader) +
              std::string(kPasses) + std::string(kFails) + std::string(kBad));
    JobOptions options;
    options.project = QStringLiteral("△△倉庫"); // the option wins over the list's row
    ASSERT_TRUE(run(options).wrote);
    const QString pdf = QDir(out).filePath("梁リスト_計算書.pdf");
    const QStringList pages = PdfPages(pdf);
    ASSERT_EQ(pages.size(), 5);
    for (int i = 0; i < pages.size(); ++i) {
        EXPECT_TRUE(pages[i].startsWith(QStringLiteral("△△倉庫2026年4月1日"))) << i;
        EXPECT_TRUE(pages[i].trimmed().endsWith(QStringLiteral("-%1/5-").arg(i + 1))) << i;
    }
    const QString hash = QString::fromLatin1(
        QCryptographicHash::hash(ReadFile(list), QCryptographicHash::Sha256).toHex());
    for (const QString& expected :
         {QStringLiteral("物件名△△倉庫"), QStringLiteral("設計者山田太郎"),
          QStringLiteral("作成日2026年4月1日"), QStringLiteral("プログラムVARNOK_3Ver.2.01"),
          QStringLiteral("梁リスト梁リスト.csv"), QStringLiteral("SHA-256") + hash,
          QStringLiteral("梁の数3本"), QStringLiteral("ＯＫ1本ＮＧ1本入力エラー1本")})
        EXPECT_TRUE(pages[0].contains(expected)) << expected.toStdString();
    // The basis states the engine's constants.
    for (const QString& expected :
         {QStringLiteral("F=%1N/mm²").arg(design::kSteelF),
          QStringLiteral("E=%1N/mm²").arg(design::kYoungModulus),
          QStringLiteral("%1N/mm²以下").arg(design::kFbLongCap),
          QStringLiteral("fbe=%1N/mm²").arg(design::kWeldAllowableStress),
          QStringLiteral("|M|／(Zx·fb)≦%1（長期・短期とも")
              .arg(QString::fromUtf8(kBendingRatioLimit.text.data(),
                                     kBendingRatioLimit.text.size())),
          QStringLiteral("|M|／(Ze·fbe)≦%1（長期）、%2（短期）")
              .arg(QString::fromUtf8(WeldRatioLimit(false).text.data(), 3),
                   QString::fromUtf8(WeldRatioLimit(true).text.data(), 3)),
          QStringLiteral("δ≦L／%1").arg(kSpanOverDeflectionLimit.value)})
        EXPECT_TRUE(pages[1].contains(Comparable(expected))) << expected.toStdString();
    // The summary: the list's line numbers, the verdicts and each beam's page;
    // a bad row's whole reason, its bracket closed.
    EXPECT_TRUE(pages[2].contains(
        QStringLiteral("5B1１点集中荷重長期＜H-150x75以下＞0.289/1.0ＯＫ910ＯＫＯＫ4")));
    const QStringList summary = pages[2].split(u'\n');
    const auto b2 = std::find_if(summary.begin(), summary.end(), [](const QString& l) {
        return l.startsWith(u"6B2片持梁の計算長期");
    });
    ASSERT_NE(b2, summary.end());
    EXPECT_TRUE(b2->endsWith(QStringLiteral("ＮＧ5"))) << b2->toStdString();
    EXPECT_TRUE(
        pages[2].contains(QStringLiteral("7B3入力エラー（スパン:「六」は数値ではありません）")));
    EXPECT_TRUE(pages[4].contains(QStringLiteral("ＵＳＥ：Ｈ－175×90×5×8")));
}

// The same list and options give the same bytes; the creation date is the
// book's date (SOURCE_DATE_EPOCH's day when no date is given).
TEST_F(BatchJobTest, TheSameListGivesTheSameBook) {
    writeList(std::string(kHeader) + std::string(kPasses) + std::string(kFails));
    auto book = [&] {
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("SOURCE_DATE_EPOCH"), QStringLiteral("1767225600"));
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(VARNOK3_PROGRAM), {"--batch", list, "--out", out});
        EXPECT_TRUE(program.waitForFinished(60000));
        return ReadFile(QDir(out).filePath("梁リスト_計算書.pdf"));
    };
    const QByteArray first = book();
    ASSERT_FALSE(first.isEmpty());
    EXPECT_EQ(book(), first);
    EXPECT_TRUE(first.contains("/CreationDate (D:20260101000000Z)"));
    EXPECT_TRUE(PdfPages(QDir(out).filePath("梁リスト_計算書.pdf"))
                    .front()
                    .contains(QStringLiteral("作成日2026年1月1日")));
}

TEST_F(BatchJobTest, ExitStatusTellsPassFailAndBadLists) {
    writeList(std::string(kHeader) + std::string(kPasses));
    EXPECT_EQ(run().exitStatus(), 0);
    writeList(std::string(kHeader) + std::string(kPasses) + std::string(kFails));
    EXPECT_EQ(run().exitStatus(), 1);
    writeList(std::string(kHeader) + std::string(kFails) + std::string(kBad));
    EXPECT_EQ(run().exitStatus(), 2);
}

TEST_F(BatchJobTest, AListThatCannotRunWritesNothing) {
    for (const std::string& text :
         {std::string(), std::string(kHeader),
          std::string(kHeader) + std::string(kPasses) + "B4,１点集中荷重,4,1,1,\"2,細幅\n"}) {
        writeList(text);
        const JobSummary s = run();
        EXPECT_FALSE(s.outcome);
        EXPECT_EQ(s.exitStatus(), 2);
        EXPECT_FALSE(QFileInfo::exists(out));
    }
    QFile::remove(list);
    EXPECT_TRUE(run().outcome.reason().contains(QStringLiteral("見つかりません")));
}

QStringList TableLines(const QString& path) {
    const QString text = FromShiftJis(ReadFile(path));
    return text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
}

// The table of a Shift-JIS list: every message the program writes fits it, a
// user's text that does not makes its own row bad, a text a spreadsheet would
// evaluate shows as text, and the list's own columns come along.
TEST_F(BatchJobTest, TheTableHoldsEveryRowSafelyInTheListsEncoding) {
    writeList("階,部材名,荷重形式,スパン,w単位荷重,w負担幅,P追加荷重,系列\n"
              "3F,=1+1,１点集中荷重,4,1,1,2,細幅\n"
              "3F,@SUM(1+1),１点集中荷重,4,1,1,2,細幅\n"
              "3F,B3,１点集中加重,4,1,1,2,細幅\n"
              "3F,B4,１点集中荷重,4,1,1,-5,細幅\n",
              /*shiftJis=*/true);
    std::vector<QString> warnings;
    JobCallbacks callbacks;
    callbacks.warning = [&](const QString& w) { warnings.push_back(w); };
    JobOptions options;
    options.list = list;
    options.outputFolder = out;
    const JobSummary s = RunJob(options, callbacks);
    EXPECT_EQ(s.exitStatus(), 2);
    EXPECT_EQ(s.passed, 3);
    EXPECT_EQ(s.bad, 1);
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_TRUE(warnings[0].contains(QStringLiteral("「階」")));
    const QStringList lines = TableLines(QDir(out).filePath("梁リスト_結果一覧.csv"));
    ASSERT_EQ(lines.size(), 5);
    EXPECT_TRUE(lines[0].endsWith(QStringLiteral(",備考,階")));
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("2,'=1+1,１点集中荷重,")))
        << lines[1].toStdString();
    EXPECT_TRUE(lines[1].endsWith(QStringLiteral(",ＯＫ,,,3F")));
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral("3,'@SUM(1+1),"))) << lines[2].toStdString();
    EXPECT_TRUE(lines[3].contains(QStringLiteral("が分かりません（１点集中荷重～４点集中荷重")))
        << lines[3].toStdString();
    // A negative moment stays a number.
    EXPECT_TRUE(lines[4].startsWith(QStringLiteral(
        "5,B4,１点集中荷重,細幅,長期,曲げ,4.000,2.000,1.000,-5.000,＜H-150x75以下＞,-")))
        << lines[4].toStdString();
    EXPECT_EQ(written(), (QStringList{"=1+1.TXT", "@SUM(1+1).TXT", "B4.TXT",
                                      "梁リスト_結果一覧.csv", "梁リスト_計算書.pdf"}));

    // A text Shift-JIS cannot hold, in a table asked for in Shift-JIS.
    writeList("部材名,荷重形式,スパン,備考,通り\nB1,１点集中荷重,4,,X😀\nB2,１点集中荷重,4,,Y\n");
    options.tableEncoding = ListEncoding::ShiftJis;
    const JobSummary t = RunJob(options);
    EXPECT_EQ(t.exitStatus(), 2);
    EXPECT_EQ(t.bad, 1);
    EXPECT_EQ(t.passed, 1);
    const QStringList sjis = TableLines(QDir(out).filePath("梁リスト_結果一覧.csv"));
    ASSERT_EQ(sjis.size(), 3);
    EXPECT_TRUE(sjis[1].contains(QStringLiteral(
        "入力エラー,結果一覧: 結果一覧の文字コード（Shift-JIS）で書けない文字があります")))
        << sjis[1].toStdString();
    EXPECT_TRUE(sjis[1].endsWith(QStringLiteral(",X?")));
    EXPECT_TRUE(sjis[2].endsWith(QStringLiteral(",ＯＫ,,,Y")));
}

// Every row bad: the table of their errors is still written, so each can be found.
TEST_F(BatchJobTest, AListOfOnlyBadRowsWritesItsErrorTable) {
    writeList(std::string(kHeader) + std::string(kBad), /*shiftJis=*/true);
    JobOptions options;
    options.book = false;
    const JobSummary s = run(options);
    EXPECT_TRUE(s.outcome);
    EXPECT_EQ(s.exitStatus(), 2);
    EXPECT_EQ(written(), QStringList{"梁リスト_結果一覧.csv"});
    const QStringList lines = TableLines(QDir(out).filePath("梁リスト_結果一覧.csv"));
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[1].contains(QStringLiteral("入力エラー")));
}

TEST_F(BatchJobTest, CheckOnlyAndTheEncodingOptionChangeWhatIsWritten) {
    writeList(std::string(kHeader) + std::string(kPasses));
    JobOptions options;
    options.write = false;
    EXPECT_EQ(run(options).exitStatus(), 0);
    EXPECT_FALSE(QFileInfo::exists(out));

    // A UTF-8 list without a mark gets a table with one; plain UTF-8 when asked.
    options = {};
    options.book = false;
    options.reports = false;
    run(options);
    EXPECT_EQ(written(), QStringList{"梁リスト_結果一覧.csv"});
    EXPECT_TRUE(
        ReadFile(QDir(out).filePath("梁リスト_結果一覧.csv")).startsWith("\xEF\xBB\xBF行,"));
    options.tableEncoding = ListEncoding::Utf8;
    run(options);
    EXPECT_TRUE(ReadFile(QDir(out).filePath("梁リスト_結果一覧.csv")).startsWith("行,"));
}

// A write that fails halfway (the file-size limit stops the book) leaves the
// previous run's files as they were and no staging folder behind.
TEST_F(BatchJobTest, AFailedWriteKeepsThePreviousRun) {
#ifdef _WIN32
    GTEST_SKIP() << "the file-size limit is set through a POSIX shell";
#endif
    writeList(std::string(kHeader) + std::string(kPasses));
    ASSERT_EQ(run().exitStatus(), 0);
    const QByteArray table = ReadFile(QDir(out).filePath("梁リスト_結果一覧.csv"));
    const QByteArray book = ReadFile(QDir(out).filePath("梁リスト_計算書.pdf"));

    writeList(std::string(kHeader) + std::string(kPasses) + std::string(kFails));
    QProcess child;
    child.start(
        QStringLiteral("/bin/sh"),
        {QStringLiteral("-c"),
         QStringLiteral("trap '' XFSZ; ulimit -f 16; exec \"$0\" --batch \"$1\" --out \"$2\""),
         QStringLiteral(VARNOK3_PROGRAM), list, out});
    ASSERT_TRUE(child.waitForFinished(60000));
    const QString err = QString::fromUtf8(child.readAllStandardError());
    EXPECT_EQ(child.exitCode(), 3) << err.toStdString();
    // The cause as the system gave it, told in Japanese (not Qt's English text).
    EXPECT_TRUE(err.contains(
        QStringLiteral("書き込めません（ファイルが書き込める大きさの上限を超えます。）")))
        << err.toStdString();
    EXPECT_EQ(written(), (QStringList{"B1.TXT", "梁リスト_結果一覧.csv", "梁リスト_計算書.pdf"}));
    EXPECT_EQ(ReadFile(QDir(out).filePath("梁リスト_結果一覧.csv")), table);
    EXPECT_EQ(ReadFile(QDir(out).filePath("梁リスト_計算書.pdf")), book);
}

TEST_F(BatchJobTest, AnOutputFolderThatCannotBeMadeIsAnOutputFailure) {
    writeList(std::string(kHeader) + std::string(kPasses));
    QFile blocker(out); // a file where the folder should be
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    JobSummary s = run();
    EXPECT_EQ(s.exitStatus(), 3);
    EXPECT_EQ(s.beams, 1) << "the list is checked all the same";
    EXPECT_TRUE(s.outcome.reason().contains(
        QStringLiteral("を作成できません（同じ名前のファイルがあります。）")))
        << s.outcome.reason().toStdString();

    // The file is on the way to the folder: the cause is that file, not a missing folder.
    out = QDir(out).filePath(QStringLiteral("計算書"));
    s = run();
    EXPECT_EQ(s.exitStatus(), 3);
    EXPECT_TRUE(s.outcome.reason().contains(
        QStringLiteral("を作成できません（途中のフォルダと同じ名前のファイルがあります。）")))
        << s.outcome.reason().toStdString();
}

// Without the shell's "trap '' XFSZ" the limit would end the program by its
// signal; the program itself ignores it and tells the failure.
TEST_F(BatchJobTest, AFileSizeLimitIsToldAsAFailedWrite) {
#ifdef _WIN32
    GTEST_SKIP() << "the file-size limit is set through a POSIX shell";
#endif
    writeList(std::string(kHeader) + std::string(kPasses));
    QProcess child;
    child.start(QStringLiteral("/bin/sh"),
                {QStringLiteral("-c"),
                 QStringLiteral("ulimit -f 16; exec \"$0\" --batch \"$1\" --out \"$2\""),
                 QStringLiteral(VARNOK3_PROGRAM), list, out});
    ASSERT_TRUE(child.waitForFinished(60000));
    EXPECT_EQ(child.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(child.exitCode(), 3);
    EXPECT_TRUE(QString::fromUtf8(child.readAllStandardError())
                    .contains(QStringLiteral("ファイルが書き込める大きさの上限を超えます")));
    EXPECT_FALSE(QFileInfo::exists(out));
}

TEST_F(BatchJobTest, ARunTakesAwayTheReportsOfBeamsNoLongerInTheList) {
    writeList(std::string(kHeader) + std::string(kPasses) + std::string(kFails));
    ASSERT_TRUE(run().wrote);
    QFile own(QDir(out).filePath("B9.TXT")); // the user's, not the program's
    ASSERT_TRUE(own.open(QIODevice::WriteOnly));
    own.close();

    writeList(std::string(kHeader) + std::string(kPasses));
    ASSERT_TRUE(run().wrote);
    EXPECT_EQ(written(),
              (QStringList{"B1.TXT", "B9.TXT", "梁リスト_結果一覧.csv", "梁リスト_計算書.pdf"}));
}

// A long summary goes on over pages, each with the header; a bad row's lines
// stay together; each checked beam gets the next page after the summary.
TEST(SummaryPagesTest, RepeatTheHeaderAndKeepARowTogether) {
    std::vector<TableRow> rows(9);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        rows[i].line = static_cast<int>(i) + 2;
        rows[i].memberName = "B" + std::to_string(i);
        if (i != 4)
            rows[i].result.emplace().bendingPasses = i != 3;
    }
    rows[4].errors = std::string(200, 'x'); // three lines of reason
    CalcBookSource source;
    source.rows = &rows;
    const std::vector<BookPage> pages = SummaryPages(source, 12, 5);
    ASSERT_EQ(pages.size(), 3u);
    std::string all;
    for (const BookPage& page : pages) {
        EXPECT_LE(page.lines.size(), 10u);
        EXPECT_NE(page.lines[4].text.find("部材名"), std::string::npos);
        for (const auto& line : page.lines)
            all += line.text + "\n";
    }
    EXPECT_NE(all.find("入力エラー（xxx"), std::string::npos);
    EXPECT_NE(all.find("xx）"), std::string::npos);
    EXPECT_EQ(all.find("B8"), all.rfind("B8"));
    EXPECT_NE(all.find(" 12\n", all.find("B8")), std::string::npos) << all; // the 8th beam
    EXPECT_EQ(pages[1].bold.size() + pages[0].bold.size(), 1u);             // B3 fails
}

TEST(BookDateTest, ReadsTheUsualWaysOfWritingADate) {
    for (const char* text : {"2026-04-01", "2026/4/1", "2026.04.01", "2026年4月1日",
                             "２０２６年４月１日", " 2026 年 4 月 1 日 "})
        EXPECT_EQ(ParseDateText(QString::fromUtf8(text)), QDate(2026, 4, 1)) << text;
    for (const char* text : {"", "令和8年4月1日", "2026-13-01", "4/1/2026"})
        EXPECT_FALSE(ParseDateText(QString::fromUtf8(text)).isValid()) << text;
    EXPECT_EQ(DateText(QDate(2026, 4, 1)), QStringLiteral("2026年4月1日"));
}

TEST(CommandLineTest, ReadsTheOptionsAndRefusesWhatItDoesNotKnow) {
    EXPECT_FALSE(IsBatchCommandLine({}));
    EXPECT_FALSE(IsBatchCommandLine({"--unknown"}));
    EXPECT_EQ(ParseCommandLine({"list.CSV"}).mode, CommandLine::Mode::Window);
    EXPECT_EQ(ParseCommandLine({"--batch", "a.csv", "--help"}).mode, CommandLine::Mode::Help);

    const CommandLine full = ParseCommandLine(
        {"--batch", "a.csv", "--out", "o", "--face", "mincho", "--encoding", "UTF-8", "--no-pdf",
         "--select", "all", "--project", "P", "--engineer", "E", "--date", "2026-01-02"});
    ASSERT_EQ(full.mode, CommandLine::Mode::Run);
    EXPECT_EQ(full.options.list, "a.csv");
    EXPECT_EQ(full.options.outputFolder, "o");
    EXPECT_EQ(full.options.face, reports::Typeface::Mincho);
    EXPECT_EQ(full.options.tableEncoding, ListEncoding::Utf8);
    EXPECT_FALSE(full.options.book);
    EXPECT_TRUE(full.options.selectAll);
    EXPECT_EQ(full.options.project, "P");
    EXPECT_EQ(full.options.engineer, "E");
    EXPECT_EQ(full.options.date, "2026-01-02");
    EXPECT_FALSE(ParseCommandLine({"--batch", "a.csv"}).options.project); // none: the list's

    for (const QStringList& bad :
         {QStringList{"--batch"}, QStringList{"--batch", "a.csv", "--face", "bold"},
          QStringList{"--batch", "a.csv", "--encoding", "euc"},
          QStringList{"--batch", "a.csv", "--fast"}, QStringList{"--out", "o"},
          QStringList{"--batch", "a.csv", "--select", "lightest"}}) {
        const CommandLine line = ParseCommandLine(bad);
        EXPECT_EQ(line.mode, CommandLine::Mode::Error) << bad.join(' ').toStdString();
        EXPECT_FALSE(line.error.isEmpty());
    }
}

TEST(CommandLineTest, TheProgramAnswersHelpAndBadRowsOnItsStreams) {
    QProcess help;
    help.start(QStringLiteral(VARNOK3_PROGRAM), {QStringLiteral("--help")});
    ASSERT_TRUE(help.waitForFinished(30000));
    EXPECT_EQ(help.exitCode(), 0);
    const QString text = QString::fromUtf8(help.readAllStandardOutput());
    EXPECT_TRUE(text.contains(QStringLiteral("使い方")));
    EXPECT_TRUE(text.contains(QStringLiteral("Usage")));

    QTemporaryDir dir;
    const QString list = dir.filePath("l.csv");
    QFile f(list);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(
        QByteArray::fromStdString(std::string(kHeader) + std::string(kBad) + std::string(kPasses)));
    f.close();
    QProcess run;
    run.start(QStringLiteral(VARNOK3_PROGRAM), {"--batch", list, "--check-only"});
    ASSERT_TRUE(run.waitForFinished(30000));
    EXPECT_EQ(run.exitCode(), 2);
    const QString err = QString::fromUtf8(run.readAllStandardError());
    EXPECT_TRUE(err.contains(QDir::toNativeSeparators(list) +
                             QStringLiteral(":2:3: スパン: 「六」は数値ではありません")))
        << err.toStdString();
    EXPECT_TRUE(QString::fromUtf8(run.readAllStandardOutput())
                    .contains(QStringLiteral("梁 2 本: ＯＫ 1、ＮＧ 0、入力エラー 1")));
}

} // namespace
} // namespace varnok::batch
