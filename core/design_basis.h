#pragma once
// The design constants of the checks, in one place: the computations use them
// and the calc book's design-basis page states them, so the two cannot drift.
// The limits of the ratios and of L/δ are in check_result.h, with their texts.
// Units: N/mm² for stresses.

namespace varnok::design {

inline constexpr double kSteelF = 235;              // F of the steel (SS400, SN400)
inline constexpr double kYoungModulus = 205000;     // E
inline constexpr double kBucklingNumerator = 89000; // fb = 89000 / (Lb·h / Af) = 89000·ib / (Lb·η)
inline constexpr double kFbLongCap = 157;           // fb long term at most this (F / 1.5)
inline constexpr double kShortTermFactor = 1.5;     // fb short term = 1.5 × fb long term …
inline constexpr double kFbShortCap = kSteelF;      // … and at most F
inline constexpr double kWeldAllowableStress = 141; // fbe of the cantilever's welded section

// The automatic choice: the smallest section whose Zx (cantilever: Ze) is at
// least |M| × factor, in cm³ per kN·m.
inline constexpr double kSimpleModulusFactor = 6.373;     // close to 1000/156.9
inline constexpr double kCantileverModulusFactor = 7.087; // close to 1000/141.1

// δ in cm from w in kN/m, P in kN, L in m and EI = (E / 10⁵) × Ix in cm⁴.
inline constexpr double kSimpleUniformDeflection = 1.30208; // 100 × 5/384, cut to five decimals
inline constexpr double kCantileverUniformDeflection = 12.7465; // 1.0197 × 100/8
inline constexpr double kCantileverTipDeflection = 33.9905;     // 1.0197 × 100/3

} // namespace varnok::design
