#pragma once
// The messages of the design sheets, character for character.

#include <string_view>

namespace varnok::sheets::texts {

inline constexpr std::string_view kInstructions =
    "データ入力後は、\r[Tab]キーまたは\r[Enter]キーで進んで下さい。";
inline constexpr std::string_view kInstructionsTitle = "各欄データの入力方法";

inline constexpr std::string_view kCalculatePrompt = "[計算]ボタンか[Enter]キーを押して下さい。";
inline constexpr std::string_view kCalculateTitle = "計算します。";

inline constexpr std::string_view kMissingSpan = "スパンからデータを入力して下さい。";
inline constexpr std::string_view kMissingSpanTitle = "未入力のデータがあります。";

inline constexpr std::string_view kTypingMask = "###.000";   // values confirmed with Enter
inline constexpr std::string_view kProposalMask = "##0.000"; // the proposed buckling length

} // namespace varnok::sheets::texts
