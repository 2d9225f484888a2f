// The report lines against hand-typed expected files, and the printed page's
// line list against the text file's.

#include "report_lines.h"
#include "report_scenarios.h"
#include "shift_jis.h"
#include "text_report_file.h"

#include <QFile>
#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <ostream>

namespace varnok::reports {

// Readable failures: "column:[text]".
void PrintTo(const ReportLine& line, std::ostream* os) {
    *os << line.column << ":[" << line.text << "]";
}

namespace {

using testing::Scenario;

QByteArray Golden(const std::string& name) {
    QFile file(QStringLiteral(VARNOK_GOLDEN_DIR "/") + QString::fromStdString(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

/// The first line where two Shift-JIS files differ, decoded, for a readable failure.
std::string FirstDifference(const QByteArray& actual, const QByteArray& expected) {
    const QStringList al = FromShiftJis(actual)
                               .value_or(QStringLiteral("<not Shift-JIS>"))
                               .split(QStringLiteral("\r\n"));
    const QStringList bl = FromShiftJis(expected)
                               .value_or(QStringLiteral("<not Shift-JIS>"))
                               .split(QStringLiteral("\r\n"));
    for (qsizetype i = 0; i < std::max(al.size(), bl.size()); ++i) {
        const QString x = i < al.size() ? al[i] : QStringLiteral("<none>");
        const QString y = i < bl.size() ? bl[i] : QStringLiteral("<none>");
        if (x != y)
            return "line " + std::to_string(i + 1) + "\n  actual:   [" + x.toStdString() +
                   "]\n  expected: [" + y.toStdString() + "]";
    }
    return "same lines, different bytes";
}

Report Build(const Scenario& s, ReportTarget target = ReportTarget::TextFile) {
    return BuildReport(s.design, s.memberName, target);
}

class GoldenReport : public ::testing::TestWithParam<Scenario (*)()> {};

TEST_P(GoldenReport, FileMatchesTheHandTypedReportByteForByte) {
    const Scenario s = GetParam()();
    const Report report = Build(s);
    EXPECT_TRUE(report.complete);
    const EncodedReport encoded = EncodeReport(report.lines);
    ASSERT_TRUE(encoded.ok()) << encoded.unencodable.toStdString();
    const QByteArray expected = Golden(s.golden);
    ASSERT_FALSE(expected.isEmpty()) << s.golden;
    EXPECT_TRUE(encoded.bytes == expected)
        << s.golden << ": " << FirstDifference(encoded.bytes, expected);
}

INSTANTIATE_TEST_SUITE_P(
    AllSheets, GoldenReport,
    ::testing::Values(&testing::TwoPointsLongPass, &testing::OnePointShortFail,
                      &testing::ThreePointsLongPass, &testing::FourPointsDeflectionFail,
                      &testing::UniformBothRowsLongPass, &testing::UniformOneRowShortFail,
                      &testing::CantileverWeldFailLong, &testing::CantileverShortPass));

TEST(ReportLines, SimpleBeamWithoutAPointLoadCaseHasNoDiagram) {
    Scenario s = testing::TwoPointsLongPass();
    const ReportLines full = Build(s).lines;
    for (std::int16_t caseNumber : {0, 1, 6}) {
        s.design.loadCase.caseNumber = caseNumber;
        const ReportLines lines = Build(s).lines;
        ASSERT_EQ(lines.size(), 46u) << caseNumber;
        ReportLines expected = full;
        expected.erase(expected.begin() + 4, expected.begin() + 9); // lines 5-9
        EXPECT_EQ(lines, expected) << caseNumber;
    }
}

TEST(ReportLines, AddedLoadPieceDependsOnTheFieldTextNotOnTheValue) {
    Scenario s = testing::FourPointsDeflectionFail(); // Text6 and Text11 show 0.000
    s.design.shown[6] = ("0");                    // a plain 0 typed after the calculation
    s.design.shown[11] = ("");
    const ReportLines lines = Build(s).lines;
    EXPECT_EQ(lines[16].text, "ｗ ＝ 4.000 × 2.500 ＋ 0.000 ＝ 10.000 kN/m");
    EXPECT_EQ(lines[18].text, "Ｐ ＝ 4.000 × 2.500 × 1.600 ＋ 0.000 ＝ 16.000 kN");
}

TEST(ReportLines, SecondRowOfTheUniformLoadShowsItsAddedLoadOnlyWithItsAreaLoad) {
    Scenario s = testing::UniformBothRowsLongPass();
    s.design.shown[9] = ("0.000");
    EXPECT_EQ(Build(s).lines[18], (ReportLine{18, "＋ 1.200 × 1.500 ＝ 6.700 kN/m"}));
    s.design.shown[7] = ("0.000");
    s.design.shown[9] = ("0.200");
    EXPECT_EQ(Build(s).lines[18], (ReportLine{18, "＝ 6.700 kN/m"}));
}

TEST(ReportLines, SectionRowOutsideTheCatalogueStopsBeforeTheSectionLine) {
    for (Scenario s : testing::AllScenarios()) {
        const ReportLines full = Build(s).lines;
        const auto section = std::find_if(full.begin(), full.end(), [](const ReportLine& l) {
            return l.text.starts_with("ＵＳＥ： ");
        });
        ASSERT_NE(section, full.end());
        for (int row : {0, 61, -1}) {
            s.design.result.sectionRow = row;
            const Report report = Build(s);
            EXPECT_FALSE(report.complete) << s.golden << " row " << row;
            EXPECT_EQ(report.lines, ReportLines(full.begin(), section)) << s.golden;
        }
    }
}

// Values without a finite result are written as the sheet shows them, never
// read back as 0, in the file and on the page alike.
TEST(ReportLines, NonFiniteValuesAreWrittenAsTheSheetShowsThem) {
    Scenario s = testing::TwoPointsLongPass();
    s.design.result.moment.value = std::numeric_limits<double>::infinity();
    s.design.result.stressRatioShown.value = std::numeric_limits<double>::quiet_NaN();
    s.design.result.bendingPasses = false;
    s.design.result.deflection = 0;
    s.design.result.spanOverDeflection = std::numeric_limits<double>::infinity();
    const Report report = Build(s);
    EXPECT_TRUE(report.complete);
    EXPECT_TRUE(EncodeReport(report.lines).ok());
    ASSERT_EQ(report.lines.size(), 51u);
    EXPECT_EQ(report.lines[22].text, "Ｍ ＝ ---･ｗ･Ｌ^2 ＋ ---･Ｐ･Ｌ ＝ ∞ kN･m");
    EXPECT_EQ(report.lines[38].text, "------- ＝ 不定   ＞ 1.0      【ＮＧ】");
    EXPECT_EQ(report.lines[50].text, "    ∞           300");
    const Report page = Build(s, ReportTarget::PrintedPage);
    EXPECT_EQ(page.lines[23].text, report.lines[22].text);
    EXPECT_EQ(page.lines[39].text, report.lines[38].text);

    Scenario uniform = testing::UniformBothRowsLongPass();
    uniform.design.result.moment.value = -std::numeric_limits<double>::infinity();
    EXPECT_EQ(Build(uniform, ReportTarget::PrintedPage).lines[24].text,
              "Ｍ ＝ ---･ｗ･Ｌ^2 ＝ -∞ kN･m");

    Scenario cantilever = testing::CantileverWeldFailLong();
    cantilever.design.result.weldRatioShown.value = std::numeric_limits<double>::infinity();
    EXPECT_EQ(Build(cantilever).lines.end()[-2].text, "-------- ＝ ∞   ＞ 1.0      【ＮＧ】");
}

/// The text file's lines as the page prints them: one more empty line on top
/// and every line ten columns further right.
ReportLines Shifted(const ReportLines& file) {
    ReportLines page{ReportLine{}};
    for (ReportLine line : file) {
        if (line.column > 0)
            line.column += 10;
        page.push_back(line);
    }
    return page;
}

TEST(PrintedPage, SimpleBeamAndCantileverPrintTheFileLinesTenColumnsRight) {
    for (Scenario s : testing::AllScenarios()) {
        if (s.design.kind == SheetKind::kei3_b2)
            continue;
        const Report page = Build(s, ReportTarget::PrintedPage);
        EXPECT_TRUE(page.complete);
        EXPECT_EQ(page.lines, Shifted(Build(s).lines)) << s.golden;
    }
    const Report cantilever = Build(testing::CantileverWeldFailLong(), ReportTarget::PrintedPage);
    EXPECT_EQ(cantilever.lines.size(), 62u);
    EXPECT_EQ(cantilever.lines[57].column, 18); // the weld line, left of every other
}

TEST(PrintedPage, UniformLoadPageHasItsOwnPropertyMarksLastLineAndLoadSpacing) {
    for (Scenario s : {testing::UniformBothRowsLongPass(), testing::UniformOneRowShortFail()}) {
        const bool firstAdded = s.design.shown[6] != "0.000";
        ReportLines expected = Shifted(Build(s).lines);
        // Page lines: 1 extra on top, so file line n is page index n.
        expected[29].text =
            "断面性能　･ ib＝" + expected[29].text.substr(expected[29].text.find("＝") + 3);
        expected[30].text =
            "　　　　　･ η＝" + expected[30].text.substr(expected[30].text.find("＝") + 3);
        expected[31].text =
            "　　　　　･ Zx＝" + expected[31].text.substr(expected[31].text.find("＝") + 3);
        expected[32].text =
            "　　　　　･ Ix＝" + expected[32].text.substr(expected[32].text.find("＝") + 3);
        std::string& last = expected[51].text; // eleven blanks before 300, not ten
        const std::size_t limit = last.rfind("300");
        last = last.substr(0, limit) + " " + last.substr(limit);
        if (firstAdded)
            expected.insert(expected.begin() + 18, ReportLine{});
        const Report page = Build(s, ReportTarget::PrintedPage);
        EXPECT_TRUE(page.complete);
        EXPECT_EQ(page.lines, expected) << s.golden;
    }
    // Spelled out once: the four property lines of the page.
    const ReportLines page =
        Build(testing::UniformBothRowsLongPass(), ReportTarget::PrintedPage).lines;
    EXPECT_EQ(page[30], (ReportLine{25, "断面性能　･ ib＝2.38 cm"}));
    EXPECT_EQ(page[31], (ReportLine{25, "　　　　　･ η＝5.78"}));
    EXPECT_EQ(page[32], (ReportLine{25, "　　　　　･ Zx＝139.0 cm3"}));
    EXPECT_EQ(page[33], (ReportLine{25, "　　　　　･ Ix＝1210 cm4"}));
    EXPECT_EQ(page.back(), (ReportLine{23, "    312           300"}));
    EXPECT_EQ(page[17], (ReportLine{25, "ｗ ＝ 2.900 × 1.500 ＋ 0.350 "}));
    EXPECT_EQ(page[18], ReportLine{});
    EXPECT_EQ(page[19], ReportLine{});
    EXPECT_EQ(page[20].column, 28);
}

} // namespace
} // namespace varnok::reports
