#pragma once
// The one rule of what counts as blank: a member name of blanks names nothing.

#include <string_view>

namespace varnok {

/// True when the UTF-8 text holds nothing but blanks (half- or full-width, the
/// no-break space), tabs and line breaks.
bool IsBlankName(std::string_view name);

} // namespace varnok
