#pragma once
// The loading arrangement chosen on the launcher.

#include "sheet_kind.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace varnok {

struct Fraction {
    double numerator = 0;
    double denominator = 0;
};

struct FractionText {
    std::string numerator;
    std::string denominator;
};

/// The program-wide record; empty (texts empty, numbers 0) until the first choice.
struct LoadCase {
    FractionText momentText;     // full-width digits, the coefficient of P·L in M
    Fraction momentCoefficient;  // M of the point loads = P·L × numerator ÷ denominator
    FractionText deflectionText; // full-width digits, the coefficient of P·L³/(E·I)
    Fraction deflectionCoefficient;
    std::string diagramFile;     // bare file name of the sheet's diagram
    std::int16_t caseNumber = 0; // 2..5 point loads, 1 uniform only, 6 cantilever
};

/// The six diagram buttons of the launcher, numbered in its order.
enum class LoadCaseButton {
    OnePoint = 1,
    TwoPoints,
    ThreePoints,
    FourPoints,
    UniformOnly,
    Cantilever
};

/// One row of the table of cases: what a button records and where it leads.
struct LoadCaseEntry {
    LoadCaseButton button;
    std::string_view caption; // the label under the launcher's button
    SheetKind sheet;
    std::string_view momentText[2]; // empty for the uniform load and the cantilever
    double momentCoefficient[2];
    std::string_view deflectionText[2];
    double deflectionCoefficient[2];
    std::string_view diagramFile;
    std::int16_t caseNumber;
};

extern const std::array<LoadCaseEntry, 6> kLoadCases;

const LoadCaseEntry& LoadCaseFor(LoadCaseButton button);

/// The button whose case `loadCase` records (by its case number); the first
/// button of `kind` when it records none.
LoadCaseButton ArrangementOf(const LoadCase& loadCase, SheetKind kind);

/// Records the button's case in `loadCase`, field by field in the launcher's
/// order; the uniform load and the cantilever set only the diagram and the case
/// number and leave the coefficients as they were. Returns the sheet to open.
SheetKind ChooseLoadCase(LoadCase& loadCase, LoadCaseButton button);

} // namespace varnok
