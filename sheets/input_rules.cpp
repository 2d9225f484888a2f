#include "input_rules.h"

#include "beam_design.h"
#include "control_names.h"
#include "display_mask.h"
#include "message_box.h"
#include "qt_colour.h"
#include "read_number.h"
#include "sheet_texts.h"
#include "widget_sheet_access.h"

#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>
#include <QWidget>

namespace varnok::sheets {

namespace {

// Tab, Backtab, a click, a shortcut or a move made by the program: the user is
// moving through the sheet. Activation and pop-ups only come and go.
bool IsMoveWithinSheet(Qt::FocusReason reason) {
    switch (reason) {
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::MouseFocusReason:
    case Qt::ShortcutFocusReason:
    case Qt::OtherFocusReason:
        return true;
    default:
        return false;
    }
}

bool IsEnter(const QKeyEvent& key) {
    const auto mods = key.modifiers() & ~Qt::KeypadModifier;
    return (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) && mods == Qt::NoModifier;
}

// A key that puts a character into the field (not a shortcut, not Enter or Tab).
bool TypesACharacter(const QKeyEvent& key) {
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const QString text = key.text();
    return !text.isEmpty() && text.at(0).isPrint();
}

bool IsModifierKey(const QKeyEvent& key) {
    switch (key.key()) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_CapsLock:
        return true;
    default:
        return false;
    }
}

void SelectAll(QLineEdit* edit) {
    edit->selectAll();
    // A click places the cursor after the focus arrived; select again once it has.
    QTimer::singleShot(0, edit, [edit] {
        if (edit->hasFocus())
            edit->selectAll();
    });
}

} // namespace

InputRules::InputRules(ProgramState& state, WidgetSheetAccess& sheet, QWidget& window,
                       SheetKind kind)
    : QObject(&window)
    , state_(state)
    , sheet_(sheet)
    , window_(window)
    , kind_(kind)
    , chain_(ChainFor(kind)) {
    for (int n : chain_.fields) {
        if (QWidget* field = sheet_.wired<QLineEdit>(ui::FieldName(n))) {
            fieldOf_.emplace(field, n);
            field->installEventFilter(this);
        }
    }
}

bool InputRules::eventFilter(QObject* watched, QEvent* event) {
    const auto it = fieldOf_.find(watched);
    if (it == fieldOf_.end())
        return false;
    const int n = it->second;
    if (n == selectOnArrival_)
        keepSelectedUntilTheUserActs(qobject_cast<QLineEdit*>(watched), *event);
    if (muted_ || inMessage_)
        return false;
    switch (event->type()) {
    case QEvent::KeyPress:
        if (IsEnter(static_cast<QKeyEvent&>(*event))) {
            enterPressed(n);
            return true; // nothing is inserted
        }
        break;
    // A rule whose message outlived the window stops the event: its field is gone.
    case QEvent::FocusIn:
        if (IsMoveWithinSheet(static_cast<QFocusEvent&>(*event).reason()))
            return !fieldEntered(n);
        break;
    case QEvent::FocusOut:
        if (IsLastInChain(chain_, n) && window_.isVisible() &&
            IsMoveWithinSheet(static_cast<QFocusEvent&>(*event).reason()))
            return !lastFieldLeft(n);
        break;
    default:
        break;
    }
    return false;
}

void InputRules::enterPressed(int n) {
    FieldValues& entries = state_.fieldValues;
    const std::string name = ui::FieldName(n);
    if (n != 1) { // the member name is no number
        entries.set(n, ReadNumber(sheet_.text(name)));
        sheet_.setText(name, FormatMask(entries.get(n), texts::kTypingMask));
    }
    if (const auto total = TotalOnEnter(kind_, n, entries)) {
        entries.set(total->field, total->value);
        sheet_.setText(ui::FieldName(total->field), FormatMask(total->value, texts::kTypingMask));
    }
    if (IsLastInChain(chain_, n)) {
        sheet_.setBackColour(ui::FieldName(chain_.whitenedOnLastEnter), colour::kIdle);
        sheet_.setVisible("Command1", true);
        // Leaving the last field brings the calculate prompt (lastFieldLeft).
        sheet_.setFocus("Command1");
        return;
    }
    const std::string next = ui::FieldName(NextInChain(chain_, n));
    sheet_.setBackColour(next, colour::kNextField);
    sheet_.setFocus(next); // its focus rule turns it green
}

bool InputRules::fieldEntered(int n) {
    return enter(n, true);
}

void InputRules::returnToField(int n) {
    muted_ = true;
    sheet_.setFocus(ui::FieldName(n));
    muted_ = false;
    enter(n, false);
    selectOnArrival(n);
}

bool InputRules::enter(int n, bool byTheUser) {
    if (const int previous = PreviousInChain(chain_, n))
        sheet_.setBackColour(ui::FieldName(previous), colour::kIdle);
    if (n == 2)
        state_.memberName = sheet_.text("Text1");
    if (n == 3 && byTheUser) {
        const double lb = ProposedBucklingLength(kind_, ReadNumber(sheet_.text("Text2")),
                                                 state_.loadCase.caseNumber);
        sheet_.setText("Text3", FormatMask(lb, kProposalMask));
    }
    if (n == 1 && chain_.instructionsOnText1 && byTheUser &&
        !showMessage(texts::kInstructions, texts::kInstructionsTitle))
        return false;
    sheet_.setBackColour(ui::FieldName(n), colour::kFocus);
    selectAll(n);
    if (n == 3)
        sheet_.setVisible("Text23", true);
    return true;
}

bool InputRules::lastFieldLeft(int n) {
    sheet_.setBackColour(ui::FieldName(n), colour::kIdle);
    sheet_.setVisible("Command1", true);
    if (!showMessage(texts::kCalculatePrompt, texts::kCalculateTitle))
        return false;
    sheet_.setFocus("Command1");
    return true;
}

bool InputRules::showMessage(std::string_view prompt, std::string_view title) {
    inMessage_ = true;
    if (!ui::ShowMessage(&window_, ui::FromUtf8(prompt), ui::FromUtf8(title),
                         ui::MessageIcon::Question))
        return false; // the window, and these rules with it, went away
    inMessage_ = false;
    return true;
}

void InputRules::keepSelectedUntilTheUserActs(QLineEdit* edit, const QEvent& event) {
    // Only the watched field itself is touched: events may still come while the
    // sheet is taken down.
    if (edit == nullptr)
        return;
    switch (event.type()) {
    case QEvent::FocusIn: // whatever brought it, and as often as it comes
        SelectAll(edit);
        return;
    case QEvent::KeyPress: {
        const auto& key = static_cast<const QKeyEvent&>(event);
        if (IsModifierKey(key))
            return;
        // The first character typed replaces the text, even where the window
        // system's activation order took the selection away.
        if (TypesACharacter(key))
            edit->selectAll();
        break;
    }
    case QEvent::InputMethod: {
        const auto& input = static_cast<const QInputMethodEvent&>(event);
        if (input.commitString().isEmpty() && input.preeditString().isEmpty())
            return;
        edit->selectAll(); // the input method's text replaces it, as a key's does
        break;
    }
    case QEvent::MouseButtonPress: // the user places the cursor
        break;
    default:
        return;
    }
    selectOnArrival_ = 0;
}

void InputRules::selectAll(int n) {
    if (auto* edit = sheet_.wired<QLineEdit>(ui::FieldName(n)))
        SelectAll(edit);
}

} // namespace varnok::sheets
