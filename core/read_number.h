#pragma once
// Reading the number a field's text stands for: one rule for the sheets, the
// D-value form and the calc book's number cells.

#include <optional>
#include <string_view>

namespace varnok {

/// The leading decimal number of `text` (UTF-8).
/// The full-width forms of ASCII characters (U+FF01 to U+FF5E: "５", "．",
/// "－", "Ｅ" ...) read as their ASCII forms and the ideographic space U+3000
/// as a blank, as a Japanese input method in full-width mode types them.
/// Blanks, tabs and line feeds are ignored wherever they stand; then an
/// optional sign, digits with at most one "." (whatever the locale) and an
/// optional exponent (E or D, either case, optional sign, digits) are read.
/// Reading stops at the first character that cannot continue the number
/// (a carriage return too). A text that does not begin with a number reads
/// as 0. Never rejects: a number beyond the double range reads as ±infinity,
/// one below it as 0.
double ReadNumber(std::string_view text);

/// The value ReadNumber gives when the whole text, its ignored characters
/// aside, is that one number ("６" or " 1.5D2 ", not "6m", "6\r0", "1E" or
/// "."); none otherwise. A list cell is a number only by this rule.
std::optional<double> ReadWholeNumber(std::string_view text);

} // namespace varnok
