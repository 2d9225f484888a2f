// The driver of the engine: the automatic choice of the section, the arrow
// steps, and the order of the steps of a check run for each sheet.
#include "beam_check.h"
#include "design_basis.h"

#include <algorithm>
#include <cmath>

namespace varnok {

namespace {

using design::kCantileverModulusFactor;
using design::kSimpleModulusFactor;

constexpr double kYoungFactor = design::kYoungModulus / 100000; // E in 10⁵ N/mm²: 2.05

// Steps 3 to 11 of a run: everything after the moment and the selection.
void checkCurrentSection(ProgramState& state, const CheckOptions& options, SheetKind kind) {
    BeamCheck& c = state.beamCheck;
    const SectionCatalogue& catalogue = state.catalogue;
    AllowableBendingStress(c, catalogue);
    ApplyLoadDuration(c, options.shortTerm);
    BendingRatio(c, state.fieldValues, catalogue);
    if (kind == SheetKind::kei3_cg)
        WeldSectionRatio(c, state.fieldValues, catalogue);
    BendingVerdict(c);
    if (kind == SheetKind::kei3_cg)
        WeldSectionVerdict(c, options.shortTerm);
    if (const SectionRow* row = catalogue.row(c.currentSection))
        c.EI = kYoungFactor * row->Ix;
    c.L2 = c.L * c.L;
    ComputeDeflection(c, state.loadCase, kind);
    DeflectionVerdict(c, state.fieldValues);
}

} // namespace

CheckResult RecordResult(const ProgramState& state, const CheckOptions& options, SheetKind kind) {
    using namespace result_mask;
    const BeamCheck& c = state.beamCheck;
    CheckResult r;
    r.kind = kind;
    r.shortTerm = options.shortTerm;
    r.sectionRow = c.currentSection;
    if (const SectionRow* row = state.catalogue.row(c.currentSection)) {
        r.section = *row;
        r.Zx = ShownThrough(row->Zx, kModulus);
        r.Ze = ShownThrough(row->Ze, kModulus);
    }
    r.M = c.M;
    r.moment = ShownThrough(c.M, kMoment);
    r.fb = c.fb;
    r.fbShown = ShownThrough(c.fb, kStress);
    r.stressRatio = c.stressRatio;
    r.stressRatioShown = ShownThrough(c.stressRatio, kRatio);
    r.bendingPasses = c.bendingPasses;
    r.deflection = c.deflection;
    r.deflectionShown = ShownThrough(c.deflection, kMoment);
    r.spanOverDeflection = c.spanOverDeflection;
    r.spanOverDeflectionShown = ShownThrough(c.spanOverDeflection, kSpanOverDeflection);
    r.deflectionPasses = c.deflectionPasses;
    if (kind == SheetKind::kei3_cg) {
        r.weldRatio = c.weldRatio;
        r.weldRatioShown = ShownThrough(c.weldRatio, kRatio);
        r.weldPasses = c.weldPasses;
    }
    return r;
}

void SelectSection(BeamCheck& c, const SectionCatalogue& catalogue,
                   std::optional<SectionSeries> series, SheetKind kind) {
    if (series)
        c.seriesRange = RangeOf(*series);

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

void RunFullCheck(ProgramState& state, const CheckOptions& options, SheetKind kind) {
    DesignMoment(state.beamCheck, state.loadCase, kind);
    SelectSection(state.beamCheck, state.catalogue, options.series, kind);
    checkCurrentSection(state, options, kind);
    state.result = RecordResult(state, options, kind);
}

void RunSectionRecheck(ProgramState& state, const CheckOptions& options, SheetKind kind) {
    checkCurrentSection(state, options, kind);
    state.result = RecordResult(state, options, kind);
}

void RunFullCheck(ProgramState& state, SheetAccess& sheet, SheetKind kind) {
    RunFullCheck(state, OptionsOn(sheet), kind);
    PresentResult(state.result, sheet);
}

void RunSectionRecheck(ProgramState& state, SheetAccess& sheet, SheetKind kind) {
    RunSectionRecheck(state, OptionsOn(sheet), kind);
    PresentResult(state.result, sheet);
}

} // namespace varnok
