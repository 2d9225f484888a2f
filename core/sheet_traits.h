#pragma once
// What sets the three design sheets apart, as data: one row per sheet kind.
// Every rule of the calculation and the field chain that differs by sheet reads
// its row here instead of switching on the kind.

#include "sheet_kind.h"

#include <span>
#include <string_view>

namespace varnok {

/// The field chain of a sheet: which field follows which.
struct ChainRules {
    std::span<const int>
        fields; // Text numbers in chain order; the calculate button follows the last
    /// Painted white by Enter in the last field: the last field itself, or on the
    /// uniform-load sheet its w total field (the last field whitens when it loses the focus).
    int whitenedOnLastEnter = 0;
    /// The instructions message shows whenever the member-name field gains the focus (else once, at set-up).
    bool instructionsOnText1 = false;
};

/// How the typed loads add up: a line-load row and a point-load row (w and P
/// each in its total field), or the uniform-load sheet's two line-load rows (one w total).
enum class LoadRows { LineAndPoint, TwoLineRows };

struct SheetTraits {
    SheetKind kind;
    ChainRules chain;
    LoadRows loadRows = LoadRows::LineAndPoint;
    /// The proposed buckling length is the span itself (cantilever), not span ÷ case number.
    bool bucklingLengthIsSpan = false;
    /// Set-up writes the load case's coefficient texts (the moment and deflection fractions);
    /// the other sheets have them fixed on the form.
    bool coefficientTexts = false;
    std::span<const int> whiteOnSetUp; // Text numbers painted white on opening
    std::span<const int> zeroOnSetUp;  // Text numbers that open showing "0"
};

/// The row of `kind`.
const SheetTraits& TraitsOf(SheetKind kind);

} // namespace varnok
