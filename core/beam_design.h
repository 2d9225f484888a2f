#pragma once
// The one route from the typed inputs to the results. A BeamInput holds what
// the user typed and chose; Calculate turns it into a BeamDesign, the record
// every window and document is drawn from, or refuses it naming the field and
// why. The steps are the check run's own: the order of the operations and
// every rounding are those of the calculate button.

#include "beam_check.h"
#include "calculate_inputs.h"
#include "catalogue.h"
#include "check_result.h"
#include "field_values.h"
#include "load_case.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace varnok {

/// One beam as typed: index n of `texts` is input field n (UTF-8) — 2 the span,
/// 3 the buckling length, 4–6 the w row, 8–11 the P row (or 7–9 the uniform-load
/// sheet's second w row); entries the arrangement has no field for stay empty.
struct BeamInput {
    LoadCaseButton arrangement = LoadCaseButton::OnePoint;
    std::array<std::string, 12> texts;
    std::optional<SectionSeries> series = SectionSeries::Narrow; // none: no series chosen
    bool shortTerm = false;
    int sectionRow = 0; // a chosen catalogue row, checked as ↑/↓ reach it; 0: the automatic choice
    friend bool operator==(const BeamInput&, const BeamInput&) = default;
};

/// The choices of the input as a check run takes them.
constexpr CheckOptions OptionsOf(const BeamInput& input) {
    return {input.series, input.shortTerm};
}

/// A calculated beam: its input, the texts of its input and total fields as the
/// sheet shows them after calculating ("##0.000"), the numbers the steps read
/// and wrote, the working values of the run and the record of its results.
struct BeamDesign {
    BeamInput input;     // as typed; its options and row as the last check took them
    SheetKind kind = SheetKind::kei3_b1;
    LoadCase loadCase;   // the arrangement's coefficients, diagram and case number
    LoadTexts shown;     // index n: field n after calculating (2–12; 2–10 uniform load)
    FieldValues entries; // the numbers read and the totals and results the steps wrote
    BeamCheck check;     // L, Lb, w, P, M, fb, δ … unrounded, and the verdicts
    CheckResult result;

    double w() const { return check.w; } // kN/m
    double P() const { return check.P; } // kN; 0 on the uniform-load sheet
};

/// Why a calculation was refused: the field to hand back and the reason.
struct InputRefusal {
    CalculateRefusal reason = CalculateRefusal::None;
    int field = 0; // 2 the span, 3 the buckling length
};

/// The refusal rule first (nothing is read or computed on a refusal), then the
/// loads, the moment, the selection in the input's series, every check, and a
/// chosen section checked in place of the automatic one.
std::variant<BeamDesign, InputRefusal> Calculate(const BeamInput& input);

/// The design checked again on its loads: with `row` 0 the whole check (new
/// moment and selection in the options' series), as an option click runs it;
/// otherwise catalogue row `row`, as the ↑/↓ buttons reach it.
BeamDesign Recheck(const BeamDesign& design, const CheckOptions& options, int row = 0);

/// The row one up / down from `row` within its series, as ↑/↓ step (0 becomes 1).
int StepUp(int row);
int StepDown(int row);

/// Whether the typed texts read as the numbers the design was calculated from,
/// field by field (the texts as shown after calculating): a report of the
/// design describes these inputs. Options and the chosen row do not count.
bool DescribesInput(const BeamDesign& design, const BeamInput& typed);

/// The design with the texts of its input fields as `typed` holds them, for a
/// report made while they read as the calculated numbers (DescribesInput): the
/// reports leave out an added load whose field shows "0.000" as it stands.
BeamDesign AsTyped(const BeamDesign& design, const BeamInput& typed);

/// A design of no loads, as a sheet stands before its first calculation: the
/// option buttons and the arrows check this one until then.
BeamDesign Uncalculated(LoadCaseButton arrangement);

/// The input fields of an arrangement's sheet, in the order the user types them.
std::span<const int> InputFieldsOf(SheetKind kind);

/// The one section catalogue, filled on first use.
const SectionCatalogue& Catalogue();

/// The buckling length a sheet proposes on entering its field: the span ÷ case
/// number on the simple-beam sheets (a case number below 1 counts as 1), the
/// span itself on the cantilever; shown through kProposalMask.
double ProposedBucklingLength(SheetKind kind, double span, int caseNumber);
inline constexpr std::string_view kProposalMask = "##0.000";

} // namespace varnok
