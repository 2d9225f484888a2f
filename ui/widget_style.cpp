#include "widget_style.h"

#include "qt_colour.h"

#include <QFontMetrics>
#include <QWidget>

namespace varnok::ui {

int RoomyTextHeight(const QFontMetrics& metrics) {
    return metrics.height() + 2;
}

QString CssColour(Rgb colour) {
    return QStringLiteral("rgb(%1,%2,%3)").arg(colour.r).arg(colour.g).arg(colour.b);
}

void SetColours(QWidget& widget, Rgb fore, Rgb back) {
    QPalette p = widget.palette();
    p.setColor(QPalette::WindowText, ToQColor(fore));
    p.setColor(QPalette::Window, ToQColor(back));
    widget.setPalette(p);
    widget.setAutoFillBackground(true);
}

} // namespace varnok::ui
