#pragma once
// Form1, the D-value calculator: a sketch of a column with a beam on each side
// above and below it, the stiffness ratios typed into the sketch, the column
// condition chosen by option buttons, k-bar, a and D shown after "計　算".
//
// Opening it is all it takes: `ui::ExecOwned(new DValueForm(launcher))`, so
// that the launcher going away meanwhile takes the form with it.
// Every showing starts afresh (all fields "0", a general storey, focus in Text1);
// "終　了" or the close box closes it.

#include "dvalue.h"

#include <QDialog>
#include <array>

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace varnok::dvalue {

class DValueForm : public QDialog {
    Q_OBJECT
public:
    explicit DValueForm(QWidget* parent = nullptr);

    /// The condition of the option group; GeneralStorey should none be selected.
    StoreyCondition condition() const;

    /// "計　算": reads the ratios, computes and shows k-bar, a and D ("0.0000").
    /// A column ratio that reads as zero gets a message instead.
    void calculate();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void setUp();
    /// Enter in input field `index` (0 = Text1): focus to the next field (which
    /// then selects its whole text), or to "計　算" from the column field.
    void advanceFrom(int index);

    std::array<QLineEdit*, 5> inputs_{};     // Text1..Text5: k1, k2, k3, k4, kc
    std::array<QLineEdit*, 3> results_{};    // Text6..Text8: k-bar, a, D
    std::array<QRadioButton*, 4> options_{}; // Option1..Option4, in StoreyCondition order
    QPushButton* calculateButton_ = nullptr; // Command2
    QPushButton* closeButton_ = nullptr;     // Command3
};

} // namespace varnok::dvalue
