#include "blank_text.h"

namespace varnok {

bool IsBlankName(std::string_view name) {
    constexpr std::string_view kIdeographicSpace = "\u3000";
    constexpr std::string_view kNoBreakSpace = "\u00a0";
    while (!name.empty()) {
        if (name.starts_with(kIdeographicSpace))
            name.remove_prefix(kIdeographicSpace.size());
        else if (name.starts_with(kNoBreakSpace))
            name.remove_prefix(kNoBreakSpace.size());
        else if (std::string_view(" \t\r\n\v\f").find(name.front()) != std::string_view::npos)
            name.remove_prefix(1);
        else
            return false;
    }
    return true;
}

} // namespace varnok
