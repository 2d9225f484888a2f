#pragma once
// The rows that two or three of the design sheets share, each block relative to
// its own top left corner. The sheets place them (sheet_layout_*.cpp) and add
// the rows of their own.

#include "sheet_layout.h"

#include <array>

namespace varnok::sheets::blocks {

inline constexpr int kWidth = 760; // px, every sheet

// Vertical places of the blocks (px from the window's top).
inline constexpr int kLoadsTop = 84;
inline constexpr int kMomentTop = 190;
inline constexpr int kSectionTop = 244;
inline constexpr int kBendingTop = 330;
inline constexpr int kWeldTop = 420;       // cantilever only
inline constexpr int kDeflectionGap = 108; // from the block above the deflection to the deflection
inline constexpr int kFooterGap = 62;      // from the deflection to the output buttons

// Columns of the load rows: fields at a fixed pitch, the operators between them.
inline constexpr int kLeadX = 128;
inline constexpr int kFieldW = 64;
inline constexpr int kTotalW = 70;
constexpr int Col(int i) {
    return 160 + 84 * i;
}
constexpr int Op(int i) {
    return Col(i) + kFieldW;
} // the operator after column i
inline constexpr int kOpW = 20;

constexpr ControlRow Operator(std::string_view name, std::string_view text, int x, int y) {
    return Label(name, text, x, y, kOpW).aligned(Align::Centre);
}

constexpr Rgb kTitleBlue{0, 0, 255};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kLightGreenButton{128, 255, 128};

/// Duration frame, its hint, and the row of member name, span and buckling length.
inline constexpr std::array kHeader{
    Hint("Text39", "設計荷重を選択→", 414, 14, 140),
    Frame("Frame1", 562, 2, 188, 44),
    Option("Option1", "長期", 16, 14, 72, "Frame1").selected(),
    Option("Option2", "短期", 100, 14, 72, "Frame1"),
    Label("Label3", "部材名", 10, 54, 48),
    Label("Label47", "(20字)", 234, 54, 52),
    Label("Label4", "スパンＬ(m)＝", 288, 54, 106).aligned(Align::Right),
    Field("Text2", 396, 54, 70),
    Label("Label5", "座屈長さＬb (m)＝", 472, 54, 132).aligned(Align::Right),
    Field("Text3", 606, 54, 70),
};

/// The diagram left of the load rows, the calculate button and the Tab hint at their right.
inline constexpr std::array kLoadSides{
    Make(ControlKind::Picture, "Picture1", "s_b1.gif", 10, 6, 110, 75), // the design-time picture
    Button("Command1", "計算", 636, 10, 110, 36, colour::kCalculate)
        .font(kLargePixels, true)
        .hidden(),
    Hint("Text23", "！入力不要欄は\r\n[Tab]キーで通過\r\n", 626, 52, 130, 42)
        .colours(std::nullopt, colour::kHintGreen)
        .hidden(),
};

/// Distributed load w and point load P, each area load × widths + added load = total.
inline constexpr std::array kPointLoadRows{
    Heading("Label6", "kN/㎡", Col(0), 0, kFieldW),
    Heading("Label7", "負担幅", Col(1), 0, kFieldW),
    Heading("Label8", "追加荷重", Col(2), 0, kFieldW),
    Heading("Label9", "分布荷重", Col(4), 0, kTotalW),
    Label("Label10", "ｗ＝", kLeadX, 18, 32),
    Field("Text4", Col(0), 18, kFieldW),
    Operator("Label11", "×", Op(0), 18),
    Field("Text5", Col(1), 18, kFieldW),
    Operator("Label12", "＋", Op(1), 18),
    Field("Text6", Col(2), 18, kFieldW),
    Operator("Label13", "＝", Op(3), 18),
    Total("Text7", Col(4), 18, kTotalW),
    Label("Label14", "kN/m", Col(4) + kTotalW + 4, 18, 50),
    Heading("Label21", "kN/㎡", Col(0), 46, kFieldW),
    Heading("Label22", "負担幅", Col(1), 46, kFieldW),
    Heading("Label23", "負担長さ", Col(2), 46, kFieldW),
    Heading("Label24", "追加荷重", Col(3), 46, kFieldW),
    Heading("Label25", "集中荷重", Col(4), 46, kTotalW),
    Label("Label15", "Ｐ＝", kLeadX, 64, 32),
    Field("Text8", Col(0), 64, kFieldW),
    Operator("Label16", "×", Op(0), 64),
    Field("Text9", Col(1), 64, kFieldW),
    Operator("Label17", "×", Op(1), 64),
    Field("Text10", Col(2), 64, kFieldW),
    Operator("Label18", "＋", Op(2), 64),
    Field("Text11", Col(3), 64, kFieldW),
    Operator("Label19", "＝", Op(3), 64),
    Total("Text12", Col(4), 64, kTotalW),
    Label("Label20", "kN", Col(4) + kTotalW + 4, 64, 50),
};

/// "Ｍ＝ 1/8 ｗ・Ｌ²": the lead of every moment line (the denominator is the sheet's).
inline constexpr std::array kMomentLead{
    Label("Label26", "Ｍ＝", 10, 11, 34),
    Fixed("Text13", "１", 46, 0, 24),
    Bar("Line1", 46, 21, 24),
    Label("Label27", "ｗ・Ｌ", 72, 11, 44),
    Exponent("Label28", "２", 116, 5),
};

/// "変更" over the two step buttons, white on `back` (blue; the grey of the grey sheet).
constexpr ControlRow StepHeading(Rgb back) {
    return Label("Label34", "変更", 370, 0, 64, 16)
        .font(kHeadingPixels + 1, true)
        .aligned(Align::Centre)
        .colours(kWhite, back);
}

/// Section in use, the series frame and the property line.
inline constexpr std::array kSectionRows{
    Label("Label33", "仮定断面 USE ：", 10, 14, 112),
    Frame("Frame2", 600, 0, 156, 48),
    Option("Option3", "細幅", 6, 16, 48, "Frame2").selected(),
    Option("Option4", "中幅", 56, 16, 48, "Frame2"),
    Option("Option5", "広幅", 106, 16, 48, "Frame2"),
    Label("Label35", "（ｉb＝", 10, 56, 52).aligned(Align::Right),
    Display("Text19", 62, 56, 56),
    Label("Label36", "cm,", 120, 56, 30),
    Label("Label37", "η＝", 150, 56, 32).aligned(Align::Right),
    Display("Text20", 182, 56, 56),
    Label("Label38", "cm,", 240, 56, 30),
    Label("Label39", "Ｚ＝", 270, 56, 32).aligned(Align::Right),
    Display("Text21", 302, 56, 72),
    Label("Label40", "cm  ,", 376, 56, 44),
    Exponent("Label41", "３", 390, 51),
    Label("Label42", "Ｉ＝", 418, 56, 32).aligned(Align::Right),
    Display("Text22", 450, 56, 72),
    Label("Label43", "cm", 524, 56, 20),
    Exponent("Label44", "４", 538, 51),
    Label("Label45", "）", 550, 56, 20),
};

/// fb and the stress ratio M / (Z·fb) against its limit.
inline constexpr std::array kBendingRows{
    Label("Label46", "ｆb＝89000･ｉb／Lb･η＝", 10, 0, 172),
    Display("Text24", 182, 0, 60),
    Label("Label48", "Ｎ/m㎡", 246, 0, 60),
    Label("Label49", "Ｍ", 10, 30, 70).aligned(Align::Centre),
    Bar("Line3", 10, 54, 70),
    Label("Label50", "Z･ｆb", 10, 57, 70).aligned(Align::Centre),
    Operator("Label51", "＝", 82, 43),
    Display("Text25", 104, 30, 84),
    Label("Label52", "×10", 190, 30, 28),
    Exponent("Label53", "６", 217, 25),
    Label("Label54", "N・mm", 232, 30, 60),
    Bar("Line4", 104, 54, 306),
    Display("Text26", 104, 57, 84),
    Label("Label55", "×10", 190, 57, 28),
    Exponent("Label56", "３", 217, 52),
    Label("Label57", "mm", 232, 57, 18),
    Exponent("Label58", "３", 249, 52),
    Operator("Label59", "×", 262, 57),
    Display("Text27", 284, 57, 60),
    Label("Label60", "N/m㎡", 348, 57, 60),
    Operator("Label61", "＝", 412, 43),
    Display("Text28", 434, 43, 66),
    Label("Label62", "＜", 504, 43, 24).aligned(Align::Centre),
    Display("Text29", 530, 43, 40, "1.0"),
    Label("Label63", "ＯＫ", 578, 40, 60, 28)
        .font(kLargePixels, true)
        .colours(colour::kVerdictOk, std::nullopt),
};

/// The cantilever's weld-section check: Ze, fbe and the ratio M / (Ze·fb).
inline constexpr std::array kWeldRows{
    Label("Label96", "[溶接部]", 10, 0, 70),
    Label("Label98", "Ｚe＝", 82, 0, 40).aligned(Align::Right),
    Display("Text44", 124, 0, 72),
    Label("Label99", "cm  ,", 198, 0, 44),
    Exponent("Label97", "３", 212, -5),
    Label("Label100", "ｆb＝141 N/m㎡ (0.9F:規定外)", 250, 0, 260),
    Label("Label94", "Ｍ", 10, 30, 70).aligned(Align::Centre),
    Bar("Line10", 10, 54, 70),
    Label("Label93", "Ze･ｆb", 10, 57, 70).aligned(Align::Centre),
    Operator("Label91", "＝", 82, 43),
    Display("Text43", 104, 30, 84),
    Label("Label95", "×10", 190, 30, 28),
    Exponent("Label90", "６", 217, 25),
    Label("Label83", "N・mm", 232, 30, 60),
    Bar("Line2", 104, 54, 306),
    Display("Text42", 104, 57, 84),
    Label("Label92", "×10", 190, 57, 28),
    Exponent("Label89", "３", 217, 52),
    Label("Label85", "mm", 232, 57, 18),
    Exponent("Label81", "３", 249, 52),
    Operator("Label84", "×", 262, 57),
    Display("Text41", 284, 57, 60, "141"),
    Label("Label88", "N/m㎡", 348, 57, 60),
    Operator("Label87", "＝", 412, 43),
    Display("Text16", 434, 43, 66),
    Label("Label86", "＜", 504, 43, 24).aligned(Align::Centre),
    Display("Text15", 530, 43, 40, "1.0"),
    Label("Label82", "ＯＫ", 578, 40, 60, 28)
        .font(kLargePixels, true)
        .colours(colour::kVerdictOk, std::nullopt),
};

/// "δ＝ 5·w·L⁴ / 384·E·I" of the simple beams.
inline constexpr std::array kDeflectionLeadSimple{
    Label("Label64", "δ", 10, 13, 16),
    Operator("Label65", "＝", 26, 13),
    Label("Label66", "５・ｗ・Ｌ", 48, 0, 100).aligned(Align::Centre),
    Exponent("Label67", "４", 134, -4),
    Bar("Line5", 48, 24, 100),
    Label("Label68", "３８４・Ｅ・Ｉ", 48, 27, 100).aligned(Align::Centre),
};

/// "δ＝ w·L⁴ / 8·E·I" of the cantilever.
inline constexpr std::array kDeflectionLeadCantilever{
    Label("Label64", "δ", 10, 13, 16),
    Operator("Label65", "＝", 26, 13),
    Label("Label66", "ｗ・Ｌ", 48, 0, 100).aligned(Align::Centre),
    Exponent("Label67", "４", 120, -4),
    Bar("Line5", 48, 24, 100),
    Label("Label68", "８・Ｅ・Ｉ", 48, 27, 100).aligned(Align::Centre),
};

/// "＋ c/d · P·L³ / E·I": the point-load term, with the sheet's coefficient texts.
constexpr std::array<ControlRow, 9> PointDeflectionTerm(std::string_view c, std::string_view d) {
    return {
        Operator("Label69", "＋", 150, 13),
        Fixed("Text30", c, 172, 2, 60),
        Bar("Line6", 172, 24, 60),
        Fixed("Text31", d, 172, 27, 60),
        Label("Label70", "・", 234, 13, 14).aligned(Align::Centre),
        Label("Label71", "Ｐ・Ｌ", 250, 0, 60).aligned(Align::Centre),
        Exponent("Label72", "３", 301, -4),
        Bar("Line7", 250, 24, 60),
        Label("Label73", "Ｅ・Ｉ", 250, 27, 60).aligned(Align::Centre),
    };
}

/// "＝ δ cm ＝ L/(L/δ) ≦ L/300 ＯＫ", placed right of the sheet's formula.
inline constexpr std::array kDeflectionResult{
    Operator("Label74", "＝", 0, 13),
    Display("Text32", 22, 13, 72),
    Label("Label75", "cm", 96, 13, 24),
    Operator("Label76", "＝", 122, 13),
    Label("Label77", "Ｌ", 144, 0, 60).aligned(Align::Centre),
    Bar("Line8", 144, 24, 60),
    Display("Text33", 144, 27, 60),
    Label("Label78", "＜", 208, 13, 24).aligned(Align::Centre),
    Label("Label79", "Ｌ", 234, 0, 44).aligned(Align::Centre),
    Bar("Line9", 234, 24, 44),
    Fixed("Text34", "300", 234, 27, 44),
    Label("Label80", "ＯＫ", 284, 10, 60, 28)
        .font(kLargePixels, true)
        .colours(colour::kVerdictOk, std::nullopt),
};

/// The four output buttons at the bottom right and the hidden typeface flag.
inline constexpr std::array kFooter{
    Button("Command9", "メモ帳出力", 232, 0, 112, 30, kLightGreenButton),
    Button("Command5", "終了", 352, 0, 80, 30, colour::kCalculate),
    Button("Command3", "ゴシック体 【印刷】", 440, 0, 152, 30, Rgb{225, 225, 225}),
    Button("Command4", "  明朝体   【印刷】", 600, 0, 152, 30, Rgb{225, 225, 225}),
    Make(ControlKind::Hidden, "Text40", {}, 0, 0, 10, 10).hidden(),
};

} // namespace varnok::sheets::blocks
