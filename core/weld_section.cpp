// The cantilever's second bending check: the welded section (web ignored) at
// the fixed end, against fbe = 141 N/mm² in both load durations.
#include "beam_check.h"

#include "display_mask.h"

#include <cmath>

namespace varnok {

namespace {
constexpr double kWeldAllowableStress = 141; // N/mm², fbe
} // namespace

void WeldSectionRatio(BeamCheck& c, FieldValues& f, const SectionCatalogue& catalogue) {
    f.set(43, c.M);
    if (const SectionRow* row = catalogue.row(c.currentSection))
        f.set(42, row->Ze);
    f.set(41, kWeldAllowableStress);
    f.set(16, std::fabs(f.get(43)) * 1000 / f.get(42) / f.get(41)); // uplift: on |M|
    c.weldRatio = f.get(16);
}

void WeldSectionVerdict(BeamCheck& c, SheetAccess& sheet) {
    sheet.setText("Text16", FormatMask(c.weldRatio, "#0.###"));
    const bool shortTerm = sheet.isSelected("Option2");
    sheet.setText("Text15", shortTerm ? "1.5" : "1.0");
    c.weldPasses = c.weldRatio <= (shortTerm ? 1.5 : 1.0);
    sheet.setForeColour("Label82", c.weldPasses ? colour::kVerdictOk : colour::kVerdictNg);
    sheet.setCaption("Label86", c.weldPasses ? "≦" : "＞");
    sheet.setCaption("Label82", c.weldPasses ? "ＯＫ" : "ＮＧ");
}

} // namespace varnok
