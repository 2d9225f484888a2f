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

/// What a report takes besides the program state: texts of input fields it
/// compares with "0.000", the results it reads back from their fields (so it
/// prints them rounded as shown), and the load duration.
struct ReportFacts {
    LoadTexts fields;       // Text6, Text7, Text9 and Text11 as they stand
    bool longTerm = true;   // Option1 "長期" selected
    double moment = 0;      // kN·m, read back from Text17 (Text11 on the uniform-load sheet)
    double stressRatio = 0; // read back from Text28
    double weldRatio = 0;   // read back from Text16 (cantilever)
};

/// The facts as the open sheet's fields and option buttons hold them.
ReportFacts FactsOn(const SheetAccess& sheet, SheetKind kind);
/// The facts of a check run whose input texts are `fields` (as the calculation
/// rewrote them): what its sheet would hold after that calculation.
ReportFacts FactsOf(const CheckResult& result, const LoadTexts& fields);

/// The report after the last calculation, from the program state and the facts.
Report BuildReport(const ProgramState& state, const ReportFacts& facts, SheetKind kind,
                   ReportTarget target);

/// The report of the open sheet after its last calculation. Reads the program
/// state and, through `sheet`, the texts of the fields the reports name (Text6,
/// Text7, Text9, Text11, Text16, Text17, Text28) and whether Option1 is selected.
/// Each verdict line states the sheet's own verdict (BeamCheck's bendingPasses,
/// deflectionPasses, weldPasses: "＜ ...【ＯＫ】" or "＞ ...【ＮＧ】"). The
/// stress-ratio line's limit is 1.0 in both durations; the weld line's is 1.5
/// for the short term (Option1 not selected) instead of 1.0.
Report BuildReport(const ProgramState& state, const SheetAccess& sheet, SheetKind kind,
                   ReportTarget target);

} // namespace varnok::reports
