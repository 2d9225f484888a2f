#pragma once
// A design sheet opened as the launcher opens it, driven with QTest keys and clicks.

#include "control_names.h"
#include "design_sheet.h"
#include "load_case.h"
#include "ui_test.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <memory>

namespace varnok::testing {

class SheetTest : public UiTest {
protected:
    ProgramState state;
    reports::ReportServices services; // the program's own editor and printers unless set
    std::unique_ptr<sheets::DesignSheet> sheet;

    void open(LoadCaseButton button) {
        const SheetKind kind = ChooseLoadCase(state.loadCase, button);
        sheet = std::make_unique<sheets::DesignSheet>(state, kind, services);
        sheet->openSheet();
        activate();
    }

    void TearDown() override {
        sheet.reset();
        UiTest::TearDown();
    }

    /// The window gets the activation back, as after a message box on a desktop.
    void activate() {
        QApplication::setActiveWindow(sheet.get());
        processEvents();
    }

    sheets::WidgetSheetAccess& access() { return sheet->access(); }
    QLineEdit* field(int n) { return qobject_cast<QLineEdit*>(access().control(ui::FieldName(n))); }
    QAbstractButton* button(std::string_view name) {
        return qobject_cast<QAbstractButton*>(access().control(name));
    }
    std::string text(int n) { return access().text(ui::FieldName(n)); }
    std::optional<Rgb> back(int n) { return access().backColour(ui::FieldName(n)); }
    QWidget* focused() { return sheet->focusWidget(); }

    /// Replaces the field's text by typing.
    void type(int n, const QString& s) {
        field(n)->selectAll();
        QTest::keyClicks(field(n), s);
    }
    void key(int n, Qt::Key k) {
        QTest::keyClick(field(n), k);
        processEvents();
        activate();
    }
    void typeEnter(int n, const QString& s) {
        type(n, s);
        key(n, Qt::Key_Return);
    }
    void click(std::string_view name) {
        QTest::mouseClick(button(name), Qt::LeftButton);
        processEvents();
        activate();
    }
    /// Fills the typed fields (without Enter) from the span onwards.
    void fill(std::initializer_list<std::pair<int, const char*>> values) {
        for (auto [n, s] : values)
            field(n)->setText(QString::fromUtf8(s));
    }
};

inline constexpr Rgb kGreenFocus{80, 255, 80};
inline constexpr Rgb kYellowNext{255, 255, 0};
inline constexpr Rgb kWhite{255, 255, 255};

} // namespace varnok::testing
