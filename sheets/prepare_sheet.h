#pragma once
// The set-up of a design sheet when it opens.

#include "load_case.h"
#include "sheet_access.h"

namespace varnok::sheets {

class WidgetSheetAccess;

/// In order, each step on its own (a control the sheet lacks is passed over):
/// the load case's diagram in Picture1 (an unknown name keeps the picture it
/// has); on the simple-beam sheet the moment and deflection coefficient texts
/// (Text15/16, Text30/31); the calculate button hidden; the focus to Text1; the
/// typed fields white; the added loads "0" (Text6, Text11; on the uniform-load
/// sheet Text6 to Text9).
void PrepareSheet(WidgetSheetAccess& sheet, const LoadCase& loadCase, SheetKind kind);

} // namespace varnok::sheets
