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
    for (const Case& c : cases)
        EXPECT_EQ(CheckCalculateInputs(c.span, c.buckling), c.expected)
            << '"' << c.span << "\" \"" << c.buckling << '"';
}

} // namespace
} // namespace varnok
