#pragma once
// Whether a sheet's text report or printout may start: a report describes the
// one calculation whose inputs are on screen, and names its member. Plain C++:
// the sheet shows the messages.

#include "sheet_access.h"

#include <span>
#include <string_view>
#include <vector>

namespace varnok::sheets {

enum class ReportRefusal {
    None,
    NotCalculated, // no calculation since the sheet opened, or an input changed since
    NoMemberName,  // Text1 is empty or only blanks
};

class ReportGate {
public:
    explicit ReportGate(SheetKind kind);

    /// Right after a successful calculation: remembers the value (ReadNumber of
    /// the text) of every typed input field, Text1 apart.
    void recordCalculation(const SheetAccess& sheet);

    /// The reason to refuse a report now, the calculation first: a user told to
    /// calculate again meets the name check on the next press, while a report
    /// of stale results is never the better one to hear about second.
    ReportRefusal check(const SheetAccess& sheet) const;
    /// Whether the sheet calculated successfully since it opened.
    bool calculatedOnce() const { return !calculated_.empty(); }

private:
    std::vector<double> valuesNow(const SheetAccess& sheet) const;

    std::vector<int> inputs_;        // Text numbers of the typed number fields
    std::vector<double> calculated_; // their values at the last calculation; empty before one
};

/// True when the UTF-8 text holds nothing but blanks (half- or full-width),
/// tabs and line breaks.
bool IsBlankName(std::string_view name);

} // namespace varnok::sheets
