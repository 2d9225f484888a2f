// The driver of the engine: the automatic choice of the section, the arrow
// steps, and the order of the steps of a check run for each sheet.
#include "beam_check.h"

#include <algorithm>
#include <cmath>

namespace varnok {

namespace {

constexpr double kSimpleModulusFactor = 6.373;     // close to 1000/156.9: required Zx per kN·m
constexpr double kCantileverModulusFactor = 7.087; // close to 1000/141.1: required Ze per kN·m

constexpr double kYoungFactor = 2.05; // E = 2.05 × 10⁵ N/mm²

// Steps 3 to 11 of a run: everything after the moment and the selection.
void checkCurrentSection(ProgramState& state, SheetAccess& sheet, SheetKind kind) {
    BeamCheck& c = state.beamCheck;
    const SectionCatalogue& catalogue = state.catalogue;
    ShowSection(catalogue, c.currentSection, sheet);
    AllowableBendingStress(c, catalogue);
    ApplyLoadDuration(c, sheet);
    ShowBendingResults(c, catalogue, sheet, kind);
    BendingRatio(c, state.fieldValues, catalogue);
    if (kind == SheetKind::kei3_cg)
        WeldSectionRatio(c, state.fieldValues, catalogue);
    BendingVerdict(c, sheet, kind);
    if (kind == SheetKind::kei3_cg)
        WeldSectionVerdict(c, sheet);
    if (const SectionRow* row = catalogue.row(c.currentSection))
        c.EI = kYoungFactor * row->Ix;
    c.L2 = c.L * c.L;
    ComputeDeflection(c, state.loadCase, kind);
    DeflectionVerdict(c, state.fieldValues, sheet);
}

} // namespace

void SelectSection(BeamCheck& c, const SectionCatalogue& catalogue, const SheetAccess& sheet,
                   SheetKind kind) {
    if (sheet.isSelected("Option3"))
        c.seriesRange = RangeOf(SectionSeries::Narrow);
    else if (sheet.isSelected("Option4"))
        c.seriesRange = RangeOf(SectionSeries::Medium);
    else if (sheet.isSelected("Option5"))
        c.seriesRange = RangeOf(SectionSeries::Wide);

    const bool cantilever = kind == SheetKind::kei3_cg;
    // Uplift bends the section the other way: it is chosen for |M|.
    c.requiredModulus =
        std::fabs(c.M) * (cantilever ? kCantileverModulusFactor : kSimpleModulusFactor);
    for (int r = c.seriesRange.first; r <= c.seriesRange.last; ++r) {
        const SectionRow* row = catalogue.row(r);
        if (row == nullptr)
            continue;
        if (!(c.requiredModulus > (cantilever ? row->Ze : row->Zx))) {
            c.currentSection = static_cast<std::int16_t>(r);
            return;
        }
    }
    c.currentSection = c.seriesRange.last; // the series' or-larger row
}

void StepSectionUp(BeamCheck& c) {
    const int row = c.currentSection;
    const int top = row <= 20 ? 20 : row <= 40 ? 40 : 60;
    if (row <= 60)
        c.currentSection = static_cast<std::int16_t>(std::min(row + 1, top));
}

void StepSectionDown(BeamCheck& c) {
    const int row = c.currentSection;
    const int bottom = row <= 20 ? 1 : row <= 40 ? 21 : 41;
    if (row <= 60)
        c.currentSection = static_cast<std::int16_t>(std::max(row - 1, bottom));
}

void RunFullCheck(ProgramState& state, SheetAccess& sheet, SheetKind kind) {
    DesignMoment(state.beamCheck, state.loadCase, kind);
    SelectSection(state.beamCheck, state.catalogue, sheet, kind);
    checkCurrentSection(state, sheet, kind);
}

void RunSectionRecheck(ProgramState& state, SheetAccess& sheet, SheetKind kind) {
    checkCurrentSection(state, sheet, kind);
}

} // namespace varnok
