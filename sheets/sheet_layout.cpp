#include "sheet_layout.h"

namespace varnok::sheets {

extern const SheetLayout kLayoutB1;
extern const SheetLayout kLayoutB2;
extern const SheetLayout kLayoutCg;

const SheetLayout& LayoutFor(SheetKind kind) {
    switch (kind) {
    case SheetKind::kei3_b2:
        return kLayoutB2;
    case SheetKind::kei3_cg:
        return kLayoutCg;
    case SheetKind::kei3_b1:
        break;
    }
    return kLayoutB1;
}

} // namespace varnok::sheets
