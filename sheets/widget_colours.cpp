#include "widget_colours.h"

#include "panel_button.h"
#include "qt_colour.h"
#include "widget_style.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVariant>
#include <QWidget>

namespace varnok::sheets {

namespace {

constexpr const char* kBackProperty = "varnokBack";
constexpr const char* kForeProperty = "varnokFore";

std::optional<Rgb> Remembered(const QWidget& widget, const char* property) {
    const QVariant v = widget.property(property);
    if (!v.isValid())
        return std::nullopt;
    const QColor c = v.value<QColor>();
    return Rgb{static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
               static_cast<std::uint8_t>(c.blue())};
}

/// Keeps the colour on the widget for BackOf/ForeOf; true when the widget is a
/// coloured push button, which draws its colours itself (given here).
bool RememberColour(QWidget& widget, const char* property, Rgb colour) {
    widget.setProperty(property, ui::ToQColor(colour));
    auto* button = qobject_cast<ui::PanelButton*>(&widget);
    if (!button)
        return false;
    button->setColours(BackOf(widget).value_or(Rgb{225, 225, 225}),
                       ForeOf(widget).value_or(Rgb{0, 0, 0}));
    return true;
}

bool IsTextBox(const QWidget& widget) {
    return qobject_cast<const QLineEdit*>(&widget) != nullptr ||
           qobject_cast<const QPlainTextEdit*>(&widget) != nullptr;
}

} // namespace

void PaintBack(QWidget& widget, Rgb colour) {
    if (RememberColour(widget, kBackProperty, colour))
        return;
    QPalette p = widget.palette();
    if (IsTextBox(widget)) {
        p.setColor(QPalette::Base, ui::ToQColor(colour));
    } else {
        p.setColor(QPalette::Window, ui::ToQColor(colour));
        widget.setAutoFillBackground(true);
    }
    widget.setPalette(p);
}

void PaintFore(QWidget& widget, Rgb colour) {
    if (RememberColour(widget, kForeProperty, colour))
        return;
    QPalette p = widget.palette();
    p.setColor(IsTextBox(widget) ? QPalette::Text : QPalette::WindowText, ui::ToQColor(colour));
    widget.setPalette(p);
}

std::optional<Rgb> BackOf(const QWidget& widget) {
    return Remembered(widget, kBackProperty);
}
std::optional<Rgb> ForeOf(const QWidget& widget) {
    return Remembered(widget, kForeProperty);
}

} // namespace varnok::sheets
