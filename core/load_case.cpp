#include "load_case.h"

namespace varnok {

// Button, caption under it, sheet, moment coefficient (text, number), deflection
// coefficient (text, number), diagram file, case number. The uniform-load and
// cantilever sheets use fixed coefficients of their own.
// clang-format off
const std::array<LoadCaseEntry, 6> kLoadCases{{
    {LoadCaseButton::OnePoint, "１点集中荷重", SheetKind::kei3_b1, {"１", "４"}, {1, 4}, {"１", "４８"}, {1, 48}, "s_b1.gif", 2},
    {LoadCaseButton::TwoPoints, "２点集中荷重", SheetKind::kei3_b1, {"１", "３"}, {1, 3}, {"２３", "６４８"}, {23, 648}, "s_b2.gif", 3},
    {LoadCaseButton::ThreePoints, "３点集中荷重", SheetKind::kei3_b1, {"１", "２"}, {1, 2}, {"１９", "３８４"}, {19, 384}, "s_b3.gif", 4},
    {LoadCaseButton::FourPoints, "４点集中荷重", SheetKind::kei3_b1, {"３", "５"}, {3, 5}, {"６３", "１０００"}, {63, 1000}, "s_b4.gif", 5},
    {LoadCaseButton::UniformOnly, "等分布荷重", SheetKind::kei3_b2, {}, {}, {}, {}, "s_b5.gif", 1},
    {LoadCaseButton::Cantilever, "片持梁の計算", SheetKind::kei3_cg, {}, {}, {}, {}, "s_cb.gif", 6},
}};
// clang-format on

const LoadCaseEntry& LoadCaseFor(LoadCaseButton button) {
    for (const LoadCaseEntry& entry : kLoadCases) {
        if (entry.button == button)
            return entry;
    }
    return kLoadCases.front();
}

LoadCaseButton ArrangementOf(const LoadCase& loadCase, SheetKind kind) {
    for (const LoadCaseEntry& entry : kLoadCases) {
        if (entry.caseNumber == loadCase.caseNumber && entry.sheet == kind)
            return entry.button;
    }
    for (const LoadCaseEntry& entry : kLoadCases) {
        if (entry.sheet == kind)
            return entry.button;
    }
    return kLoadCases.front().button;
}

SheetKind ChooseLoadCase(LoadCase& loadCase, LoadCaseButton button) {
    const LoadCaseEntry& entry = LoadCaseFor(button);
    const bool pointLoads = entry.sheet == SheetKind::kei3_b1;
    if (pointLoads) {
        loadCase.momentText.numerator = entry.momentText[0];
        loadCase.momentCoefficient.numerator = entry.momentCoefficient[0];
        loadCase.momentText.denominator = entry.momentText[1];
        loadCase.momentCoefficient.denominator = entry.momentCoefficient[1];
    }
    loadCase.diagramFile = entry.diagramFile;
    loadCase.caseNumber = entry.caseNumber;
    if (pointLoads) {
        loadCase.deflectionText.numerator = entry.deflectionText[0];
        loadCase.deflectionCoefficient.numerator = entry.deflectionCoefficient[0];
        loadCase.deflectionText.denominator = entry.deflectionText[1];
        loadCase.deflectionCoefficient.denominator = entry.deflectionCoefficient[1];
    }
    return entry.sheet;
}

} // namespace varnok
