#include "beam_run.h"

#include "blank_text.h"
#include "display_mask.h"
#include "read_number.h"

namespace varnok::batch {

std::string_view ResultText(const CheckResult& r, ResultCell cell) {
    const bool cantilever = r.kind == SheetKind::kei3_cg;
    switch (cell) {
    case ResultCell::Section: {
        if (!r.section)
            return {};
        std::string_view designation = r.section->designation;
        while (designation.ends_with(' '))
            designation.remove_suffix(1);
        return designation;
    }
    case ResultCell::Moment:
        return r.moment.text;
    case ResultCell::Zx:
        return r.Zx.text;
    case ResultCell::Fb:
        return r.fbShown.text;
    case ResultCell::StressRatio:
        return r.stressRatioShown.text;
    case ResultCell::Limit:
        return kBendingRatioLimit.text;
    case ResultCell::BendingVerdict:
        return VerdictText(r.bendingPasses);
    case ResultCell::Deflection:
        return r.deflectionShown.text;
    case ResultCell::SpanOverDeflection:
        return r.spanOverDeflectionShown.text;
    case ResultCell::DeflectionVerdict:
        return VerdictText(r.deflectionPasses);
    case ResultCell::WeldRatio:
        return cantilever ? std::string_view(r.weldRatioShown.text) : std::string_view();
    case ResultCell::WeldVerdict:
        return cantilever ? VerdictText(r.weldPasses) : std::string_view();
    case ResultCell::Overall:
        return VerdictText(r.passes());
    }
    return {};
}

std::array<std::string, 4> ShownLoads(const BeamDesign& design) {
    const bool uniform = design.kind == SheetKind::kei3_b2;
    return {design.shown[slot::kSpan], design.shown[slot::kBucklingLength],
            design.shown[uniform ? slot::kWUniform : slot::kW],
            uniform ? std::string() : design.shown[slot::kP]};
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

reports::Report BeamRun::report(reports::ReportTarget target) const {
    return reports::BuildReport(last_.design, last_.memberName, target);
}

} // namespace varnok::batch
