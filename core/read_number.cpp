#include "read_number.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <string_view>

namespace varnok {

namespace {

// The character at `at`, with full-width ASCII forms and the ideographic space
// folded to ASCII; `length` is how many bytes it took. Any other byte is passed
// on as it is and, not being ASCII, ends a number.
char FoldedAt(std::string_view text, std::size_t at, std::size_t& length) {
    length = 1;
    if (text.size() - at < 3)
        return text[at];
    const auto b0 = static_cast<unsigned char>(text[at]);
    const auto b1 = static_cast<unsigned char>(text[at + 1]);
    const auto b2 = static_cast<unsigned char>(text[at + 2]);
    if (b0 == 0xE3 && b1 == 0x80 && b2 == 0x80) { // U+3000
        length = 3;
        return ' ';
    }
    if (b0 != 0xEF || b2 < 0x80 || b2 > 0xBF)
        return text[at];
    // U+FF01..U+FF3F is EF BC 81..BF, U+FF40..U+FF5E is EF BD 80..9E;
    // each stands for the ASCII character 0xFEE0 below it.
    if (b1 == 0xBC && b2 >= 0x81) {
        length = 3;
        return static_cast<char>(0x21 + (b2 - 0x81));
    }
    if (b1 == 0xBD && b2 <= 0x9E) {
        length = 3;
        return static_cast<char>(0x60 + (b2 - 0x80));
    }
    return text[at];
}

constexpr bool IsIgnored(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}
constexpr bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
constexpr bool IsExponentMark(char c) {
    return c == 'E' || c == 'e' || c == 'D' || c == 'd';
}

enum class Part { Start, Integer, Fraction, ExponentMark, ExponentSign, ExponentDigits };

// from_chars reports a value beyond the double range without a value; decide
// from the decimal magnitude whether it overflows to infinity or underflows to
// zero. The mantissa is not converted itself: 309 or more digits would be out
// of range on their own.
double outOfRange(std::string_view mantissa, long long exponent, bool negative) {
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t first = mantissa.find_first_not_of("0.");
    if (first == std::string_view::npos)
        return negative ? -0.0 : 0.0;
    // Power of ten of the first significant digit, as written before the exponent.
    const long long lead = first < point ? static_cast<long long>(point - first) - 1
                                         : -static_cast<long long>(first - point);
    const double result = lead + exponent >= 0 ? std::numeric_limits<double>::infinity() : 0.0;
    return negative ? -result : result;
}

struct Reading {
    double value = 0;
    bool whole = false; // nothing but the number and ignored characters
};

Reading Read(std::string_view text) {
    std::string number; // digits and "." of the mantissa, then "e", sign and exponent digits
    number.reserve(24);
    bool negative = false;
    bool mantissaDigits = false;
    std::size_t exponentStart = std::string::npos; // index of "e" in `number`
    bool exponentDigits = false;
    long long exponent = 0; // clamped, only for the out-of-range decision
    bool exponentNegative = false;

    Part part = Part::Start;
    bool stopped = false;
    std::size_t length = 1;
    for (std::size_t at = 0; at < text.size(); at += length) {
        const char c = FoldedAt(text, at, length);
        if (IsIgnored(c))
            continue;
        bool taken = true;
        switch (part) {
        case Part::Start:
            if (c == '+' || c == '-') {
                negative = (c == '-');
                part = Part::Integer;
            } else if (IsDigit(c)) {
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
            if (IsDigit(c)) {
                number += c;
                mantissaDigits = true;
            } else if (c == '.' && part == Part::Integer) {
                number += '.';
                part = Part::Fraction;
            } else if (IsExponentMark(c) && mantissaDigits) {
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
            if (IsDigit(c)) {
                number += c;
                exponentDigits = true;
                exponent = std::min(exponent * 10 + (c - '0'), 1'000'000'000LL);
                part = Part::ExponentDigits;
            } else {
                taken = false;
            }
            break;
        }
        if (!taken) {
            stopped = true;
            break;
        }
    }

    if (!mantissaDigits)
        return {};
    const bool exponentBegan = exponentStart == std::string::npos || exponentDigits;
    const bool whole = !stopped && exponentBegan;
    if (!exponentBegan)
        number.resize(exponentStart); // "1E" or "1E+": the exponent never began

    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        const std::string_view mantissa =
            std::string_view(number).substr(0, exponentDigits ? exponentStart : number.size());
        return {outOfRange(mantissa, exponentNegative ? -exponent : exponent, negative), whole};
    }
    return {negative ? -value : value, whole};
}

} // namespace

double ReadNumber(std::string_view text) {
    return Read(text).value;
}

std::optional<double> ReadWholeNumber(std::string_view text) {
    const Reading reading = Read(text);
    if (!reading.whole)
        return std::nullopt;
    return reading.value;
}

} // namespace varnok
