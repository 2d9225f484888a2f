#include "beam_design.h"

#include "read_number.h"
#include "sheet_traits.h"

#include <algorithm>

namespace varnok {

namespace {

CheckRun RunOf(BeamDesign& d) {
    return {d.check, d.entries, d.loadCase, Catalogue()};
}

// The chosen row in place of the automatic one, as the arrow buttons reach it.
void CheckRow(BeamDesign& d, const CheckOptions& options, int row) {
    d.check.currentSection = static_cast<std::int16_t>(row);
    d.result = RunSectionRecheck(RunOf(d), options, d.kind);
}

} // namespace

const SectionCatalogue& Catalogue() {
    static const SectionCatalogue catalogue = [] {
        SectionCatalogue c;
        FillCatalogue(c);
        return c;
    }();
    return catalogue;
}

std::span<const int> InputFieldsOf(SheetKind kind) {
    return TraitsOf(kind).chain.fields.subspan(1); // the member name comes first
}

std::variant<BeamDesign, InputRefusal> Calculate(const BeamInput& input) {
    using namespace slot;
    switch (CheckCalculateInputs(input.texts[kSpan], input.texts[kBucklingLength])) {
    case CalculateRefusal::MissingSpan:
        return InputRefusal{CalculateRefusal::MissingSpan, kSpan};
    case CalculateRefusal::NegativeBucklingLength:
        return InputRefusal{CalculateRefusal::NegativeBucklingLength, kBucklingLength};
    case CalculateRefusal::None:
        break;
    }
    BeamDesign d;
    d.input = input;
    d.kind = ChooseLoadCase(d.loadCase, input.arrangement);
    std::copy(input.texts.begin(), input.texts.end(), d.shown.begin());
    ComputeLoads(d.check, d.entries, d.shown, d.kind);
    const CheckOptions options = OptionsOf(input);
    d.result = RunFullCheck(RunOf(d), options, d.kind);
    if (input.sectionRow != 0 && input.sectionRow != d.check.currentSection)
        CheckRow(d, options, input.sectionRow);
    return d;
}

BeamDesign Recheck(const BeamDesign& design, const CheckOptions& options, int row) {
    BeamDesign d = design;
    d.input.series = options.series;
    d.input.shortTerm = options.shortTerm;
    d.input.sectionRow = row;
    if (row == 0)
        d.result = RunFullCheck(RunOf(d), options, d.kind);
    else
        CheckRow(d, options, row);
    return d;
}

int StepUp(int row) {
    BeamCheck c;
    c.currentSection = static_cast<std::int16_t>(row);
    StepSectionUp(c);
    return c.currentSection;
}

int StepDown(int row) {
    BeamCheck c;
    c.currentSection = static_cast<std::int16_t>(row);
    StepSectionDown(c);
    return c.currentSection;
}

bool DescribesInput(const BeamDesign& design, const BeamInput& typed) {
    for (int n : InputFieldsOf(design.kind)) {
        const auto i = static_cast<std::size_t>(n);
        if (ReadNumber(typed.texts[i]) != ReadNumber(design.shown[i]))
            return false;
    }
    return true;
}

BeamDesign AsTyped(const BeamDesign& design, const BeamInput& typed) {
    BeamDesign d = design;
    for (int n : InputFieldsOf(d.kind))
        d.shown[static_cast<std::size_t>(n)] = typed.texts[static_cast<std::size_t>(n)];
    return d;
}

BeamDesign Uncalculated(LoadCaseButton arrangement) {
    BeamDesign d;
    d.input.arrangement = arrangement;
    d.kind = ChooseLoadCase(d.loadCase, arrangement);
    return d;
}

double ProposedBucklingLength(SheetKind kind, double span, int caseNumber) {
    if (TraitsOf(kind).bucklingLengthIsSpan || caseNumber < 1)
        return span;
    return span / caseNumber;
}

} // namespace varnok
