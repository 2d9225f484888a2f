#pragma once
// The engine's working record of one check, and the bending check steps.
// Units: lengths m, line loads kN/m, point loads kN, moments kN·m, stresses N/mm²,
// section moduli cm³, Ix cm⁴, deflections cm.

#include "catalogue.h"
#include "check_result.h"
#include "field_values.h"
#include "load_case.h"
#include "sheet_kind.h"

#include <array>
#include <cstdint>
#include <string>

namespace varnok {

/// The working values of a check run, kept with its design so that option clicks
/// and the arrow buttons can check again without reading the inputs. Starts
/// zeroed; overwritten field by field.
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
};

/// The texts of a sheet's input fields 1 to 12 (index n is field n, UTF-8).
using LoadTexts = std::array<std::string, 13>;

/// Reads the input fields' texts in order into FieldValues, rewrites each
/// with "##0.000", forms w (and P, except on the uniform-load sheet) into its
/// total field and hands L, Lb, w and P over to BeamCheck unrounded.
void ComputeLoads(BeamCheck& check, FieldValues& entries, LoadTexts& texts, SheetKind kind);

/// M from L, w, P (and the load case's moment coefficient on the simple-beam sheet).
/// M keeps the sign of the loads (uplift is negative); a negative span gives
/// not-a-number.
void DesignMoment(BeamCheck& check, const LoadCase& loadCase, SheetKind kind);

/// fb long and short term for the current row and Lb; fb in use = long term.
/// A negative Lb gives not-a-number, so the check cannot pass.
void AllowableBendingStress(BeamCheck& check, const SectionCatalogue& catalogue);

/// fb in use = short term for a short-term check.
void ApplyLoadDuration(BeamCheck& check, bool shortTerm);

/// FieldValues 25..28 and the stress ratio |M| / (Zx·fb), never negative.
void BendingRatio(BeamCheck& check, FieldValues& fields, const SectionCatalogue& catalogue);

/// The cantilever's weld-section ratio: FieldValues 41..43 and 16, the ratio
/// being |M| / (Ze·141).
void WeldSectionRatio(BeamCheck& check, FieldValues& fields, const SectionCatalogue& catalogue);

/// δ from w, P, L, L² and EI (and the load case's deflection coefficient on the
/// simple-beam sheet).
void ComputeDeflection(BeamCheck& check, const LoadCase& loadCase, SheetKind kind);

/// L/|δ| and FieldValues 33, the whole number its field shows ("#####"), which
/// the verdict takes (DeflectionPasses).
void SpanOverDeflection(BeamCheck& check, FieldValues& fields);

/// Series (when given), required modulus for |M|, first adequate row (or the
/// series' or-larger row).
void SelectSection(BeamCheck& check, const SectionCatalogue& catalogue,
                   std::optional<SectionSeries> series, SheetKind kind);

/// One row up / down within the current row's series (row 0 becomes 1).
void StepSectionUp(BeamCheck& check);
void StepSectionDown(BeamCheck& check);

/// What one check run works on: the working values, the entries it writes
/// its results into, the load case and the catalogue.
struct CheckRun {
    BeamCheck& check;
    FieldValues& entries;
    const LoadCase& loadCase;
    const SectionCatalogue& catalogue;
};

/// The whole check on the values in BeamCheck: moment, selection and every
/// result, and its record.
CheckResult RunFullCheck(const CheckRun& run, const CheckOptions& options, SheetKind kind);
/// The check for the section in use, without a new moment or selection.
CheckResult RunSectionRecheck(const CheckRun& run, const CheckOptions& options, SheetKind kind);

/// The record of the check as `check` holds it after a run's steps, with the
/// verdicts on its ratios.
CheckResult RecordResult(const BeamCheck& check, const SectionCatalogue& catalogue,
                         const CheckOptions& options, SheetKind kind);

} // namespace varnok
