#include "prepare_sheet.h"

#include "chain_rules.h"
#include "diagram_images.h"
#include "qt_colour.h"
#include "widget_sheet_access.h"

#include <QLabel>
#include <array>
#include <span>

namespace varnok::sheets {

namespace {

struct PrepareSteps {
    bool coefficientTexts;
    std::span<const int> whiteFields;
    std::span<const int> zeroFields;
};

constexpr std::array kPointWhite{2, 3, 4, 5, 6, 8, 9, 10, 11};
constexpr std::array kPointZero{6, 11};
constexpr std::array kUniformWhite{2, 3, 4, 5, 6, 7, 8, 9};
constexpr std::array kUniformZero{6, 7, 8, 9};

PrepareSteps StepsFor(SheetKind kind) {
    switch (kind) {
    case SheetKind::kei3_b2:
        return {false, kUniformWhite, kUniformZero};
    case SheetKind::kei3_cg:
        return {false, kPointWhite, kPointZero};
    case SheetKind::kei3_b1:
        break;
    }
    return {true, kPointWhite, kPointZero};
}

void ShowDiagram(WidgetSheetAccess& sheet, const std::string& file) {
    auto* picture = qobject_cast<QLabel*>(sheet.control("Picture1"));
    if (picture == nullptr)
        return;
    const QPixmap diagram = images::LoadDiagram(ui::FromUtf8(file));
    if (!diagram.isNull())
        picture->setPixmap(diagram);
}

} // namespace

void PrepareSheet(WidgetSheetAccess& sheet, const LoadCase& loadCase, SheetKind kind) {
    const PrepareSteps steps = StepsFor(kind);
    ShowDiagram(sheet, loadCase.diagramFile);
    if (steps.coefficientTexts) {
        sheet.setText("Text15", loadCase.momentText.numerator);
        sheet.setText("Text16", loadCase.momentText.denominator);
        sheet.setText("Text30", loadCase.deflectionText.numerator);
        sheet.setText("Text31", loadCase.deflectionText.denominator);
    }
    sheet.setVisible("Command1", false);
    sheet.setFocus("Text1");
    for (int n : steps.whiteFields)
        sheet.setBackColour(FieldName(n), colour::kIdle);
    for (int n : steps.zeroFields)
        sheet.setText(FieldName(n), "0");
}

} // namespace varnok::sheets
