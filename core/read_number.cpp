#include "read_number.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace varnok {

namespace {

constexpr bool isIgnored(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}
constexpr bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
constexpr bool isExponentMark(char c) {
    return c == 'E' || c == 'e' || c == 'D' || c == 'd';
}

enum class Part { Start, Integer, Fraction, ExponentMark, ExponentSign, ExponentDigits };

// from_chars reports a value beyond the double range without a value; decide
// from the magnitude whether it overflows to infinity or underflows to zero.
double outOfRange(const std::string& mantissa, long long exponent, bool negative) {
    double m = 0;
    std::from_chars(mantissa.data(), mantissa.data() + mantissa.size(), m);
    if (m == 0 || !std::isfinite(m))
        return negative ? -0.0 : 0.0;
    const double magnitude = std::log10(std::fabs(m)) + static_cast<double>(exponent);
    const double result = magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    return negative ? -result : result;
}

} // namespace

double ReadNumber(std::string_view text) {
    std::string number; // digits and "." of the mantissa, then "e", sign and exponent digits
    number.reserve(24);
    bool negative = false;
    bool mantissaDigits = false;
    std::size_t exponentStart = std::string::npos; // index of "e" in `number`
    bool exponentDigits = false;
    long long exponent = 0; // clamped, only for the out-of-range decision
    bool exponentNegative = false;

    Part part = Part::Start;
    for (char c : text) {
        if (isIgnored(c))
            continue;
        bool taken = true;
        switch (part) {
        case Part::Start:
            if (c == '+' || c == '-') {
                negative = (c == '-');
                part = Part::Integer;
            } else if (isDigit(c)) {
                number += c;
                mantissaDigits = true;
                part = Part::Integer;
            } else if (c == '.') {
                number += '.';
                part = Part::Fraction;
            } else {
                taken = false;
            }
            break;
        case Part::Integer:
        case Part::Fraction:
            if (isDigit(c)) {
                number += c;
                mantissaDigits = true;
            } else if (c == '.' && part == Part::Integer) {
                number += '.';
                part = Part::Fraction;
            } else if (isExponentMark(c) && mantissaDigits) {
                exponentStart = number.size();
                number += 'e';
                part = Part::ExponentMark;
            } else {
                taken = false;
            }
            break;
        case Part::ExponentMark:
            if (c == '+' || c == '-') {
                exponentNegative = (c == '-');
                number += c;
                part = Part::ExponentSign;
                break;
            }
            [[fallthrough]];
        case Part::ExponentSign:
        case Part::ExponentDigits:
            if (isDigit(c)) {
                number += c;
                exponentDigits = true;
                exponent = std::min(exponent * 10 + (c - '0'), 1'000'000'000LL);
                part = Part::ExponentDigits;
            } else {
                taken = false;
            }
            break;
        }
        if (!taken)
            break;
    }

    if (!mantissaDigits)
        return 0.0;
    if (exponentStart != std::string::npos && !exponentDigits)
        number.resize(exponentStart); // "1E" or "1E+": the exponent never began

    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        const std::string mantissa = exponentStart == std::string::npos || !exponentDigits
                                         ? number
                                         : number.substr(0, exponentStart);
        return outOfRange(mantissa, exponentNegative ? -exponent : exponent, negative);
    }
    return negative ? -value : value;
}

} // namespace varnok
