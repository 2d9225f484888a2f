// The steps of one check, on the worked examples of the design rules.
#include "beam_check.h"
#include "beam_design.h"

#include <cmath>
#include <gtest/gtest.h>

namespace varnok {
namespace {

class Steps : public ::testing::Test {
protected:
    void onRow(int row, double Lb) {
        check.currentSection = static_cast<std::int16_t>(row);
        check.Lb = Lb;
        AllowableBendingStress(check, catalogue);
        ApplyLoadDuration(check, shortTerm());
    }

    bool shortTerm() const { return options.shortTerm; }
    /// The record of the check as it stands, as a run ends.
    CheckResult record(SheetKind kind) const {
        return RecordResult(check, catalogue, options, kind);
    }
    /// The check as it stands, recorded as a run ends.
    void endRun(SheetKind kind) { r = record(kind); }

    const SectionCatalogue& catalogue = Catalogue();
    BeamCheck check;
    FieldValues entries;
    CheckOptions options{SectionSeries::Narrow, false};
    CheckResult r;
};

TEST_F(Steps, LoadsAreReadAsTypedAndShownWithThreeDecimals) {
    LoadTexts texts{"", "", "6.0006", "abc", "3", "2.5", "0.5", "", "2", "1.5", "2", "1"};
    ComputeLoads(check, entries, texts, SheetKind::kei3_b1);
    EXPECT_EQ(check.L, 6.0006);
    EXPECT_EQ(texts[2], "6.001");
    EXPECT_EQ(texts[3], "0.000");
    EXPECT_EQ(check.w, 8.0);
    EXPECT_EQ(texts[7], "8.000");
    EXPECT_EQ(check.P, 7.0);
    EXPECT_EQ(texts[12], "7.000");
    EXPECT_EQ(entries.get(12), 7.0);

    ComputeLoads(check, entries, texts,
                 SheetKind::kei3_b1); // a second calculate reads the rounded text
    EXPECT_EQ(check.L, 6.001);
}

TEST_F(Steps, UniformLoadSheetAddsBothRowsAndLeavesThePointLoad) {
    check.P = 42;
    LoadTexts texts{"", "", "6", "6", "3", "2", "0.5", "1", "1.5", "0.2"};
    ComputeLoads(check, entries, texts, SheetKind::kei3_b2);
    EXPECT_DOUBLE_EQ(check.w, 8.2);
    EXPECT_EQ(texts[10], "8.200");
    EXPECT_EQ(check.P, 42);
}

TEST_F(Steps, DesignMomentPerSheet) {
    LoadCase lc;
    ChooseLoadCase(lc, LoadCaseButton::FourPoints);
    check.L = 6;
    check.w = 0;
    check.P = 10;
    DesignMoment(check, lc, SheetKind::kei3_b1);
    EXPECT_EQ(check.M, 36);

    check.L = 2;
    check.w = 5;
    check.P = 3;
    DesignMoment(check, lc, SheetKind::kei3_cg);
    EXPECT_EQ(check.M, 16);

    check.L = 6;
    check.w = 10;
    DesignMoment(check, lc, SheetKind::kei3_b2);
    EXPECT_EQ(check.M, 45);
}

TEST_F(Steps, AllowableStressOfTheWorkedExample) {
    onRow(9, 3); // H-300x150x6.5x9
    EXPECT_NEAR(check.fbLong, 133.345, 0.0005);
    EXPECT_NEAR(check.fbShort, 200.017, 0.0005);
    EXPECT_EQ(check.fb, check.fbLong);
    check.M = 36;
    BendingRatio(check, entries, catalogue);
    EXPECT_NEAR(check.stressRatio, 0.5613, 0.00005);
    EXPECT_EQ(entries.get(26), 481);
    endRun(SheetKind::kei3_b1);
    EXPECT_EQ(r.moment.text, "36.000");
    EXPECT_EQ(r.fbShown.text, "133");
    EXPECT_EQ(r.Zx.text, "481.0");
    EXPECT_EQ(r.stressRatioShown.text, "0.561");

    options.shortTerm = true;
    onRow(9, 3);
    BendingRatio(check, entries, catalogue);
    endRun(SheetKind::kei3_b1);
    EXPECT_EQ(r.fbShown.text, "200");
    EXPECT_EQ(r.stressRatioShown.text, "0.374");
}

TEST_F(Steps, AllowableStressIsCappedLongAndShortTerm) {
    onRow(9, 0.5);
    EXPECT_EQ(check.fbLong, 157);
    EXPECT_EQ(check.fbShort, 235);
    onRow(9, 0); // an empty buckling length: infinite, then capped
    EXPECT_EQ(check.fbLong, 157);
    EXPECT_EQ(check.fbShort, 235);
    options.shortTerm = true;
    check.currentSection = 44; // BucklingConstant exactly 89000
    check.Lb = 8.9;
    AllowableBendingStress(check, catalogue);
    ApplyLoadDuration(check, shortTerm());
    EXPECT_DOUBLE_EQ(check.fbLong, 100);
    EXPECT_DOUBLE_EQ(check.fb, 150);
}

TEST_F(Steps, AnUnknownRowKeepsThePreviousValues) {
    onRow(9, 3);
    const double fb = check.fb;
    check.currentSection = 0;
    AllowableBendingStress(check, catalogue);
    EXPECT_EQ(check.fb, fb);
    entries.set(26, 481);
    check.M = 36;
    BendingRatio(check, entries, catalogue);
    EXPECT_EQ(entries.get(26), 481);
}

TEST_F(Steps, RatioOfOneShowsWithoutATrailingPoint) {
    check.stressRatio = 1.0004;
    endRun(SheetKind::kei3_b1);
    EXPECT_EQ(r.stressRatioShown.text, "1");
    EXPECT_FALSE(r.bendingPasses);
}

TEST_F(Steps, DeflectionOfTheWorkedExamples) {
    LoadCase lc;
    ChooseLoadCase(lc, LoadCaseButton::OnePoint);
    check.L = 6;
    check.L2 = 36;
    check.w = 0;
    check.P = 10;
    check.EI = 2.05 * 7210;
    ComputeDeflection(check, lc, SheetKind::kei3_b1);
    SpanOverDeflection(check, entries);
    endRun(SheetKind::kei3_b1);
    EXPECT_NEAR(check.deflection, 0.30446, 0.00001);
    EXPECT_EQ(r.deflectionShown.text, "0.304");
    EXPECT_EQ(r.spanOverDeflectionShown.text, "1971");
    EXPECT_EQ(entries.get(33), 1971);
    EXPECT_TRUE(r.deflectionPasses);

    check.w = 10;
    ComputeDeflection(check, lc, SheetKind::kei3_b2);
    SpanOverDeflection(check, entries);
    endRun(SheetKind::kei3_b1);
    EXPECT_NEAR(check.deflection, 1.1417, 0.00005);
    EXPECT_EQ(r.spanOverDeflectionShown.text, "526");

    check.L = 2;
    check.L2 = 4;
    check.w = 2;
    check.P = 0;
    check.EI = 2.05 * 1840;
    ComputeDeflection(check, lc, SheetKind::kei3_cg);
    EXPECT_NEAR(check.deflection, 0.1081, 0.00005);
}

TEST_F(Steps, DeflectionVerdictTakesTheRoundedRatio) {
    check.L = 2.996; // L × 100 / δ = 299.6 shows 300 and passes
    check.deflection = 1;
    SpanOverDeflection(check, entries);
    endRun(SheetKind::kei3_b1);
    EXPECT_EQ(r.spanOverDeflectionShown.text, "300");
    EXPECT_TRUE(r.deflectionPasses);

    check.L = 2.994;
    SpanOverDeflection(check, entries);
    endRun(SheetKind::kei3_b1);
    EXPECT_EQ(r.spanOverDeflectionShown.text, "299");
    EXPECT_FALSE(r.deflectionPasses);
}

TEST_F(Steps, ABeamThatDoesNotDeflectPasses) {
    check.L = 6;
    check.deflection = 0;
    SpanOverDeflection(check, entries);
    endRun(SheetKind::kei3_b1);
    EXPECT_EQ(r.spanOverDeflectionShown.text, "∞");
    EXPECT_TRUE(r.deflectionPasses);

    check.L = 6; // too small to divide by: L/δ shows "∞" and passes as well
    check.deflection = 1e-320;
    SpanOverDeflection(check, entries);
    endRun(SheetKind::kei3_b1);
    EXPECT_EQ(r.spanOverDeflectionShown.text, "∞");
    EXPECT_TRUE(r.deflectionPasses);

    check.deflection = 0;
    check.L = 0; // no span either: 0 / 0
    SpanOverDeflection(check, entries);
    endRun(SheetKind::kei3_b1);
    EXPECT_EQ(r.spanOverDeflectionShown.text, "不定");
    EXPECT_TRUE(r.deflectionPasses);
}

TEST_F(Steps, WeldSectionOfTheWorkedExample) {
    check.M = 16;
    check.currentSection = 5; // H-200x100x5.5x8, Ze 148
    WeldSectionRatio(check, entries, catalogue);
    endRun(SheetKind::kei3_cg);
    EXPECT_EQ(r.weldRatioShown.text, "0.767");
    EXPECT_EQ(WeldRatioLimit(r.shortTerm).text, "1.0");
    EXPECT_TRUE(r.weldPasses);
    EXPECT_EQ(entries.get(41), 141);
    EXPECT_EQ(entries.get(42), 148);

    options.shortTerm = true;
    endRun(SheetKind::kei3_cg);
    EXPECT_EQ(WeldRatioLimit(r.shortTerm).text, "1.5");
    EXPECT_EQ(r.weldRatioShown.text, "0.767");

    check.weldRatio = 1.2;
    endRun(SheetKind::kei3_cg);
    EXPECT_TRUE(r.weldPasses);
    options.shortTerm = false;
    endRun(SheetKind::kei3_cg);
    EXPECT_FALSE(r.weldPasses);
}

} // namespace
} // namespace varnok
