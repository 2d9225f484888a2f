#pragma once
// Colours on real widgets, painted so that they show whatever the style:
// buttons through a style sheet, fields and labels through their palette.
// The colour last painted is remembered on the widget, so it can be read back.

#include "colour.h"

#include <optional>

class QWidget;

namespace varnok::sheets {

void PaintBack(QWidget& widget, Rgb colour);
void PaintFore(QWidget& widget, Rgb colour);

/// The colour last painted on the widget; none when it was never painted.
std::optional<Rgb> BackOf(const QWidget& widget);
std::optional<Rgb> ForeOf(const QWidget& widget);

} // namespace varnok::sheets
