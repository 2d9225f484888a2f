// The driver of the engine: the automatic choice of the section, the arrow
// steps, and the order of the steps of a check run for each sheet.
#include "beam_check.h"
#include "design_basis.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace varnok {

namespace {

using design::kCantileverModulusFactor;
using design::kSimpleModulusFactor;

constexpr double kYoungFactor = design::kYoungModulus / 100000; // E in 10⁵ N/mm²: 2.05

// Steps 3 to 11 of a run: everything after the moment and the selection; the
// verdicts are taken as the run is recorded.
void checkCurrentSection(const CheckRun& run, const CheckOptions& options, SheetKind kind) {
    BeamCheck& c = run.check;
    const SectionCatalogue& catalogue = run.catalogue;
    AllowableBendingStress(c, catalogue);
    ApplyLoadDuration(c, options.shortTerm);
    BendingRatio(c, run.entries, catalogue);
    if (kind == SheetKind::kei3_cg)
        WeldSectionRatio(c, run.entries, catalogue);
    if (const SectionRow* row = catalogue.row(c.currentSection))
        c.EI = kYoungFactor * row->Ix;
    c.L2 = c.L * c.L;
    ComputeDeflection(c, run.loadCase, kind);
    SpanOverDeflection(c, run.entries);
}

} // namespace

CheckResult RecordResult(const BeamCheck& c, const SectionCatalogue& catalogue,
                         const CheckOptions& options, SheetKind kind) {
    using namespace result_mask;
    CheckResult r;
    r.kind = kind;
    r.shortTerm = options.shortTerm;
    r.sectionRow = c.currentSection;
    if (const SectionRow* row = catalogue.row(c.currentSection)) {
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
    r.bendingPasses = BendingPasses(c.stressRatio);
    r.deflection = c.deflection;
    r.deflectionShown = ShownThrough(c.deflection, kMoment);
    r.spanOverDeflection = c.spanOverDeflection;
    r.spanOverDeflectionShown = ShownThrough(c.spanOverDeflection, kSpanOverDeflection);
    r.deflectionPasses = DeflectionPasses(c.deflection, r.spanOverDeflectionShown.value);
    if (kind == SheetKind::kei3_cg) {
        r.weldRatio = c.weldRatio;
        r.weldRatioShown = ShownThrough(c.weldRatio, kRatio);
        r.weldPasses = WeldPasses(c.weldRatio, options.shortTerm);
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

namespace {

// The series a row steps within (a row below the first counts as narrow);
// none above the last row, which no arrow moves.
std::optional<SeriesRange> StepRange(int row) {
    for (SectionSeries series :
         {SectionSeries::Narrow, SectionSeries::Medium, SectionSeries::Wide}) {
        if (row <= RangeOf(series).last)
            return RangeOf(series);
    }
    return std::nullopt;
}

} // namespace

void StepSectionUp(BeamCheck& c) {
    const int row = c.currentSection;
    if (const auto range = StepRange(row))
        c.currentSection = static_cast<std::int16_t>(std::min<int>(row + 1, range->last));
}

void StepSectionDown(BeamCheck& c) {
    const int row = c.currentSection;
    if (const auto range = StepRange(row))
        c.currentSection = static_cast<std::int16_t>(std::max<int>(row - 1, range->first));
}

CheckResult RunFullCheck(const CheckRun& run, const CheckOptions& options, SheetKind kind) {
    DesignMoment(run.check, run.loadCase, kind);
    SelectSection(run.check, run.catalogue, options.series, kind);
    checkCurrentSection(run, options, kind);
    return RecordResult(run.check, run.catalogue, options, kind);
}

CheckResult RunSectionRecheck(const CheckRun& run, const CheckOptions& options, SheetKind kind) {
    checkCurrentSection(run, options, kind);
    return RecordResult(run.check, run.catalogue, options, kind);
}

} // namespace varnok
