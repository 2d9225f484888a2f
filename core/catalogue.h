#pragma once
// The section catalogue: 54 rolled H-sections in three series, each framed by an
// or-smaller and an or-larger sentinel row, 60 rows numbered 1 to 60.

#include <array>
#include <cstdint>
#include <string_view>

namespace varnok {


/// One row as tabled. Texts are UTF-8 with their trailing blanks.
struct CatalogueEntry {
    std::string_view designation;       // as the sheet's section field shows it
    std::string_view reportDesignation; // full-width form for the reports
    double ib;                          // cm, radius of gyration for lateral buckling
    double eta;                         // η = ib·h / Af, dimensionless
    double Zx;                          // cm³, elastic section modulus
    double Ix;                          // cm⁴, second moment of area
    double Ze;                          // cm³, modulus of the welded section
};

inline constexpr int kCatalogueRows = 60;

/// The fixed data set, rows 1 to 60 at indices 0 to 59.
extern const std::array<CatalogueEntry, kCatalogueRows> kCatalogueTable;

struct SectionRow {
    std::string_view designation;
    std::string_view reportDesignation;
    double ib = 0;               // cm
    double eta = 0;              // –
    double Zx = 0;               // cm³
    double Ix = 0;               // cm⁴
    double Ze = 0;               // cm³
    double BucklingConstant = 0; // 89000 × ib ÷ eta
    friend bool operator==(const SectionRow&, const SectionRow&) = default;
};

/// The program-wide catalogue as FillCatalogue leaves it.
class SectionCatalogue {
public:
    /// Row r (1..60), or nullptr for any other number: a statement that asks for
    /// a row outside the catalogue is passed over by its caller.
    const SectionRow* row(int r) const;
    SectionRow* row(int r);

private:
    std::array<SectionRow, kCatalogueRows> rows_{};
};

/// Writes all 60 rows in order, then the buckling constants.
void FillCatalogue(SectionCatalogue& catalogue);

/// ib × 89000 ÷ eta, multiplied first, unrounded.
double BucklingConstant(double ib, double eta);

enum class SectionSeries { Narrow, Medium, Wide };

/// First and last row of a series: 1-20, 21-40, 41-60.
struct SeriesRange {
    std::int16_t first = 0;
    std::int16_t last = 0;
    friend constexpr bool operator==(SeriesRange, SeriesRange) = default;
};

constexpr SeriesRange RangeOf(SectionSeries series) {
    switch (series) {
    case SectionSeries::Narrow:
        return {1, 20};
    case SectionSeries::Medium:
        return {21, 40};
    case SectionSeries::Wide:
        return {41, 60};
    }
    return {};
}

} // namespace varnok
