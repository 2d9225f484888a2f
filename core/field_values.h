#pragma once
// FieldValues: entry n holds the number that belongs to field Textn of the open sheet.

#include <array>

namespace varnok {

class FieldValues {
public:
    static constexpr int kFirst = 1;
    static constexpr int kLast = 200;

    /// Entry n (1..200); 0 for any other n.
    double get(int n) const { return valid(n) ? values_[n - kFirst] : 0.0; }
    /// Writes entry n; an n outside 1..200 is passed over.
    void set(int n, double value) {
        if (valid(n))
            values_[n - kFirst] = value;
    }
    static constexpr bool valid(int n) { return n >= kFirst && n <= kLast; }

private:
    std::array<double, kLast - kFirst + 1> values_{};
};

/// The entries the engine and the reports name; entry n belongs to field Textn.
namespace slot {
inline constexpr int kSpan = 2;           // L, m
inline constexpr int kBucklingLength = 3; // Lb, m
inline constexpr int kAreaLoadW = 4;      // kN/m²
inline constexpr int kWidthW = 5;         // m
inline constexpr int kAddedW = 6;         // kN/m
// Point-load and cantilever sheets.
inline constexpr int kW = 7;         // w, kN/m
inline constexpr int kAreaLoadP = 8; // kN/m²
inline constexpr int kWidthP = 9;    // m
inline constexpr int kLengthP = 10;  // m
inline constexpr int kAddedP = 11;   // kN
inline constexpr int kP = 12;        // P, kN
// Uniform-load sheet: a second distributed-load row and the total of both.
inline constexpr int kAreaLoadW2 = 7; // kN/m²
inline constexpr int kWidthW2 = 8;    // m
inline constexpr int kAddedW2 = 9;    // kN/m
inline constexpr int kWUniform = 10;  // w, kN/m
// Results.
inline constexpr int kWeldRatio = 16;
inline constexpr int kMoment = 25; // kN·m
inline constexpr int kZx = 26;     // cm³
inline constexpr int kFb = 27;     // N/mm², in use
inline constexpr int kStressRatio = 28;
inline constexpr int kSpanOverDeflection = 33; // read back from its field: a whole number
inline constexpr int kFbe = 41;                // N/mm², 141
inline constexpr int kZe = 42;                 // cm³
inline constexpr int kWeldMoment = 43;         // kN·m
} // namespace slot

} // namespace varnok
