// A check's record as the sheets present it: the section fields through
// their masks, the verdict captions and colours.
#include "beam_check.h"
#include "memory_sheet.h"
#include "present_result.h"

#include <cmath>
#include <gtest/gtest.h>

namespace varnok {
namespace {

TEST(Presenting, ShowSectionWritesTheRowThroughItsMasks) {
    SectionCatalogue catalogue;
    FillCatalogue(catalogue);
    MemorySheet sheet;
    ShowSection(catalogue, 9, sheet);
    EXPECT_EQ(sheet.text("Text18"), "H-300x150x6.5x9  ");
    EXPECT_EQ(sheet.text("Text19"), "3.87");
    EXPECT_EQ(sheet.text("Text20"), "8.61");
    EXPECT_EQ(sheet.text("Text21"), "481.0");
    EXPECT_EQ(sheet.text("Text22"), "7210");
    MemorySheet untouched;
    ShowSection(catalogue, 0, untouched);
    EXPECT_EQ(untouched.find("Text18"), nullptr);
}

struct VerdictCase {
    double ratio;
    bool shortTerm;
    SheetKind kind;
    bool passes;
    Rgb stepColour;
};

class BendingVerdicts : public ::testing::Test, public ::testing::WithParamInterface<VerdictCase> {
protected:
    MemorySheet sheet = MemorySheet::withDefaults();
};

TEST_P(BendingVerdicts, CaptionsAndColours) {
    const VerdictCase c = GetParam();
    BeamCheck check;
    check.stressRatio = c.ratio;
    SectionCatalogue catalogue;
    const CheckResult r =
        RecordResult(check, catalogue, {SectionSeries::Narrow, c.shortTerm}, c.kind);
    PresentResult(r, sheet);
    EXPECT_EQ(r.bendingPasses, c.passes);
    EXPECT_EQ(sheet.text("Label63"), c.passes ? "ＯＫ" : "ＮＧ");
    EXPECT_EQ(sheet.text("Label62"), c.passes ? "≦" : "＞");
    EXPECT_EQ(sheet.at("Label63").fore, c.passes ? colour::kVerdictOk : colour::kVerdictNg);
    EXPECT_EQ(sheet.at("Command6").back, c.stepColour);
}

INSTANTIATE_TEST_SUITE_P(
    Limits, BendingVerdicts,
    ::testing::Values(VerdictCase{1.0, false, SheetKind::kei3_b1, true, colour::kStepPass},
                      VerdictCase{1.0004, false, SheetKind::kei3_b1, false, colour::kVerdictNg},
                      // Short term the ratio has the short-term fb in it: a stress
                      // between fb and 1.5·fb fails, one below fb passes.
                      VerdictCase{0.99, true, SheetKind::kei3_cg, true, colour::kStepPass},
                      VerdictCase{1.0, true, SheetKind::kei3_b1, true, colour::kStepPass},
                      VerdictCase{1.2, true, SheetKind::kei3_cg, false, colour::kVerdictNg},
                      VerdictCase{1.4999, true, SheetKind::kei3_b2, false, colour::kVerdictNg},
                      VerdictCase{0.5, false, SheetKind::kei3_b2, true, colour::kStepPassUniform},
                      VerdictCase{2.0, false, SheetKind::kei3_b2, false, colour::kVerdictNg},
                      VerdictCase{NAN, false, SheetKind::kei3_b1, false, colour::kVerdictNg}));

} // namespace
} // namespace varnok
