#pragma once
// The one place where the windows turn colours into palettes and style sheets
// and convert the twips of their layouts into pixels (coloured buttons:
// panel_button.h).

#include "colour.h"

#include <QString>

class QFontMetrics;
class QWidget;

namespace varnok::ui {

/// Layouts are drawn in twips, 15 to the pixel at 100 % scaling.
inline constexpr int kTwipsPerPixel = 15;

/// Twips to pixels, rounded to the nearest pixel (half a pixel up).
constexpr int TwipsToPixels(int twips) {
    return twips >= 0 ? (twips + kTwipsPerPixel / 2) / kTwipsPerPixel
                      : -((-twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
}

/// Pixels a row of text needs so that nothing under the baseline ("_", "g",
/// "ｇ") touches its edge: the line height and two pixels below it.
int RoomyTextHeight(const QFontMetrics& metrics);

/// "rgb(r,g,b)" for a style sheet.
QString CssColour(Rgb colour);

/// Text in `fore` on a ground of `back`, through the palette: for labels and
/// other widgets that fill their own background.
void SetColours(QWidget& widget, Rgb fore, Rgb back);

} // namespace varnok::ui
