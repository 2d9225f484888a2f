// The simple-beam sheet kei3_b1: uniform load plus one to four equal point loads.
#include "sheet_blocks.h"

namespace varnok::sheets {

namespace {
using namespace blocks;

constexpr int kDeflectionTop = kBendingTop + kDeflectionGap;
constexpr int kFooterTop = kDeflectionTop + kFooterGap;

constexpr std::array kOwnRows{
    Label("Label1", "単純梁の計画", 10, 8, 200, 32)
        .font(kLargePixels, true)
        .aligned(Align::Centre)
        .colours(kWhite, kTitleBlue),
    Field("Text1", 60, 54, 170, "Ｂ").aligned(Align::Left),
};

// "＝ 1/8 ｗ・Ｌ² ＋ a/b Ｐ・Ｌ ＝ M kN･m"; a/b comes from the load case.
constexpr std::array kMomentRows{
    Fixed("Text14", "８", 46, 22, 24),     Operator("Label29", "＋", 132, 11),
    Fixed("Text15", "１", 154, 0, 28),     Bar("Line2", 154, 21, 28),
    Fixed("Text16", "４", 154, 22, 28),    Label("Label30", "Ｐ・Ｌ", 184, 11, 44),
    Operator("Label31", "＝", 230, 11),    Display("Text17", 252, 11, 90),
    Label("Label32", "kN･m", 346, 11, 50),
};

constexpr std::array kSectionOwnRows{
    StepHeading(kTitleBlue),
    Display("Text18", 124, 12, 232)
        .font(16, true)
        .aligned(Align::Left)
        .colours(Rgb{0, 255, 255}, kBlack),
    Button("Command6", "↑", 370, 18, 30, 28, colour::kStepPass).font(16, true),
    Button("Command7", "↓", 404, 18, 30, 28, colour::kStepPass).font(16, true),
    Hint("Text37", "←↑結果により断面変更", 436, 20, 160),
};

constexpr std::array kBendingHint{Hint("Text35", "[ＯＫ]を確認↓", 556, 12, 124)};
constexpr std::array kDeflectionHint{Hint("Text36", "確認↓", 592, -24, 60)};
constexpr auto kPointTerm = PointDeflectionTerm({}, {});

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
    Block{kBendingHint, 0, kBendingTop},
    Block{kDeflectionLeadSimple, 0, kDeflectionTop},
    Block{kPointTerm, 0, kDeflectionTop},
    Block{kDeflectionResult, 312, kDeflectionTop},
    Block{kDeflectionHint, 0, kDeflectionTop},
    Block{kFooter, 0, kFooterTop},
};

constexpr std::array<std::string_view, 24> kTabOrder{
    "Text1",    "Text2",    "Text3",    "Text4",    "Text5",    "Text6",   "Text8",   "Text9",
    "Text10",   "Text11",   "Command1", "Command6", "Command7", "Text12",  "Text7",   "Command5",
    "Command3", "Command9", "Option1",  "Option2",  "Option3",  "Option4", "Option5", "Command4",
};

} // namespace

extern const SheetLayout kLayoutB1{
    " 単純梁の計画",      kWidth,  kFooterTop + 42, std::nullopt,
    colour::kDisplayGrey, kBlocks, kTabOrder,
};

} // namespace varnok::sheets
