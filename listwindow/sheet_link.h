#pragma once
// A row of the list and its design sheet: the row typed into the sheet as a
// user would type it, and the sheet's inputs at its last calculation taken
// back into the row (or into a new row).

#include "list_model.h"

#include "design_sheet.h"

#include <array>
#include <string>
#include <vector>

namespace varnok::listwindow {

/// A sheet's inputs as a row of the list holds them.
struct SheetInputs {
    LoadCaseButton arrangement = LoadCaseButton::OnePoint;
    std::array<std::string, 12> texts; // Text1 to Text11 (index n is Textn)
    SectionSeries series = SectionSeries::Narrow;
    bool shortTerm = false;
    int section = 0;              // the catalogue row checked
    bool automaticSection = true; // chosen by the calculation, not by ↑/↓

    bool sameAs(const SheetInputs& other) const;
};

/// Types the row into the freshly opened sheet field by field, each field
/// entered as the user enters it (the member name taken over, the buckling
/// length proposed from the span), sets its options, presses "計算" and then
/// ↑/↓ until the row's chosen section is reached (for "全検定" then ↑ until
/// every check passes, as the calc book does).
void TypeRowIntoSheet(sheets::DesignSheet& sheet, const batch::BeamRow& row);

/// What the sheet shows now (right after a calculation: what it calculated).
SheetInputs InputsShown(sheets::DesignSheet& sheet, LoadCaseButton arrangement,
                        bool automaticSection);

/// The cell edits that make `row` hold `now`: only the inputs that differ
/// from `before` (what the sheet calculated when the row was typed in), so
/// the row keeps its own spelling of every value the user left alone.
/// `missing` gets the headers of inputs the list has no column for.
std::vector<CellEdit> EditsFor(const ListDocument& document, int row, const SheetInputs& now,
                               const SheetInputs& before, std::vector<std::string>& missing);

/// The cells of a new row holding `inputs`.
std::vector<std::string> CellsFor(const ListDocument& document, const SheetInputs& inputs,
                                  std::vector<std::string>& missing);

} // namespace varnok::listwindow
