#pragma once
// One row of the list checked as its design sheet checks it: the row's texts
// are read as calculate reads the sheet's fields, the check runs on the
// row's series and load duration, and a chosen section is checked as the
// arrow buttons reach it. No window and no control is involved.

#include "beam_design.h"
#include "beam_list.h"
#include "report_lines.h"

#include <string>

namespace varnok::batch {

/// What the results table states of one beam, as its sheet shows it.
struct BeamResult {
    std::string moment;             // kN·m, "##0.000"
    std::string section;            // designation, without its trailing blanks
    std::string Zx;                 // cm³, "######.0"
    std::string fb;                 // N/mm², "####"
    std::string stressRatio;        // "#0.###"
    std::string limit;              // of the stress ratio: "1.0" in both durations
    std::string bendingVerdict;     // "ＯＫ" / "ＮＧ"
    std::string deflection;         // cm, "##0.000"
    std::string spanOverDeflection; // "#####"
    std::string deflectionVerdict;
    std::string weldRatio; // cantilevers only, else ""
    std::string weldVerdict;
    bool passes = true;  // every check of the sheet passes
    bool raised = false; // "全検定" took a larger section than the automatic choice
    // What was checked, as the calculation rewrote the fields ("##0.000"):
    std::string span;           // L, m
    std::string bucklingLength; // Lb as used (the proposal for a blank cell), m
    std::string w;              // the total line load, kN/m
    std::string P;              // each point load (the cantilever's tip load), kN; "" uniform load
};

BeamResult ResultOf(const CheckResult& result);

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
    BeamResult result() const;
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
