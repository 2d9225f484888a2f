#include "beam_run.h"

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
    if (lb.empty()) {
        LoadCase loadCase;
        const SheetKind kind = ChooseLoadCase(loadCase, row.arrangement);
        lb = FormatMask(ProposedBucklingLength(kind, ReadNumber(input.texts[slot::kSpan]),
                                               loadCase.caseNumber),
                        kProposalMask);
    }
    input.series = row.series;
    input.shortTerm = row.shortTerm;
    input.sectionRow = row.sectionRow;
    return input;
}

void BeamRun::check(const BeamRow& row) {
    // A sheet opened afresh for every beam: nothing of the beam before carries over.
    memberName_ = row.memberName;
    raised_ = false;
    auto outcome = Calculate(InputOf(row));
    // The list refuses what the calculate step refuses before a row gets here.
    if (auto* design = std::get_if<BeamDesign>(&outcome)) {
        design_ = std::move(*design);
    } else {
        design_ = Uncalculated(row.arrangement);
        return;
    }
    if (!row.raiseUntilPasses)
        return;
    const int chosen = design_.check.currentSection;
    const CheckOptions options = OptionsOf(design_.input);
    // The series' last row only repeats its largest section under an
    // "or larger" name: the search ends on the largest real one.
    const int largest = RangeOf(row.series).last - 1;
    if (design_.check.currentSection > largest)
        design_ = Recheck(design_, options, largest);
    while (!design_.result.passes() && design_.check.currentSection < largest)
        design_ = Recheck(design_, options, StepUp(design_.check.currentSection)); // the ↑ button
    raised_ = design_.check.currentSection > chosen;
}

BeamResult BeamRun::result() const {
    BeamResult r = ResultOf(design_.result);
    r.raised = raised_;
    const bool uniform = design_.kind == SheetKind::kei3_b2;
    r.span = design_.shown[slot::kSpan];
    r.bucklingLength = design_.shown[slot::kBucklingLength];
    r.w = design_.shown[uniform ? slot::kWUniform : slot::kW];
    if (!uniform)
        r.P = design_.shown[slot::kP];
    return r;
}

reports::Report BeamRun::report(reports::ReportTarget target) const {
    return reports::BuildReport(design_, memberName_, target);
}

} // namespace varnok::batch
