#pragma once
// Builds a sheet window from its layout rows.

#include "sheet_layout.h"

class QWidget;

namespace varnok::sheets {

/// Creates every control of `layout` on `window` with its name as objectName,
/// its initial text, geometry, colours and face; sets the focus policies (typed
/// fields and totals take the tab stop, result fields only a click, hints and
/// labels never), the tab order, the window's caption, ground and fixed size.
void BuildSheet(QWidget& window, const SheetLayout& layout);

} // namespace varnok::sheets
