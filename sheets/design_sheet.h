#pragma once
// The three design sheets (kei3_b1 simple beam with point loads, kei3_b2
// uniform load only, kei3_cg cantilever): one window class built from each
// sheet's layout, with its input rules and its buttons wired to the engine.

#include "beam_design.h"
#include "printed_page.h"
#include "program_state.h"
#include "report_services.h"
#include "widget_sheet_access.h"

#include <QWidget>

namespace varnok::sheets {

class InputRules;

class DesignSheet final : public QWidget {
    Q_OBJECT
public:
    /// Builds the window (a top-level window even when given a parent).
    DesignSheet(ProgramState& state, SheetKind kind, reports::ReportServices services,
                QWidget* parent = nullptr);
    ~DesignSheet() override;

    /// Shows the window and runs its set-up once: PrepareSheet, then the
    /// instructions message (answered before this returns) and Text1 green.
    /// Coming back to the window later (after a message box, a report screen,
    /// another application) runs no set-up again.
    void openSheet();

    SheetKind kind() const { return kind_; }
    /// How the sheet and the tests reach the controls.
    WidgetSheetAccess& access() { return access_; }
    /// The design the fields show; none before the first calculation.
    const BeamDesign* calculated() const { return calculated_ ? &design_ : nullptr; }
    /// The inputs as they stand in the fields and option buttons.
    BeamInput typedInput() const;

signals:
    /// "終了": the sheet has closed itself; the launcher is to open again.
    void exitRequested();
    /// The window's close box: the program is to end.
    void closedByUser();
    /// A check ran after a successful calculation: "計算" itself (`inputsRead`:
    /// the fields show what it read), or ↑/↓ or an option on its inputs.
    /// `automaticSection`: the section is the calculation's own choice.
    void checked(bool inputsRead, bool automaticSection);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void wireButtons();
    void calculate();
    void stepSection(bool up);
    void rerunCheck();
    void present(BeamDesign design);
    void print(reports::Typeface face);
    void textReport();
    /// Refuses a report with its message, or takes the member name from Text1
    /// for it; the design the report describes when it may start.
    std::optional<BeamDesign> reportMayStart();
    /// Shows the calculate button and gives it the focus.
    void offerCalculate();
    /// Tells a refused input and hands Textn back to the user; false when the
    /// sheet went away while the message was open.
    bool refuse(std::string_view prompt, std::string_view title, bool exclamation, int n);
    void exitToLauncher();

    ProgramState& state_;
    SheetKind kind_;
    reports::ReportServices services_;
    WidgetSheetAccess access_;
    InputRules* rules_ = nullptr; // owned as a child object
    LoadCaseButton arrangement_;
    BeamDesign design_;       // what the result fields show
    bool calculated_ = false; // design_ comes from a calculation
    bool exiting_ = false;
};

} // namespace varnok::sheets
