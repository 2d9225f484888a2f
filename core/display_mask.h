#pragma once
// The one display-mask formatter of the program: every field, report line and
// D-value result goes through it.

#include <string>
#include <string_view>

namespace varnok {

/// Writes `value` through `mask` (UTF-8).
///
/// "#" is a digit shown only when significant, "0" a digit always shown, the
/// first "." the decimal point; every other character (full-width text, blanks,
/// "-", "^", the digits 1 to 9, a second ".", the letter "O") is copied as it
/// stands. The value is rounded half away from zero to the mask's decimals, on
/// its decimal form to 15 significant digits (2.0005 through "0.000" is 2.001).
/// Integer digits beyond the mask's count are still shown, in front of the first
/// digit placeholder; a negative value shows "-" there. A value that rounds to
/// zero shows no sign. Trailing "#" decimals drop their zeros, and a decimal
/// point with no digit after it is left out ("#0.###" shows 1 as "1").
///
/// A value without a finite result shows kInfinityText ("∞", "-∞" below zero)
/// or kUndefinedText ("不定", not-a-number) in place of the number; the mask's
/// other characters stay.
std::string FormatMask(double value, std::string_view mask);

/// The number a field shows, read back from the text FormatMask wrote there:
/// "∞", "-∞" and "不定" (blanks aside) read as ±infinity and not-a-number, so a
/// value without a finite result stays one; every other text reads as
/// ReadNumber reads it.
double ReadShown(std::string_view text);

namespace detail {
/// The same result the long way, through the 15-digit decimal form every time:
/// the reference the quick way is checked against.
std::string FormatMaskExact(double value, std::string_view mask);
} // namespace detail

inline constexpr std::string_view kInfinityText = "∞";
inline constexpr std::string_view kUndefinedText = "不定";

} // namespace varnok
