// The D-value formulas, through the display mask the window shows them with.
#include "display_mask.h"
#include "dvalue.h"

#include <gtest/gtest.h>
#include <string>

namespace varnok::dvalue {
namespace {

struct Shown {
    std::string kBar, a, D;
    friend bool operator==(const Shown&, const Shown&) = default;
    friend std::ostream& operator<<(std::ostream& os, const Shown& s) {
        return os << s.kBar << " / " << s.a << " / " << s.D;
    }
};

Shown Show(const DValueResult& r) {
    return {FormatMask(r.kBar, "0.0000"), FormatMask(r.a, "0.0000"), FormatMask(r.D, "0.0000")};
}

struct Example {
    StoreyCondition condition;
    double k1, k2, k3, k4, kc;
    Shown expected;
};

// The worked examples; k3 and k4 of the base conditions are deliberately not
// zero: those conditions must ignore them.
const Example kExamples[] = {
    {StoreyCondition::GeneralStorey, 1, 1, 1, 1, 1, {"2.0000", "0.5000", "0.5000"}},
    {StoreyCondition::FixedBase, 1, 1, 7, 9, 1, {"2.0000", "0.6250", "0.6250"}},
    {StoreyCondition::PinnedBase, 1, 1, 7, 9, 1, {"2.0000", "0.2000", "0.2000"}},
    {StoreyCondition::ExposedBaseTypeI, 1, 1, 7, 9, 1, {"2.0000", "0.5217", "0.5217"}},
    {StoreyCondition::GeneralStorey, 2.5, 1.8, 3, 2, 1.2, {"3.8750", "0.6596", "0.7915"}},
    {StoreyCondition::FixedBase, 2.5, 1.8, 3, 2, 1.2, {"3.5833", "0.7313", "0.8776"}},
    {StoreyCondition::PinnedBase, 2.5, 1.8, 3, 2, 1.2, {"3.5833", "0.2194", "0.2633"}},
    {StoreyCondition::ExposedBaseTypeI, 2.5, 1.8, 3, 2, 1.2, {"3.5833", "0.6128", "0.7354"}},
};

class WorkedExample : public ::testing::TestWithParam<Example> {};

TEST_P(WorkedExample, ShowsTheTabledResults) {
    const Example& e = GetParam();
    EXPECT_EQ(Show(ComputeDValue(e.condition, e.k1, e.k2, e.k3, e.k4, e.kc)), e.expected);
}

INSTANTIATE_TEST_SUITE_P(DValue, WorkedExample, ::testing::ValuesIn(kExamples));

TEST(DValue, SumsTheBeamsLeftToRightBeforeHalvingAndDividing) {
    // 1e16 + 1 rounds back to 1e16, so a left-to-right sum loses both ones;
    // any other grouping would keep them and give k-bar 1.
    const DValueResult r = ComputeDValue(StoreyCondition::GeneralStorey, 1e16, 1, 1, -1e16, 1);
    EXPECT_EQ(r.kBar, 0.0);
}

TEST(DValue, KeepsResultsUnrounded) {
    const DValueResult r = ComputeDValue(StoreyCondition::FixedBase, 1, 0, 0, 0, 3);
    EXPECT_DOUBLE_EQ(r.kBar, 1.0 / 3.0);
    EXPECT_DOUBLE_EQ(r.D, r.a * 3.0); // from the unrounded a
}

TEST(DValue, NegativeRatiosAreComputedLikeAnyOthers) {
    EXPECT_EQ(Show(ComputeDValue(StoreyCondition::FixedBase, -1, -2, 0, 0, 1)),
              (Shown{"-3.0000", "2.5000", "2.5000"}));
}

// A zero denominator keeps what the arithmetic gives; the mask shows it.
TEST(DValue, ZeroDenominatorsGiveNonFiniteResults) {
    // k-bar = -2: 2 + k-bar is zero.
    EXPECT_EQ(Show(ComputeDValue(StoreyCondition::GeneralStorey, -2, -2, 0, 0, 1)),
              (Shown{"-2.0000", "-∞", "-∞"}));
    EXPECT_EQ(Show(ComputeDValue(StoreyCondition::FixedBase, -1, -1, 0, 0, 1)),
              (Shown{"-2.0000", "-∞", "-∞"}));
    // k-bar = -0.5: 2 k-bar + 1 is zero, 0.5 k-bar is negative.
    EXPECT_EQ(Show(ComputeDValue(StoreyCondition::PinnedBase, -0.5, 0, 0, 0, 1)),
              (Shown{"-0.5000", "-∞", "-∞"}));
    // A zero column ratio: k-bar infinite, a = inf / inf undefined.
    EXPECT_EQ(Show(ComputeDValue(StoreyCondition::GeneralStorey, 1, 1, 1, 1, 0)),
              (Shown{"∞", "不定", "不定"}));
    EXPECT_EQ(Show(ComputeDValue(StoreyCondition::ExposedBaseTypeI, 0, 0, 0, 0, 0)),
              (Shown{"不定", "不定", "不定"}));
}

} // namespace
} // namespace varnok::dvalue
