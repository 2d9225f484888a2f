#include "read_number.h"

#include <cmath>
#include <gtest/gtest.h>

namespace varnok {
namespace {

struct Case {
    const char* text;
    double expected;
};

class ReadNumberTable : public ::testing::TestWithParam<Case> {};

TEST_P(ReadNumberTable, ReadsTheLeadingNumber) {
    const Case c = GetParam();
    EXPECT_DOUBLE_EQ(ReadNumber(c.text), c.expected) << '"' << c.text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadNumberTable,
    ::testing::Values(
        // plain numbers and the decimal point, whatever the locale
        Case{"6", 6}, Case{"2.5", 2.5}, Case{".500", 0.5}, Case{"0.000", 0}, Case{"-3.25", -3.25},
        Case{"+7", 7}, Case{"5.", 5},
        // blanks, tabs and line feeds are ignored anywhere, even inside the digits
        Case{"  1 2.5 ", 12.5}, Case{"\t3\n.\t5", 3.5}, Case{"- 4", -4},
        // exponent with E or D, either case, with or without sign
        Case{"1E3", 1000}, Case{"1.5D2", 150}, Case{"2e-2", 0.02}, Case{"3d+1", 30},
        Case{"1 E 2", 100},
        // an exponent that never begins leaves the mantissa
        Case{"1E", 1}, Case{"1E+", 1}, Case{"2.5Dx", 2.5},
        // reading stops at the first character that cannot continue
        Case{"12abc", 12}, Case{"1.2.3", 1.2}, Case{"3,5", 3}, Case{"1e2e3", 100}, Case{"--5", 0},
        Case{"７", 0}, Case{"6ｍ", 6},
        // no number at all reads as 0
        Case{"", 0}, Case{"abc", 0}, Case{".", 0}, Case{"-", 0}, Case{"E5", 0}, Case{"Ｂ", 0}));

TEST(ReadNumber, ExtremeMagnitudesNeverFail) {
    EXPECT_TRUE(std::isinf(ReadNumber("1e400")));
    EXPECT_GT(ReadNumber("1e400"), 0);
    EXPECT_LT(ReadNumber("-1D999"), 0);
    EXPECT_TRUE(std::isinf(ReadNumber("-1D999")));
    EXPECT_EQ(ReadNumber("1e-400"), 0);
    EXPECT_EQ(ReadNumber("1e99999999999999999999"), INFINITY);
    EXPECT_DOUBLE_EQ(ReadNumber("123456789012345678901234567890"), 1.2345678901234568e29);
    EXPECT_DOUBLE_EQ(ReadNumber("0.000000000000000000000000000001"), 1e-30);
}

TEST(ReadNumber, NegativeZeroIsZero) {
    EXPECT_EQ(ReadNumber("-0"), 0.0);
    EXPECT_EQ(ReadNumber("-0.000"), 0.0);
}

} // namespace
} // namespace varnok
