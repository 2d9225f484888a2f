#pragma once
// What the calculate step accepts of the span and buckling-length texts. The
// sheets and the calc book apply this one rule before anything is computed.

#include <string_view>

namespace varnok {

enum class CalculateRefusal {
    None,                   // the calculation may run
    MissingSpan,            // the span is empty, zero, negative or no number
    NegativeBucklingLength, // the lateral buckling length is below zero
};

/// Reads both texts with ReadNumber; the span is checked first. A buckling
/// length of 0 is accepted (no lateral buckling). An infinite span is accepted:
/// the check then shows its "∞" results instead of a refusal.
CalculateRefusal CheckCalculateInputs(std::string_view spanText, std::string_view bucklingText);

} // namespace varnok
