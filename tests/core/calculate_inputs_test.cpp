#include "beam_design.h"
#include "calculate_inputs.h"

#include <gtest/gtest.h>

namespace varnok {
namespace {

TEST(CalculateInputs, SpanMustBePositiveAndTheBucklingLengthNotNegative) {
    using enum CalculateRefusal;
    struct Case {
        const char* span;
        const char* buckling;
        CalculateRefusal expected;
    };
    const Case cases[] = {
        {"6", "2", None},
        {"6", "0", None},
        {"6", "", None},
        {"0.001", "-0", None},
        {"1e400", "1", None},
        {"", "2", MissingSpan},
        {"0.000", "2", MissingSpan},
        {"-6", "2", MissingSpan},
        {"abc", "2", MissingSpan},
        {"-1e400", "2", MissingSpan},
        {"-6", "-2", MissingSpan}, // the span is told first
        {"6", "-0.001", NegativeBucklingLength},
        {"6", "-1e400", NegativeBucklingLength},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CheckCalculateInputs(c.span, c.buckling), c.expected)
            << '"' << c.span << "\" \"" << c.buckling << '"';
        // Calculate refuses by the same rule and names the field to hand back.
        BeamInput input;
        input.texts[2] = c.span;
        input.texts[3] = c.buckling;
        const auto outcome = Calculate(input);
        const auto* refusal = std::get_if<InputRefusal>(&outcome);
        EXPECT_EQ(refusal ? refusal->reason : None, c.expected) << c.span << " " << c.buckling;
        if (refusal)
            EXPECT_EQ(refusal->field, c.expected == MissingSpan ? 2 : 3);
    }
}

// The seam's own promises: a chosen row is checked as the arrows reach it, and
// a report's inputs count as unchanged while they read as the same numbers.
TEST(BeamDesign, ChosenRowAndRetypedInputs) {
    BeamInput input;
    input.arrangement = LoadCaseButton::TwoPoints;
    for (auto [n, text] : {std::pair{2, "6"}, {3, "2"}, {4, "3.5"}, {5, "2"}, {8, "3.5"},
                           {9, "2"}, {10, "3"}})
        input.texts[static_cast<std::size_t>(n)] = text;
    const BeamDesign automatic = std::get<BeamDesign>(Calculate(input));
    const int up = StepUp(automatic.check.currentSection);
    input.sectionRow = up;
    const BeamDesign chosen = std::get<BeamDesign>(Calculate(input));
    EXPECT_TRUE(Recheck(automatic, OptionsOf(input), up).result == chosen.result);
    EXPECT_EQ(Recheck(chosen, OptionsOf(input)).result, automatic.result); // an option click
    EXPECT_EQ(chosen.shown[7], "7.000");                                   // w: 3.5 × 2

    BeamInput retyped = input;
    retyped.texts[2] = "6.0000";
    retyped.shortTerm = true; // options and rows do not count
    EXPECT_TRUE(DescribesInput(chosen, retyped));
    retyped.texts[4] = "3.5001";
    EXPECT_FALSE(DescribesInput(chosen, retyped));
}

} // namespace
} // namespace varnok
