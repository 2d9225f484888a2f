#pragma once
// The one report line builder: the text file and the printed page are both
// drawn from the lines it returns, so they cannot drift apart.

#include "beam_design.h"

#include <string>
#include <string_view>
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

/// The report of a calculated beam (its member name UTF-8). Every number is
/// the record's: the loads as read, the results as the sheet shows them (the
/// moment and the ratios read back from their shown texts, "∞" and "不定" as
/// they are). An added load whose field shows "0.000" is left out. Each verdict
/// line states the design's own verdict ("＜ ...【ＯＫ】" or "＞ ...【ＮＧ】"), and the
/// stress-ratio line's limit is 1.0 in both durations; the weld line's is 1.5
/// for the short term instead of 1.0.
Report BuildReport(const BeamDesign& design, std::string_view memberName, ReportTarget target);

} // namespace varnok::reports
