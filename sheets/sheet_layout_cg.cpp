// The cantilever sheet kei3_cg: the simple-beam form with the cantilever's
// moment and deflection lines and the weld-section check at the support.
#include "sheet_blocks.h"

namespace varnok::sheets {

namespace {
using namespace blocks;

constexpr Rgb kDarkGreen{0, 64, 0};
constexpr int kDeflectionTop = kWeldTop + kDeflectionGap;
constexpr int kFooterTop = kDeflectionTop + kFooterGap;

constexpr std::array kOwnRows{
    Label("Label1", "片持梁の計画", 10, 8, 200, 32)
        .font(kLargePixels, true)
        .aligned(Align::Centre)
        .colours(kWhite, kDarkGreen),
    Field("Text1", 60, 54, 170, "ＣＧ").aligned(Align::Left),
};

// "Ｍ＝ 1/2 ｗ・Ｌ² ＋ Ｐ・Ｌ ＝ M kN･m".
constexpr std::array kMomentRows{
    Fixed("Text14", "２", 46, 22, 24),       Operator("Label29", "＋", 132, 11),
    Label("Label30", "Ｐ・Ｌ", 154, 11, 44), Operator("Label31", "＝", 200, 11),
    Display("Text17", 222, 11, 90),          Label("Label32", "kN･m", 316, 11, 50),
};

constexpr std::array kSectionOwnRows{
    StepHeading(kTitleBlue),
    Display("Text18", 124, 12, 232)
        .font(16, true)
        .aligned(Align::Left)
        .colours(Rgb{0, 255, 255}, kBlack),
    Button("Command6", "↑", 370, 18, 30, 28, colour::kStepPass).font(16, true),
    Button("Command7", "↓", 404, 18, 30, 28, colour::kStepPass).font(16, true),
    Hint("Text36", "←↑結果により断面変更", 436, 20, 160),
};

constexpr std::array kWeldHint{Hint("Text35", "[ＯＫ]を確認↓", 556, 12, 124)};
constexpr std::array kDeflectionHint{Hint("Text37", "確認↓", 592, -24, 60)};
constexpr auto kPointTerm = PointDeflectionTerm("１", "３");

constexpr std::array kBlocks{
    Block{kOwnRows},
    Block{kHeader},
    Block{kLoadSides, 0, kLoadsTop},
    Block{kPointLoadRows, 0, kLoadsTop},
    Block{kMomentLead, 0, kMomentTop},
    Block{kMomentRows, 0, kMomentTop},
    Block{kSectionRows, 0, kSectionTop},
    Block{kSectionOwnRows, 0, kSectionTop},
    Block{kBendingRows, 0, kBendingTop},
    Block{kWeldRows, 0, kWeldTop},
    Block{kWeldHint, 0, kWeldTop},
    Block{kDeflectionLeadCantilever, 0, kDeflectionTop},
    Block{kPointTerm, 0, kDeflectionTop},
    Block{kDeflectionResult, 312, kDeflectionTop},
    Block{kDeflectionHint, 0, kDeflectionTop},
    Block{kFooter, 0, kFooterTop},
};

constexpr std::array<std::string_view, 24> kTabOrder{
    "Text1",    "Text2",    "Text3",    "Text4",    "Text5",    "Text6",    "Text8",   "Text9",
    "Text10",   "Text11",   "Text12",   "Text7",    "Command6", "Command7", "Option1", "Option2",
    "Command4", "Command9", "Command3", "Command5", "Option3",  "Option4",  "Option5", "Command1",
};

} // namespace

extern const SheetLayout kLayoutCg{
    " 片持梁の計画",      kWidth,  kFooterTop + 42, std::nullopt,
    colour::kDisplayGrey, kBlocks, kTabOrder,
};

} // namespace varnok::sheets
