// The chain arithmetic of the input rules, without a window.
#include "beam_design.h"
#include "chain_rules.h"

#include <gtest/gtest.h>

namespace varnok::sheets {
namespace {

TEST(ChainRules, TotalsFormOnlyInTheirTriggerFieldsFromTheStoredEntries) {
    FieldValues e;
    for (int n = 4; n <= 11; ++n)
        e.set(n, n); // entry n = n
    const auto w = TotalOnEnter(SheetKind::kei3_b1, 6, e);
    ASSERT_TRUE(w);
    EXPECT_EQ(w->field, 7);
    EXPECT_EQ(w->value, 5.0 * 4 + 6);
    const auto p = TotalOnEnter(SheetKind::kei3_cg, 11, e);
    ASSERT_TRUE(p);
    EXPECT_EQ(p->field, 12);
    EXPECT_EQ(p->value, 9.0 * 8 * 10 + 11);
    const auto uniform = TotalOnEnter(SheetKind::kei3_b2, 9, e);
    ASSERT_TRUE(uniform);
    EXPECT_EQ(uniform->field, 10);
    EXPECT_EQ(uniform->value, 5.0 * 4 + 6 + 8 * 7 + 9);
    EXPECT_FALSE(
        TotalOnEnter(SheetKind::kei3_b2, 6, e)); // an ordinary step on the uniform-load sheet
    EXPECT_FALSE(TotalOnEnter(SheetKind::kei3_b2, 11, e));
    EXPECT_FALSE(TotalOnEnter(SheetKind::kei3_b1, 9, e));
}

TEST(ChainRules, ProposedBucklingLengthNeverDividesByAMissingCase) {
    EXPECT_EQ(ProposedBucklingLength(SheetKind::kei3_b1, 10, 3), 10.0 / 3);
    EXPECT_EQ(ProposedBucklingLength(SheetKind::kei3_b2, 6, 1), 6.0);
    EXPECT_EQ(ProposedBucklingLength(SheetKind::kei3_cg, 2.5, 6), 2.5);
    EXPECT_EQ(ProposedBucklingLength(SheetKind::kei3_b1, 6, 0), 6.0); // no case chosen yet
}

} // namespace
} // namespace varnok::sheets
