#include "calculate_inputs.h"

#include "read_number.h"

namespace varnok {

CalculateRefusal CheckCalculateInputs(std::string_view spanText, std::string_view bucklingText) {
    // Written as "not above" / "not at least" so that a value that is no
    // number at all is refused too.
    if (!(ReadNumber(spanText) > 0))
        return CalculateRefusal::MissingSpan;
    if (!(ReadNumber(bucklingText) >= 0))
        return CalculateRefusal::NegativeBucklingLength;
    return CalculateRefusal::None;
}

} // namespace varnok
