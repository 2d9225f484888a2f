// The bending check: loads, design moment, allowable bending stress, stress
// ratio and its verdict. The order of every operation is part of the result:
// it decides the last bit of the doubles.
#include "beam_check.h"

#include "design_basis.h"
#include "display_mask.h"
#include "load_totals.h"
#include "read_number.h"

#include <array>
#include <cmath>
#include <limits>

namespace varnok {

namespace {

constexpr std::string_view kInputMask = "##0.000";

// Reads field Textn into entry n and shows it again with three decimals.
void readField(FieldValues& fields, LoadTexts& texts, int n) {
    std::string& text = texts[static_cast<std::size_t>(n)];
    fields.set(n, ReadNumber(text));
    text = FormatMask(fields.get(n), kInputMask);
}

void showTotal(FieldValues& fields, LoadTexts& texts, int n, double value) {
    fields.set(n, value);
    texts[static_cast<std::size_t>(n)] = FormatMask(value, kInputMask);
}

} // namespace

void ComputeLoads(BeamCheck& check, FieldValues& f, LoadTexts& texts, SheetKind kind) {
    using namespace slot;
    if (kind == SheetKind::kei3_b2) {
        for (int n = kSpan; n <= kAddedW2; ++n)
            readField(f, texts, n);
        showTotal(f, texts, kWUniform, TwoRowLineLoadOf(f));
        check.L = f.get(kSpan);
        check.Lb = f.get(kBucklingLength);
        check.w = f.get(kWUniform);
        return; // no point load on this sheet: P keeps what it was
    }
    for (int n = kSpan; n <= kAddedW; ++n)
        readField(f, texts, n);
    showTotal(f, texts, kW, LineLoadOf(f));
    for (int n = kAreaLoadP; n <= kAddedP; ++n)
        readField(f, texts, n);
    showTotal(f, texts, kP, PointLoadOf(f));
    check.L = f.get(kSpan);
    check.Lb = f.get(kBucklingLength);
    check.w = f.get(kW);
    check.P = f.get(kP);
}

void DesignMoment(BeamCheck& c, const LoadCase& loadCase, SheetKind kind) {
    // A negative span has no moment ("不定"): an option click on a refused
    // calculate's leftovers must never pass a beam on a moment of the wrong size.
    if (c.L < 0) {
        c.momentOfW = c.momentOfP = c.M = std::numeric_limits<double>::quiet_NaN();
        return;
    }
    switch (kind) {
    case SheetKind::kei3_b1:
        c.momentOfW = c.L * (c.w * 0.125 * c.L);
        c.momentOfP = (c.P * loadCase.momentCoefficient.numerator * c.L) /
                      loadCase.momentCoefficient.denominator;
        c.M = c.momentOfW + c.momentOfP;
        break;
    case SheetKind::kei3_b2:
        c.M = c.L * (c.w * 0.125 * c.L);
        break;
    case SheetKind::kei3_cg:
        c.momentOfW = c.L * (c.w * 0.5 * c.L);
        c.momentOfP = c.P * c.L;
        c.M = c.momentOfW + c.momentOfP;
        break;
    }
}

void AllowableBendingStress(BeamCheck& c, const SectionCatalogue& catalogue) {
    double Lb = c.Lb == 0 ? 0.0 : c.Lb; // a typed "-0" is a zero length: fully braced
    if (Lb < 0) // no allowable stress: fb shows "不定" and the check fails
        Lb = std::numeric_limits<double>::quiet_NaN();
    if (const SectionRow* row = catalogue.row(c.currentSection))
        c.fbLong = 0.01 * row->BucklingConstant / Lb;
    if (c.fbLong > design::kFbLongCap)
        c.fbLong = design::kFbLongCap;
    c.fbShort = c.fbLong * design::kShortTermFactor;
    if (c.fbShort > design::kFbShortCap) // F, not 1.5 × 157
        c.fbShort = design::kFbShortCap;
    c.fb = c.fbLong;
}

void ApplyLoadDuration(BeamCheck& c, bool shortTerm) {
    if (shortTerm)
        c.fb = c.fbShort;
}

void BendingRatio(BeamCheck& c, FieldValues& f, const SectionCatalogue& catalogue) {
    using namespace slot;
    f.set(kMoment, c.M);
    if (const SectionRow* row = catalogue.row(c.currentSection))
        f.set(kZx, row->Zx);
    f.set(kFb, c.fb);
    // M keeps its sign in its field; an uplift moment is checked on its size.
    f.set(kStressRatio, std::fabs(f.get(kMoment)) * 1000 / f.get(kZx) / f.get(kFb));
    c.stressRatio = f.get(kStressRatio);
}

} // namespace varnok
