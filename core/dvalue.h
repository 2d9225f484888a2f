#pragma once
// The D-value of a column (its shear distribution coefficient) from the
// stiffness ratios of the beams framing into it and of the column itself.
// Plain C++: the D-value window calls this and shows the results.

namespace varnok::dvalue {

/// Where the column stands; the numbers are those of the window's option buttons.
enum class StoreyCondition {
    GeneralStorey = 1, // beams above and below
    FixedBase,         // first storey, fixed column base
    PinnedBase,        // first storey, pinned column base
    ExposedBaseTypeI,  // first storey, exposed base plate of type I
};

/// The results, unrounded: k-bar, a and D = a × kc.
struct DValueResult {
    double kBar = 0.0;
    double a = 0.0;
    double D = 0.0;
};

/// Computes k-bar, a and D in exactly this order of operations:
///   GeneralStorey     k̄ = ((k1 + k2 + k3 + k4) / 2) / kc   a = k̄ / (2 + k̄)
///   FixedBase         k̄ = (k1 + k2) / kc                   a = (0.5 + k̄) / (2 + k̄)
///   PinnedBase        k̄ = (k1 + k2) / kc                   a = (0.5 × k̄) / (2 × k̄ + 1)
///   ExposedBaseTypeI  k̄ = (k1 + k2) / kc                   a = (2.5 × k̄ + 1) / (3 × k̄ + 5.5)
///   D = a × kc
/// k1, k2 are the upper beams left and right of the column, k3, k4 the lower
/// ones (read for GeneralStorey only), kc the column. No range check: a zero
/// denominator gives the infinity or not-a-number the arithmetic produces.
DValueResult ComputeDValue(StoreyCondition condition, double k1, double k2, double k3, double k4,
                           double kc);

} // namespace varnok::dvalue
