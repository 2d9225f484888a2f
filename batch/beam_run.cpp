#include "beam_run.h"

#include "chain_rules.h"
#include "display_mask.h"
#include "read_number.h"

namespace varnok::batch {

namespace {

// Option3, Option4, Option5: the narrow, medium and wide series.
std::string OptionOf(SectionSeries series) {
    return "Option" + std::to_string(3 + static_cast<int>(series));
}

std::string WithoutTrailingBlanks(std::string s) {
    while (!s.empty() && s.back() == ' ')
        s.pop_back();
    return s;
}

} // namespace

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

    sheet_ = MemorySheet::withDefaults();
    sheet_.select(row.shortTerm ? "Option2" : "Option1");
    sheet_.select(OptionOf(row.series));
    for (int n = 2; n < static_cast<int>(row.fieldTexts.size()); ++n)
        sheet_.setText(sheets::FieldName(n), row.fieldTexts[static_cast<std::size_t>(n)]);
    if (row.fieldTexts[3].empty()) {
        // Entering the buckling-length field proposes it from the span.
        const double proposed = sheets::ProposedBucklingLength(kind_, ReadNumber(row.fieldTexts[2]),
                                                               state_.loadCase.caseNumber);
        sheet_.setText("Text3", FormatMask(proposed, "##0.000"));
    }

    ComputeSheetLoads(state_, sheet_, kind_);
    RunFullCheck(state_, sheet_, kind_);
    if (row.sectionRow != 0 && row.sectionRow != state_.beamCheck.currentSection) {
        state_.beamCheck.currentSection = static_cast<std::int16_t>(row.sectionRow);
        RunSectionRecheck(state_, sheet_, kind_);
    }
}

BeamResult ResultShown(const SheetAccess& sheet, SheetKind kind, const BeamCheck& c) {
    BeamResult r;
    r.moment = sheet.text(kind == SheetKind::kei3_b2 ? "Text11" : "Text17");
    r.section = WithoutTrailingBlanks(sheet.text("Text18"));
    r.Zx = sheet.text("Text26");
    r.fb = sheet.text("Text24");
    r.stressRatio = sheet.text("Text28");
    r.limit = sheet.text("Text29");
    r.bendingVerdict = sheet.text("Label63");
    r.deflection = sheet.text("Text32");
    r.spanOverDeflection = sheet.text("Text33");
    r.deflectionVerdict = sheet.text("Label80");
    r.passes = c.bendingPasses && c.deflectionPasses;
    if (kind == SheetKind::kei3_cg) {
        r.weldRatio = sheet.text("Text16");
        r.weldVerdict = sheet.text("Label82");
        r.passes = r.passes && c.weldPasses;
    }
    return r;
}

BeamResult BeamRun::result() const {
    return ResultShown(sheet_, kind_, state_.beamCheck);
}

reports::Report BeamRun::report(reports::ReportTarget target) const {
    return reports::BuildReport(state_, sheet_, kind_, target);
}

} // namespace varnok::batch
