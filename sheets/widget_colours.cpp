#include "widget_colours.h"

#include "qt_colour.h"
#include "widget_style.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
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

// A push button's palette is ignored by most styles; a style sheet always shows.
void RestyleButton(QAbstractButton& button) {
    button.setStyleSheet(ui::ButtonStyleSheet(BackOf(button).value_or(Rgb{225, 225, 225}),
                                              ForeOf(button).value_or(Rgb{0, 0, 0}),
                                              {.borderPixels = 2, .radiusPixels = 3}));
}

bool IsPushButton(const QWidget& widget) {
    return qobject_cast<const QAbstractButton*>(&widget) != nullptr &&
           qobject_cast<const QRadioButton*>(&widget) == nullptr;
}

/// Keeps the colour on the widget for BackOf/ForeOf; true when the widget is a
/// push button, which only its style sheet repaints (done here).
bool RememberColour(QWidget& widget, const char* property, Rgb colour) {
    widget.setProperty(property, ui::ToQColor(colour));
    if (!IsPushButton(widget))
        return false;
    RestyleButton(static_cast<QAbstractButton&>(widget));
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
