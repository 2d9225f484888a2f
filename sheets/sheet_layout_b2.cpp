// The uniform-load sheet kei3_b2: two rows of distributed load, no point load,
// the whole form on a grey ground.
#include "sheet_blocks.h"

namespace varnok::sheets {

namespace {
using namespace blocks;

constexpr Rgb kYellow{255, 255, 0};
constexpr int kDeflectionTop = kBendingTop + kDeflectionGap;
constexpr int kFooterTop = kDeflectionTop + kFooterGap;

constexpr std::array kOwnRows{
    Label("Label1", "単純梁の計画", 10, 8, 200, 32)
        .font(kLargePixels, true)
        .aligned(Align::Centre)
        .colours(kYellow, kBlack),
    Field("Text1", 60, 54, 170, "Ｂ").aligned(Align::Left),
};

// Two rows one under the other; the second row's headings stand below it.
constexpr std::array kLoadRows{
    Heading("Label6", "kN/㎡", Col(0), 0, kFieldW),
    Heading("Label7", "負担幅", Col(1), 0, kFieldW),
    Heading("Label8", "追加荷重", Col(2), 0, kFieldW),
    Label("Label10", "ｗ＝", kLeadX, 18, 32),
    Field("Text4", Col(0), 18, kFieldW),
    Operator("Label11", "×", Op(0), 18),
    Field("Text5", Col(1), 18, kFieldW),
    Operator("Label12", "＋", Op(1), 18),
    Field("Text6", Col(2), 18, kFieldW),
    Label("Label15", "＋", kLeadX, 46, 32).aligned(Align::Right),
    Field("Text7", Col(0), 46, kFieldW),
    Operator("Label16", "×", Op(0), 46),
    Field("Text8", Col(1), 46, kFieldW),
    Operator("Label18", "＋", Op(1), 46),
    Field("Text9", Col(2), 46, kFieldW),
    Operator("Label19", "＝", Op(2), 46),
    Total("Text10", Col(3), 46, kTotalW),
    Label("Label20", "kN/m", Col(3) + kTotalW + 4, 46, 50),
    Heading("Label21", "kN/㎡", Col(0), 70, kFieldW),
    Heading("Label22", "負担幅", Col(1), 70, kFieldW),
    Heading("Label24", "追加荷重", Col(2), 70, kFieldW),
    Heading("Label25", "分布荷重", Col(3), 70, kTotalW),
};

// "Ｍ＝ 1/8 ｗ・Ｌ² ＝ M kN･m".
constexpr std::array kMomentRows{
    Fixed("Text14", "８", 46, 22, 24),
    Operator("Label31", "＝", 132, 11),
    Display("Text11", 154, 11, 90),
    Label("Label32", "kN･m", 248, 11, 50),
};

constexpr std::array kSectionOwnRows{
    StepHeading(colour::kUniformGrey).withShadow(), // white on the grey ground
    Display("Text18", 124, 12, 232)
        .font(16, true)
        .aligned(Align::Left)
        .colours(Rgb{0, 255, 0}, kBlack),
    Button("Command6", "↑", 370, 18, 30, 28, colour::kCalculate).font(16, true),
    Button("Command7", "↓", 404, 18, 30, 28, colour::kCalculate).font(16, true),
    Hint("Text37", "←↑結果により断面変更", 436, 20, 160),
};

constexpr std::array kBendingHint{Hint("Text35", "[ＯＫ]を確認↓", 556, 12, 124)};
constexpr int kResultX = 150;
constexpr std::array kDeflectionHint{Hint("Text36", "[ＯＫ]を確認↓", kResultX + 250, -24, 124)};

constexpr std::array kBlocks{
    Block{kOwnRows},
    Block{kHeader},
    Block{kLoadSides, 0, kLoadsTop},
    Block{kLoadRows, 0, kLoadsTop},
    Block{kMomentLead, 0, kMomentTop},
    Block{kMomentRows, 0, kMomentTop},
    Block{kSectionRows, 0, kSectionTop},
    Block{kSectionOwnRows, 0, kSectionTop},
    Block{kBendingRows, 0, kBendingTop},
    Block{kBendingHint, 0, kBendingTop},
    Block{kDeflectionLeadSimple, 0, kDeflectionTop},
    Block{kDeflectionResult, kResultX, kDeflectionTop},
    Block{kDeflectionHint, 0, kDeflectionTop},
    Block{kFooter, 0, kFooterTop},
};

constexpr std::array<std::string_view, 22> kTabOrder{
    "Text1",   "Text2",    "Text3",    "Text4",    "Text5",    "Text6",    "Text7",   "Text8",
    "Text9",   "Command1", "Command6", "Command7", "Text10",   "Option1",  "Option2", "Option3",
    "Option4", "Option5",  "Command4", "Command9", "Command3", "Command5",
};

} // namespace

extern const SheetLayout kLayoutB2{
    " 単純梁の計画",      kWidth,  kFooterTop + 42, colour::kUniformGrey,
    colour::kUniformGrey, kBlocks, kTabOrder,
};

} // namespace varnok::sheets
