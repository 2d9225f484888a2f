#pragma once
// The load totals a design sheet forms from its typed entries: the calculation
// and the running totals shown on Enter both come from here, so the two can
// never disagree. The order of the operations is part of the result: it
// decides the last bit of the doubles.

#include "field_values.h"

namespace varnok {

/// w (kN/m) of one load row: area load (kN/m²) on its tributary width (m),
/// plus an added line load (kN/m).
constexpr double LineLoad(double width_m, double areaLoad_kNm2, double addedLine_kNm) {
    return width_m * areaLoad_kNm2 + addedLine_kNm;
}

/// P (kN): area load (kN/m²) on its tributary width × length (m), plus an added
/// point load (kN).
constexpr double PointLoad(double width_m, double areaLoad_kNm2, double length_m,
                           double addedPoint_kN) {
    return width_m * areaLoad_kNm2 * length_m + addedPoint_kN;
}

/// w (kN/m) of the uniform-load sheet's two rows: the first row's w, then the
/// second row's area load on its width, then its added line load.
constexpr double TwoRowLineLoad(double firstRow_kNm, double width_m, double areaLoad_kNm2,
                                double addedLine_kNm) {
    return (firstRow_kNm + width_m * areaLoad_kNm2) + addedLine_kNm;
}

/// The same totals from the stored entries: w of entries 4–6, P of entries
/// 8–11, and the uniform-load sheet's w of entries 4–9, as their total fields show them.
double LineLoadOf(const FieldValues& entries);
double PointLoadOf(const FieldValues& entries);
double TwoRowLineLoadOf(const FieldValues& entries);

} // namespace varnok
