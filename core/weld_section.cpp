// The cantilever's second bending check: the welded section (web ignored) at
// the fixed end, against fbe = 141 N/mm² in both load durations.
#include "beam_check.h"
#include "design_basis.h"

#include <cmath>

namespace varnok {

void WeldSectionRatio(BeamCheck& c, FieldValues& f, const SectionCatalogue& catalogue) {
    using namespace slot;
    f.set(kWeldMoment, c.M);
    if (const SectionRow* row = catalogue.row(c.currentSection))
        f.set(kZe, row->Ze);
    f.set(kFbe, design::kWeldAllowableStress);
    f.set(kWeldRatio,
          std::fabs(f.get(kWeldMoment)) * 1000 / f.get(kZe) / f.get(kFbe)); // uplift: on |M|
    c.weldRatio = f.get(kWeldRatio);
}

} // namespace varnok
