#pragma once
// Reading the number a field's text stands for.

#include <string_view>

namespace varnok {

/// The leading decimal number of `text` (UTF-8).
/// Blanks, tabs and line feeds are ignored wherever they stand; then an
/// optional sign, digits with at most one "." (whatever the locale) and an
/// optional exponent (E or D, either case, optional sign, digits) are read.
/// Reading stops at the first character that cannot continue the number.
/// A text that does not begin with a number reads as 0. Never rejects:
/// a number beyond the double range reads as ±infinity, one below it as 0.
double ReadNumber(std::string_view text);

} // namespace varnok
