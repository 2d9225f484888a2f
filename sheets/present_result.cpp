// The sheets' view of a check run: the record written into the result fields
// and verdict labels, with the masks and colours the sheets show them in.
#include "present_result.h"

#include "display_mask.h"

namespace varnok {

namespace {

void ShowBendingResults(const CheckResult& r, SheetAccess& sheet) {
    sheet.setText(r.kind == SheetKind::kei3_b2 ? "Text11" : "Text17", r.moment.text);
    sheet.setText("Text24", r.fbShown.text);
    sheet.setText("Text25", r.moment.text);
    if (r.section)
        sheet.setText("Text26", r.Zx.text);
    sheet.setText("Text27", r.fbShown.text);
    if (r.kind != SheetKind::kei3_cg)
        return;
    sheet.setText("Text41", "141");
    sheet.setText("Text43", r.moment.text);
    if (r.section) {
        sheet.setText("Text42", r.Ze.text);
        sheet.setText("Text44", r.Ze.text);
    }
}

void ShowVerdictLabels(std::string_view sign, std::string_view verdict, bool passes,
                       SheetAccess& sheet) {
    sheet.setForeColour(verdict, passes ? colour::kVerdictOk : colour::kVerdictNg);
    sheet.setCaption(sign, passes ? "≦" : "＞");
    sheet.setCaption(verdict, VerdictText(passes));
}

// The ratio, its limit, the relation sign and the verdict of one check.
struct VerdictFields {
    std::string_view ratio, limit, sign, verdict;
};

void ShowVerdict(const VerdictFields& fields, const Shown& ratio, bool passes,
                 const RatioLimit& limit, SheetAccess& sheet) {
    sheet.setText(fields.ratio, ratio.text);
    sheet.setText(fields.limit, limit.text);
    ShowVerdictLabels(fields.sign, fields.verdict, passes, sheet);
}

} // namespace

CheckOptions OptionsOn(const SheetAccess& sheet) {
    CheckOptions options;
    if (sheet.isSelected("Option3"))
        options.series = SectionSeries::Narrow;
    else if (sheet.isSelected("Option4"))
        options.series = SectionSeries::Medium;
    else if (sheet.isSelected("Option5"))
        options.series = SectionSeries::Wide;
    options.shortTerm = sheet.isSelected("Option2");
    return options;
}

void ShowSection(const SectionCatalogue& catalogue, int currentSection, SheetAccess& sheet) {
    if (const SectionRow* row = catalogue.row(currentSection))
        ShowSection(*row, sheet);
}

void ShowSection(const SectionRow& row, SheetAccess& sheet) {
    sheet.setText("Text18", row.designation);
    sheet.setText("Text19", FormatMask(row.ib, "###.00"));
    sheet.setText("Text20", FormatMask(row.eta, "###.00"));
    sheet.setText("Text21", FormatMask(row.Zx, "######.0"));
    sheet.setText("Text22", FormatMask(row.Ix, "#######"));
}

void PresentResult(const CheckResult& r, SheetAccess& sheet) {
    if (r.section)
        ShowSection(*r.section, sheet);
    ShowBendingResults(r, sheet);
    ShowVerdict({"Text28", "Text29", "Label62", "Label63"}, r.stressRatioShown, r.bendingPasses,
                kBendingRatioLimit, sheet);
    // The "↑" button follows the bending verdict alone.
    sheet.setBackColour("Command6", !r.bendingPasses               ? colour::kVerdictNg
                                    : r.kind == SheetKind::kei3_b2 ? colour::kStepPassUniform
                                                                   : colour::kStepPass);
    if (r.kind == SheetKind::kei3_cg)
        ShowVerdict({"Text16", "Text15", "Label86", "Label82"}, r.weldRatioShown, r.weldPasses,
                    WeldRatioLimit(r.shortTerm), sheet);
    sheet.setText("Text32", r.deflectionShown.text);
    sheet.setText("Text33", r.spanOverDeflectionShown.text);
    ShowVerdictLabels("Label78", "Label80", r.deflectionPasses, sheet);
}

} // namespace varnok
