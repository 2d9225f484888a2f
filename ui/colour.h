#pragma once
// Colours the engine and the windows agree on (RGB).

#include <cstdint>

namespace varnok {

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend constexpr bool operator==(Rgb, Rgb) = default;
};

namespace colour {
inline constexpr Rgb kVerdictOk{0, 0, 255};         // "ＯＫ"
inline constexpr Rgb kVerdictNg{255, 0, 0};         // "ＮＧ", and the "↑" button on a failure
inline constexpr Rgb kStepPass{0, 255, 0};          // "↑" after a pass (simple beam, cantilever)
inline constexpr Rgb kStepPassUniform{255, 100, 0}; // "↑" after a pass on the uniform-load sheet
inline constexpr Rgb kFocus{80, 255, 80};           // the field being typed in
inline constexpr Rgb kNextField{255, 255, 0};       // the field Enter moves to
inline constexpr Rgb kIdle{255, 255, 255};          // fields passed
inline constexpr Rgb kTotal{128, 255, 255};         // computed totals
inline constexpr Rgb kHint{255, 255, 0};            // hint boxes
inline constexpr Rgb kHintGreen{128, 255, 128};     // the Tab hint box
inline constexpr Rgb kDisplayGrey{224, 224, 224};   // display fields
inline constexpr Rgb kCalculate{255, 128, 0};       // calculate button, orange buttons
inline constexpr Rgb kUniformGrey{192, 192, 192};   // ground of the uniform-load sheet
} // namespace colour

} // namespace varnok
