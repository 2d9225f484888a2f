#pragma once
// The engine's program-wide record of one check, and the bending check steps.
// Units: lengths m, line loads kN/m, point loads kN, moments kN·m, stresses N/mm²,
// section moduli cm³, Ix cm⁴, deflections cm.

#include "catalogue.h"
#include "field_values.h"
#include "load_case.h"
#include "sheet_access.h"

#include <cstdint>

namespace varnok {

/// Kept between runs so that option clicks and the arrow buttons can check again
/// without reading the inputs. Starts zeroed; overwritten field by field.
struct BeamCheck {
    double L = 0;  // m, span (cantilever: its length)
    double Lb = 0; // m, lateral buckling length
    double w = 0;  // kN/m, distributed load
    double P = 0;  // kN, each point load (cantilever: tip load); the uniform-load sheet leaves it

    double momentOfW = 0; // kN·m
    double momentOfP = 0; // kN·m
    double M = 0;         // kN·m, design moment

    double fbLong = 0;      // N/mm², allowable bending stress, long term
    double fbShort = 0;     // N/mm², short term
    double fb = 0;          // N/mm², the one in use
    double stressRatio = 0; // |M| / (Zx·fb), unrounded

    std::int16_t currentSection = 0; // catalogue row in use; 0 before the first selection
    SeriesRange seriesRange;         // series of the last automatic selection
    double requiredModulus = 0;      // cm³

    double EI = 0;                 // 2.05 × Ix (10⁵ N/mm² × cm⁴)
    double L2 = 0;                 // m², L × L
    double deflectionOfW = 0;      // cm
    double deflectionOfP = 0;      // cm
    double deflection = 0;         // cm, δ
    double spanOverDeflection = 0; // L / |δ|, unrounded

    double weldRatio = 0; // |M| / (Ze·141), cantilever only

    // The verdicts of the last run as the sheet shows them; the reports state them.
    bool bendingPasses = true;
    bool deflectionPasses = true;
    bool weldPasses = true;
};

/// Everything the program keeps for the whole run.
struct ProgramState {
    SectionCatalogue catalogue;
    LoadCase loadCase;
    FieldValues fieldValues;
    std::string memberName; // UTF-8
    BeamCheck beamCheck;
};

/// Reads the sheet's input fields in order into FieldValues, rewrites each with
/// "##0.000", forms w (and P, except on the uniform-load sheet) and hands L, Lb,
/// w and P over to BeamCheck unrounded.
void ComputeSheetLoads(ProgramState& state, SheetAccess& sheet, SheetKind kind);

/// M from L, w, P (and the load case's moment coefficient on the simple-beam sheet).
/// M keeps the sign of the loads (uplift is negative); a negative span gives
/// not-a-number.
void DesignMoment(BeamCheck& check, const LoadCase& loadCase, SheetKind kind);

/// fb long and short term for the current row and Lb; fb in use = long term.
/// A negative Lb gives not-a-number, so the check cannot pass.
void AllowableBendingStress(BeamCheck& check, const SectionCatalogue& catalogue);

/// fb in use = short term when Option2 is selected.
void ApplyLoadDuration(BeamCheck& check, const SheetAccess& sheet);

/// M, fb, Zx (and the cantilever's weld-section line) into the result fields.
void ShowBendingResults(const BeamCheck& check, const SectionCatalogue& catalogue,
                        SheetAccess& sheet, SheetKind kind);

/// FieldValues 25..28 and the stress ratio |M| / (Zx·fb), never negative.
void BendingRatio(BeamCheck& check, FieldValues& fields, const SectionCatalogue& catalogue);

/// Text28, Text29, Label62, Label63 and the colour of the "↑" button Command6.
void BendingVerdict(BeamCheck& check, SheetAccess& sheet, SheetKind kind);

/// Ratio half of the cantilever's weld-section check: FieldValues 41..43 and 16,
/// the ratio being |M| / (Ze·141).
void WeldSectionRatio(BeamCheck& check, FieldValues& fields, const SectionCatalogue& catalogue);

/// Verdict half: Text16, Text15, Label86, Label82.
void WeldSectionVerdict(BeamCheck& check, SheetAccess& sheet);

/// δ from w, P, L, L² and EI (and the load case's deflection coefficient on the
/// simple-beam sheet).
void ComputeDeflection(BeamCheck& check, const LoadCase& loadCase, SheetKind kind);

/// L/|δ|, Text32 (δ with its sign), Text33, FieldValues 33 (read back from
/// Text33), Label78, Label80. A deflection of zero, or one so small that L/|δ|
/// shows "∞", passes.
void DeflectionVerdict(BeamCheck& check, FieldValues& fields, SheetAccess& sheet);

/// Series from Option3/4/5, required modulus for |M|, first adequate row (or
/// the series' or-larger row).
void SelectSection(BeamCheck& check, const SectionCatalogue& catalogue, const SheetAccess& sheet,
                   SheetKind kind);

/// One row up / down within the current row's series (row 0 becomes 1).
void StepSectionUp(BeamCheck& check);
void StepSectionDown(BeamCheck& check);

/// The whole check on the values in BeamCheck: moment, selection and every result.
void RunFullCheck(ProgramState& state, SheetAccess& sheet, SheetKind kind);

/// The check for the section in use, without a new moment or selection.
void RunSectionRecheck(ProgramState& state, SheetAccess& sheet, SheetKind kind);

} // namespace varnok
