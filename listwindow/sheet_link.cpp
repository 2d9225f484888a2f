#include "sheet_link.h"

#include "blank_text.h"
#include "catalogue.h"
#include "control_names.h"
#include "read_number.h"

#include <QAbstractButton>
#include <QCoreApplication>

#include <cmath>
#include <functional>

namespace varnok::listwindow {

namespace {

bool SameNumber(const std::string& a, const std::string& b) {
    const double x = ReadNumber(a);
    const double y = ReadNumber(b);
    return x == y || (std::isnan(x) && std::isnan(y) && a == b);
}

int FieldOf(const batch::ColumnRow& column, LoadCaseButton arrangement) {
    return LoadCaseFor(arrangement).sheet == SheetKind::kei3_b2 ? column.uniformField
                                                                : column.pointField;
}

std::string SectionText(int row) {
    std::string text(kCatalogueTable[std::size_t(row - 1)].designation);
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    return text;
}

/// Puts `text` into the row's cell for `column`, or tells that the list has no such column.
void Put(const ListDocument& document, batch::Column column, std::string text,
         const std::function<void(int, std::string)>& put, std::vector<std::string>& missing) {
    const int position = document.positionOf(column);
    if (position >= 0)
        put(position, std::move(text));
    else
        missing.emplace_back(batch::ColumnRowOf(column).header);
}

/// Every input of `now` that differs from `before` (all of them without one).
void PutInputs(const ListDocument& document, const SheetInputs& now, const SheetInputs* before,
               const std::function<void(int, std::string)>& put,
               std::vector<std::string>& missing) {
    if (before == nullptr || now.texts[1] != before->texts[1])
        Put(document, batch::Column::MemberName, now.texts[1], put, missing);
    if (before == nullptr)
        Put(document, batch::Column::Arrangement,
            std::string(batch::ArrangementName(now.arrangement)), put, missing);
    for (const batch::ColumnRow& column : batch::ColumnRows()) {
        const int n = FieldOf(column, now.arrangement);
        if (n == 0)
            continue;
        const std::string& text = now.texts[std::size_t(n)];
        // A new row leaves the loads at zero blank, as the template does.
        const bool wanted = before != nullptr ? !SameNumber(text, before->texts[std::size_t(n)])
                                              : !IsBlank(text) && (n <= 3 || ReadNumber(text) != 0);
        if (wanted)
            Put(document, column.column, text, put, missing);
    }
    if (before == nullptr || now.series != before->series)
        Put(document, batch::Column::Series, std::string(batch::SeriesName(now.series)), put,
            missing);
    if (before == nullptr || now.shortTerm != before->shortTerm)
        Put(document, batch::Column::Duration, now.shortTerm ? "短期" : "長期", put, missing);
    if (before == nullptr ? !now.automaticSection : now.section != before->section)
        Put(document, batch::Column::Section,
            now.automaticSection || now.section == 0 ? std::string() : SectionText(now.section),
            put, missing);
}

} // namespace

bool SheetInputs::sameAs(const SheetInputs& other) const {
    if (texts[1] != other.texts[1] || series != other.series || shortTerm != other.shortTerm ||
        section != other.section)
        return false;
    for (std::size_t n = 2; n < texts.size(); ++n) {
        if (!SameNumber(texts[n], other.texts[n]))
            return false;
    }
    return true;
}

namespace {

/// The catalogue row the sheet's last check took; 0 before a calculation.
int ShownRow(const sheets::DesignSheet& sheet) {
    return sheet.calculated() != nullptr ? sheet.calculated()->check.currentSection : 0;
}

} // namespace

void TypeRowIntoSheet(sheets::DesignSheet& sheet, const batch::BeamRow& row) {
    sheets::WidgetSheetAccess& access = sheet.access();
    auto click = [&](std::string_view name) {
        if (auto* button = qobject_cast<QAbstractButton*>(access.control(name)))
            button->click();
        QCoreApplication::processEvents();
    };
    auto enter = [&](int n) {
        access.setFocus(ui::FieldName(n));
        QCoreApplication::processEvents();
    };
    sheet.activateWindow();
    if (row.series == SectionSeries::Medium)
        click("Option4");
    else if (row.series == SectionSeries::Wide)
        click("Option5");
    if (row.shortTerm)
        click("Option2");
    access.setText("Text1", row.memberName);
    enter(2); // takes the member name over
    access.setText("Text2", row.fieldTexts[2]);
    enter(3); // proposes the buckling length from the span
    for (int n = 3; n < 12; ++n) {
        if (!IsBlank(row.fieldTexts[std::size_t(n)]))
            access.setText(ui::FieldName(n), row.fieldTexts[std::size_t(n)]);
    }
    click("Command1");
    for (int steps = 0;
         row.sectionRow != 0 && ShownRow(sheet) != row.sectionRow && steps < kCatalogueRows;
         ++steps)
        click(ShownRow(sheet) < row.sectionRow ? "Command6" : "Command7");
    if (row.raiseUntilPasses) {
        // "全検定": ↑ until every check passes, as the calc book goes, up to the
        // series' largest real section.
        const int largest = RangeOf(row.series).last - 1;
        while (ShownRow(sheet) > largest)
            click("Command7");
        while (sheet.calculated() != nullptr && !sheet.calculated()->result.passes() &&
               ShownRow(sheet) < largest)
            click("Command6");
    }
}

SheetInputs InputsShown(sheets::DesignSheet& sheet, LoadCaseButton arrangement,
                        bool automaticSection) {
    const sheets::WidgetSheetAccess& access = sheet.access();
    SheetInputs inputs;
    inputs.arrangement = arrangement;
    for (int n = 1; n < 12; ++n)
        inputs.texts[std::size_t(n)] = access.text(ui::FieldName(n));
    inputs.series = access.isSelected("Option4")   ? SectionSeries::Medium
                    : access.isSelected("Option5") ? SectionSeries::Wide
                                                   : SectionSeries::Narrow;
    inputs.shortTerm = access.isSelected("Option2");
    inputs.section = ShownRow(sheet);
    inputs.automaticSection = automaticSection;
    return inputs;
}

std::vector<CellEdit> EditsFor(const ListDocument& document, int row, const SheetInputs& now,
                               const SheetInputs& before, std::vector<std::string>& missing) {
    std::vector<CellEdit> edits;
    PutInputs(
        document, now, &before,
        [&](int column, std::string text) {
            edits.push_back({row, column, std::move(text)});
        },
        missing);
    return edits;
}

std::vector<std::string> CellsFor(const ListDocument& document, const SheetInputs& inputs,
                                  std::vector<std::string>& missing) {
    std::vector<std::string> cells(std::size_t(document.columnCount()));
    PutInputs(
        document, inputs, nullptr,
        [&](int column, std::string text) { cells[std::size_t(column)] = std::move(text); },
        missing);
    return cells;
}

} // namespace varnok::listwindow
