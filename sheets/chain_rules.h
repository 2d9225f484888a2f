#pragma once
// The field chain of each design sheet and the arithmetic of its input rules,
// free of any window: which field follows which and which total Enter forms.

#include "field_values.h"
#include "sheet_traits.h"

#include <optional>
#include <span>

namespace varnok::sheets {

/// The chain of the sheet kind (its row of the sheet traits).
const ChainRules& ChainFor(SheetKind kind);

/// Position of field n in the chain, or none.
std::optional<std::size_t> ChainIndex(const ChainRules& chain, int n);
/// The field after / before n; 0 when n is the last (the calculate button follows), the first, or
/// outside.
int NextInChain(const ChainRules& chain, int n);
int PreviousInChain(const ChainRules& chain, int n);
bool IsLastInChain(const ChainRules& chain, int n);

/// A running total that Enter in a field forms from the stored entries.
struct TotalStep {
    int field = 0; // where it goes: entry and Text number
    double value = 0;
};

/// w after Enter in Text6 (Text7), P after Enter in Text11 (Text12); on the
/// uniform-load sheet w of both rows after Enter in Text9 (Text10). None for other fields.
std::optional<TotalStep> TotalOnEnter(SheetKind kind, int field, const FieldValues& entries);

} // namespace varnok::sheets
