#pragma once
// The sheets' view of a check run: which option buttons choose, and the record
// written into the section and result fields and the verdict labels.

#include "catalogue.h"
#include "check_result.h"
#include "sheet_access.h"

namespace varnok {

/// The choices as the sheet's option buttons stand.
CheckOptions OptionsOn(const SheetAccess& sheet);

/// Writes the record into the sheet's result fields, verdict labels and the
/// colour of the "↑" button Command6, as a check run leaves them.
void PresentResult(const CheckResult& result, SheetAccess& sheet);

/// Writes row `currentSection` into Text18 (designation), Text19 (ib "###.00"),
/// Text20 (η "###.00"), Text21 (Zx "######.0") and Text22 (Ix "#######").
/// Nothing is written for a row outside 1..60.
void ShowSection(const SectionCatalogue& catalogue, int currentSection, SheetAccess& sheet);
/// The same for a row at hand.
void ShowSection(const SectionRow& row, SheetAccess& sheet);

} // namespace varnok
