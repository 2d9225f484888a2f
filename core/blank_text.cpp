#include "blank_text.h"

namespace varnok {

bool IsBlank(std::string_view text) {
    constexpr std::string_view kIdeographicSpace = "\u3000";
    constexpr std::string_view kNoBreakSpace = "\u00a0";
    while (!text.empty()) {
        if (text.starts_with(kIdeographicSpace))
            text.remove_prefix(kIdeographicSpace.size());
        else if (text.starts_with(kNoBreakSpace))
            text.remove_prefix(kNoBreakSpace.size());
        else if (std::string_view(" \t\r\n\v\f").find(text.front()) != std::string_view::npos)
            text.remove_prefix(1);
        else
            return false;
    }
    return true;
}

} // namespace varnok
