#include "read_number.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <string>

namespace varnok {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

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
        Case{"6ｍ", 6}, Case{"6\r0", 6}, Case{"\r6", 0},
        // full-width forms, as an input method in full-width mode types them, read
        // as their ASCII forms; the ideographic space is a blank
        Case{"７", 7}, Case{"２．４", 2.4}, Case{"－３", -3}, Case{"＋．５", 0.5},
        Case{"１Ｅ３", 1000}, Case{"1.5ｄ２", 150}, Case{"　６　", 6}, Case{"１　２", 12},
        // any other character still ends the number: a full-width letter, "²"
        Case{"３ｍ", 3}, Case{"５²", 5}, Case{"６，５", 6}, Case{"一", 0},
        Case{"\xEF\xBC", 0}, Case{"5\xEF\xBC", 5},
        // no number at all reads as 0
        Case{"", 0}, Case{"abc", 0}, Case{".", 0}, Case{"-", 0}, Case{"E5", 0}, Case{"Ｂ", 0}));

// A list cell is a number only when the whole of it, blanks aside, is read by
// ReadNumber's own rule; then it has ReadNumber's value.
struct WholeCase {
    const char* text;
    std::optional<double> expected;
};

class ReadWholeNumberTable : public ::testing::TestWithParam<WholeCase> {};

TEST_P(ReadWholeNumberTable, IsTheNumberOnlyAsAWhole) {
    const WholeCase c = GetParam();
    EXPECT_EQ(ReadWholeNumber(c.text), c.expected) << '"' << c.text << '"';
    if (c.expected)
        EXPECT_EQ(ReadNumber(c.text), *c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadWholeNumberTable,
    ::testing::Values(WholeCase{" 6.5 ", 6.5}, WholeCase{"1.5D2", 150.0}, WholeCase{"-.5", -0.5},
                      WholeCase{"5.", 5.0}, WholeCase{"1 E 2", 100.0}, WholeCase{"６", 6.0},
                      WholeCase{"　２．４　", 2.4}, WholeCase{"1e400", kInfinity},
                      // not a number as a whole
                      WholeCase{"６ｍ", {}}, WholeCase{"6,5", {}}, WholeCase{"1e", {}},
                      WholeCase{"1E+", {}}, WholeCase{".", {}}, WholeCase{"-", {}},
                      WholeCase{"", {}}, WholeCase{"　", {}}, WholeCase{"５²", {}},
                      // a carriage return is no blank to ReadNumber, so none to a cell
                      WholeCase{"6\r0", {}}, WholeCase{"\r6", {}}, WholeCase{"6\r", {}}));

// Beyond the double range a number reads as ±infinity, below it as 0, however
// it is written: long digit strings, long fractions, huge exponents.
struct Magnitude {
    std::string text;
    double expected;
};

class ReadNumberMagnitudes : public ::testing::TestWithParam<Magnitude> {};

TEST_P(ReadNumberMagnitudes, OverflowAndUnderflowAgreeHoweverWritten) {
    const Magnitude m = GetParam();
    const double read = ReadNumber(m.text);
    EXPECT_EQ(read, m.expected) << '"' << m.text.substr(0, 40) << "\" (" << m.text.size()
                                << " characters)";
}

const std::string k1e309 = "1" + std::string(309, '0'); // 310 digits
const std::string k400Zeros(400, '0');
constexpr double kInf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadNumberMagnitudes,
    ::testing::Values(
        // exponents
        Magnitude{"1e400", kInf}, Magnitude{"-1D999", -kInf}, Magnitude{"1e-400", 0},
        Magnitude{"1e99999999999999999999", kInf}, Magnitude{"-1e-99999999999999999999", 0},
        // long digit strings: 308 digits still fit, beyond 1.8e308 they overflow
        Magnitude{"9" + std::string(307, '9'), 1e308}, Magnitude{std::string(309, '9'), kInf},
        Magnitude{k1e309, kInf}, Magnitude{"-" + k1e309, -kInf},
        Magnitude{k1e309 + k400Zeros + ".5", kInf}, Magnitude{"000" + k1e309, kInf},
        // long fractions underflow to 0, or come back into range with an exponent
        Magnitude{"0." + k400Zeros + "1", 0}, Magnitude{"0." + k400Zeros + "1e400", 0.1},
        Magnitude{"0." + k400Zeros + "1e800", kInf}, Magnitude{"0." + k400Zeros + "1e-5", 0},
        // a long mantissa brought back into range by its exponent
        Magnitude{k1e309 + "e-308", 10}, Magnitude{k1e309 + "e-99999999999999999999", 0},
        Magnitude{"0." + k400Zeros + "e99999", 0},
        Magnitude{"123456789012345678901234567890", 1.2345678901234568e29},
        Magnitude{"0.000000000000000000000000000001", 1e-30}));

TEST(ReadNumber, NegativeZeroIsZero) {
    EXPECT_EQ(ReadNumber("-0"), 0.0);
    EXPECT_EQ(ReadNumber("-0.000"), 0.0);
}

} // namespace
} // namespace varnok
