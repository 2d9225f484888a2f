#include "beam_run.h"

#include "blank_text.h"
#include "display_mask.h"
#include "read_number.h"

namespace varnok::batch {

BeamResult ResultOf(const CheckResult& r) {
    BeamResult b;
    b.moment = r.moment.text;
    if (r.section) {
        b.section = std::string(r.section->designation);
        while (!b.section.empty() && b.section.back() == ' ')
            b.section.pop_back();
    }
    b.Zx = r.Zx.text;
    b.fb = r.fbShown.text;
    b.stressRatio = r.stressRatioShown.text;
    b.limit = std::string(kBendingRatioLimit.text);
    b.bendingVerdict = VerdictText(r.bendingPasses);
    b.deflection = r.deflectionShown.text;
    b.spanOverDeflection = r.spanOverDeflectionShown.text;
    b.deflectionVerdict = VerdictText(r.deflectionPasses);
    if (r.kind == SheetKind::kei3_cg) {
        b.weldRatio = r.weldRatioShown.text;
        b.weldVerdict = VerdictText(r.weldPasses);
    }
    b.passes = r.passes();
    return b;
}

BeamInput InputOf(const BeamRow& row) {
    BeamInput input;
    input.arrangement = row.arrangement;
    input.texts = row.fieldTexts;
    std::string& lb = input.texts[slot::kBucklingLength];
    if (IsBlank(lb)) {
        LoadCase loadCase;
        const SheetKind kind = ChooseLoadCase(loadCase, row.arrangement);
        lb = FormatMask(
            ProposedBucklingLength(kind, ReadNumber(input.texts[slot::kSpan]), loadCase.caseNumber),
            kProposalMask);
    }
    input.series = row.series;
    input.shortTerm = row.shortTerm;
    input.sectionRow = row.sectionRow;
    return input;
}

void BeamRun::check(const BeamRow& row) {
    last_ = Check(row);
}

BeamRun::Checked BeamRun::Check(const BeamRow& row) {
    // A sheet opened afresh for every beam: nothing of the beam before carries over.
    auto outcome = Calculate(InputOf(row));
    // The list refuses what the calculate step refuses before a row gets here.
    auto* design = std::get_if<BeamDesign>(&outcome);
    if (design == nullptr)
        return {Uncalculated(row.arrangement), row.memberName};
    Checked c{std::move(*design), row.memberName};
    if (!row.raiseUntilPasses)
        return c;
    BeamDesign& d = c.design;
    const int chosen = d.check.currentSection;
    const CheckOptions options = OptionsOf(d.input);
    // The series' last row only repeats its largest section under an
    // "or larger" name: the search ends on the largest real one.
    const int largest = RangeOf(row.series).last - 1;
    if (d.check.currentSection > largest)
        d = Recheck(d, options, largest);
    while (!d.result.passes() && d.check.currentSection < largest)
        d = Recheck(d, options, StepUp(d.check.currentSection)); // the ↑ button
    c.raised = d.check.currentSection > chosen;
    return c;
}

BeamResult BeamRun::result() const {
    const BeamDesign& d = last_.design;
    BeamResult r = ResultOf(d.result);
    r.raised = last_.raised;
    const bool uniform = d.kind == SheetKind::kei3_b2;
    r.span = d.shown[slot::kSpan];
    r.bucklingLength = d.shown[slot::kBucklingLength];
    r.w = d.shown[uniform ? slot::kWUniform : slot::kW];
    if (!uniform)
        r.P = d.shown[slot::kP];
    return r;
}

reports::Report BeamRun::report(reports::ReportTarget target) const {
    return reports::BuildReport(last_.design, last_.memberName, target);
}

} // namespace varnok::batch
