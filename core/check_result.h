#pragma once
// What one check run found: the record the sheets present in their fields and
// the reports and the calc book read. Units as in BeamCheck.

#include "catalogue.h"
#include "sheet_kind.h"

#include <optional>
#include <string>
#include <string_view>

namespace varnok {

/// The choices a check takes from the sheet's option buttons.
struct CheckOptions {
    // The series buttons; none: the last selection's series stays.
    std::optional<SectionSeries> series;
    bool shortTerm = false; // "短期" chosen rather than "長期"
};

/// The masks the sheets show the results through.
namespace result_mask {
inline constexpr std::string_view kMoment = "##0.000";   // M (kN·m) and δ (cm)
inline constexpr std::string_view kModulus = "######.0"; // Zx, Ze (cm³)
inline constexpr std::string_view kStress = "####";      // fb (N/mm²)
inline constexpr std::string_view kRatio = "#0.###";     // stress and weld-section ratios
inline constexpr std::string_view kSpanOverDeflection = "#####";
} // namespace result_mask

/// A number as its field shows it through a mask, and the number that text
/// reads back as (ReadShown: "∞" and "不定" stay what they are): where the sheet
/// or a report reads a field back, it works with the rounded value.
struct Shown {
    std::string text;
    double value = 0;
    friend bool operator==(const Shown&, const Shown&) = default;
};
Shown ShownThrough(double value, std::string_view mask);

struct CheckResult {
    SheetKind kind = SheetKind::kei3_b1;
    bool shortTerm = false;
    int sectionRow = 0;                // catalogue row in use; 0 before the first selection
    std::optional<SectionRow> section; // its properties; none for a row outside the catalogue

    Shown Zx;      // cm³, "######.0"; empty without a section
    Shown Ze;      // cm³, "######.0"; empty without a section
    double M = 0;  // kN·m
    Shown moment;  // "##0.000"; the reports print the value read back
    double fb = 0; // N/mm², in use
    Shown fbShown; // "####"
    double stressRatio = 0;
    Shown stressRatioShown; // "#0.###"; the reports print the value read back
    bool bendingPasses = true;

    double deflection = 0; // cm
    Shown deflectionShown; // "##0.000"
    double spanOverDeflection = 0;
    Shown spanOverDeflectionShown; // "#####"; the verdict takes the value read back
    bool deflectionPasses = true;

    double weldRatio = 0; // cantilever only
    Shown weldRatioShown; // "#0.###"
    bool weldPasses = true;

    friend bool operator==(const CheckResult&, const CheckResult&) = default;

    /// Every check of the sheet passes (the weld section only on the cantilever).
    bool passes() const {
        return bendingPasses && deflectionPasses && (kind != SheetKind::kei3_cg || weldPasses);
    }
};

/// "ＯＫ" or "ＮＧ", as the verdict labels show it.
constexpr std::string_view VerdictText(bool passes) {
    return passes ? "ＯＫ" : "ＮＧ";
}
/// A ratio's upper limit (a ratio equal to it passes) and the text its field shows.
struct RatioLimit {
    double value;
    std::string_view text;
};
/// The stress ratio divides by the fb of its own duration (short term: 1.5 × the
/// long-term fb, at most 235), so its limit is 1.0 in both durations. Counting the
/// short-term allowance again would pass a beam stressed to 2.25 × its long-term fb.
inline constexpr RatioLimit kBendingRatioLimit{1.0, "1.0"};
/// L/|δ| must reach 300 (δ ≤ L/300): a lower limit, unlike the ratios'.
inline constexpr RatioLimit kSpanOverDeflectionLimit{300, "300"};
/// The weld section keeps fbe = 141 in both durations: its limit carries the
/// short-term allowance.
constexpr RatioLimit WeldRatioLimit(bool shortTerm) {
    return shortTerm ? RatioLimit{1.5, "1.5"} : RatioLimit{1.0, "1.0"};
}

/// The verdicts, each taken so that a ratio that cannot be evaluated (not a
/// number) fails. Bending on the unrounded stress ratio, which has the
/// duration's fb in it already.
constexpr bool BendingPasses(double stressRatio) {
    return stressRatio <= kBendingRatioLimit.value;
}
/// The cantilever's weld section on its unrounded ratio.
constexpr bool WeldPasses(double weldRatio, bool shortTerm) {
    return weldRatio <= WeldRatioLimit(shortTerm).value;
}
/// Deflection on L/|δ| as its field shows it (a whole number; "∞", a deflection
/// too small to divide by, passes); a beam that does not deflect at all passes.
constexpr bool DeflectionPasses(double deflection, double spanOverDeflectionShown) {
    return deflection == 0 || spanOverDeflectionShown >= kSpanOverDeflectionLimit.value;
}

} // namespace varnok
