#include "prepare_sheet.h"

#include "control_names.h"
#include "diagram_images.h"
#include "qt_colour.h"
#include "sheet_traits.h"
#include "widget_sheet_access.h"

#include <QLabel>

namespace varnok::sheets {

namespace {

void ShowDiagram(WidgetSheetAccess& sheet, const std::string& file) {
    auto* picture = sheet.wired<QLabel>("Picture1");
    if (picture == nullptr)
        return;
    const QPixmap diagram = images::LoadDiagram(ui::FromUtf8(file));
    if (!diagram.isNull())
        picture->setPixmap(diagram);
}

} // namespace

void PrepareSheet(WidgetSheetAccess& sheet, const LoadCase& loadCase, SheetKind kind) {
    const SheetTraits& steps = TraitsOf(kind);
    ShowDiagram(sheet, loadCase.diagramFile);
    if (steps.coefficientTexts) {
        sheet.setText("Text15", loadCase.momentText.numerator);
        sheet.setText("Text16", loadCase.momentText.denominator);
        sheet.setText("Text30", loadCase.deflectionText.numerator);
        sheet.setText("Text31", loadCase.deflectionText.denominator);
    }
    sheet.setVisible("Command1", false);
    sheet.setFocus("Text1");
    for (int n : steps.whiteOnSetUp)
        sheet.setBackColour(ui::FieldName(n), colour::kIdle);
    for (int n : steps.zeroOnSetUp)
        sheet.setText(ui::FieldName(n), "0");
}

} // namespace varnok::sheets
