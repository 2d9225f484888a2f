#include "display_mask.h"

#include "read_number.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace varnok {

namespace {

constexpr bool IsPlaceholder(char c) {
    return c == '#' || c == '0';
}

constexpr int kSignificant = 15;
constexpr int kMaxDecimals = 32;

// The digits of a finite value as a person reads it: rounded to 15 significant
// digits, then half away from zero to the mask's decimals.
struct Digits {
    std::string integer;                       // without leading zeros; empty for a value below 1
    std::array<char, kMaxDecimals> fraction{}; // '0'..'9'
    bool negative = false;
};

// The quick way for the common case: scale to whole units of the last decimal
// and round there. Rounding the exact value and rounding its 15-digit decimal
// form can only disagree next to a tie, so any value near one takes the exact
// way below.
bool ToDigitsQuick(double value, int decimals, Digits& d) {
    static constexpr double kScale[] = {1, 10, 100, 1e3, 1e4, 1e5, 1e6};
    if (decimals > 6)
        return false;
    const double scaled = std::fabs(value) * kScale[decimals];
    if (!(scaled < 1e7)) // beyond, 15 digits no longer reach a millionth of a unit
        return false;
    const double whole = std::floor(scaled);
    const double rest = scaled - whole;
    if (std::fabs(rest - 0.5) < 1e-6)
        return false;
    auto units = static_cast<unsigned long long>(whole) + (rest > 0.5 ? 1 : 0);
    d.negative = value < 0 && units != 0;
    for (int i = decimals - 1; i >= 0; --i) {
        d.fraction[static_cast<std::size_t>(i)] = static_cast<char>('0' + units % 10);
        units /= 10;
    }
    char buf[24];
    char* end = buf + sizeof buf;
    char* p = end;
    for (; units != 0; units /= 10)
        *--p = static_cast<char>('0' + units % 10);
    d.integer.assign(p, end);
    return true;
}

Digits ToDigits(double value, int decimals, bool allowQuick) {
    Digits d;
    d.fraction.fill('0');
    if (value == 0)
        return d;
    if (allowQuick && ToDigitsQuick(value, decimals, d))
        return d;
    d.negative = value < 0;

    // "d.dddddddddddddde±x": 15 significant digits of |value|.
    char buf[40];
    const auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(value),
                                   std::chars_format::scientific, kSignificant - 1);
    std::array<char, kSignificant> sig{};
    int n = 0;
    const char* p = buf;
    for (; p != res.ptr && *p != 'e'; ++p) {
        if (*p != '.')
            sig[n++] = *p;
    }
    int exponent = 0; // power of ten of the first significant digit
    std::from_chars(p + 1 + (p[1] == '+' ? 1 : 0), res.ptr, exponent);

    auto digitAt = [&](int power) -> int {
        const int k = exponent - power;
        return (k >= 0 && k < n) ? sig[k] - '0' : 0;
    };

    const int top = std::max(exponent, 0);
    std::string integer;
    integer.reserve(top + 2);
    for (int power = top; power >= 0; --power)
        integer += static_cast<char>('0' + digitAt(power));
    for (int i = 0; i < decimals; ++i)
        d.fraction[i] = static_cast<char>('0' + digitAt(-1 - i));

    if (digitAt(-1 - decimals) >= 5) { // half away from zero
        int i = decimals - 1;
        for (; i >= 0; --i) {
            if (d.fraction[i] == '9') {
                d.fraction[i] = '0';
            } else {
                ++d.fraction[i];
                break;
            }
        }
        if (i < 0) {
            int j = static_cast<int>(integer.size()) - 1;
            for (; j >= 0; --j) {
                if (integer[j] == '9') {
                    integer[j] = '0';
                } else {
                    ++integer[j];
                    break;
                }
            }
            if (j < 0)
                integer.insert(integer.begin(), '1');
        }
    }

    const auto firstNonZero = integer.find_first_not_of('0');
    d.integer = firstNonZero == std::string::npos ? std::string() : integer.substr(firstNonZero);

    bool allZero = d.integer.empty();
    for (int i = 0; i < decimals && allZero; ++i)
        allZero = d.fraction[i] == '0';
    if (allZero)
        d.negative = false; // -0.0004 through "0.000" shows 0.000
    return d;
}

std::string formatMask(double value, std::string_view mask, bool allowQuick) {
    const std::size_t point = mask.find('.');
    const std::size_t integerEnd = point == std::string_view::npos ? mask.size() : point;

    int integerPlaces = 0;
    std::size_t firstPlaceholder = std::string_view::npos;
    for (std::size_t i = 0; i < integerEnd; ++i) {
        if (IsPlaceholder(mask[i])) {
            if (integerPlaces++ == 0)
                firstPlaceholder = i;
        }
    }
    int decimals = 0;
    int lastZeroDecimal = -1; // the last "0" decimal placeholder: always shown up to there
    std::size_t firstDecimal = std::string_view::npos;
    if (point != std::string_view::npos) {
        for (std::size_t i = point + 1; i < mask.size(); ++i) {
            if (IsPlaceholder(mask[i]) && decimals < kMaxDecimals) {
                if (decimals == 0)
                    firstDecimal = i;
                if (mask[i] == '0')
                    lastZeroDecimal = decimals;
                ++decimals;
            }
        }
    }

    // Where the sign, the integer digits beyond the mask's count, or the text of
    // a value without a finite result go.
    std::size_t insertAt = firstPlaceholder;
    if (insertAt == std::string_view::npos)
        insertAt = point != std::string_view::npos ? point : mask.size();
    if (firstPlaceholder == std::string_view::npos && point == std::string_view::npos &&
        firstDecimal != std::string_view::npos)
        insertAt = firstDecimal;

    std::string out;
    out.reserve(mask.size() + 24);

    if (!std::isfinite(value)) {
        const std::string_view text = std::isnan(value) ? kUndefinedText : kInfinityText;
        for (std::size_t i = 0; i <= mask.size(); ++i) {
            if (i == insertAt) {
                if (std::isinf(value) && value < 0)
                    out += '-';
                out += text;
            }
            if (i == mask.size())
                break;
            const bool numberPart =
                (i < integerEnd && IsPlaceholder(mask[i])) || i == point ||
                (point != std::string_view::npos && i > point && IsPlaceholder(mask[i]));
            if (!numberPart)
                out += mask[i];
        }
        return out;
    }

    const Digits d = ToDigits(value, decimals, allowQuick);
    const int integerDigits = static_cast<int>(d.integer.size());
    int lastShown = lastZeroDecimal; // last decimal shown: a "0" or a significant digit
    for (int i = decimals - 1; i > lastShown; --i) {
        if (d.fraction[i] != '0') {
            lastShown = i;
            break;
        }
    }

    int placeIndex = 0;   // integer placeholder counted from the left
    int decimalIndex = 0; // decimal placeholder counted from the left
    for (std::size_t i = 0; i <= mask.size(); ++i) {
        if (i == insertAt) {
            if (d.negative)
                out += '-';
            if (integerDigits > integerPlaces)
                out.append(d.integer, 0, static_cast<std::size_t>(integerDigits - integerPlaces));
        }
        if (i == mask.size())
            break;
        const char c = mask[i];
        if (i < integerEnd) {
            if (!IsPlaceholder(c)) {
                out += c;
                continue;
            }
            const int digit = integerDigits - integerPlaces + placeIndex++;
            if (digit >= 0)
                out += d.integer[static_cast<std::size_t>(digit)];
            else if (c == '0')
                out += '0';
        } else if (i == point) {
            if (lastShown >= 0)
                out += '.';
        } else if (IsPlaceholder(c) && decimalIndex < decimals) {
            if (decimalIndex <= lastShown)
                out += d.fraction[static_cast<std::size_t>(decimalIndex)];
            ++decimalIndex;
        } else {
            out += c;
        }
    }
    return out;
}

} // namespace

std::string FormatMask(double value, std::string_view mask) {
    return formatMask(value, mask, true);
}

double ReadShown(std::string_view text) {
    std::string bare;
    for (char c : text) {
        if (c != ' ' && c != '\t' && c != '\n')
            bare += c;
    }
    const bool negative = bare.starts_with('-');
    const std::string_view number = std::string_view(bare).substr(negative ? 1 : 0);
    if (number == kInfinityText) {
        constexpr double infinity = std::numeric_limits<double>::infinity();
        return negative ? -infinity : infinity;
    }
    if (number == kUndefinedText && !negative)
        return std::numeric_limits<double>::quiet_NaN();
    return ReadNumber(text);
}

namespace detail {
std::string FormatMaskExact(double value, std::string_view mask) {
    return formatMask(value, mask, false);
}
} // namespace detail

} // namespace varnok
