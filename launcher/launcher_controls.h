#pragma once
// The launcher's fixed texts, colours and the placing of its case buttons.
// Captions of the case buttons come from the table of load cases.

#include "colour.h"
#include "load_case.h"

#include <array>
#include <string_view>

namespace varnok::launcher {

inline constexpr std::string_view kWindowName = "b_sel";
inline constexpr std::string_view kCaption = " Ｓ造小梁の断面計算";
inline constexpr std::string_view kTitle = "Ｈ形鋼Ｓ造小梁の計画";       // Label1
inline constexpr std::string_view kProductName = "VARNOK_3";             // Label10
inline constexpr std::string_view kVersion = "Ver." VARNOK_VERSION "XP"; // Label11
inline constexpr std::string_view kInstruction =                         // Text1
    "単純梁・片持梁の種類を選択します\r\n（荷重状態の図をクリックします）\r\n";
inline constexpr std::string_view kExitText = "終了(Esc)";  // Command7
inline constexpr std::string_view kDValueText = "Ｄ値計算"; // Command11

namespace colours {
inline constexpr Rgb kGround{0, 0, 192};
inline constexpr Rgb kTitle{255, 255, 255};
inline constexpr Rgb kProductName{0, 255, 255};
inline constexpr Rgb kVersion{128, 255, 128};
inline constexpr Rgb kInstruction{192, 255, 255};
inline constexpr Rgb kCaseCaption{255, 128, 0};
inline constexpr Rgb kCantileverCaption{0, 255, 255};
inline constexpr Rgb kCaptionGround{0, 0, 0};
inline constexpr Rgb kExit{255, 128, 0};
inline constexpr Rgb kDValue{255, 0, 255};
inline constexpr Rgb kPictureGround{255, 255, 255};
} // namespace colours

/// A diagram button, the label under it and where it stands (two rows of three).
struct CaseButtonPlace {
    LoadCaseButton button; // Command1 … Command6
    std::string_view label;
    Rgb labelColour;
    int row;
    int column;
};

inline constexpr std::array<CaseButtonPlace, 6> kCaseButtonPlaces{{
    {LoadCaseButton::OnePoint, "Label6", colours::kCaseCaption, 0, 0},
    {LoadCaseButton::TwoPoints, "Label7", colours::kCaseCaption, 0, 1},
    {LoadCaseButton::ThreePoints, "Label8", colours::kCaseCaption, 0, 2},
    {LoadCaseButton::FourPoints, "Label3", colours::kCaseCaption, 1, 0},
    {LoadCaseButton::UniformOnly, "Label9", colours::kCaseCaption, 1, 1},
    {LoadCaseButton::Cantilever, "Label2", colours::kCantileverCaption, 1, 2},
}};

} // namespace varnok::launcher
