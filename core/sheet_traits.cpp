#include "sheet_traits.h"

#include <array>

namespace varnok {

namespace {

constexpr std::array kPointLoadChain{1, 2, 3, 4, 5, 6, 8, 9, 10, 11};
constexpr std::array kUniformChain{1, 2, 3, 4, 5, 6, 7, 8, 9};

constexpr std::array kPointWhite{2, 3, 4, 5, 6, 8, 9, 10, 11};
constexpr std::array kPointZero{6, 11};
constexpr std::array kUniformWhite{2, 3, 4, 5, 6, 7, 8, 9};
constexpr std::array kUniformZero{6, 7, 8, 9};


// In the order of SheetKind: TraitsOf indexes by it.
constexpr std::array kTraits{
    SheetTraits{.kind = SheetKind::kei3_b1,
                .chain = {kPointLoadChain, 11, false},
                .loadRows = LoadRows::LineAndPoint,
                .bucklingLengthIsSpan = false,
                .coefficientTexts = true,
                .whiteOnSetUp = kPointWhite,
                .zeroOnSetUp = kPointZero},
    SheetTraits{.kind = SheetKind::kei3_b2,
                .chain = {kUniformChain, 10, true},
                .loadRows = LoadRows::TwoLineRows,
                .bucklingLengthIsSpan = false,
                .coefficientTexts = false,
                .whiteOnSetUp = kUniformWhite,
                .zeroOnSetUp = kUniformZero},
    SheetTraits{.kind = SheetKind::kei3_cg,
                .chain = {kPointLoadChain, 11, true},
                .loadRows = LoadRows::LineAndPoint,
                .bucklingLengthIsSpan = true,
                .coefficientTexts = false,
                .whiteOnSetUp = kPointWhite,
                .zeroOnSetUp = kPointZero},
};

constexpr bool InKindOrder() {
    for (std::size_t i = 0; i < kTraits.size(); ++i) {
        if (static_cast<std::size_t>(kTraits[i].kind) != i)
            return false;
    }
    return true;
}
static_assert(InKindOrder(), "one row per sheet kind, in the order of SheetKind");

} // namespace

const SheetTraits& TraitsOf(SheetKind kind) {
    return kTraits[static_cast<std::size_t>(kind)];
}

} // namespace varnok
