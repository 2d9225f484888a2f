// The load totals add strictly left to right, as the sheets always have: a
// regrouped sum changes the last bit and with it a verdict at its limit.
#include "load_totals.h"

#include <gtest/gtest.h>

namespace varnok {
namespace {

TEST(LoadTotals, AddLeftToRightSoNoRegroupingChangesTheLastBit) {
    // 1e16 + 1 rounds back to 1e16 (ties to even); 1e16 + (1 + 1) would not.
    EXPECT_EQ(LineLoad(1.0, 1e16, 1.0), 1e16);
    EXPECT_EQ(TwoRowLineLoad(1e16, 1.0, 1.0, 1.0), 1e16);
    EXPECT_EQ(PointLoad(1.0, 1e16, 1.0, 1.0), 1e16);
    // Width × area load first, then × length: (0.1 × 0.1) × 0.3 is not 0.1 × (0.1 × 0.3).
    EXPECT_EQ(PointLoad(0.1, 0.1, 0.3, 0.0), (0.1 * 0.1) * 0.3);
    EXPECT_NE((0.1 * 0.1) * 0.3, 0.1 * (0.1 * 0.3));
}

} // namespace
} // namespace varnok
