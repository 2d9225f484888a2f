#include "display_mask.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace varnok {
namespace {

struct Case {
    double value;
    const char* mask;
    const char* expected;
};

class FormatMaskTable : public ::testing::TestWithParam<Case> {};

TEST_P(FormatMaskTable, WritesTheValueThroughTheMask) {
    const Case c = GetParam();
    EXPECT_EQ(FormatMask(c.value, c.mask), c.expected) << c.value << " through \"" << c.mask << '"';
}

INSTANTIATE_TEST_SUITE_P(
    FieldMasks, FormatMaskTable,
    ::testing::Values(
        // "#" shows a digit only when significant, "0" always
        Case{0.5, "###.000", ".500"}, Case{0, "###.000", ".000"}, Case{0, "##0.000", "0.000"},
        Case{2.5, "###.000", "2.500"}, Case{6.0006, "##0.000", "6.001"},
        Case{36, "##0.000", "36.000"}, Case{133.345, "####", "133"}, Case{200.017, "####", "200"},
        Case{0, "####", ""}, Case{481, "######.0", "481.0"}, Case{7210, "#######", "7210"},
        Case{3.87, "###.00", "3.87"}, Case{11, "###.00", "11.00"}, Case{1970.8, "#####", "1971"},
        Case{299.6, "#####", "300"}, Case{299.4, "#####", "299"}, Case{2, "0.0000", "2.0000"},
        Case{0.52173913, "0.0000", "0.5217"},
        // trailing "#" decimals drop their zeros, and a bare point goes too
        Case{0.56128, "#0.###", "0.561"}, Case{0.5, "#0.###", "0.5"}, Case{1, "#0.###", "1"},
        Case{0, "#0.###", "0"}, Case{1.0004, "#0.###", "1"}, Case{0.1005, "#0.###", "0.101"},
        // half away from zero on the value as a person reads it
        Case{2.0005, "0.000", "2.001"}, Case{-2.0005, "0.000", "-2.001"},
        Case{0.125, "#0.00", "0.13"}, Case{1.0005, "##0.000", "1.001"},
        Case{9.9995, "##0.000", "10.000"}, Case{999.5, "####", "1000"},
        Case{0.0005, "###.000", ".001"}, Case{0.00049, "##0.000", "0.000"},
        // integer digits beyond the mask are still shown; negatives keep their sign
        Case{1234.5, "##0.000", "1234.500"}, Case{-1.5, "##0.000", "-1.500"},
        Case{-0.5, "###.000", "-.500"}, Case{-0.0004, "##0.000", "0.000"},
        Case{-0.0, "##0.000", "0.000"}, Case{1e20, "##0.0", "100000000000000000000.0"},
        Case{1.5e-20, "##0.000", "0.000"},
        Case{123456789.123456789, "#.######", "123456789.123457"}));

INSTANTIATE_TEST_SUITE_P(
    ReportMasks, FormatMaskTable,
    ::testing::Values(
        Case{6, "Ｌ  ＝ ##0.000 m", "Ｌ  ＝ 6.000 m"},
        Case{3, " ,   Ｌb ＝ ##0.000 m", " ,   Ｌb ＝ 3.000 m"},
        Case{1, "       1              #", "       1              1"},
        Case{4, "       8              #", "       8              4"},
        Case{36, "Ｍ ＝ ---･ｗ･Ｌ^2 ＋ ---･Ｐ･Ｌ ＝ ##0.000 kN･m",
             "Ｍ ＝ ---･ｗ･Ｌ^2 ＋ ---･Ｐ･Ｌ ＝ 36.000 kN･m"},
        Case{0.561, "------- ＝ ##0.000   ＜ 1.O      【ＯＫ】",
             "------- ＝ 0.561   ＜ 1.O      【ＯＫ】"},
        Case{1, "       5･ｗ･Ｌ^4        ##･Ｐ･Ｌ^3", "       5･ｗ･Ｌ^4        1･Ｐ･Ｌ^3"},
        Case{23, "       5･ｗ･Ｌ^4        ##･Ｐ･Ｌ^3", "       5･ｗ･Ｌ^4        23･Ｐ･Ｌ^3"},
        Case{48, "        384･Ｅ･Ｉ        ####･Ｅ･Ｉ", "        384･Ｅ･Ｉ        48･Ｅ･Ｉ"},
        Case{1971, "    #####           3OO", "    1971           3OO"},
        Case{3.87, "断面性能 ◇ ib＝###.00 cm", "断面性能 ◇ ib＝3.87 cm"},
        Case{481, "　　　　 ◇ Zx＝######.0 cm3", "　　　　 ◇ Zx＝481.0 cm3"},
        Case{133.345, "∴ ｆb ＝ ----------- ＝ #### N/mm2", "∴ ｆb ＝ ----------- ＝ 133 N/mm2"},
        Case{0.304, "＝ #0.000 cm", "＝ 0.304 cm"},
        Case{1234.5, "＝ ##0.000 kN/m", "＝ 1234.500 kN/m"}));

TEST(FormatMask, ValuesWithoutAFiniteResultShowOneClearText) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(FormatMask(inf, "#####"), "∞");
    EXPECT_EQ(FormatMask(-inf, "0.0000"), "-∞");
    EXPECT_EQ(FormatMask(nan, "0.0000"), "不定");
    EXPECT_EQ(FormatMask(inf, "    #####           3OO"), "    ∞           3OO");
    EXPECT_EQ(FormatMask(nan, "Ｌ  ＝ ##0.000 m"), "Ｌ  ＝ 不定 m");
}

TEST(ReadShown, AFieldReadsBackAsTheNumberItShows) {
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(ReadShown(FormatMask(inf, "#####")), inf);
    EXPECT_EQ(ReadShown(FormatMask(-inf, "##0.000")), -inf);
    EXPECT_TRUE(std::isnan(ReadShown(FormatMask(NAN, "#0.###"))));
    EXPECT_EQ(ReadShown(" ∞ "), inf);
    // rounded finite values read as ReadNumber reads them
    EXPECT_EQ(ReadShown(FormatMask(0.72149, "#0.###")), 0.721);
    EXPECT_EQ(ReadShown("-3.5"), -3.5);
    EXPECT_EQ(ReadShown("∞1"), 0) << "only the whole text means infinity";
    EXPECT_EQ(ReadShown("-不定"), 0);
}

TEST(FormatMask, DigitsBeyondAMaskWithoutIntegerPlacesStandBeforeThePoint) {
    EXPECT_EQ(FormatMask(12.5, ".000"), "12.500");
}

} // namespace
} // namespace varnok

namespace varnok {
namespace {

// The quick rounding must agree with the long way through the 15-digit form,
// above all next to ties (x.xxx5 typed or computed).
TEST(FormatMask, QuickRoundingAgreesWithTheDecimalForm) {
    const char* masks[] = {"##0.000", "###.000",  "####",   "#0.###",
                           "###.00",  "######.0", "0.0000", "#####"};
    std::uint64_t seed = 12345;
    auto next = [&seed] {
        seed = seed * 6364136223846793005ULL + 1442695040888963407ULL;
        return seed >> 11;
    };
    for (int i = 0; i < 20000; ++i) {
        const double tie =
            static_cast<double>(next() % 2000000) / 1000.0 + 0.0005; // typed half-way values
        const double product = tie * (static_cast<double>(next() % 1000) / 100.0);
        const double any = static_cast<double>(next()) / 9007199254740992.0 * 1e5;
        for (double v : {tie, -tie, product, any, tie / 3, 0.5 + i, i + 0.05}) {
            for (const char* mask : masks)
                ASSERT_EQ(FormatMask(v, mask), detail::FormatMaskExact(v, mask))
                    << v << " through " << mask;
        }
    }
}

} // namespace
} // namespace varnok
