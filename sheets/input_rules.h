#pragma once
// The keyboard and focus rules of a sheet's field chain: Enter stores the entry
// and moves on, the focus colours (green with the focus, yellow next, white
// once passed), the running totals, the member name taken on entering Text2,
// the proposed buckling length and the hint on entering Text3, the instructions
// message on entering Text1 (where the sheet shows it there), and the calculate
// prompt when the last field is left.
//
// Focus moves that are no move of the user's (the window losing or regaining
// activation around a message box, a dialog or another application) run no
// rule: returning to the sheet changes nothing the user typed.

#include "chain_rules.h"
#include "program_state.h"

#include <QObject>
#include <map>

class QLineEdit;
class QWidget;

namespace varnok::sheets {

class WidgetSheetAccess;

class InputRules final : public QObject {
    Q_OBJECT
public:
    /// Watches the chain fields of `window` (found through `sheet`).
    InputRules(ProgramState& state, WidgetSheetAccess& sheet, QWidget& window, SheetKind kind);

    /// Runs the focus-gained rule of Textn, as when the user moves there. False
    /// when the window went away during the rule's message (and these rules with it).
    bool fieldEntered(int n);
    /// Gives Textn the focus so that the user can correct what a message
    /// refused: green, its whole text selected, the field before it white, as on
    /// entering it along the chain, but without the instructions message or a new
    /// buckling-length proposal, so the refused value stays on show.
    void returnToField(int n);
    /// Until the user acts in Textn (types, clicks in it, presses a key), its
    /// whole text is selected again whenever it gains the focus, for whatever
    /// reason, and the first character typed replaces the whole text: the window
    /// may get the activation (and lose a selection made before) only after a
    /// message box of the set-up has closed, in an order each window system
    /// chooses.
    void selectOnArrival(int n) { selectOnArrival_ = n; }
    /// While muted, the chain's focus and key events are left to the fields.
    void setMuted(bool muted) { muted_ = muted; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool enter(int n, bool byTheUser);
    void enterPressed(int n);
    bool lastFieldLeft(int n); // false when the window went away
    void keepSelectedUntilTheUserActs(QLineEdit* edit, const QEvent& event);

    bool showMessage(std::string_view prompt, std::string_view title);
    void selectAll(int n);

    ProgramState& state_;
    WidgetSheetAccess& sheet_;
    QWidget& window_;
    SheetKind kind_;
    const ChainRules& chain_;
    std::map<const QObject*, int> fieldOf_;
    bool muted_ = false;
    bool inMessage_ = false;
    int selectOnArrival_ = 0; // a Text number, 0 for none
};

} // namespace varnok::sheets
