#pragma once
// The objectNames of a design sheet's windows: the sheet itself, its text
// report screen and its printer dialog.

#include "sheet_kind.h"

#include <string_view>

namespace varnok {

struct SheetWindowNames {
    std::string_view sheet;
    std::string_view reportScreen;
    std::string_view printerDialog;
};

constexpr SheetWindowNames WindowNamesOf(SheetKind kind) {
    switch (kind) {
    case SheetKind::kei3_b2:
        return {"kei3_b2", "s_txt2", "s_prt2"};
    case SheetKind::kei3_cg:
        return {"kei3_cg", "s_txt3", "s_prt3"};
    case SheetKind::kei3_b1:
        break;
    }
    return {"kei3_b1", "s_txt1", "s_prt1"};
}

} // namespace varnok
