#pragma once
// The messages of the design sheets, character for character.

#include <string_view>

namespace varnok::sheets::texts {

inline constexpr std::string_view kInstructions =
    "データ入力後は、\r[Tab]キーまたは\r[Enter]キーで進んで下さい。";
inline constexpr std::string_view kInstructionsTitle = "各欄データの入力方法";

inline constexpr std::string_view kCalculatePrompt = "[計算]ボタンか[Enter]キーを押して下さい。";
inline constexpr std::string_view kCalculateTitle = "計算します。";

inline constexpr std::string_view kMissingInputTitle = "未入力のデータがあります。";
inline constexpr std::string_view kMissingSpan = "スパンからデータを入力して下さい。";
inline constexpr std::string_view kMissingName = "部材名を入力して下さい。";

inline constexpr std::string_view kNegativeBuckling = "座屈長さには0以上の値を入力して下さい。";
inline constexpr std::string_view kCheckInputTitle = "入力データを確認して下さい。";

inline constexpr std::string_view kNotCalculated =
    "入力データが計算結果と合っていません。\r[計算]ボタンを押してから出力して下さい。";
inline constexpr std::string_view kNotCalculatedTitle = "再計算して下さい。";

inline constexpr std::string_view kTypingMask = "###.000"; // values confirmed with Enter

} // namespace varnok::sheets::texts
