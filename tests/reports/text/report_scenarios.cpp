#include "report_scenarios.h"

#include <initializer_list>
#include <string_view>
#include <utility>

namespace varnok::testing {

namespace {

/// A sheet as the user leaves it: the inputs typed, the series and the load
/// duration chosen, then calculated as the calculate button does.
Scenario Run(std::string golden, LoadCaseButton button, std::string member,
             std::initializer_list<std::pair<int, std::string_view>> typed,
             bool longTerm = true, SectionSeries series = SectionSeries::Narrow) {
    BeamInput input;
    input.arrangement = button;
    for (auto [field, text] : typed)
        input.texts[static_cast<std::size_t>(field)] = text;
    input.shortTerm = !longTerm;
    input.series = series;
    return {std::move(golden), std::move(member), std::get<BeamDesign>(Calculate(input))};
}

} // namespace

Scenario TwoPointsLongPass() {
    return Run("b1_two_points_long_pass.TXT", LoadCaseButton::TwoPoints, "2F-B1 小梁",
               {{2, "6"},
                {3, "2"},
                {4, "3.5"},
                {5, "2"},
                {6, "0.5"},
                {8, "3.5"},
                {9, "2"},
                {10, "3"},
                {11, "0"}});
}

Scenario OnePointShortFail() {
    return Run("b1_one_point_short_fail.TXT", LoadCaseButton::OnePoint, "ＢＸ",
               {{2, "7.5"},
                {3, "3.75"},
                {4, "500"},
                {5, "2.469"},
                {6, "0"},
                {8, "4"},
                {9, "2.5"},
                {10, "1.5"},
                {11, "2"}},
               false);
}

Scenario ThreePointsLongPass() {
    return Run("b1_three_points_long_pass.TXT", LoadCaseButton::ThreePoints, "C3",
               {{2, "5.4"},
                {3, "1.35"},
                {4, "2.4"},
                {5, "1.8"},
                {6, "0.25"},
                {8, "2.4"},
                {9, "1.8"},
                {10, "1.35"},
                {11, "1.2"}},
               true, SectionSeries::Wide);
}

Scenario FourPointsDeflectionFail() {
    return Run("b1_four_points_deflection_fail.TXT", LoadCaseButton::FourPoints, "Ｇ４",
               {{2, "8"},
                {3, "1.6"},
                {4, "4"},
                {5, "2.5"},
                {6, "0"},
                {8, "4"},
                {9, "2.5"},
                {10, "1.6"},
                {11, "0"}},
               true, SectionSeries::Wide);
}

Scenario UniformBothRowsLongPass() {
    return Run("b2_both_rows_long_pass.TXT", LoadCaseButton::UniformOnly, "B2-1",
               {{2, "4.5"},
                {3, "1.5"},
                {4, "2.9"},
                {5, "1.5"},
                {6, "0.35"},
                {7, "1.2"},
                {8, "1.5"},
                {9, "0.2"}});
}

Scenario UniformOneRowShortFail() {
    // The second row's area load is 0: its added load stays out of the report
    // although it is not zero.
    return Run("b2_one_row_short_fail.TXT", LoadCaseButton::UniformOnly, "B2-2",
               {{2, "6"},
                {3, "6"},
                {4, "2.9"},
                {5, "1.5"},
                {6, "0"},
                {7, "0"},
                {8, "1.5"},
                {9, "0.5"}},
               false);
}

Scenario CantileverWeldFailLong() {
    return Run("cg_weld_fail_long.TXT", LoadCaseButton::Cantilever, "片持梁 C1",
               {{2, "2"},
                {3, "2"},
                {4, "3"},
                {5, "2.5"},
                {6, "0"},
                {8, "3"},
                {9, "2.5"},
                {10, "1"},
                {11, "3.405"}});
}

Scenario CantileverShortPass() {
    return Run("cg_short_pass.TXT", LoadCaseButton::Cantilever, "CG-2",
               {{2, "1.5"},
                {3, "1.5"},
                {4, "3"},
                {5, "2.5"},
                {6, "0.4"},
                {8, "3"},
                {9, "2.5"},
                {10, "1"},
                {11, "0"}},
               false, SectionSeries::Wide);
}

std::vector<Scenario> AllScenarios() {
    std::vector<Scenario> all;
    for (auto make : {TwoPointsLongPass, OnePointShortFail, ThreePointsLongPass,
                      FourPointsDeflectionFail, UniformBothRowsLongPass, UniformOneRowShortFail,
                      CantileverWeldFailLong, CantileverShortPass})
        all.push_back(make());
    return all;
}

} // namespace varnok::testing
