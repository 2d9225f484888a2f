#include "chain_rules.h"

#include "load_totals.h"

#include <algorithm>

namespace varnok::sheets {

const ChainRules& ChainFor(SheetKind kind) {
    return TraitsOf(kind).chain;
}

std::optional<std::size_t> ChainIndex(const ChainRules& chain, int n) {
    const auto it = std::find(chain.fields.begin(), chain.fields.end(), n);
    if (it == chain.fields.end())
        return std::nullopt;
    return static_cast<std::size_t>(it - chain.fields.begin());
}

int NextInChain(const ChainRules& chain, int n) {
    const auto i = ChainIndex(chain, n);
    return i && *i + 1 < chain.fields.size() ? chain.fields[*i + 1] : 0;
}

int PreviousInChain(const ChainRules& chain, int n) {
    const auto i = ChainIndex(chain, n);
    return i && *i > 0 ? chain.fields[*i - 1] : 0;
}

bool IsLastInChain(const ChainRules& chain, int n) {
    return !chain.fields.empty() && chain.fields.back() == n;
}

std::optional<TotalStep> TotalOnEnter(SheetKind kind, int field, const FieldValues& e) {
    if (TraitsOf(kind).loadRows == LoadRows::TwoLineRows) {
        if (field == 9)
            return TotalStep{10, TwoRowLineLoadOf(e)};
        return std::nullopt;
    }
    if (field == 6)
        return TotalStep{7, LineLoadOf(e)};
    if (field == 11)
        return TotalStep{12, PointLoadOf(e)};
    return std::nullopt;
}

} // namespace varnok::sheets
