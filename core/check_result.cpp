#include "check_result.h"

#include "display_mask.h"

namespace varnok {

Shown ShownThrough(double value, std::string_view mask) {
    Shown shown{FormatMask(value, mask), 0};
    shown.value = ReadShown(shown.text);
    return shown;
}

} // namespace varnok
