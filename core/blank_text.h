#pragma once
// The one rule of what counts as blank. A member name of blanks names nothing;
// a list cell of blanks is an empty cell and takes its column's default; a
// list row of blank cells is a blank line.

#include <string_view>

namespace varnok {

/// True when the UTF-8 text holds nothing but blanks (half- or full-width, the
/// no-break space), tabs and line breaks; an empty text is blank.
bool IsBlank(std::string_view text);

} // namespace varnok
