#include "design_sheet.h"

#include "calculate_inputs.h"
#include "chain_rules.h"
#include "control_names.h"
#include "input_rules.h"
#include "message_box.h"
#include "prepare_sheet.h"
#include "present_result.h"
#include "qt_colour.h"
#include "read_number.h"
#include "report_flows.h"
#include "report_gate.h"
#include "sheet_builder.h"
#include "sheet_layout.h"
#include "sheet_texts.h"
#include "sheet_window_names.h"
#include "window_placement.h"

#include <QCloseEvent>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>

namespace varnok::sheets {

namespace {

/// False when `parent` went away while the message was open.
bool Message(QWidget* parent, std::string_view prompt, std::string_view title,
             ui::MessageIcon icon = ui::MessageIcon::Question) {
    return ui::ShowMessage(parent, ui::FromUtf8(prompt), ui::FromUtf8(title), icon);
}

} // namespace

DesignSheet::DesignSheet(ProgramState& state, SheetKind kind, reports::ReportServices services,
                         QWidget* parent)
    : QWidget(parent, Qt::Window)
    , state_(state)
    , kind_(kind)
    , services_(services)
    , access_(*this)
    , arrangement_(ArrangementOf(state.loadCase, kind))
    , design_(Uncalculated(arrangement_)) {
    setObjectName(ui::FromUtf8(WindowNamesOf(kind).sheet));
    BuildSheet(*this, LayoutFor(kind));
    rules_ = new InputRules(state_, access_, *this, kind_);
    wireButtons();
}

DesignSheet::~DesignSheet() = default;

void DesignSheet::wireButtons() {
    auto onClick = [this](std::string_view name, auto handler) {
        if (auto* button = access_.wired<QAbstractButton>(name))
            connect(button, &QAbstractButton::clicked, this, handler);
    };
    onClick("Command1", [this] { calculate(); });
    onClick("Command6", [this] { stepSection(true); });
    onClick("Command7", [this] { stepSection(false); });
    onClick("Command5", [this] { exitToLauncher(); });
    onClick("Command9", [this] { textReport(); });
    onClick("Command3", [this] { print(reports::Typeface::Gothic); });
    onClick("Command4", [this] { print(reports::Typeface::Mincho); });
    // clicked, not toggled: only the user's click runs the check again.
    for (std::string_view option : {"Option1", "Option2", "Option3", "Option4", "Option5"})
        onClick(option, [this] { rerunCheck(); });
}

void DesignSheet::openSheet() {
    exiting_ = false;
    ui::PlaceCentredOnScreen(this); // the instructions message centres on it
    show();
    raise();
    activateWindow();
    // The set-up's own focus move is no move of the user's; the Text1 rule runs
    // once, below, whether or not the window has the activation yet.
    rules_->setMuted(true);
    PrepareSheet(access_, state_.loadCase, kind_);
    rules_->setMuted(false);
    if (!ChainFor(kind_).instructionsOnText1) { // the instructions come once, here
        rules_->fieldEntered(1);
        if (!Message(this, texts::kInstructions, texts::kInstructionsTitle))
            return;
        access_.setBackColour("Text1", colour::kFocus);
    } else if (!rules_->fieldEntered(1)) { // shows the instructions first
        return;
    }
    // Typing the member name replaces the initial text once the window is active.
    rules_->selectOnArrival(1);
}

BeamInput DesignSheet::typedInput() const {
    BeamInput input;
    input.arrangement = arrangement_;
    for (int n : InputFieldsOf(kind_))
        input.texts[static_cast<std::size_t>(n)] = access_.text(ui::FieldName(n));
    const CheckOptions options = OptionsOn(access_);
    input.series = options.series;
    input.shortTerm = options.shortTerm;
    return input;
}

void DesignSheet::calculate() {
    // A refused input is told before anything is read or rewritten; the last
    // calculation stays the one a report may describe.
    auto outcome = Calculate(typedInput());
    if (const auto* refusal = std::get_if<InputRefusal>(&outcome)) {
        if (refusal->reason == CalculateRefusal::MissingSpan)
            refuse(texts::kMissingSpan, texts::kMissingInputTitle, false, refusal->field);
        else
            refuse(texts::kNegativeBuckling, texts::kCheckInputTitle, true, refusal->field);
        return;
    }
    // Hiding the focused button hands the focus on along the tab order (on the
    // cantilever sheet round to Text1): a move of the toolkit's, not the user's.
    rules_->setMuted(true);
    access_.setVisible("Command1", false);
    rules_->setMuted(false);
    access_.setVisible("Text23", false);
    access_.setFocus("Command6");
    BeamDesign& design = std::get<BeamDesign>(outcome);
    // The input and total fields show what was read; the running totals of
    // Enter go on from the same numbers.
    for (int n = slot::kSpan; n <= (kind_ == SheetKind::kei3_b2 ? slot::kWUniform : slot::kP); ++n)
        access_.setText(ui::FieldName(n), design.shown[static_cast<std::size_t>(n)]);
    state_.fieldValues = design.entries;
    calculated_ = true;
    present(std::move(design));
    emit checked(true, true);
}

void DesignSheet::present(BeamDesign design) {
    design_ = std::move(design);
    PresentResult(design_.result, access_);
}

bool DesignSheet::refuse(std::string_view prompt, std::string_view title, bool exclamation, int n) {
    if (!Message(this, prompt, title,
                 exclamation ? ui::MessageIcon::Exclamation : ui::MessageIcon::Question))
        return false;
    rules_->returnToField(n);
    return true;
}

void DesignSheet::stepSection(bool up) {
    const int row = design_.check.currentSection;
    present(Recheck(design_, OptionsOn(access_), up ? StepUp(row) : StepDown(row)));
    if (calculated_)
        emit checked(false, false);
}

void DesignSheet::rerunCheck() {
    present(Recheck(design_, OptionsOn(access_)));
    if (calculated_)
        emit checked(false, true);
}

std::optional<BeamDesign> DesignSheet::reportMayStart() {
    const BeamInput typed = typedInput();
    switch (CheckReport(calculated(), typed, access_.text("Text1"))) {
    case ReportRefusal::NotCalculated:
        if (Message(this, texts::kNotCalculated, texts::kNotCalculatedTitle,
                    ui::MessageIcon::Exclamation))
            offerCalculate();
        return std::nullopt;
    case ReportRefusal::NoMemberName:
        refuse(texts::kMissingName, texts::kMissingInputTitle, false, 1);
        return std::nullopt;
    case ReportRefusal::None:
        break;
    }
    // The name on screen, whether or not the user passed Text2 after editing it.
    state_.memberName = access_.text("Text1");
    return AsTyped(design_, typed);
}

void DesignSheet::offerCalculate() {
    // The message asks for [計算], which a calculation hid; Enter or a click now
    // recalculates with the fields on screen. No field is left by the user here,
    // so no field rule runs (leaving the last field would ask to calculate again).
    rules_->setMuted(true);
    access_.setVisible("Command1", true);
    access_.setFocus("Command1");
    rules_->setMuted(false);
}

void DesignSheet::textReport() {
    if (const auto design = reportMayStart())
        RunTextReport(this, *design, state_.memberName, services_);
}

void DesignSheet::print(reports::Typeface face) {
    const auto design = reportMayStart();
    if (!design)
        return;
    access_.setText("Text40", face == reports::Typeface::Gothic ? "G" : "M");
    RunPrinterDialog(this, *design, state_.memberName, face, services_);
}

void DesignSheet::exitToLauncher() {
    exiting_ = true;
    close();
    emit exitRequested();
}

void DesignSheet::closeEvent(QCloseEvent* event) {
    rules_->setMuted(true); // leaving the last field by closing asks for no calculation
    QWidget::closeEvent(event);
    if (!exiting_)
        emit closedByUser();
}

} // namespace varnok::sheets
