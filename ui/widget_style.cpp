#include "widget_style.h"

#include <QFontMetrics>

namespace varnok::ui {

int RoomyTextHeight(const QFontMetrics& metrics) {
    return metrics.height() + 2;
}

QString CssColour(Rgb colour) {
    return QStringLiteral("rgb(%1,%2,%3)").arg(colour.r).arg(colour.g).arg(colour.b);
}

QString ButtonStyleSheet(Rgb back, Rgb fore, const ButtonLook& look) {
    return QStringLiteral("QPushButton { background-color: %1; color: %2;"
                          " border: %3px outset %1; border-radius: %4px; }"
                          " QPushButton:pressed { border-style: inset; }"
                          " QPushButton:focus { border: %3px solid %5; }")
        .arg(CssColour(back), CssColour(fore))
        .arg(look.borderPixels)
        .arg(look.radiusPixels)
        .arg(CssColour(look.focusBorder));
}

} // namespace varnok::ui
