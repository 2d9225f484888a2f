#pragma once
// The one report line builder: the text file and the printed page are both
// drawn from the lines it returns, so they cannot drift apart.

#include "beam_check.h"
#include "sheet_access.h"

#include <string>
#include <vector>

namespace varnok::reports {

/// One line of a report: its text (UTF-8) starting at a column (1-based; a
/// column is one half-width character, a full-width character takes two).
/// An empty line has column 0 and no text.
struct ReportLine {
    int column = 0;
    std::string text;
    friend bool operator==(const ReportLine&, const ReportLine&) = default;
};

using ReportLines = std::vector<ReportLine>;

/// The text file, or the printed page: one more empty line at the top, every
/// column ten further right, and the uniform-load page's own differences.
enum class ReportTarget { TextFile, PrintedPage };

/// A report as far as it could be built. The writers stop at the first failure
/// and keep what they wrote: a section row outside the catalogue (1..60) ends
/// the lines just before the section line ("ＵＳＥ： ..."), with `complete` false.
struct Report {
    ReportLines lines;
    bool complete = true;
};

/// The report of the open sheet after its last calculation. Reads the program
/// state and, through `sheet`, the texts of the fields the reports name (Text6,
/// Text7, Text9, Text11, Text16, Text17, Text28) and whether Option1 is selected.
/// Each verdict line states the sheet's own verdict (BeamCheck's bendingPasses,
/// deflectionPasses, weldPasses: "＜ ...【ＯＫ】" or "＞ ...【ＮＧ】"), and the
/// limit of the stress-ratio and weld lines is 1.5 for the short term (Option1
/// not selected) instead of 1.0.
Report BuildReport(const ProgramState& state, const SheetAccess& sheet, SheetKind kind,
                   ReportTarget target);

} // namespace varnok::reports
