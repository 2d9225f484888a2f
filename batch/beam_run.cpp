#include "beam_run.h"

#include "chain_rules.h"
#include "display_mask.h"
#include "read_number.h"
#include "sheet_texts.h"

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

BeamRun::BeamRun() {
    FillCatalogue(state_.catalogue);
}

void BeamRun::check(const BeamRow& row) {
    // A sheet opened afresh for every beam: nothing of the beam before carries over.
    state_.loadCase = {};
    state_.fieldValues = {};
    state_.beamCheck = {};
    kind_ = ChooseLoadCase(state_.loadCase, row.arrangement);
    state_.memberName = row.memberName;

    fields_ = {};
    std::copy(row.fieldTexts.begin(), row.fieldTexts.end(), fields_.begin());
    std::string& lb = fields_[slot::kBucklingLength];
    if (lb.empty()) {
        // Entering the buckling-length field proposes it from the span.
        lb = FormatMask(sheets::ProposedBucklingLength(kind_, ReadNumber(fields_[slot::kSpan]),
                                                       state_.loadCase.caseNumber),
                        sheets::texts::kProposalMask);
    }
    ComputeLoads(state_, fields_, kind_);
    const CheckOptions options{row.series, row.shortTerm};
    RunFullCheck(state_, options, kind_);
    auto checkAt = [&](int section) {
        state_.beamCheck.currentSection = static_cast<std::int16_t>(section);
        RunSectionRecheck(state_, options, kind_);
    };
    if (row.sectionRow != 0 && row.sectionRow != state_.beamCheck.currentSection)
        checkAt(row.sectionRow);
    const int chosen = state_.beamCheck.currentSection;
    raised_ = false;
    if (row.raiseUntilPasses) {
        // The series' last row only repeats its largest section under an
        // "or larger" name: the search ends on the largest real one.
        const int largest = RangeOf(row.series).last - 1;
        if (state_.beamCheck.currentSection > largest)
            checkAt(largest);
        while (!state_.result.passes() && state_.beamCheck.currentSection < largest) {
            StepSectionUp(state_.beamCheck); // the ↑ button
            RunSectionRecheck(state_, options, kind_);
        }
        raised_ = state_.beamCheck.currentSection > chosen;
    }
}

BeamResult BeamRun::result() const {
    BeamResult r = ResultOf(state_.result);
    r.raised = raised_;
    const bool uniform = kind_ == SheetKind::kei3_b2;
    r.span = fields_[slot::kSpan];
    r.bucklingLength = fields_[slot::kBucklingLength];
    r.w = fields_[uniform ? slot::kWUniform : slot::kW];
    if (!uniform)
        r.P = fields_[slot::kP];
    return r;
}

reports::Report BeamRun::report(reports::ReportTarget target) const {
    return reports::BuildReport(state_, reports::FactsOf(state_.result, fields_), kind_, target);
}

} // namespace varnok::batch
