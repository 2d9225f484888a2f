#pragma once
// One row of the list checked as its design sheet checks it: the row's texts
// are read as calculate reads the sheet's fields, the check runs on the
// row's series and load duration, and a chosen section is checked as the
// arrow buttons reach it. No window and no control is involved.

#include "beam_design.h"
#include "beam_list.h"
#include "report_lines.h"

#include <array>
#include <string>
#include <string_view>

namespace varnok::batch {

/// What the results table states of a checked beam after its inputs, in the
/// table's order: the record's texts as its sheet shows them.
enum class ResultCell {
    Section,            // designation, without its trailing blanks
    Moment,             // kN·m, "##0.000"
    Zx,                 // cm³, "######.0"
    Fb,                 // N/mm², "####"
    StressRatio,        // "#0.###"
    Limit,              // of the stress ratio: "1.0" in both durations
    BendingVerdict,     // "ＯＫ" / "ＮＧ"
    Deflection,         // cm, "##0.000"
    SpanOverDeflection, // "#####"
    DeflectionVerdict,
    WeldRatio, // cantilevers only, else ""
    WeldVerdict,
    Overall, // every check of the sheet passes: "ＯＫ", else "ＮＧ"
};
inline constexpr int kResultCells = static_cast<int>(ResultCell::Overall) + 1;

/// The one way from a record to the texts every table of results states (the
/// results table, the calc book's summary, the list window): the record's own
/// texts, never formatted again.
std::string_view ResultText(const CheckResult& result, ResultCell cell);

/// The overall verdict of a row that cannot be checked.
inline constexpr std::string_view kBadRowVerdict = "入力エラー";

/// The loads a checked beam was calculated with, as the calculation rewrote
/// their fields ("##0.000"): L, Lb as used (the proposal for a blank cell), the
/// total line load w and each point load P ("" on the uniform-load sheet).
std::array<std::string, 4> ShownLoads(const BeamDesign& design);

/// The input a row stands for: its texts as typed into its sheet's fields, the
/// buckling length proposed from the span when the row leaves it empty, as
/// entering the field proposes it.
BeamInput InputOf(const BeamRow& row);

/// Checks beams one after the other; the design of the last check stays for
/// its report.
class BeamRun {
public:
    void check(const BeamRow& row);

    SheetKind kind() const { return last_.design.kind; }
    const BeamDesign& design() const { return last_.design; }
    /// "全検定" took a larger section than the automatic choice.
    bool raised() const { return last_.raised; }
    /// The report exactly as the sheet's report button (text file) or print
    /// button (page) would build it after this calculation.
    reports::Report report(reports::ReportTarget target) const;

private:
    /// One beam checked; replaced whole by the next, as a sheet opened afresh.
    struct Checked {
        BeamDesign design;
        std::string memberName;
        bool raised = false;
    };
    static Checked Check(const BeamRow& row);

    Checked last_;
};

} // namespace varnok::batch
