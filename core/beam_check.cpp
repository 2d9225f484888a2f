// The bending check: loads, design moment, allowable bending stress, stress
// ratio and its verdict. The order of every operation is part of the result:
// it decides the last bit of the doubles.
#include "beam_check.h"

#include "display_mask.h"
#include "read_number.h"

#include <array>
#include <cmath>
#include <limits>

namespace varnok {

namespace {

constexpr std::string_view kInputMask = "##0.000";

constexpr std::array<std::string_view, 13> kTextNames{"",       "Text1",  "Text2", "Text3", "Text4",
                                                      "Text5",  "Text6",  "Text7", "Text8", "Text9",
                                                      "Text10", "Text11", "Text12"};

// Reads field Textn into entry n and shows it again with three decimals.
void readField(FieldValues& fields, SheetAccess& sheet, int n) {
    const std::string_view name = kTextNames[static_cast<std::size_t>(n)];
    fields.set(n, ReadNumber(sheet.text(name)));
    sheet.setText(name, FormatMask(fields.get(n), kInputMask));
}

void showTotal(FieldValues& fields, SheetAccess& sheet, int n, double value) {
    fields.set(n, value);
    sheet.setText(kTextNames[static_cast<std::size_t>(n)], FormatMask(value, kInputMask));
}

std::string_view momentField(SheetKind kind) {
    return kind == SheetKind::kei3_b2 ? "Text11" : "Text17";
}

} // namespace

void ComputeSheetLoads(ProgramState& state, SheetAccess& sheet, SheetKind kind) {
    FieldValues& f = state.fieldValues;
    BeamCheck& check = state.beamCheck;
    if (kind == SheetKind::kei3_b2) {
        for (int n = 2; n <= 9; ++n)
            readField(f, sheet, n);
        showTotal(f, sheet, 10,
                  ((f.get(5) * f.get(4) + f.get(6)) + f.get(8) * f.get(7)) + f.get(9));
        check.L = f.get(2);
        check.Lb = f.get(3);
        check.w = f.get(10);
        return; // no point load on this sheet: P keeps what it was
    }
    for (int n = 2; n <= 6; ++n)
        readField(f, sheet, n);
    showTotal(f, sheet, 7, f.get(5) * f.get(4) + f.get(6));
    for (int n = 8; n <= 11; ++n)
        readField(f, sheet, n);
    showTotal(f, sheet, 12, f.get(9) * f.get(8) * f.get(10) + f.get(11));
    check.L = f.get(2);
    check.Lb = f.get(3);
    check.w = f.get(7);
    check.P = f.get(12);
}

void DesignMoment(BeamCheck& c, const LoadCase& loadCase, SheetKind kind) {
    // A negative span has no moment ("不定"): an option click on a refused
    // calculate's leftovers must never pass a beam on a moment of the wrong size.
    if (c.L < 0) {
        c.momentOfW = c.momentOfP = c.M = std::numeric_limits<double>::quiet_NaN();
        return;
    }
    switch (kind) {
    case SheetKind::kei3_b1:
        c.momentOfW = c.L * (c.w * 0.125 * c.L);
        c.momentOfP = (c.P * loadCase.momentCoefficient.numerator * c.L) /
                      loadCase.momentCoefficient.denominator;
        c.M = c.momentOfW + c.momentOfP;
        break;
    case SheetKind::kei3_b2:
        c.M = c.L * (c.w * 0.125 * c.L);
        break;
    case SheetKind::kei3_cg:
        c.momentOfW = c.L * (c.w * 0.5 * c.L);
        c.momentOfP = c.P * c.L;
        c.M = c.momentOfW + c.momentOfP;
        break;
    }
}

void AllowableBendingStress(BeamCheck& c, const SectionCatalogue& catalogue) {
    double Lb = c.Lb == 0 ? 0.0 : c.Lb; // a typed "-0" is a zero length: fully braced
    if (Lb < 0) // no allowable stress: fb shows "不定" and the check fails
        Lb = std::numeric_limits<double>::quiet_NaN();
    if (const SectionRow* row = catalogue.row(c.currentSection))
        c.fbLong = 0.01 * row->BucklingConstant / Lb;
    if (c.fbLong > 157) // the long-term upper limit, N/mm²
        c.fbLong = 157;
    c.fbShort = c.fbLong * 1.5;
    if (c.fbShort > 235) // 235, not 1.5 × 157
        c.fbShort = 235;
    c.fb = c.fbLong;
}

void ApplyLoadDuration(BeamCheck& c, const SheetAccess& sheet) {
    if (sheet.isSelected("Option2"))
        c.fb = c.fbShort;
}

void ShowBendingResults(const BeamCheck& c, const SectionCatalogue& catalogue, SheetAccess& sheet,
                        SheetKind kind) {
    const SectionRow* row = catalogue.row(c.currentSection);
    sheet.setText(momentField(kind), FormatMask(c.M, "##0.000"));
    sheet.setText("Text24", FormatMask(c.fb, "####"));
    sheet.setText("Text25", FormatMask(c.M, "##0.000"));
    if (row != nullptr)
        sheet.setText("Text26", FormatMask(row->Zx, "######.0"));
    sheet.setText("Text27", FormatMask(c.fb, "####"));
    if (kind != SheetKind::kei3_cg)
        return;
    sheet.setText("Text41", "141");
    sheet.setText("Text43", FormatMask(c.M, "##0.000"));
    if (row != nullptr) {
        sheet.setText("Text42", FormatMask(row->Ze, "######.0"));
        sheet.setText("Text44", FormatMask(row->Ze, "######.0"));
    }
}

void BendingRatio(BeamCheck& c, FieldValues& f, const SectionCatalogue& catalogue) {
    f.set(25, c.M);
    if (const SectionRow* row = catalogue.row(c.currentSection))
        f.set(26, row->Zx);
    f.set(27, c.fb);
    // M keeps its sign in its field; an uplift moment is checked on its size.
    f.set(28, std::fabs(f.get(25)) * 1000 / f.get(26) / f.get(27));
    c.stressRatio = f.get(28);
}

void BendingVerdict(BeamCheck& c, SheetAccess& sheet, SheetKind kind) {
    sheet.setText("Text28", FormatMask(c.stressRatio, "#0.###"));
    const bool shortTerm = sheet.isSelected("Option2");
    sheet.setText("Text29", shortTerm ? "1.5" : "1.0");
    // Taken on the unrounded ratio; a ratio that cannot be evaluated does not pass.
    c.bendingPasses = c.stressRatio <= (shortTerm ? 1.5 : 1.0);
    if (c.bendingPasses) {
        sheet.setForeColour("Label63", colour::kVerdictOk);
        sheet.setCaption("Label62", "≦");
        sheet.setCaption("Label63", "ＯＫ");
        sheet.setBackColour("Command6", kind == SheetKind::kei3_b2 ? colour::kStepPassUniform
                                                                   : colour::kStepPass);
    } else {
        sheet.setForeColour("Label63", colour::kVerdictNg);
        sheet.setCaption("Label62", "＞");
        sheet.setCaption("Label63", "ＮＧ");
        sheet.setBackColour("Command6", colour::kVerdictNg);
    }
}

} // namespace varnok
