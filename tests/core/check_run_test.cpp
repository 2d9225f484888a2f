// Section selection, the arrow steps and whole check runs per sheet.
#include "beam_check.h"
#include "memory_sheet.h"

#include <gtest/gtest.h>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace varnok {
namespace {

class Runs : public ::testing::Test {
protected:
    void SetUp() override { FillCatalogue(state.catalogue); }

    int selectFor(double M, SheetKind kind = SheetKind::kei3_b1) {
        check.M = M;
        SelectSection(check, state.catalogue, OptionsOn(sheet).series, kind);
        return check.currentSection;
    }

    void type(std::initializer_list<std::pair<const char*, const char*>> fields) {
        for (auto [name, text] : fields)
            sheet.setText(name, text);
    }

    ProgramState state;
    MemorySheet sheet = MemorySheet::withDefaults();
    BeamCheck& check = state.beamCheck;
};

TEST_F(Runs, SelectionTakesTheFirstAdequateRowOfTheSeries) {
    EXPECT_EQ(selectFor(10), 1) << "already the smallest section suffices: the or-smaller row";
    EXPECT_DOUBLE_EQ(check.requiredModulus, 63.73);
    EXPECT_EQ(selectFor(20), 3);
    EXPECT_EQ(selectFor(500), 20) << "beyond the series: the or-larger row";
    EXPECT_EQ(selectFor(16, SheetKind::kei3_cg), 3) << "the cantilever selects by Ze";
    EXPECT_DOUBLE_EQ(check.requiredModulus, 113.392);

    sheet.select("Option4");
    EXPECT_EQ(selectFor(1981 / 6.373), 28);
    EXPECT_EQ(selectFor(2550 / 6.373), 28);
    EXPECT_EQ(selectFor(2551 / 6.373), 30) << "row 29 is passed over";
    EXPECT_EQ(check.seriesRange, (SeriesRange{21, 40}));
    sheet.select("Option5");
    EXPECT_EQ(selectFor(0), 41);
}

TEST_F(Runs, WithoutASeriesOptionTheLastRangeStays) {
    sheet.select("Option4");
    selectFor(10);
    MemorySheet bare;
    check.M = 10;
    SelectSection(check, state.catalogue, OptionsOn(bare).series, SheetKind::kei3_b1);
    EXPECT_EQ(check.currentSection, 21);
}

TEST_F(Runs, StepsStayInsideTheirSeries) {
    struct Step {
        int from, up, down;
    };
    for (Step s : {Step{0, 1, 1},
                   {1, 2, 1},
                   {19, 20, 18},
                   {20, 20, 19},
                   {21, 22, 21},
                   {40, 40, 39},
                   {41, 42, 41},
                   {59, 60, 58},
                   {60, 60, 59}}) {
        check.currentSection = static_cast<std::int16_t>(s.from);
        StepSectionUp(check);
        EXPECT_EQ(check.currentSection, s.up) << "up from " << s.from;
        check.currentSection = static_cast<std::int16_t>(s.from);
        StepSectionDown(check);
        EXPECT_EQ(check.currentSection, s.down) << "down from " << s.from;
    }
}

TEST_F(Runs, SimpleBeamFullCheckAndRecheck) {
    ChooseLoadCase(state.loadCase, LoadCaseButton::OnePoint);
    type({{"Text2", "6"},
          {"Text3", "3"},
          {"Text4", "0"},
          {"Text5", "0"},
          {"Text6", "0"},
          {"Text8", "0"},
          {"Text9", "0"},
          {"Text10", "0"},
          {"Text11", "10"}});
    ComputeSheetLoads(state, sheet, SheetKind::kei3_b1);
    RunFullCheck(state, sheet, SheetKind::kei3_b1);
    EXPECT_EQ(sheet.text("Text17"), "15.000");
    EXPECT_EQ(check.currentSection, 3);
    EXPECT_EQ(sheet.text("Text18"), "H-175x90x5x8     ");
    EXPECT_EQ(sheet.text("Text24"), "122");
    EXPECT_EQ(sheet.text("Text28"), "0.883");
    EXPECT_EQ(sheet.text("Label63"), "ＯＫ");
    EXPECT_EQ(sheet.at("Command6").back, colour::kStepPass);
    EXPECT_EQ(sheet.text("Text32"), "1.814");
    EXPECT_EQ(sheet.text("Text33"), "331");
    EXPECT_EQ(sheet.text("Label80"), "ＯＫ");
    EXPECT_EQ(state.fieldValues.get(25), 15);

    StepSectionDown(check);
    StepSectionDown(check);
    RunSectionRecheck(state, sheet, SheetKind::kei3_b1);
    EXPECT_EQ(check.currentSection, 1);
    EXPECT_EQ(check.M, 15) << "a recheck keeps the moment";
    EXPECT_EQ(sheet.text("Label63"), "ＮＧ");
    EXPECT_EQ(sheet.at("Command6").back, colour::kVerdictNg);

    // An option click runs the whole check again and the automatic choice wins.
    sheet.select("Option2");
    RunFullCheck(state, sheet, SheetKind::kei3_b1);
    EXPECT_EQ(check.currentSection, 3);
    EXPECT_EQ(sheet.text("Text29"), "1.0");
}

TEST_F(Runs, CantileverFullCheckWithTheWeldSection) {
    ChooseLoadCase(state.loadCase, LoadCaseButton::Cantilever);
    type({{"Text2", "2"},
          {"Text3", "2"},
          {"Text4", "5"},
          {"Text5", "1"},
          {"Text6", "0"},
          {"Text8", "0"},
          {"Text9", "0"},
          {"Text10", "0"},
          {"Text11", "3"}});
    ComputeSheetLoads(state, sheet, SheetKind::kei3_cg);
    RunFullCheck(state, sheet, SheetKind::kei3_cg);
    EXPECT_EQ(sheet.text("Text17"), "16.000");
    EXPECT_EQ(check.currentSection, 3);
    EXPECT_EQ(sheet.text("Text41"), "141");
    EXPECT_EQ(sheet.text("Text43"), "16.000");
    EXPECT_EQ(sheet.text("Text42"), "114.0");
    EXPECT_EQ(sheet.text("Text44"), "114.0");
    EXPECT_EQ(sheet.text("Text16"), "0.995");
    EXPECT_EQ(sheet.text("Label82"), "ＯＫ");
    EXPECT_EQ(sheet.text("Text24"), "157");
    EXPECT_EQ(sheet.text("Text28"), "0.733");
    EXPECT_EQ(sheet.text("Text32"), "0.740");
    EXPECT_EQ(sheet.text("Text33"), "270");
    EXPECT_EQ(sheet.text("Label80"), "ＮＧ");
    EXPECT_EQ(sheet.at("Command6").back, colour::kStepPass)
        << "the deflection does not colour the arrow";
    EXPECT_EQ(state.fieldValues.get(16), check.weldRatio);

    // A weld failure leaves the arrow green: the bending verdict alone colours it.
    // Short term on row 2: bending 0.771 against 1.0, weld 1.621 against 1.5.
    sheet.select("Option2");
    StepSectionDown(check);
    RunSectionRecheck(state, sheet, SheetKind::kei3_cg);
    EXPECT_EQ(sheet.text("Text28"), "0.771");
    EXPECT_EQ(sheet.text("Text16"), "1.621");
    EXPECT_EQ(sheet.text("Label82"), "ＮＧ");
    EXPECT_EQ(sheet.text("Label63"), "ＯＫ");
    EXPECT_EQ(sheet.at("Command6").back, colour::kStepPass);
}

TEST_F(Runs, ShortTermCountsItsAllowanceOnce) {
    // σ = 45.45 kN·m / 160 cm³ = 284 N/mm², well past F = 235: the ratio against the
    // short-term fb (235) is 1.209 and fails; the weld ratio keeps its own 1.5 limit.
    ChooseLoadCase(state.loadCase, LoadCaseButton::Cantilever);
    type({{"Text2", "1.8"},
          {"Text3", "1.8"},
          {"Text4", "6"},
          {"Text5", "2"},
          {"Text6", "0.5"},
          {"Text8", "6"},
          {"Text9", "1.5"},
          {"Text10", "1"},
          {"Text11", "5"}});
    ComputeSheetLoads(state, sheet, SheetKind::kei3_cg);
    RunFullCheck(state, sheet, SheetKind::kei3_cg);
    sheet.select("Option2");
    RunFullCheck(state, sheet, SheetKind::kei3_cg);
    for (int i = 0; i < 4; ++i) {
        StepSectionDown(check);
        RunSectionRecheck(state, sheet, SheetKind::kei3_cg);
    }
    EXPECT_EQ(sheet.text("Text18"), "H-198x99x4.5x7   ");
    EXPECT_EQ(sheet.text("Text17"), "45.450");
    EXPECT_EQ(sheet.text("Text27"), "235");
    EXPECT_EQ(sheet.text("Text28"), "1.209");
    EXPECT_EQ(sheet.text("Text29"), "1.0");
    EXPECT_EQ(sheet.text("Label62"), "＞");
    EXPECT_EQ(sheet.text("Label63"), "ＮＧ");
    EXPECT_EQ(sheet.at("Command6").back, colour::kVerdictNg);
    EXPECT_EQ(sheet.text("Text15"), "1.5");
    EXPECT_FALSE(state.result.passes());
}

TEST_F(Runs, UniformLoadFullCheck) {
    ChooseLoadCase(state.loadCase, LoadCaseButton::UniformOnly);
    type({{"Text2", "6"},
          {"Text3", "6"},
          {"Text4", "5"},
          {"Text5", "2"},
          {"Text6", "0"},
          {"Text7", "0"},
          {"Text8", "0"},
          {"Text9", "0"}});
    ComputeSheetLoads(state, sheet, SheetKind::kei3_b2);
    RunFullCheck(state, sheet, SheetKind::kei3_b2);
    EXPECT_EQ(sheet.text("Text11"), "45.000");
    EXPECT_EQ(sheet.find("Text17"), nullptr);
    EXPECT_EQ(check.currentSection, 7); // 45 × 6.373 = 286.8 cm³: H-248x124 (285) is just short
    EXPECT_EQ(sheet.text("Text33"), "295");
    EXPECT_EQ(sheet.text("Label63"), "ＮＧ"); // fb 59 on a 6 m buckling length
}

TEST_F(Runs, RowFortyNineDeflectsWithItsTabledIx) {
    ChooseLoadCase(state.loadCase, LoadCaseButton::UniformOnly);
    sheet.select("Option5");
    type({{"Text2", "8"}, {"Text3", "1"}, {"Text4", "17.5"}, {"Text5", "1"}}); // w = 17.5 kN/m
    ComputeSheetLoads(state, sheet, SheetKind::kei3_b2);
    RunFullCheck(state, sheet, SheetKind::kei3_b2);
    EXPECT_EQ(check.currentSection, 49);
    EXPECT_EQ(sheet.text("Text22"), "11500");
    EXPECT_EQ(sheet.text("Text32"), "3.959"); // 64 × (17.5 × 1.30208 × 64) / (2.05 × 11500)
    EXPECT_EQ(sheet.text("Text33"), "202");
}

// Uplift: the same loads turned upward give the same section, ratios and
// verdicts; M and δ keep their sign in their fields.
struct Uplift {
    LoadCaseButton button;
    SheetKind kind;
    std::vector<std::pair<const char*, const char*>> lengths; // span, buckling length, widths
    std::vector<std::pair<const char*, const char*>> loads;   // typed positive, then negated
};

class UpliftRuns : public Runs, public ::testing::WithParamInterface<Uplift> {
protected:
    std::map<std::string, std::string> run(bool upward) {
        const Uplift& u = GetParam();
        for (const char* name : {"Text4", "Text6", "Text7", "Text8", "Text9", "Text11"})
            sheet.setText(name, "0");
        for (auto [name, text] : u.lengths)
            sheet.setText(name, text);
        for (auto [name, text] : u.loads)
            sheet.setText(name, std::string(upward ? "-" : "").append(text));
        ComputeSheetLoads(state, sheet, u.kind);
        RunFullCheck(state, sheet, u.kind);
        std::map<std::string, std::string> shown;
        for (const char* name : {"Text11", "Text17", "Text18", "Text16", "Text28", "Text32",
                                 "Text33", "Label63", "Label80", "Label82"})
            shown[name] = sheet.text(name);
        return shown;
    }
};

TEST_P(UpliftRuns, AreCheckedOnTheirMagnitude) {
    ChooseLoadCase(state.loadCase, GetParam().button);
    const bool uniform = GetParam().kind == SheetKind::kei3_b2;
    const std::string moment = uniform ? "Text11" : "Text17";
    std::map<std::string, std::string> down = run(false);
    std::map<std::string, std::string> up = run(true);
    EXPECT_GE(check.stressRatio, 0);
    EXPECT_GE(check.weldRatio, 0);
    EXPECT_GT(check.spanOverDeflection, 0);
    EXPECT_LT(check.M, 0);
    EXPECT_EQ(up[moment], "-" + down[moment]);
    EXPECT_EQ(up["Text32"], "-" + down["Text32"]);
    for (auto* signedField : {"Text11", "Text17", "Text32"}) {
        up.erase(signedField);
        down.erase(signedField);
    }
    EXPECT_EQ(up, down);
}

INSTANTIATE_TEST_SUITE_P(
    Sheets, UpliftRuns,
    ::testing::Values(
        Uplift{LoadCaseButton::TwoPoints,
               SheetKind::kei3_b1,
               {{"Text2", "6"}, {"Text3", "2"}, {"Text5", "2"}, {"Text9", "2"}, {"Text10", "1"}},
               {{"Text4", "3"}, {"Text6", "0.5"}, {"Text8", "2"}, {"Text11", "4"}}},
        // w = 150 kN/m fails either way, never with a negative ratio
        Uplift{LoadCaseButton::UniformOnly,
               SheetKind::kei3_b2,
               {{"Text2", "6"}, {"Text3", "2"}, {"Text5", "1"}, {"Text8", "1"}},
               {{"Text4", "150"}}},
        Uplift{LoadCaseButton::UniformOnly,
               SheetKind::kei3_b2,
               {{"Text2", "6"}, {"Text3", "2"}, {"Text5", "2"}, {"Text8", "1"}},
               {{"Text4", "5"}, {"Text6", "0.3"}, {"Text7", "1"}, {"Text9", "0.2"}}},
        Uplift{LoadCaseButton::Cantilever,
               SheetKind::kei3_cg,
               {{"Text2", "2"}, {"Text3", "2"}, {"Text5", "1"}, {"Text9", "1"}, {"Text10", "1"}},
               {{"Text4", "5"}, {"Text8", "3"}}}));

// Negative lengths are refused by the sheets; what reaches the engine anyway
// (an option click after a refused calculate) shows "不定" and never passes.
TEST_F(Runs, NegativeLengthsNeverPass) {
    struct Case {
        const char *span, *buckling, *moment, *fb;
    };
    ChooseLoadCase(state.loadCase, LoadCaseButton::OnePoint);
    for (Case c : {Case{"-6", "-2", "不定", "不定"}, Case{"6", "-2", "15.000", "不定"},
                   Case{"-6", "2", "不定", "156"}}) {
        type({{"Text2", c.span}, {"Text3", c.buckling}, {"Text11", "10"}}); // one 10 kN load
        ComputeSheetLoads(state, sheet, SheetKind::kei3_b1);
        RunFullCheck(state, sheet, SheetKind::kei3_b1);
        EXPECT_EQ(sheet.text("Text17"), c.moment) << c.span << " " << c.buckling;
        EXPECT_EQ(sheet.text("Text24"), c.fb) << c.span << " " << c.buckling;
        EXPECT_EQ(sheet.text("Text28"), "不定") << c.span << " " << c.buckling;
        EXPECT_EQ(sheet.text("Label63"), "ＮＧ") << c.span << " " << c.buckling;
        if (c.span[0] == '-') {
            EXPECT_EQ(sheet.text("Label80"), "ＮＧ") << "L/δ below zero";
        }
    }
    // "-0" is a zero buckling length, fully braced: not fb = -∞ and a ratio of 0.
    type({{"Text2", "6"}, {"Text3", "-0"}});
    ComputeSheetLoads(state, sheet, SheetKind::kei3_b1);
    RunFullCheck(state, sheet, SheetKind::kei3_b1);
    EXPECT_EQ(sheet.text("Text24"), "157");
    EXPECT_EQ(sheet.text("Text28"), "0.687");
}

TEST_F(Runs, ClicksBeforeTheFirstCalculateRunOnZeros) {
    ChooseLoadCase(state.loadCase, LoadCaseButton::OnePoint);
    RunFullCheck(state, sheet, SheetKind::kei3_b1);
    EXPECT_EQ(check.currentSection, 1);
    EXPECT_EQ(sheet.text("Text17"), "0.000");
    EXPECT_EQ(sheet.text("Text24"), "157");
    EXPECT_EQ(sheet.text("Label63"), "ＯＫ");
    EXPECT_EQ(sheet.text("Label80"), "ＯＫ");
}

} // namespace
} // namespace varnok
