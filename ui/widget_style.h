#pragma once
// The one place where the windows turn colours into style sheets, draw their
// coloured buttons and convert the twips of their layouts into pixels.

#include "colour.h"

#include <QString>

class QFontMetrics;

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

/// How a coloured push button is framed; the defaults suit the small dialogs.
struct ButtonLook {
    int borderPixels = 2;
    int radiusPixels = 2;
    Rgb focusBorder{0, 0, 0}; // the frame while the button has the focus
};

/// A coloured push button: raised frame in its own colour, sunk while pressed,
/// a plain frame of `look.focusBorder` while focused. A style sheet, because most
/// styles ignore a push button's palette colour.
QString ButtonStyleSheet(Rgb back, Rgb fore = Rgb{0, 0, 0}, const ButtonLook& look = {});

} // namespace varnok::ui
