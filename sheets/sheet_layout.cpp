#include "sheet_layout.h"

#include <array>

namespace varnok::sheets {

extern const SheetLayout kLayoutB1;
extern const SheetLayout kLayoutB2;
extern const SheetLayout kLayoutCg;

// In the order of SheetKind, like the sheet traits.
const std::array<const SheetLayout*, 3> kLayouts{&kLayoutB1, &kLayoutB2, &kLayoutCg};

const SheetLayout& LayoutFor(SheetKind kind) {
    return *kLayouts[static_cast<std::size_t>(kind)];
}

} // namespace varnok::sheets
