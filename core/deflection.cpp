// The serviceability check: elastic deflection against span / 300.
// E = 2.05 × 10⁵ N/mm² enters as 2.05 in EI; the powers of ten are folded into
// the constants, so with w in kN/m, P in kN, L in m and Ix in cm⁴ δ is in cm.
#include "beam_check.h"
#include "design_basis.h"

#include <cmath>

namespace varnok {

namespace {
constexpr double kSimpleUniform = design::kSimpleUniformDeflection;
constexpr double kCantileverUniform = design::kCantileverUniformDeflection;
constexpr double kCantileverTip = design::kCantileverTipDeflection;
} // namespace

void ComputeDeflection(BeamCheck& c, const LoadCase& loadCase, SheetKind kind) {
    switch (kind) {
    case SheetKind::kei3_b1:
        c.L2 = c.L * c.L;
        c.deflectionOfW = c.L2 * (c.w * kSimpleUniform * c.L2) / c.EI;
        c.deflectionOfP = loadCase.deflectionCoefficient.numerator * 100 * c.P * c.L2 * c.L / c.EI /
                          loadCase.deflectionCoefficient.denominator;
        c.deflection = c.deflectionOfW + c.deflectionOfP;
        break;
    case SheetKind::kei3_b2:
        c.deflection = c.L2 * (c.w * kSimpleUniform * c.L2) / c.EI;
        break;
    case SheetKind::kei3_cg:
        c.L2 = c.L * c.L;
        c.deflectionOfW = c.L2 * (c.w * kCantileverUniform * c.L2) / c.EI;
        c.deflectionOfP = c.P * kCantileverTip * c.L2 * c.L / c.EI;
        c.deflection = c.deflectionOfW + c.deflectionOfP;
        break;
    }
}

void SpanOverDeflection(BeamCheck& c, FieldValues& f) {
    // Uplift deflects the other way; the limit is on the size of δ.
    c.spanOverDeflection = c.L * 100 / std::fabs(c.deflection); // m to cm
    // The verdict takes the whole number the field shows, not the unrounded ratio;
    // "∞" (a deflection too small to divide by) reads back as infinity and passes.
    f.set(slot::kSpanOverDeflection,
          ShownThrough(c.spanOverDeflection, result_mask::kSpanOverDeflection).value);
}

} // namespace varnok
